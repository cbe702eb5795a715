// The physical key behind a Qt key event, as the Windows virtual-key code the calculator reads.
#include "ui/qt/virtual_key.h"

#include <gtest/gtest.h>

namespace quorvel::ui {
namespace {

struct KeyCase {
    const char* name;
    NativeKeyCodes native;
    KeyFacts facts;
    int vk;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& k) {
    return out << k.name;
}

class VirtualKey : public ::testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKey, Translates) {
    EXPECT_EQ(windowsVirtualKey(GetParam().facts, GetParam().native), GetParam().vk);
}

constexpr auto X11 = NativeKeyCodes::X11;
constexpr auto None = NativeKeyCodes::None;
constexpr auto Win = NativeKeyCodes::Windows;
constexpr Qt::KeyboardModifiers kNoMods = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, VirtualKey, ::testing::Values(
    // X11: main-row digits by X keycode, whatever character Shift or the layout gives.
    KeyCase{"X11ShiftOneIsStillOne",          X11, {Qt::Key_Exclam, kShift, 10, 0x21}, 49},
    KeyCase{"X11NineIsKeycode18",             X11, {Qt::Key_9, kNoMods, 18, 0x39}, 57},
    KeyCase{"X11ZeroIsKeycode19",             X11, {Qt::Key_0, kNoMods, 19, 0x30}, 48},
    KeyCase{"X11FrenchLayoutAmpersandIsOne",  X11, {Qt::Key_Ampersand, kNoMods, 10, 0x26}, 49},
    KeyCase{"X11Keypad7WithNumLock",          X11, {Qt::Key_7, kKeypad, 79, 0xffb7}, 103},
    KeyCase{"X11Keypad0WithNumLock",          X11, {Qt::Key_0, kKeypad, 90, 0xffb0}, 96},
    KeyCase{"X11Keypad7WithoutNumLockIsHome", X11, {Qt::Key_Home, kKeypad, 79, 0xff95}, 36},
    KeyCase{"X11KeypadMultiply",              X11, {Qt::Key_Asterisk, kKeypad, 63, 0xffaa}, 106},
    KeyCase{"X11KeypadAdd",                   X11, {Qt::Key_Plus, kKeypad, 86, 0xffab}, 107},
    KeyCase{"X11KeypadSubtract",              X11, {Qt::Key_Minus, kKeypad, 82, 0xffad}, 109},
    KeyCase{"X11KeypadDivide",                X11, {Qt::Key_Slash, kKeypad, 106, 0xffaf}, 111},
    KeyCase{"X11KeypadEqualWithoutKeypadFlag", X11, {Qt::Key_Equal, kNoMods, 125, 0xffbd}, 146},
    KeyCase{"X11Delete",                      X11, {Qt::Key_Delete, kNoMods, 119, 0xffff}, 46},
    KeyCase{"X11KeypadDelete",                X11, {Qt::Key_Delete, kKeypad, 91, 0xff9f}, 46},
    KeyCase{"X11MainMinusIsNotKeypadMinus",   X11, {Qt::Key_Minus, kNoMods, 20, 0x2d}, 189},
    KeyCase{"X11MainEqualIsNotKeypadEqual",   X11, {Qt::Key_Equal, kNoMods, 21, 0x3d}, 187},
    KeyCase{"X11ShiftEightIsEightNotMultiply", X11, {Qt::Key_Asterisk, kShift, 17, 0x2a}, 56},
    KeyCase{"X11Enter",                       X11, {Qt::Key_Return, kNoMods, 36, 0xff0d}, 13},
    KeyCase{"X11WithoutNativeCodesFallsBack", X11, {Qt::Key_5, kKeypad, 0, 0}, 101},
    // Windows: the native virtual key is the code.
    KeyCase{"WindowsNativeVk",                Win, {Qt::Key_Exclam, kShift, 2, 49}, 49},
    KeyCase{"WindowsKeypadEqual",             Win, {Qt::Key_Equal, kNoMods, 0, 146}, 146},
    // No native codes: Qt's key and the keypad flag.
    KeyCase{"PlainDigit",                     None, {Qt::Key_3, kNoMods, 0, 0}, 51},
    KeyCase{"ShiftedDigitKeepsItsKey",        None, {Qt::Key_1, kShift, 0, 0}, 49},
    KeyCase{"KeypadDigit",                    None, {Qt::Key_9, kKeypad, 0, 0}, 105},
    KeyCase{"KeypadOperators",                None, {Qt::Key_Minus, kKeypad, 0, 0}, 109},
    KeyCase{"KeypadEqual",                    None, {Qt::Key_Equal, kKeypad, 0, 0}, 146},
    KeyCase{"MainMinus",                      None, {Qt::Key_Minus, kNoMods, 0, 0}, 189},
    KeyCase{"MainPlus",                       None, {Qt::Key_Plus, kShift, 0, 0}, 0},
    KeyCase{"Delete",                         None, {Qt::Key_Delete, kNoMods, 0, 0}, 46},
    KeyCase{"Backspace",                      None, {Qt::Key_Backspace, kNoMods, 0, 0}, 8}
), [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(NativeKeyCodes, FromThePlatformName) {
    EXPECT_EQ(nativeKeyCodesOf(QStringLiteral("xcb")), NativeKeyCodes::X11);
    EXPECT_EQ(nativeKeyCodesOf(QStringLiteral("wayland-egl")), NativeKeyCodes::X11);
    EXPECT_EQ(nativeKeyCodesOf(QStringLiteral("windows")), NativeKeyCodes::Windows);
    EXPECT_EQ(nativeKeyCodesOf(QStringLiteral("offscreen")), NativeKeyCodes::None);
}

} // namespace
} // namespace quorvel::ui
