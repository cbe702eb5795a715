#include "ui/qt/virtual_key.h"

#include <algorithm>
#include <array>
#include <span>

namespace quorvel::ui {
namespace {

// X keycodes 10 ... 19 are the physical 1 ... 9, 0 row on every layout.
constexpr quint32 kX11Key1 = 10;
constexpr quint32 kX11Key0 = 19;

struct KeyPair {
    int qtKey;
    VirtualKey virtualKey;
};

// Keys of the keypad, told by Qt's keypad modifier (X keysyms KP_*).
constexpr std::array<KeyPair, 6> kKeypadKeys{{
    {Qt::Key_Asterisk, VkMultiply},
    {Qt::Key_Plus, VkAdd},
    {Qt::Key_Minus, VkSubtract},
    {Qt::Key_Slash, VkDivide},
    {Qt::Key_Period, VkDecimal},
    {Qt::Key_Equal, VkKeypadEqual},
}};

// Every other key a Windows keyboard names, by what Qt calls it.
constexpr std::array<KeyPair, 34> kOtherKeys{{
    {Qt::Key_Backspace, VkBackspace},
    {Qt::Key_Tab, VkTab},
    {Qt::Key_Backtab, VkTab},
    {Qt::Key_Clear, VkClear},
    {Qt::Key_Return, VkEnter},
    {Qt::Key_Enter, VkEnter},
    {Qt::Key_Shift, VkShift},
    {Qt::Key_Control, VkControl},
    {Qt::Key_Alt, VkAlt},
    {Qt::Key_Escape, VkEscape},
    {Qt::Key_Space, VkSpace},
    {Qt::Key_PageUp, VkPageUp},
    {Qt::Key_PageDown, VkPageDown},
    {Qt::Key_End, VkEnd},
    {Qt::Key_Home, VkHome},
    {Qt::Key_Left, VkLeft},
    {Qt::Key_Up, VkUp},
    {Qt::Key_Right, VkRight},
    {Qt::Key_Down, VkDown},
    {Qt::Key_Insert, VkInsert},
    {Qt::Key_Delete, VkDelete},
    {Qt::Key_NumLock, VkNumLock},
    {Qt::Key_Semicolon, VkSemicolon},
    {Qt::Key_Equal, VkEqual},
    {Qt::Key_Comma, VkComma},
    {Qt::Key_Minus, VkMinus},
    {Qt::Key_Period, VkPeriod},
    {Qt::Key_Slash, VkSlash},
    {Qt::Key_QuoteLeft, VkBackquote},
    {Qt::Key_BracketLeft, VkBracketLeft},
    {Qt::Key_Backslash, VkBackslash},
    {Qt::Key_BracketRight, VkBracketRight},
    {Qt::Key_Apostrophe, VkQuote},
    {Qt::Key_yen, VkBackslash},
}};

int lookUp(std::span<const KeyPair> pairs, int qtKey) {
    const auto found = std::find_if(pairs.begin(), pairs.end(),
                                    [qtKey](const KeyPair& p) { return p.qtKey == qtKey; });
    return found != pairs.end() ? found->virtualKey : 0;
}

int fromQtKey(const KeyFacts& key) {
    const bool keypad = key.modifiers.testFlag(Qt::KeypadModifier);
    if (key.qtKey >= Qt::Key_0 && key.qtKey <= Qt::Key_9) {
        return (keypad ? VkNumpad0 : Vk0) + (key.qtKey - Qt::Key_0);
    }
    if (key.qtKey >= Qt::Key_A && key.qtKey <= Qt::Key_Z) {
        return VkA + (key.qtKey - Qt::Key_A);
    }
    if (key.qtKey >= Qt::Key_F1 && key.qtKey <= Qt::Key_F24) {
        return VkF1 + (key.qtKey - Qt::Key_F1);
    }
    if (keypad) {
        if (const int code = lookUp(kKeypadKeys, key.qtKey); code != 0) {
            return code;
        }
    }
    return lookUp(kOtherKeys, key.qtKey);
}

// The digit row by its physical key, the keypad's digits and operators by their keysyms; every
// other key as Qt names it.
int fromX11(const KeyFacts& key) {
    if (key.nativeScanCode >= kX11Key1 && key.nativeScanCode < kX11Key0) {
        return Vk0 + 1 + static_cast<int>(key.nativeScanCode - kX11Key1);
    }
    if (key.nativeScanCode == kX11Key0) {
        return Vk0;
    }
    const quint32 keysym = key.nativeVirtualKey;
    if (keysym >= 0xffb0 && keysym <= 0xffb9) { // KP_0 ... KP_9, NumLock on
        return VkNumpad0 + static_cast<int>(keysym - 0xffb0);
    }
    switch (keysym) {
    case 0xffaa:
        return VkMultiply;
    case 0xffab:
        return VkAdd;
    case 0xffad:
        return VkSubtract;
    case 0xffaf:
        return VkDivide;
    case 0xffbd: // KP_Equal, which Qt reports without KeypadModifier
        return VkKeypadEqual;
    default:
        return fromQtKey(key);
    }
}

} // namespace

NativeKeyCodes nativeKeyCodesOf(const QString& platformName) {
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"))) {
        return NativeKeyCodes::X11;
    }
    if (platformName == QLatin1String("windows")) {
        return NativeKeyCodes::Windows;
    }
    return NativeKeyCodes::None;
}

KeyFacts keyFactsOf(const QKeyEvent& event) {
    return {event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()};
}

int windowsVirtualKey(const KeyFacts& key, NativeKeyCodes native) {
    // Events made up inside the process (QTest, accessibility) carry no native codes.
    const bool hasNativeCodes = key.nativeScanCode != 0 || key.nativeVirtualKey != 0;
    if (native == NativeKeyCodes::X11 && hasNativeCodes) {
        return fromX11(key);
    }
    if (native == NativeKeyCodes::Windows && hasNativeCodes) {
        return static_cast<int>(key.nativeVirtualKey);
    }
    return fromQtKey(key);
}

} // namespace quorvel::ui
