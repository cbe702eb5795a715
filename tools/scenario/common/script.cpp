#include "script.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace quorvel::scenario {
namespace {

// The number after a control kind, written as the window writes it (no sign, no leading zero);
// 0 when the name is not the kind followed by such a number.
int numberAfter(std::string_view name, std::string_view kind) {
    if (!name.starts_with(kind) || name.size() == kind.size() || name.size() > kind.size() + 2 ||
        name[kind.size()] == '0') {
        return 0;
    }
    int number = 0;
    for (const char c : name.substr(kind.size())) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

// Command1 ... Command24 without 23, Label1 ... Label12, Option5, Option6 and Frame2.
bool isClickable(const std::string& name) {
    const int command = numberAfter(name, "Command");
    const int label = numberAfter(name, "Label");
    const int option = numberAfter(name, "Option");
    return (command >= 1 && command <= 24 && command != 23) || (label >= 1 && label <= 12) ||
           option == 5 || option == 6 || name == "Frame2";
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

} // namespace

bool isScenarioKey(int vk) {
    constexpr std::array kSingles{8,  9,   13,  27,  32,  33,  34,  35,  36,  37,  38,  39,  40, 45,
                                  46, 106, 107, 109, 110, 111, 146, 186, 187, 188, 189, 190, 191};
    if ((vk >= 48 && vk <= 57) || (vk >= 65 && vk <= 90) || (vk >= 96 && vk <= 105) ||
        (vk >= 112 && vk <= 123)) {
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
        understood = isClickable(argument);
    } else if (command == "menu") {
        out.kind = ScenarioLine::Kind::Menu;
        out.name = argument;
        understood = argument == "FileExit" || argument == "FileBer";
    } else if (command == "key") {
        out.kind = ScenarioLine::Kind::Key;
        understood = readKey(argument, out);
    } else if (command == "close" || command == "dump") {
        out.kind = command == "close" ? ScenarioLine::Kind::Close : ScenarioLine::Kind::Dump;
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
