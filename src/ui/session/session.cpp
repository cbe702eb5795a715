#include "ui/session/session.h"

#include "entry/restore_problem.h"
#include "learning/problem_working.h"
#include "ui/controls/control_tables.h"
#include "ui/session/narration.h"
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
    const EventRow* row = eventRowOf(event);
    const bool isOption = row != nullptr && std::any_of(options.begin(), options.end(),
                                                        [row](const ui::OptionRow& option) {
                                                            return option.name == row->control;
                                                        });
    if (!isOption) {
        return false;
    }
    if (row->control == chosenOption_) {
        return true;
    }
    chosenOption_ = row->control;
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

// The one place where every fault ends up, whatever handler or binding call raised it. A run-time
// error of the calculation never gets here: Form1 presents it and the window goes on.
template <typename Work> void Session::guard(Work&& work) {
    try {
        work();
    } catch (...) {
        fault();
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

// Runs a handler through Form1's dispatch point, then tells a screen-reader user what changed,
// unless a box has spoken for itself or the window has gone. While a box is open the window
// takes no input.
template <typename Handler> void Session::run(Narration narration, Handler&& handler) {
    if (boxOpen_ || ended_) {
        return;
    }
    guard([&] {
        rememberFocus();
        const int boxesBefore = boxesShown_;
        if (observer_ != nullptr) {
            observer_->handlerRunning();
        }
        handler();
        remember(form_.working());
        if (ended_ || boxesShown_ != boxesBefore) {
            return;
        }
        const std::string text = narrationText(narration, form_);
        if (!text.empty()) {
            window_.announce(text);
        }
    });
    showNextModal();
}

void Session::activate(std::string_view control) {
    if (const auto event = eventOfControl(control)) {
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

// The working of the calculation on display, with its answer in the display mode chosen now.
void Session::showWorking() {
    showWorkingOf(form_.working());
}

void Session::showWorkingOf(Working working) {
    working.improperMode = window_.optionSelected(OptionId::Option6);
    modal([this, dialog = workingDialog(working)] {
        if (observer_ != nullptr) {
            observer_->workingOpening();
        }
        return window_.showDialog(dialog);
    });
}

// 答え合わせ for the problem in the fields, whether or not it has been calculated: the window
// goes on showing what it showed. Its 途中式 opens the working of that problem.
void Session::showCheck() {
    std::array<std::string, 6> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields.at(i) =
            state(static_cast<LabelId>(static_cast<std::size_t>(LabelId::Label7) + i)).caption;
    }
    const Working problem = learning::workingOfProblem(fields, form_.vars().KN);
    modal([this, dialog = checkDialog(problem, [this, problem] { showWorkingOf(problem); })] {
        return window_.showDialog(dialog);
    });
}

// A calculation that gave an answer joins the history, unless it is the newest one again.
void Session::remember(const Working& working) {
    if (!working.calculated || working.stop || working.steps.empty()) {
        return;
    }
    if (!history_.empty() && history_.back().entry == working.entry &&
        history_.back().operatorCode == working.operatorCode) {
        return;
    }
    history_.push_back(working);
}

// 履歴, newest first, with the answers in the display mode chosen now. 選ぶ puts the chosen problem
// back and calculates it once the window has closed; 途中式 opens its working in its place.
void Session::showHistory() {
    std::vector<Working> shown(history_.rbegin(), history_.rend());
    for (Working& working : shown) {
        working.improperMode = window_.optionSelected(OptionId::Option6);
    }
    auto closed = [this, shown](DialogCommand command, std::size_t line) {
        if (line >= shown.size()) {
            return;
        }
        if (command == DialogCommand::CloseThenWorking) {
            showWorkingOf(shown[line]);
        } else if (command == DialogCommand::CloseThenPick) {
            afterModals_ = [this, picked = shown[line]] {
                run(Narration::Result, [this, &picked] {
                    RestoreProblem(form_, picked.entry, picked.operatorCode);
                    form_.handle(Event::Command1_Click);
                });
            };
        }
    };
    modal([this, dialog = historyDialog(shown, std::move(closed))] {
        if (observer_ != nullptr) {
            observer_->historyOpening();
        }
        return window_.showDialog(dialog);
    });
}

// Ctrl+C copies the answer on display; the key means nothing else to the window.
void Session::copyAnswer() {
    const std::string answer =
        answerPlainText(state(LabelId::Label5).caption, state(LabelId::Label6).caption,
                        state(LabelId::Label2).caption, state(LabelId::Label1).caption);
    // A screen-reader user hears that the copy was made, or why nothing was copied.
    if (answer.empty()) {
        window_.announce("コピーする答えがありません");
        return;
    }
    window_.copyText(answer);
    window_.announce("答えをコピーしました");
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

// A box or the working window, asked for by the running handler: it opens once the handler has
// ended, the main window takes no input while it is open, and the focus then goes back to the
// control the user was on.
template <typename Show> void Session::modal(Show&& show) {
    if (!boxOpen_) {
        rememberFocus();
        focusAfterModal_ = lastFocus_;
    }
    ++boxesShown_;
    boxOpen_ = true;
    pendingModals_.emplace_back(std::forward<Show>(show));
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
