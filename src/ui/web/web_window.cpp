#include "ui/web/web_window.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/json.h"
#include "ui/web/page_bridge.h"
#include "ui/web/page_description.h"

#include <emscripten.h>

#include <algorithm>
#include <array>

// The box is an asynchronous dialog on the page; Asyncify suspends the running handler until
// the user has closed it, so the handler goes on afterwards exactly as on the desktop.
// clang-format off
EM_ASYNC_JS(void, qv_message_box, (const char* text, const char* title, int error), {
    await quorvelPage.messageBox(UTF8ToString(text), UTF8ToString(title), error !== 0);
});
// The working window, as JSON; the handler waits for it as for a box.
EM_ASYNC_JS(void, qv_show_working, (const char* json), {
    await quorvelPage.showWorking(UTF8ToString(json));
});
// clang-format on

namespace quorvel::ui::web {
namespace {

// CSS pixels are pixels at 96 dpi; the browser scales them for the screen.
constexpr int kCssDpi = 96;
// The working's text: 12 points, readable on a phone without zooming.
constexpr double kWorkingPixels = 16;

std::string rectJson(const session::PixelRect& r) {
    return "[" + std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) +
           "," + std::to_string(r.height) + "]";
}

// The page, laid out, for working.js.
std::string workingJson(const session::WorkingPage& page, const session::WorkingLayout& layout) {
    std::string json =
        "{\"title\":" + jsonString(page.title) + ",\"listName\":" + jsonString(page.listName) +
        ",\"copy\":" + jsonString(page.copyButton) + ",\"close\":" + jsonString(page.closeButton) +
        ",\"plain\":" + jsonString(page.plainText) +
        ",\"pixelSize\":" + std::to_string(static_cast<int>(kWorkingPixels)) +
        ",\"width\":" + std::to_string(layout.width) + ",\"lines\":[";
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const session::LaidOutLine& line = layout.lines.at(i);
        json += std::string(i > 0 ? "," : "") +
                "{\"kind\":" + jsonString(session::kindName(page.lines[i].kind)) +
                ",\"said\":" + jsonString(page.lines[i].sentence) +
                ",\"height\":" + std::to_string(line.height) + ",\"ink\":[";
        for (std::size_t k = 0; k < line.ink.size(); ++k) {
            const session::PixelRect& b = line.ink[k].box;
            json += std::string(k > 0 ? "," : "") + "[" + jsonString(line.ink[k].text) + "," +
                    rectJson(b).substr(1);
        }
        json += "],\"bars\":[";
        for (std::size_t k = 0; k < line.bars.size(); ++k) {
            json += std::string(k > 0 ? "," : "") + rectJson(line.bars[k]);
        }
        json += "]}";
    }
    return json + "]}";
}

} // namespace

WebWindow::WebWindow() {
    qv_build_page(pageDescription().c_str());
    session_.start();
}

WebWindow::~WebWindow() {
    qv_remove_page();
}

session::LabelDisplay WebWindow::labelDisplay() const {
    return {kCssDpi, kCssDpi, [](LabelId id, std::string_view run, double pixelSize) {
                std::array<double, 6> m{};
                qv_measure(std::string(labelRow(id).name).c_str(), std::string(run).c_str(),
                           pixelSize, m.data());
                return TextExtent{m[0], m[1], m[2], m[3], m[4], m[5]};
            }};
}

void WebWindow::showLabel(LabelId label, const session::LabelLook& look) {
    const CaptionLayout& layout = look.layout;
    qv_show_label(std::string(labelRow(label).name).c_str(), look.caption.c_str(),
                  layout.text.c_str(), layout.pixelSize, layout.x, layout.baseline,
                  layout.asDesigned ? 1 : 0, look.back ? cssColour(*look.back).c_str() : "",
                  look.tooltip.c_str(), look.accessibleName.c_str(),
                  look.accessibleDescription.c_str());
}

void WebWindow::setLineVisible(LineId line, bool visible) {
    qv_set_line_visible(std::string(lineRow(line).name).c_str(), visible ? 1 : 0);
}

bool WebWindow::optionSelected(OptionId option) const {
    return qv_option_selected(std::string(optionRow(option).name).c_str()) != 0;
}

void WebWindow::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
    qv_message_box(std::string(text).c_str(), std::string(title).c_str(),
                   icon == MessageIcon::Error ? 1 : 0);
}

void WebWindow::showWorking(const session::WorkingPage& page) {
    const session::WorkingFont font{kWorkingPixels, [](std::string_view text, double pixelSize) {
                                        std::array<double, 6> m{};
                                        qv_measure("", std::string(text).c_str(), pixelSize,
                                                   m.data());
                                        return TextExtent{m[0], m[1], m[2], m[3], m[4], m[5]};
                                    }};
    // Wide enough for every step on a desktop; on a phone the lines wrap to the screen.
    const int maxWidth = std::min(qv_viewport_width() - 40, static_cast<int>(kWorkingPixels * 48));
    qv_show_working(workingJson(page, session::layOutWorking(page.lines, font, maxWidth)).c_str());
}

void WebWindow::copyText(std::string_view text) {
    qv_copy_text(std::string(text).c_str());
}

void WebWindow::unload() {
    if (ended_) {
        return;
    }
    ended_ = true;
    qv_end_page();
}

void WebWindow::announce(std::string_view text) {
    qv_announce(std::string(text).c_str());
}

std::string WebWindow::focusedControl() const {
    std::array<char, 32> focus{};
    qv_read_focus(focus.data(), static_cast<int>(focus.size()));
    return focus.data();
}

void WebWindow::focusControl(std::string_view name) {
    qv_focus(std::string(name).c_str());
}

} // namespace quorvel::ui::web
