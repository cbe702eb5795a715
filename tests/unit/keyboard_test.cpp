// Form_KeyDown: which virtual-key codes do what; every other code does nothing.
#include "app/form1.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

struct KeyEffect {
    int vk;
    std::string label9; // first whole part, active, holding "5" before the key
    std::string label3; // operator label
    std::int16_t tn;
};

std::ostream& operator<<(std::ostream& out, const KeyEffect& k) {
    return out << "vk " << k.vk;
}

class KeyDown : public ::testing::TestWithParam<KeyEffect> {};

TEST_P(KeyDown, DoesWhatItsButtonDoes) {
    const KeyEffect& k = GetParam();
    for (const int shift : {0, 1, 2, 4}) { // the modifier state is never read
        testing::MemoryToolkit ui;
        Form1 form(ui);
        form.handle(Event::Form_Load);
        ui.setCaption(LabelId::Label9, "5");
        form.handleKeyDown(static_cast<std::int16_t>(k.vk), static_cast<std::int16_t>(shift));
        EXPECT_EQ(ui.caption(LabelId::Label9), k.label9) << "vk " << k.vk;
        EXPECT_EQ(ui.caption(LabelId::Label3), k.label3) << "vk " << k.vk;
        EXPECT_EQ(form.vars().TN, k.tn) << "vk " << k.vk;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(KeyTable, KeyDown, ::testing::Values(
    KeyEffect{48, "50", "", 3}, KeyEffect{49, "51", "", 3}, KeyEffect{56, "58", "", 3},
    KeyEffect{57, "59", "", 3}, KeyEffect{96, "50", "", 3}, KeyEffect{97, "51", "", 3},
    KeyEffect{103, "57", "", 3}, KeyEffect{105, "59", "", 3},
    KeyEffect{106, "5", "×", 6}, KeyEffect{107, "5", "＋", 6}, KeyEffect{109, "5", "－", 6},
    KeyEffect{111, "5", "÷", 6}, KeyEffect{46, "", "", 3},
    // Ignored: main-keyboard minus, plus, slash, Enter, Backspace, Escape, Space, keypad point,
    // and the codes either side of the digit ranges.
    KeyEffect{189, "5", "", 3}, KeyEffect{187, "5", "", 3}, KeyEffect{191, "5", "", 3},
    KeyEffect{13, "5", "", 3}, KeyEffect{8, "5", "", 3}, KeyEffect{27, "5", "", 3},
    KeyEffect{32, "5", "", 3}, KeyEffect{110, "5", "", 3}, KeyEffect{47, "5", "", 3},
    KeyEffect{58, "5", "", 3}, KeyEffect{95, "5", "", 3}, KeyEffect{108, "5", "", 3},
    KeyEffect{0, "5", "", 3}, KeyEffect{-1, "5", "", 3}
));
// clang-format on

TEST(KeyDownCalculate, KeypadEqualRunsTheCalculation) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.handle(Event::Form_Load);
    ui.setCaption(LabelId::Label8, "1");
    ui.setCaption(LabelId::Label7, "2");
    ui.setCaption(LabelId::Label11, "1");
    ui.setCaption(LabelId::Label10, "3");
    form.handleKeyDown(107, 0);
    form.handleKeyDown(146, 0);
    EXPECT_EQ(ui.caption(LabelId::Label2), "5");
    EXPECT_EQ(ui.caption(LabelId::Label1), "6");
}

TEST(KeyDownZero, ZeroOnAnEmptyFieldDoesNothing) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.handle(Event::Form_Load);
    form.handleKeyDown(48, 0);
    form.handleKeyDown(96, 0);
    EXPECT_EQ(ui.caption(LabelId::Label9), "");
    EXPECT_EQ(form.vars().IMK, "");
}

} // namespace
} // namespace quorvel
