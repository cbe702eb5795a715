#include "web_driver.h"

#include "ui/controls/json.h"
#include "ui/web/key_codes.h"
#include "ui/web/page_bridge.h"
#include "ui/web/web_window.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::scenario {
namespace {

using ui::jsonString;

std::string readFromPage(const char* what, const std::string& name) {
    std::vector<char> text(65536);
    qv_read(what, name.c_str(), text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string flag(bool value) {
    return value ? "true" : "false";
}

} // namespace

WebDriver::WebDriver(ui::web::WebWindow& window, Transcript& transcript)
    : TranscriptObserver(transcript)
    , window_(window)
    , transcript_(transcript) {
    window_.session().observe(this);
}

WebDriver::~WebDriver() {
    window_.session().observe(nullptr);
}

// The page answers the box itself while a scenario plays.
void WebDriver::boxOpening(std::string_view text, std::string_view title, MessageIcon icon) {
    transcript_.message(title, text, icon);
}

// The working windows the page read while the last action ran, separated by U+001E: a line for
// the window (title, focus, buttons), then one per step (kind, sentence, the texts drawn), fields
// split by tabs and lists by U+001F.
void WebDriver::reportWorking() {
    const std::string seen = readFromPage("working", "");
    // Each check: the problem, the verdict as drawn and as said, split by tabs.
    const std::string checks = readFromPage("checks", "");
    if (!checks.empty()) {
        for (const std::string& block : split(checks, '\x1e')) {
            const std::vector<std::string> parts = split(block, '\t');
            transcript_.check({parts.at(0), parts.at(1), parts.at(2)});
        }
    }
    if (seen.empty()) {
        return;
    }
    for (const std::string& block : split(seen, '\x1e')) {
        const std::vector<std::string> lines = linesOf(block);
        const std::vector<std::string> head = split(lines.at(0), '\t');
        PerceivedWorking working{head.at(1), {}, split(head.at(3), '\x1f'), head.at(2)};
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::vector<std::string> step = split(lines[i], '\t');
            working.steps.push_back({step.at(0), split(step.at(2), '\x1f'), step.at(1)});
        }
        if (head.at(0) == "HistoryWindow") {
            transcript_.history(working);
        } else {
            transcript_.working(working);
        }
    }
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

void WebDriver::checkAnswer(bool negative, const std::array<std::string, 3>& answer) {
    action_ = R"({"do": "check", "negative": )" + flag(negative) + R"(, "answer": [)" +
              jsonString(answer[0]) + ", " + jsonString(answer[1]) + ", " + jsonString(answer[2]) +
              "]}";
}

void WebDriver::openHistory(int pick) {
    action_ = R"({"do": "history", "pick": )" + std::to_string(pick) + "}";
}

void WebDriver::close() {
    window_.session().close();
}

WindowState WebDriver::state() {
    WindowState state;
    for (int n = 1; n <= 12; ++n) {
        const std::string name = labelName(n);
        const auto at = static_cast<std::size_t>(n - 1);
        state.captions.at(at) = readFromPage("caption", name);
        state.labels.at(at) = {readFromPage("shown", name), readFromPage("tooltip", name),
                               readFromPage("name", name)};
    }
    for (int n = 7; n <= 12; ++n) {
        state.fieldColours.at(static_cast<std::size_t>(n - 7)) =
            static_cast<Colour>(std::stoul(readFromPage("back", labelName(n))));
    }
    state.line3Visible = readFromPage("visible", "Line3") == "1";
    state.option6Selected = window_.optionSelected(OptionId::Option6);
    state.takeVariables(window_.form().vars());
    state.focus = window_.focusedControl();
    state.announced = linesOf(readFromPage("announced", ""));
    return state;
}

void WebDriver::wait(int milliseconds) {
    action_ = R"({"do": "sleep", "ms": )" + std::to_string(milliseconds) + "}";
}

WebScenario::WebScenario(ui::web::WebWindow& window)
    : driver_(window, transcript_) {}

std::string WebScenario::step(const std::string& line) {
    driver_.reportWorking();
    playLine(line, driver_, transcript_);
    return driver_.takeAction();
}

const std::string& WebScenario::finish() {
    driver_.reportWorking();
    return output_;
}

} // namespace quorvel::scenario
