#pragma once

#include <array>
#include <optional>
#include <string>

namespace quorvel::scenario {

// One line of a scenario, read; the same language for every binding's runner.
struct ScenarioLine {
    enum class Kind { Blank, Click, Menu, Key, Close, Dump, Sleep, Fault, Check, History, Bad };
    Kind kind = Kind::Blank;
    std::string name; // Click: a control name; Menu: a menu command
    int virtualKey = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    int milliseconds = 0;
    std::string text; // the line as read, trimmed, for a Bad line
    // Check: the pupil's answer, whole part, numerator and denominator ("" for a part left
    // empty), and its sign.
    std::array<std::string, 3> answer;
    bool negative = false;
    int pick = 0; // History: the entry to choose, 1 for the newest; 0 to read them
};

ScenarioLine readScenarioLine(const std::string& line);

// The Windows virtual-key codes a scenario can press: digits, letters, function keys, the keypad,
// Alt, the editing and navigation keys and the main-row punctuation.
bool isScenarioKey(int vk);

} // namespace quorvel::scenario
