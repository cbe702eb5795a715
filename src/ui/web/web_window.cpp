#include "ui/web/web_window.h"

#include "ui/controls/caption_fit.h"
#include "ui/controls/control_tables.h"
#include "ui/web/page_bridge.h"
#include "ui/web/page_description.h"

#include <emscripten.h>

#include <array>
#include <cstddef>

// The box is an asynchronous dialog on the page; Asyncify suspends the running handler until
// the user has closed it, so the handler goes on afterwards exactly as on the desktop.
// clang-format off
EM_ASYNC_JS(void, qv_message_box, (const char* text, const char* title, int error), {
    await quorvelPage.messageBox(UTF8ToString(text), UTF8ToString(title), error !== 0);
});
// clang-format on

namespace quorvel::ui::web {
namespace {

constexpr double kCssPixelsPerPoint = 96.0 / 72.0;
constexpr double kDefaultPoints = 9;

const LabelRow& rowOf(LabelId id) {
    for (const LabelRow& row : labelTable()) {
        if (row.id == id) {
            return row;
        }
    }
    return labelTable().front();
}

std::size_t indexOf(LabelId id) {
    return static_cast<std::size_t>(id) - 1;
}

std::string lineName(LineId id) {
    return "Line" + std::to_string(static_cast<int>(id));
}

std::string optionName(OptionId id) {
    return "Option" + std::to_string(static_cast<int>(id));
}

} // namespace

WebWindow::WebWindow() {
    qv_build_page(pageDescription().c_str());
    for (const LabelRow& row : labelTable()) {
        captions_.at(indexOf(row.id)) = std::string(row.caption);
        showCaption(row.id);
    }
    form_.handle(Event::Form_Load);
    qv_focus("Command2");
}

WebWindow::~WebWindow() {
    qv_remove_page();
}

std::string WebWindow::caption(LabelId label) const {
    return captions_.at(indexOf(label));
}

void WebWindow::setCaption(LabelId label, std::string_view text) {
    captions_.at(indexOf(label)) = std::string(text);
    showCaption(label);
}

void WebWindow::showCaption(LabelId label) {
    const LabelRow& row = rowOf(label);
    const std::string name(row.name);
    const std::string& text = captions_.at(indexOf(label));
    const double points = row.font.points > 0 ? row.font.points : kDefaultPoints;
    const CaptionBox box{static_cast<double>(row.rect.width) / kTwipsPerPixel,
                         static_cast<double>(row.rect.height) / kTwipsPerPixel, row.alignment,
                         points * kCssPixelsPerPoint, legibleFloorPixels(96)};
    const CaptionLayout layout =
        fitCaption(text, box, [&name](std::string_view run, double pixelSize) {
            std::array<double, 6> m{};
            qv_measure(name.c_str(), std::string(run).c_str(), pixelSize, m.data());
            return TextExtent{m[0], m[1], m[2], m[3], m[4], m[5]};
        });
    qv_show_caption(name.c_str(), text.c_str(), layout.text.c_str(), layout.pixelSize, layout.x,
                    layout.baseline, layout.asDesigned ? 1 : 0, layout.shortened ? 1 : 0);
}

void WebWindow::setBackColour(LabelId label, Colour colour) {
    qv_set_back(std::string(rowOf(label).name).c_str(), cssColour(colour).c_str());
}

void WebWindow::setLineVisible(LineId line, bool visible) {
    qv_set_line_visible(lineName(line).c_str(), visible ? 1 : 0);
}

bool WebWindow::optionSelected(OptionId option) const {
    return qv_option_selected(optionName(option).c_str()) != 0;
}

void WebWindow::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
    ++boxesShown_;
    if (messageBoxOpening) {
        messageBoxOpening(text, title, icon);
    }
    qv_message_box(std::string(text).c_str(), std::string(title).c_str(),
                   icon == MessageIcon::Error ? 1 : 0);
}

void WebWindow::unload() {
    if (ended_) {
        return;
    }
    ended_ = true;
    qv_end_page();
    if (windowUnloaded) {
        windowUnloaded();
    }
}

void WebWindow::close() {
    unload();
}

void WebWindow::runtimeErrorRaised(RuntimeErrorKind kind) {
    if (runtimeErrorReported) {
        runtimeErrorReported(kind);
    }
}

void WebWindow::handleUserEvent(Event event) {
    if (ended_) {
        return;
    }
    const int boxesBefore = boxesShown_;
    form_.handle(event);
    narrate(narrationAfter(event), boxesBefore);
}

void WebWindow::handleKeyDown(int virtualKey, bool shift, bool ctrl, bool alt) {
    if (ended_) {
        return;
    }
    const int boxesBefore = boxesShown_;
    const int modifiers = (shift ? 1 : 0) | (ctrl ? 2 : 0) | (alt ? 4 : 0);
    form_.handleKeyDown(static_cast<std::int16_t>(virtualKey),
                        static_cast<std::int16_t>(modifiers));
    narrate(narrationAfterKey(virtualKey), boxesBefore);
}

// One message per event, none when a box has spoken for itself or the window has gone.
void WebWindow::narrate(Narration narration, int boxesBefore) {
    if (boxesShown_ != boxesBefore || ended_) {
        return;
    }
    const std::string text = narrationText(narration, form_);
    if (!text.empty()) {
        qv_announce(text.c_str());
    }
}

} // namespace quorvel::ui::web
