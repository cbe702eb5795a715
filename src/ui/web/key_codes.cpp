#include "ui/web/key_codes.h"

#include "entry/virtual_keys.h"

#include <array>

namespace quorvel::ui::web {
namespace {

struct NamedKey {
    int virtualKey;
    std::string_view code;
    std::string_view key; // what it types with NumLock on and no modifier
};

constexpr std::array<NamedKey, 44> kNamedKeys{{
    {VkBackspace, "Backspace", "Backspace"},
    {VkTab, "Tab", "Tab"},
    {VkEnter, "Enter", "Enter"},
    {VkEnter, "NumpadEnter", "Enter"},
    {VkShift, "ShiftLeft", "Shift"},
    {VkShift, "ShiftRight", "Shift"},
    {VkControl, "ControlLeft", "Control"},
    {VkControl, "ControlRight", "Control"},
    {VkAlt, "AltLeft", "Alt"},
    {VkAlt, "AltRight", "Alt"},
    {VkClear, "NumpadClear", "Clear"},
    {VkEscape, "Escape", "Escape"},
    {VkSpace, "Space", " "},
    {VkPageUp, "PageUp", "PageUp"},
    {VkPageDown, "PageDown", "PageDown"},
    {VkEnd, "End", "End"},
    {VkHome, "Home", "Home"},
    {VkLeft, "ArrowLeft", "ArrowLeft"},
    {VkUp, "ArrowUp", "ArrowUp"},
    {VkRight, "ArrowRight", "ArrowRight"},
    {VkDown, "ArrowDown", "ArrowDown"},
    {VkInsert, "Insert", "Insert"},
    {VkDelete, "Delete", "Delete"},
    {VkMultiply, "NumpadMultiply", "*"},
    {VkAdd, "NumpadAdd", "+"},
    {VkSubtract, "NumpadSubtract", "-"},
    {VkDecimal, "NumpadDecimal", "."},
    {VkDivide, "NumpadDivide", "/"},
    {VkNumLock, "NumLock", "NumLock"},
    {VkKeypadEqual, "NumpadEqual", "="},
    {VkSemicolon, "Semicolon", ";"},
    {VkEqual, "Equal", "="},
    {VkComma, "Comma", ","},
    {VkMinus, "Minus", "-"},
    {VkPeriod, "Period", "."},
    {VkSlash, "Slash", "/"},
    {VkBackquote, "Backquote", "`"},
    {VkBracketLeft, "BracketLeft", "["},
    {VkBackslash, "Backslash", "\\"},
    {VkBackslash, "IntlYen", "¥"},
    {VkBracketRight, "BracketRight", "]"},
    {VkQuote, "Quote", "'"},
    {VkOem102, "IntlBackslash", "\\"},
    {VkOem102, "IntlRo", "\\"},
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
        return Vk0 + digit;
    }
    if (code.size() == 4 && code.starts_with("Key") &&
        kLetters.find(code[3]) != std::string_view::npos) {
        return VkA + static_cast<int>(kLetters.find(code[3]));
    }
    if (const int function = numberAfter(code, "F"); function >= 1 && function <= 24) {
        return VkF1 - 1 + function;
    }
    const int keypadDigit = numberAfter(code, "Numpad");
    if (keypadDigit >= 0 && keypadDigit <= 9) {
        if (isDigit(key)) {
            return VkNumpad0 + keypadDigit;
        }
        // NumLock off: the key types Home, ArrowUp, ... or, keypad 5, Clear.
        return key == "Clear" ? VkClear : namedKey(key);
    }
    if (code == "NumpadDecimal" && key != "." && key != ",") {
        return namedKey(key);
    }
    if (code.empty() && isDigit(key)) {
        // Some on-screen keyboards name no physical key: a digit is a main-row digit.
        return Vk0 + (key[0] - '0');
    }
    return namedKey(code);
}

std::optional<BrowserKey> browserKeyOf(int virtualKey) {
    if (virtualKey >= Vk0 && virtualKey <= Vk9) {
        const char digit = static_cast<char>('0' + (virtualKey - Vk0));
        return BrowserKey{std::string("Digit") + digit, std::string(1, digit)};
    }
    if (virtualKey >= VkA && virtualKey <= VkZ) {
        const char letter = kLetters[static_cast<std::size_t>(virtualKey - VkA)];
        return BrowserKey{std::string("Key") + letter,
                          std::string(1, static_cast<char>(letter - 'A' + 'a'))};
    }
    if (virtualKey >= VkNumpad0 && virtualKey <= VkNumpad9) {
        const char digit = static_cast<char>('0' + (virtualKey - VkNumpad0));
        return BrowserKey{std::string("Numpad") + digit, std::string(1, digit)};
    }
    if (virtualKey >= VkF1 && virtualKey <= VkF24) {
        const std::string name = "F" + std::to_string(virtualKey - VkF1 + 1);
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
