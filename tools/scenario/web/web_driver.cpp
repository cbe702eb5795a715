#include "web_driver.h"

#include "ui/controls/json.h"
#include "ui/web/key_codes.h"
#include "ui/web/page_bridge.h"
#include "ui/web/web_window.h"

#include <array>
#include <utility>

namespace quorvel::scenario {
namespace {

using ui::jsonString;

std::string labelName(int number) {
    return "Label" + std::to_string(number);
}

std::string readCaption(const std::string& name) {
    std::array<char, 256> text{};
    qv_read_caption(name.c_str(), text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string flag(bool value) {
    return value ? "true" : "false";
}

} // namespace

WebDriver::WebDriver(ui::web::WebWindow& window, Transcript& transcript)
    : window_(window)
    , transcript_(transcript) {
    window_.messageBoxOpening = [this](std::string_view text, std::string_view title,
                                       MessageIcon icon) {
        transcript_.message(title, text, icon);
    };
    window_.runtimeErrorReported = [this](RuntimeErrorKind kind) {
        transcript_.runtimeError(kind);
    };
    window_.windowUnloaded = [this] { transcript_.ended(); };
}

WebDriver::~WebDriver() {
    window_.messageBoxOpening = nullptr;
    window_.runtimeErrorReported = nullptr;
    window_.windowUnloaded = nullptr;
}

std::string WebDriver::takeAction() {
    return std::exchange(action_, {});
}

void WebDriver::click(const std::string& name) {
    action_ = R"({"do": "click", "name": )" + jsonString(name) + "}";
}

void WebDriver::chooseMenuCommand(const std::string& name) {
    action_ = R"({"do": "menu", "name": )" + jsonString(name) + "}";
}

void WebDriver::pressKey(int virtualKey, bool shift, bool ctrl, bool alt) {
    const auto key = ui::web::browserKeyOf(virtualKey);
    if (!key) {
        return;
    }
    action_ = R"({"do": "key", "code": )" + jsonString(key->code) + R"(, "key": )" +
              jsonString(key->key) + R"(, "shift": )" + flag(shift) + R"(, "ctrl": )" + flag(ctrl) +
              R"(, "alt": )" + flag(alt) + "}";
}

void WebDriver::close() {
    window_.close();
}

WindowState WebDriver::state() {
    WindowState state;
    for (int n = 1; n <= 12; ++n) {
        state.captions.at(static_cast<std::size_t>(n - 1)) = readCaption(labelName(n));
    }
    for (int n = 7; n <= 12; ++n) {
        state.fieldColours.at(static_cast<std::size_t>(n - 7)) = qv_read_back(labelName(n).c_str());
    }
    state.line3Visible = qv_read_line_visible("Line3") != 0;
    state.option6Selected = window_.optionSelected(OptionId::Option6);
    state.takeVariables(window_.form().vars());
    std::array<char, 32> focus{};
    qv_read_focus(focus.data(), static_cast<int>(focus.size()));
    state.focus = focus.data();
    return state;
}

void WebDriver::wait(int milliseconds) {
    action_ = R"({"do": "sleep", "ms": )" + std::to_string(milliseconds) + "}";
}

WebScenario::WebScenario(ui::web::WebWindow& window)
    : driver_(window, transcript_) {}

std::string WebScenario::step(const std::string& line) {
    playLine(line, driver_, transcript_);
    return driver_.takeAction();
}

} // namespace quorvel::scenario
