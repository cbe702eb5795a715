#include "script.h"

#include <array>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace quorvel::scenario {
namespace {

bool isClickable(const std::string& name) {
    static const std::regex names(
        R"(Command([1-9]|1[0-9]|2[0-24])|Label([1-9]|1[0-2])|Option[56]|Frame2)");
    return std::regex_match(name, names);
}

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r\n");
    return line.substr(first, last - first + 1);
}

bool readKey(const std::string& arguments, ScenarioLine& out) {
    std::istringstream words(arguments);
    if (!(words >> out.virtualKey) || !isScenarioKey(out.virtualKey)) {
        return false;
    }
    std::string modifier;
    while (words >> modifier) {
        if (modifier == "shift") {
            out.shift = true;
        } else if (modifier == "ctrl") {
            out.ctrl = true;
        } else if (modifier == "alt") {
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
    for (const int single : kSingles) {
        if (vk == single) {
            return true;
        }
    }
    return false;
}

ScenarioLine readScenarioLine(const std::string& rawLine) {
    ScenarioLine out;
    const std::string line = trimmed(rawLine);
    if (line.empty() || line.front() == '#') {
        return out;
    }
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::string argument;
    std::getline(words >> std::ws, argument);

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
