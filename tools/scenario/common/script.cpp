#include "script.h"

#include "entry/virtual_keys.h"
#include "ui/controls/control_tables.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace quorvel::scenario {
namespace {

// Any control of the window, whether or not it has a handler: a click on one without a handler
// is a thing a user can do too.
bool isControl(std::string_view name) {
    const auto names = ui::tabOrder();
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isMenuCommand(std::string_view name) {
    const auto menu = ui::menuTable();
    return std::any_of(menu.begin(), menu.end(),
                       [name](const ui::MenuCommandRow& row) { return row.name == name; });
}

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r\n");
    return line.substr(first, last - first + 1);
}

constexpr std::string_view kBlanks = " \t\r\n\v\f";

// The words of a text, split at blanks.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = text.find_first_not_of(kBlanks);
    while (at != std::string_view::npos) {
        const std::size_t end = text.find_first_of(kBlanks, at);
        words.emplace_back(text.substr(at, end - at));
        at = end == std::string_view::npos ? end : text.find_first_not_of(kBlanks, end);
    }
    return words;
}

bool readKey(const std::string& arguments, ScenarioLine& out) {
    const std::vector<std::string> words = wordsOf(arguments);
    if (words.empty()) {
        return false;
    }
    char* end = nullptr;
    const long vk = std::strtol(words.front().c_str(), &end, 10);
    if (*end != '\0' || vk < 0 || vk > 255 || !isScenarioKey(static_cast<int>(vk))) {
        return false;
    }
    out.virtualKey = static_cast<int>(vk);
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "shift") {
            out.shift = true;
        } else if (words[i] == "ctrl") {
            out.ctrl = true;
        } else if (words[i] == "alt") {
            out.alt = true;
        } else {
            return false;
        }
    }
    return true;
}

bool readMilliseconds(const std::string& argument, ScenarioLine& out) {
    char* end = nullptr;
    const long ms = std::strtol(argument.c_str(), &end, 10);
    if (argument.empty() || *end != '\0' || ms < 0 || ms > 60000) {
        return false;
    }
    out.milliseconds = static_cast<int>(ms);
    return true;
}

// check W N D: each part "_" for empty, else its digits; a leading "-" on any makes the answer
// negative.
bool readAnswer(const std::string& arguments, ScenarioLine& out) {
    const std::vector<std::string> words = wordsOf(arguments);
    if (words.size() != out.answer.size()) {
        return false;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string part = words[i];
        if (part.starts_with('-')) {
            out.negative = true;
            part.erase(0, 1);
        }
        if (part == "_") {
            part.clear();
        } else if (part.empty()) {
            return false;
        }
        out.answer.at(i) = part;
    }
    return true;
}

} // namespace

bool isScenarioKey(int vk) {
    constexpr std::array kSingles{
        VkBackspace,   VkTab,       VkEnter,    VkAlt,   VkEscape,   VkSpace,   VkPageUp,
        VkPageDown,    VkEnd,       VkHome,     VkLeft,  VkUp,       VkRight,   VkDown,
        VkInsert,      VkDelete,    VkMultiply, VkAdd,   VkSubtract, VkDecimal, VkDivide,
        VkKeypadEqual, VkSemicolon, VkEqual,    VkComma, VkMinus,    VkPeriod,  VkSlash};
    if ((vk >= Vk0 && vk <= Vk9) || (vk >= VkA && vk <= VkZ) ||
        (vk >= VkNumpad0 && vk <= VkNumpad9) || (vk >= VkF1 && vk <= VkF12)) {
        return true;
    }
    return std::find(kSingles.begin(), kSingles.end(), vk) != kSingles.end();
}

ScenarioLine readScenarioLine(const std::string& rawLine) {
    ScenarioLine out;
    const std::string line = trimmed(rawLine);
    if (line.empty() || line.front() == '#') {
        return out;
    }
    // The command is the first word; its argument is the rest of the line.
    const std::size_t commandEnd = line.find_first_of(kBlanks);
    const std::string command = line.substr(0, commandEnd);
    const std::size_t argumentStart =
        commandEnd == std::string::npos ? commandEnd : line.find_first_not_of(kBlanks, commandEnd);
    const std::string argument =
        argumentStart == std::string::npos ? std::string() : line.substr(argumentStart);

    bool understood = false;
    if (command == "click") {
        out.kind = ScenarioLine::Kind::Click;
        out.name = argument;
        understood = isControl(argument);
    } else if (command == "menu") {
        out.kind = ScenarioLine::Kind::Menu;
        out.name = argument;
        understood = isMenuCommand(argument);
    } else if (command == "working") {
        // The working window, opened from the menu: the runner reports what it shows and
        // closes it with Escape.
        out.kind = ScenarioLine::Kind::Menu;
        out.name = "ViewWorking";
        understood = argument.empty();
    } else if (command == "use_answer") {
        out.kind = ScenarioLine::Kind::Menu;
        out.name = "UseAnswer";
        understood = argument.empty();
    } else if (command == "check") {
        // 答え合わせ for the problem in the fields: the runner types the answer, presses 確かめる,
        // reports the verdict and closes the window with Escape.
        out.kind = ScenarioLine::Kind::Check;
        understood = readAnswer(argument, out);
    } else if (command == "history" || command == "history_pick") {
        // 履歴: the runner reports its entries, or chooses one (1 = the newest) with the arrow
        // keys and Enter; either way the window closes.
        out.kind = ScenarioLine::Kind::History;
        if (command == "history") {
            understood = argument.empty();
        } else {
            char* end = nullptr;
            const long pick = std::strtol(argument.c_str(), &end, 10);
            understood = !argument.empty() && *end == '\0' && pick >= 1 && pick <= 1000;
            out.pick = static_cast<int>(pick);
        }
    } else if (command == "key") {
        out.kind = ScenarioLine::Kind::Key;
        understood = readKey(argument, out);
    } else if (command == "close" || command == "dump") {
        out.kind = command == "close" ? ScenarioLine::Kind::Close : ScenarioLine::Kind::Dump;
        understood = argument.empty();
    } else if (command == "fault") {
        // The next handler fails as a fault of the program would (not a run-time error), to
        // show what the user is then told.
        out.kind = ScenarioLine::Kind::Fault;
        understood = argument.empty();
    } else if (command == "sleep") {
        // Lets real input from outside (an X server under test) arrive for so many milliseconds.
        out.kind = ScenarioLine::Kind::Sleep;
        understood = readMilliseconds(argument, out);
    }
    if (!understood) {
        out = ScenarioLine{};
        out.kind = ScenarioLine::Kind::Bad;
        out.text = line;
    }
    return out;
}

} // namespace quorvel::scenario
