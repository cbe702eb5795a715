#pragma once

#include <cstdint>

// Windows virtual-key codes: the numbers the window's key handler is given, whichever platform
// the key came from. Every binding translates its native keys into these, and nothing anywhere
// else writes a key as a bare number.
namespace quorvel {

using VirtualKey = std::int16_t;

inline constexpr VirtualKey VkBackspace = 8;
inline constexpr VirtualKey VkTab = 9;
inline constexpr VirtualKey VkClear = 12; // keypad 5 with NumLock off
inline constexpr VirtualKey VkEnter = 13;
inline constexpr VirtualKey VkShift = 16;
inline constexpr VirtualKey VkControl = 17;
inline constexpr VirtualKey VkAlt = 18; // VK_MENU
inline constexpr VirtualKey VkEscape = 27;
inline constexpr VirtualKey VkSpace = 32;
inline constexpr VirtualKey VkPageUp = 33;
inline constexpr VirtualKey VkPageDown = 34;
inline constexpr VirtualKey VkEnd = 35;
inline constexpr VirtualKey VkHome = 36;
inline constexpr VirtualKey VkLeft = 37;
inline constexpr VirtualKey VkUp = 38;
inline constexpr VirtualKey VkRight = 39;
inline constexpr VirtualKey VkDown = 40;
inline constexpr VirtualKey VkInsert = 45;
inline constexpr VirtualKey VkDelete = 46;
inline constexpr VirtualKey Vk0 = 48; // the main keyboard's digits run 48 ... 57
inline constexpr VirtualKey Vk9 = 57;
inline constexpr VirtualKey VkA = 65; // the letters run 65 ... 90
inline constexpr VirtualKey VkC = 67;
inline constexpr VirtualKey VkZ = 90;
inline constexpr VirtualKey VkNumpad0 = 96; // the keypad's digits run 96 ... 105
inline constexpr VirtualKey VkNumpad9 = 105;
inline constexpr VirtualKey VkMultiply = 106;
inline constexpr VirtualKey VkAdd = 107;
inline constexpr VirtualKey VkSubtract = 109;
inline constexpr VirtualKey VkDecimal = 110;
inline constexpr VirtualKey VkDivide = 111;
inline constexpr VirtualKey VkF1 = 112; // the function keys run 112 ... 135
inline constexpr VirtualKey VkF12 = 123;
inline constexpr VirtualKey VkF10 = 121; // opens the menu bar, where the platform does
inline constexpr VirtualKey VkF24 = 135;
inline constexpr VirtualKey VkNumLock = 144;
inline constexpr VirtualKey VkKeypadEqual = 146; // VK_OEM_NEC_EQUAL
inline constexpr VirtualKey VkSemicolon = 186;   // VK_OEM_1
inline constexpr VirtualKey VkEqual = 187;       // VK_OEM_PLUS, the main row's = key
inline constexpr VirtualKey VkComma = 188;
inline constexpr VirtualKey VkMinus = 189; // the main row's - key
inline constexpr VirtualKey VkPeriod = 190;
inline constexpr VirtualKey VkSlash = 191;
inline constexpr VirtualKey VkBackquote = 192;
inline constexpr VirtualKey VkBracketLeft = 219;
inline constexpr VirtualKey VkBackslash = 220;
inline constexpr VirtualKey VkBracketRight = 221;
inline constexpr VirtualKey VkQuote = 222;
inline constexpr VirtualKey VkOem102 = 226; // the extra key of Japanese and European keyboards

// The modifier state handed to the key handler with each key: Shift 1, Ctrl 2, Alt 4.
struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

[[nodiscard]] constexpr std::int16_t shiftState(Modifiers m) {
    return static_cast<std::int16_t>((m.shift ? 1 : 0) | (m.ctrl ? 2 : 0) | (m.alt ? 4 : 0));
}

} // namespace quorvel
