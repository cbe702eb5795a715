#include "ui/session/session.h"

#include "ui/controls/control_tables.h"
#include "ui/session/narration.h"
#include "ui/session/session_handlers.h"
#include "ui/session/working_layout.h"
#include "ui/session/working_lines.h"

#include <algorithm>
#include <utility>

namespace quorvel::session {
namespace {

std::size_t indexOf(LabelId label) {
    return static_cast<std::size_t>(label) - 1;
}

} // namespace

Session::Session(NativeWindow& window)
    : window_(window) {
    for (const ui::LabelRow& row : ui::labelTable()) {
        LabelState& label = state(row.id);
        label.caption = std::string(row.caption);
        label.back = row.back;
    }
    for (const ui::OptionRow& row : ui::optionTable()) {
        if (row.selected) {
            chosenOption_ = row.name;
        }
    }
}

// An option that is chosen already is not chosen again by a click: nothing runs or is said, on
// every platform (a Windows radio button reports such a click, Qt and the browser do not).
bool Session::choosesAgain(Event event) {
    const auto options = ui::optionTable();
    const auto option =
        std::find_if(options.begin(), options.end(),
                     [event](const ui::OptionRow& row) { return row.click == event; });
    if (option == options.end()) {
        return false;
    }
    if (option->name == chosenOption_) {
        return true;
    }
    chosenOption_ = option->name;
    return false;
}

void Session::start() {
    guard([this] {
        relayout();
        form_.handle(Event::Form_Load);
        // The focus starts on the first control in the tab order.
        const std::string_view first = ui::tabOrder().front();
        window_.focusControl(first);
        lastFocus_ = std::string(first);
    });
    showNextModal();
}

void Session::relayout() {
    guard([this] {
        for (const ui::LabelRow& row : ui::labelTable()) {
            show(row.id);
        }
    });
    showNextModal();
}

Session::LabelState& Session::state(LabelId label) {
    return labels_.at(indexOf(label));
}

const Session::LabelState& Session::state(LabelId label) const {
    return labels_.at(indexOf(label));
}

void Session::show(LabelId label) {
    if (boxOpen_) {
        heldLabels_.set(static_cast<std::size_t>(label));
        return;
    }
    const LabelState& s = state(label);
    window_.showLabel(label, lookOf(label, s.caption, s.back, window_.labelDisplay()));
}

// The focus a box gives back: the control the user was on. Opened from the menu bar by the
// keyboard, the box would otherwise hand the focus back to the menu bar, where nothing can be
// used and Tab starts from the beginning. Only the buttons and options take the focus in the
// window.
void Session::rememberFocus() {
    const std::string focus = window_.focusedControl();
    const auto buttons = ui::buttonTable();
    const auto options = ui::optionTable();
    const auto named = [&focus](const auto& row) { return row.name == focus; };
    if (std::any_of(buttons.begin(), buttons.end(), named) ||
        std::any_of(options.begin(), options.end(), named)) {
        lastFocus_ = focus;
    }
}

// The user is told, and the window ends once the box is closed; a fault while telling of one
// ends it at once.
void Session::fault() {
    if (faulting_) {
        pendingModals_.clear();
        unload();
        return;
    }
    faulting_ = true;
    endAfterModal_ = true;
    pendingModals_.clear();
    modal([this] {
        if (observer_ != nullptr) {
            observer_->boxOpening(FaultText, ErrorBoxTitle, MessageIcon::Error);
        }
        return window_.messageBox(FaultText, ErrorBoxTitle, MessageIcon::Error);
    });
}

void Session::activate(std::string_view control) {
    if (const auto event = ui::eventOfControl(control)) {
        activate(*event);
    }
}

void Session::activate(Event event) {
    if (boxOpen_ || ended_ || choosesAgain(event)) {
        return;
    }
    if (event == Event::ViewWorking_Click) {
        run(Narration::None, [this] { showWorking(); });
        return;
    }
    if (event == Event::CheckAnswer_Click) {
        run(Narration::None, [this] { showCheck(); });
        return;
    }
    if (event == Event::History_Click) {
        run(Narration::None, [this] { showHistory(); });
        return;
    }
    // 答えを使う changes nothing without an answer on display; a screen-reader user is told why.
    if (event == Event::UseAnswer_Click && state(LabelId::Label6).caption.empty() &&
        state(LabelId::Label2).caption.empty()) {
        run(Narration::NoAnswer, [] {});
        return;
    }
    run(narrationAfter(event), [this, event] { form_.handle(event); });
}

void Session::keyDown(VirtualKey key, Modifiers modifiers) {
    if (key == VkC && modifiers.ctrl && !modifiers.alt && !modifiers.shift) {
        if (!boxOpen_ && !ended_) {
            guard([this] { copyAnswer(); });
            showNextModal();
        }
        return;
    }
    run(narrationAfterKey(key),
        [this, key, modifiers] { form_.handleKeyDown(key, shiftState(modifiers)); });
}

void Session::close() {
    if (!boxOpen_) {
        unload();
    }
}

std::string Session::caption(LabelId label) const {
    return state(label).caption;
}

void Session::setCaption(LabelId label, std::string_view text) {
    state(label).caption = std::string(text);
    show(label);
}

void Session::setBackColour(LabelId label, Colour colour) {
    state(label).back = colour;
    show(label);
}

void Session::setLineVisible(LineId line, bool visible) {
    if (boxOpen_) {
        heldLines_.at(static_cast<std::size_t>(line)) = visible;
        return;
    }
    window_.setLineVisible(line, visible);
}

bool Session::optionSelected(OptionId option) const {
    return window_.optionSelected(option);
}

// Shows the boxes asked for, one at a time, unless one is on the screen now.
void Session::showNextModal() {
    if (modalShowing_) {
        return;
    }
    while (!pendingModals_.empty() && !ended_) {
        const std::function<ModalEnd()> show = std::move(pendingModals_.front());
        pendingModals_.erase(pendingModals_.begin());
        modalShowing_ = true;
        ModalEnd end = ModalEnd::Closed;
        guard([&] { end = show(); });
        if (end == ModalEnd::StillOpen && !ended_) {
            return;
        }
        modalShowing_ = false;
    }
    pendingModals_.clear();
    release();
}

void Session::modalClosed() {
    if (modalShowing_) {
        modalShowing_ = false;
        showNextModal();
    }
}

// The last box has closed: the window shows what its handler left, and takes input again.
void Session::release() {
    if (!boxOpen_) {
        return;
    }
    boxOpen_ = false;
    if (endAfterModal_ || ended_) {
        unload();
        return;
    }
    guard([this] {
        for (std::size_t n = 1; n < heldLabels_.size(); ++n) {
            if (heldLabels_.test(n)) {
                show(static_cast<LabelId>(n));
            }
        }
        for (std::size_t n = 1; n < heldLines_.size(); ++n) {
            if (const std::optional<bool> visible = heldLines_.at(n)) {
                window_.setLineVisible(static_cast<LineId>(n), *visible);
            }
        }
        if (!focusAfterModal_.empty()) {
            window_.focusControl(focusAfterModal_);
        }
    });
    heldLabels_.reset();
    heldLines_.fill(std::nullopt);
    showNextModal();
    // What a window asked to be done once it had closed, with the calculator taking input again.
    if (const std::function<void()> after = std::exchange(afterModals_, {}); after && !boxOpen_) {
        after();
    }
}

void Session::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
    modal([this, text = std::string(text), title = std::string(title), icon] {
        if (observer_ != nullptr) {
            observer_->boxOpening(text, title, icon);
        }
        return window_.messageBox(text, title, icon);
    });
}

void Session::unload() {
    if (!ended_) {
        ended_ = true;
        if (observer_ != nullptr) {
            observer_->ended();
        }
        window_.unload();
    }
}

void Session::runtimeErrorRaised(RuntimeErrorKind kind) {
    if (observer_ != nullptr) {
        observer_->runtimeError(kind);
    }
}

} // namespace quorvel::session
