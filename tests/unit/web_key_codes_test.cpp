// Browser key names as the Windows virtual-key codes the calculator reads, on the web page.
#include "script.h"
#include "ui/web/key_codes.h"

#include <gtest/gtest.h>

namespace quorvel::ui::web {
namespace {

struct KeyCase {
    const char* name;
    const char* code;
    const char* key;
    int vk;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& k) {
    return out << k.name;
}

class BrowserKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(BrowserKeys, GiveTheVirtualKeyOfAWindowsKeyboard) {
    EXPECT_EQ(virtualKeyOf(GetParam().code, GetParam().key), GetParam().vk);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, BrowserKeys, ::testing::Values(
    KeyCase{"MainRowSeven",                   "Digit7",         "7",      55},
    KeyCase{"ShiftOneIsStillOne",             "Digit1",         "!",      49},
    KeyCase{"FrenchLayoutAmpersandIsOne",     "Digit1",         "&",      49},
    KeyCase{"KeypadSevenWithNumLock",         "Numpad7",        "7",      103},
    KeyCase{"KeypadZeroWithNumLock",          "Numpad0",        "0",      96},
    KeyCase{"KeypadSevenWithoutNumLockIsHome", "Numpad7",       "Home",   36},
    KeyCase{"KeypadFiveWithoutNumLockIsClear", "Numpad5",       "Clear",  12},
    KeyCase{"KeypadPointWithoutNumLockIsDelete", "NumpadDecimal", "Delete", 46},
    KeyCase{"KeypadPoint",                    "NumpadDecimal",  ".",      110},
    KeyCase{"KeypadCommaOfAGermanKeyboard",   "NumpadDecimal",  ",",      110},
    KeyCase{"KeypadEqualIsNotTheMainRowEqual", "NumpadEqual",   "=",      146},
    KeyCase{"MainRowEqual",                   "Equal",          "=",      187},
    KeyCase{"KeypadAdd",                      "NumpadAdd",      "+",      107},
    KeyCase{"KeypadSubtract",                 "NumpadSubtract", "-",      109},
    KeyCase{"KeypadMultiply",                 "NumpadMultiply", "*",      106},
    KeyCase{"KeypadDivide",                   "NumpadDivide",   "/",      111},
    KeyCase{"KeypadEnterIsEnter",             "NumpadEnter",    "Enter",  13},
    KeyCase{"Delete",                         "Delete",         "Delete", 46},
    KeyCase{"LetterA",                        "KeyA",           "a",      65},
    KeyCase{"FunctionTwelve",                 "F12",            "F12",    123},
    KeyCase{"JapaneseYenKey",                 "IntlYen",        "¥",      220},
    KeyCase{"OnScreenKeyboardDigit",          "",               "5",      53},
    KeyCase{"OnScreenKeyboardLetterIsNothing", "",              "a",      0},
    KeyCase{"UnknownKeyIsNothing",            "Unidentified",   "",       0},
    KeyCase{"NoFunctionZero",                 "F0",             "F0",     0},
    KeyCase{"NoDigitTen",                     "Digit10",        "",       0},
    KeyCase{"NoKeyAB",                        "KeyAB",          "",       0}
), [](const auto& row) { return std::string(row.param.name); });
// clang-format on

// The scenario runner presses a key on the page by its browser name; the page must read back the
// same virtual key, or a transcript would test another key than the one its line names.
TEST(BrowserKeys, EveryScenarioKeyReachesThePageAsItself) {
    for (int vk = 0; vk < 256; ++vk) {
        if (!scenario::isScenarioKey(vk)) {
            continue;
        }
        const auto key = browserKeyOf(vk);
        ASSERT_TRUE(key) << vk;
        EXPECT_EQ(virtualKeyOf(key->code, key->key), vk) << key->code << " " << key->key;
    }
}

} // namespace
} // namespace quorvel::ui::web
