// Digits, operators, erasing and the sign toggle on the in-memory window.
#include "app/form1.h"
#include "entry/entry_field.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

class Entry : public ::testing::Test {
protected:
    Entry() { form.handle(Event::Form_Load); }

    // Presses the digit buttons for each character of digits.
    void type(std::string_view digits) {
        for (const char c : digits) {
            form.handle(static_cast<Event>(static_cast<int>(Event::Command4_Click) + (c - '0')));
        }
    }
    [[nodiscard]] std::string field(LabelId label) const { return ui.caption(label); }

    testing::MemoryToolkit ui;
    Form1 form{ui};
};

TEST_F(Entry, ALeadingZeroIsRefusedOnlyByAnEmptyField) {
    type("007");
    EXPECT_EQ(field(LabelId::Label9), "7");
    form.handle(Event::Command22_Click);
    type("50");
    EXPECT_EQ(field(LabelId::Label9), "50");
    form.handle(Event::Command22_Click);
    form.handle(Event::Command24_Click); // "-"
    type("07");
    EXPECT_EQ(field(LabelId::Label9), "-07");
    EXPECT_EQ(form.vars().IMK, "-07");
}

TEST_F(Entry, DigitsHaveNoLengthLimitAndTouchOnlyTheActiveField) {
    form.handle(Event::Label10_Click);
    type("11111111111");
    EXPECT_EQ(field(LabelId::Label10), "11111111111");
    for (const LabelId other : {LabelId::Label7, LabelId::Label8, LabelId::Label9, LabelId::Label11,
                                LabelId::Label12, LabelId::Label3}) {
        EXPECT_EQ(field(other), "");
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Entry, AnOperatorMovesToTheSecondWholePartAndKeepsTheTexts) {
    form.handle(Event::Label11_Click);
    type("3");
    form.handle(Event::Command14_Click);
    form.handle(Event::Command16_Click);
    EXPECT_EQ(field(LabelId::Label3), "×");
    EXPECT_EQ(form.vars().KN, 3);
    EXPECT_EQ(form.vars().TN, 6);
    EXPECT_EQ(field(LabelId::Label11), "3");
    EXPECT_EQ(ui.backColour(LabelId::Label11), IdleFieldColor);
    EXPECT_EQ(ui.backColour(LabelId::Label12), ActiveFieldColor);
    form.handle(Event::Command15_Click);
    EXPECT_EQ(field(LabelId::Label3), "－");
    form.handle(Event::Command17_Click);
    EXPECT_EQ(field(LabelId::Label3), "÷");
    form.handle(Event::Command14_Click);
    EXPECT_EQ(field(LabelId::Label3), "＋");
}

TEST_F(Entry, EraseEmptiesOnlyTheActiveFieldSignIncluded) {
    type("5");
    form.handle(Event::Command24_Click);
    form.handle(Event::Label11_Click);
    type("42");
    form.vars().IMK = "kept";
    form.handle(Event::Command22_Click);
    EXPECT_EQ(field(LabelId::Label11), "");
    EXPECT_EQ(field(LabelId::Label9), "-5");
    EXPECT_EQ(form.vars().TN, 5);
    EXPECT_EQ(ui.backColour(LabelId::Label11), ActiveFieldColor);
    EXPECT_EQ(form.vars().IMK, "kept");
    form.handle(Event::Label9_Click);
    form.handle(Event::Command22_Click);
    EXPECT_EQ(field(LabelId::Label9), "") << "an erased whole part keeps no sign";
}

TEST_F(Entry, ClearAllLeavesLine3TheModeImkLAndG) {
    form.handle(Event::Label10_Click);
    type("9");
    form.handle(Event::Command17_Click);
    ui.setCaption(LabelId::Label6, "2");
    ui.setCaption(LabelId::Label5, "-");
    ui.setLineVisible(LineId::Line3, false);
    ui.improperMode = true;
    form.vars().L = 6;
    form.vars().G = -1;
    form.vars().IMK = "scratch";
    form.handle(Event::Command2_Click);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(field(static_cast<LabelId>(n)), n == 4 ? "=" : "") << "Label" << n;
    }
    EXPECT_FALSE(ui.lineVisible(LineId::Line3));
    EXPECT_TRUE(ui.improperMode);
    EXPECT_EQ(form.vars().IMK, "scratch");
    EXPECT_EQ(form.vars().L, 6);
    EXPECT_EQ(form.vars().G, -1);
    EXPECT_EQ(form.vars().KN, 0);
    EXPECT_EQ(form.vars().TN, 3);
    EXPECT_EQ(ui.backColour(LabelId::Label9), ActiveFieldColor);
    EXPECT_EQ(ui.backColour(LabelId::Label10), IdleFieldColor);
}

