// The result fields and the two display modes.
#include "app/form1.h"
#include "app/runtime_error.h"
#include "app/version_box.h"
#include "arith/result_display.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

struct Display {
    std::string sign;
    std::string whole;
    std::string numerator;
    std::string denominator;
    bool operator==(const Display&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Display& d) {
    return out << '[' << d.sign << "|" << d.whole << "|" << d.numerator << "/" << d.denominator
               << ']';
}

Display shown(const testing::MemoryToolkit& ui) {
    return {ui.caption(LabelId::Label5), ui.caption(LabelId::Label6), ui.caption(LabelId::Label2),
            ui.caption(LabelId::Label1)};
}

struct Shape {
    std::string name;
    std::int32_t q;
    std::int32_t d;
    std::int32_t n;
    Display mixed;
    bool line3;
    Display improper;
};

std::ostream& operator<<(std::ostream& out, const Shape& s) {
    return out << s.name;
}

class ResultShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(ResultShapes, MixedThenImproperThenMixedAgain) {
    const Shape& s = GetParam();
    testing::MemoryToolkit ui;
    Form1 form(ui);
    ShowResult(form, s.q, s.d, s.n);
    EXPECT_EQ(shown(ui), s.mixed);
    EXPECT_EQ(ui.lineVisible(LineId::Line3), s.line3);
    ToImproper(form);
    EXPECT_EQ(shown(ui), s.improper);
    ToImproper(form);
    EXPECT_EQ(shown(ui), s.improper) << "a repeated choice changes nothing";
    ToMixed(form);
    EXPECT_EQ(shown(ui), s.mixed);
    ToMixed(form);
    EXPECT_EQ(shown(ui), s.mixed);
    EXPECT_EQ(ui.lineVisible(LineId::Line3), s.line3) << "the modes never touch the bar";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, ResultShapes, ::testing::Values(
    Shape{"Zero",                0,  1, 0, {"", "0", "", ""}, false, {"", "0", "", ""}},
    Shape{"WholeNumber",         2,  1, 0, {"", "2", "", ""}, false, {"", "2", "", ""}},
    Shape{"NegativeWholeNumber", -2, 1, 0, {"-", "2", "", ""}, false, {"-", "2", "", ""}},
    Shape{"ProperFraction",      0,  6, 5, {"", "", "5", "6"}, true, {"", "", "5", "6"}},
    Shape{"MixedNumber",         2,  6, 1, {"", "2", "1", "6"}, true, {"", "", "13", "6"}},
    Shape{"SignFromTheDenominator", -2, -3, 1, {"-", "2", "1", "3"}, true, {"-", "", "7", "3"}},
    Shape{"SignFromTheNumerator", 0, 6, -1, {"-", "", "1", "6"}, true, {"-", "", "1", "6"}},
    Shape{"ImproperNumeratorBeyond32Bits", -715827882, 3, -2,
          {"-", "715827882", "2", "3"}, true, {"-", "", "2147483648", "3"}},
    Shape{"LargestValues", 2147483647, 2147483646, 2147483645,
          {"", "2147483647", "2147483645", "2147483646"}, true,
          {"", "", "4611686014132420607", "2147483646"}}
), [](const auto& row) { return row.param.name; });
// clang-format on

TEST(ResultDisplay, TheModesLeaveAnEmptyResultEmpty) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.handle(Event::Option6_Click);
    form.handle(Event::Option5_Click);
    EXPECT_EQ(shown(ui), (Display{"", "", "", ""}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ResultDisplay, TheMagnitudeOfTheSmallestWholePartFailsBeforeAnythingIsWritten) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    EXPECT_THROW(ShowResult(form, INT32_MIN, 1, 0), OverflowError);
    EXPECT_EQ(shown(ui), (Display{"", "", "", ""}));
}

TEST(ResultDisplay, ADenominatorThatDoesNotFitLeavesTheSignWritten) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    EXPECT_THROW(ShowResult(form, 0, INT32_MIN, 1), OverflowError);
    EXPECT_EQ(shown(ui), (Display{"-", "", "", ""}));
}

TEST(VersionBox, ThreeLinesSeparatedByCarriageReturnsAlone) {
    const std::string text = VersionBoxText(programVersion());
    EXPECT_EQ(text.substr(0, text.find('\r')), "Quorvel２ver1.2.0");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 2);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    const std::string other = VersionBoxText({12, 3, -4});
    EXPECT_EQ(other.substr(0, other.find('\r')), "Quorvel２ver12.3.-4");
}

TEST(VersionBox, ShowsTheInformationBoxAndChangesNothing) {
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.handle(Event::Form_Load);
    form.handle(Event::FileBer_Click);
    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_EQ(ui.messages.front().title, "バージョン情報");
    EXPECT_EQ(ui.messages.front().icon, MessageIcon::Information);
    EXPECT_EQ(form.vars().TN, 3);
    EXPECT_EQ(form.vars().IMK, "");
}

} // namespace
} // namespace quorvel
