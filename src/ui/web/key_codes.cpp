#include "ui/web/key_codes.h"

#include <array>

namespace quorvel::ui::web {
namespace {

struct NamedKey {
    int virtualKey;
    std::string_view code;
    std::string_view key; // what it types with NumLock on and no modifier
};

constexpr std::array<NamedKey, 43> kNamedKeys{{
    {8, "Backspace", "Backspace"},
    {9, "Tab", "Tab"},
    {13, "Enter", "Enter"},
    {13, "NumpadEnter", "Enter"},
    {16, "ShiftLeft", "Shift"},
    {16, "ShiftRight", "Shift"},
    {17, "ControlLeft", "Control"},
    {17, "ControlRight", "Control"},
    {18, "AltLeft", "Alt"},
    {18, "AltRight", "Alt"},
    {27, "Escape", "Escape"},
    {32, "Space", " "},
    {33, "PageUp", "PageUp"},
    {34, "PageDown", "PageDown"},
    {35, "End", "End"},
    {36, "Home", "Home"},
    {37, "ArrowLeft", "ArrowLeft"},
    {38, "ArrowUp", "ArrowUp"},
    {39, "ArrowRight", "ArrowRight"},
    {40, "ArrowDown", "ArrowDown"},
    {45, "Insert", "Insert"},
    {46, "Delete", "Delete"},
    {106, "NumpadMultiply", "*"},
    {107, "NumpadAdd", "+"},
    {109, "NumpadSubtract", "-"},
    {110, "NumpadDecimal", "."},
    {111, "NumpadDivide", "/"},
    {144, "NumLock", "NumLock"},
    {146, "NumpadEqual", "="},
    {186, "Semicolon", ";"},
    {187, "Equal", "="},
    {188, "Comma", ","},
    {189, "Minus", "-"},
    {190, "Period", "."},
    {191, "Slash", "/"},
    {192, "Backquote", "`"},
    {219, "BracketLeft", "["},
    {220, "Backslash", "\\"},
    {220, "IntlYen", "¥"},
    {221, "BracketRight", "]"},
    {222, "Quote", "'"},
    {226, "IntlBackslash", "\\"},
    {226, "IntlRo", "\\"},
}};

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool isDigit(std::string_view text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9';
}

// "Digit7" → 7, "Numpad7" → 7, "F7" → 7: the number after the prefix, -1 if there is none.
int numberAfter(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix) || text.size() == prefix.size() ||
        text.size() > prefix.size() + 2) {
        return -1;
    }
    int number = 0;
    for (const char c : text.substr(prefix.size())) {
        if (c < '0' || c > '9') {
            return -1;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

int namedKey(std::string_view code) {
    for (const NamedKey& row : kNamedKeys) {
        if (row.code == code) {
            return row.virtualKey;
        }
    }
    return 0;
}

} // namespace

int virtualKeyOf(std::string_view code, std::string_view key) {
    if (const int digit = numberAfter(code, "Digit"); digit >= 0 && digit <= 9) {
        return 48 + digit;
    }
    if (code.size() == 4 && code.starts_with("Key") &&
        kLetters.find(code[3]) != std::string_view::npos) {
        return 65 + static_cast<int>(kLetters.find(code[3]));
    }
    if (const int function = numberAfter(code, "F"); function >= 1 && function <= 24) {
        return 111 + function;
    }
    const int keypadDigit = numberAfter(code, "Numpad");
    if (keypadDigit >= 0 && keypadDigit <= 9) {
        if (isDigit(key)) {
            return 96 + keypadDigit;
        }
        // NumLock off: the key types Home, ArrowUp, ... or, keypad 5, Clear.
        return key == "Clear" ? 12 : namedKey(key);
    }
    if (code == "NumpadDecimal" && key != "." && key != ",") {
        return namedKey(key);
    }
    if (code.empty() && isDigit(key)) {
        // Some on-screen keyboards name no physical key: a digit is a main-row digit.
        return 48 + (key[0] - '0');
    }
    return namedKey(code);
}

std::optional<BrowserKey> browserKeyOf(int virtualKey) {
    if (virtualKey >= 48 && virtualKey <= 57) {
        const char digit = static_cast<char>('0' + (virtualKey - 48));
        return BrowserKey{std::string("Digit") + digit, std::string(1, digit)};
    }
    if (virtualKey >= 65 && virtualKey <= 90) {
        const char letter = kLetters[static_cast<std::size_t>(virtualKey - 65)];
        return BrowserKey{std::string("Key") + letter,
                          std::string(1, static_cast<char>(letter - 'A' + 'a'))};
    }
    if (virtualKey >= 96 && virtualKey <= 105) {
        const char digit = static_cast<char>('0' + (virtualKey - 96));
        return BrowserKey{std::string("Numpad") + digit, std::string(1, digit)};
    }
    if (virtualKey >= 112 && virtualKey <= 135) {
        const std::string name = "F" + std::to_string(virtualKey - 111);
        return BrowserKey{name, name};
    }
    for (const NamedKey& row : kNamedKeys) {
        if (row.virtualKey == virtualKey) {
            return BrowserKey{std::string(row.code), std::string(row.key)};
        }
    }
    return std::nullopt;
}

} // namespace quorvel::ui::web