struct Toggle {
    std::string name;
    LabelId field;
    std::string before;
    std::string after;
    std::string imkAfter;
};

std::ostream& operator<<(std::ostream& out, const Toggle& t) {
    return out << t.name;
}

class SignToggle : public ::testing::TestWithParam<Toggle> {};

TEST_P(SignToggle, OnePress) {
    const Toggle& t = GetParam();
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.handle(static_cast<Event>(static_cast<int>(Event::Label7_Click) +
                                   (static_cast<int>(t.field) - 7)));
    ui.setCaption(t.field, t.before);
    form.vars().IMK = "untouched";
    form.handle(Event::Command24_Click);
    EXPECT_EQ(ui.caption(t.field), t.after);
    EXPECT_EQ(form.vars().IMK, t.imkAfter);
    EXPECT_TRUE(ui.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OutcomeTable, SignToggle, ::testing::Values(
    Toggle{"EmptyNumeratorStaysEmpty",        LabelId::Label8,  "",    "",     "untouched"},
    Toggle{"ZeroNumeratorStays",              LabelId::Label11, "0",   "0",    "untouched"},
    Toggle{"NumeratorBecomesNegative",        LabelId::Label8,  "12",  "-12",  "-12"},
    Toggle{"NegativeNumeratorLosesItsSign",   LabelId::Label11, "-12", "12",   "-12"},
    Toggle{"LeadingZerosKeptUnderTheSign",    LabelId::Label8,  "007", "-007", "-007"},
    Toggle{"EmptyWholePartTakesALoneMinus",   LabelId::Label9,  "",    "-",    "-"},
    Toggle{"LoneMinusIsRemoved",              LabelId::Label12, "-",   "",     "-"},
    Toggle{"WholePartBecomesNegative",        LabelId::Label9,  "3",   "-3",   "-3"},
    Toggle{"NegativeWholePartLosesItsSign",   LabelId::Label12, "-3",  "3",    "-3"},
    Toggle{"MinusZeroFiveBecomesZeroFive",    LabelId::Label9,  "-05", "05",   "-05"},
    Toggle{"ZeroWholePartStays",              LabelId::Label9,  "0",   "0",    "untouched"},
    Toggle{"MinusZeroWholePartStays",         LabelId::Label12, "-0",  "-0",   "untouched"},
    Toggle{"FirstDenominatorUnchanged",       LabelId::Label7,  "5",   "5",    "untouched"},
    Toggle{"SecondDenominatorUnchanged",      LabelId::Label10, "",    "",     "untouched"}
), [](const auto& row) { return row.param.name; });
// clang-format on

TEST(SignToggleOverflow, ElevenNinesFailBeforeAnyChange) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.handle(Event::Form_Load);
    ui.setCaption(LabelId::Label9, "99999999999");
    form.vars().IMK = "untouched";
    form.handle(Event::Command24_Click);
    EXPECT_EQ(ui.caption(LabelId::Label9), "99999999999");
    EXPECT_EQ(form.vars().IMK, "untouched");
    ASSERT_EQ(ui.runtimeErrors.size(), 1U);
    EXPECT_EQ(ui.runtimeErrors.front(), RuntimeErrorKind::Overflow);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages.front().title, "エラーメッセージ");
    EXPECT_EQ(ui.messages.front().icon, MessageIcon::Error);
    // The window goes on working.
    form.handle(Event::Command22_Click);
    form.handle(Event::Command5_Click);
    EXPECT_EQ(ui.caption(LabelId::Label9), "1");
}

TEST(ExitCommands, ButtonAndMenuUnloadTheWindow) {
    for (const Event exit : {Event::Command3_Click, Event::FileExit_Click}) {
        testing::MemoryToolkit ui;
        Form1 form(ui);
        form.handle(exit);
        EXPECT_TRUE(ui.unloaded);
        EXPECT_TRUE(ui.messages.empty());
    }
}

} // namespace
} // namespace quorvel
