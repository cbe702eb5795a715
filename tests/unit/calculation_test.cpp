// 計算 from six field texts to the result fields, through the window's dispatch point.
#include "app/form1.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

constexpr std::string_view kMissing = "分母または分子が入力されていません。";
constexpr std::string_view kDenominator = "分母を１以上の整数にしてください。";
constexpr std::string_view kNoOperator = "計算記号が入力されていません。";

struct Operand {
    std::string whole;
    std::string numerator;
    std::string denominator;
};

struct Shown {
    std::string sign;
    std::string whole;
    std::string numerator;
    std::string denominator;
    bool line3;
};

struct Calculation {
    std::string name;
    Operand first;
    std::int16_t kn;
    Operand second;
    bool improper;
    Shown shown;
    std::optional<std::int32_t> L;
    std::optional<std::int32_t> G;
    std::vector<std::string_view> messages;
    std::optional<RuntimeErrorKind> error;
};

std::ostream& operator<<(std::ostream& out, const Calculation& c) {
    return out << c.name;
}

// Values left from an earlier calculation, to see whether a failed one touches them.
constexpr std::int32_t kEarlierL = 55;
constexpr std::int32_t kEarlierG = 11;

class Calculate : public ::testing::TestWithParam<Calculation> {};

TEST_P(Calculate, ShowsTheResultOrReportsTheFault) {
    const Calculation& c = GetParam();
    testing::MemoryToolkit ui;
    Form1 form(ui);
    form.vars().L = kEarlierL;
    form.vars().G = kEarlierG;
    form.vars().KN = c.kn;
    ui.improperMode = c.improper;
    ui.setLineVisible(LineId::Line3, false); // as after an earlier whole-number result
    ui.setCaption(LabelId::Label6, "earlier");
    ui.setCaption(LabelId::Label9, c.first.whole);
    ui.setCaption(LabelId::Label8, c.first.numerator);
    ui.setCaption(LabelId::Label7, c.first.denominator);
    ui.setCaption(LabelId::Label12, c.second.whole);
    ui.setCaption(LabelId::Label11, c.second.numerator);
    ui.setCaption(LabelId::Label10, c.second.denominator);

    form.handle(Event::Command1_Click);

    EXPECT_EQ(ui.caption(LabelId::Label5), c.shown.sign);
    EXPECT_EQ(ui.caption(LabelId::Label6), c.shown.whole);
    EXPECT_EQ(ui.caption(LabelId::Label2), c.shown.numerator);
    EXPECT_EQ(ui.caption(LabelId::Label1), c.shown.denominator);
    EXPECT_EQ(ui.lineVisible(LineId::Line3), c.shown.line3);
    EXPECT_EQ(form.vars().L, c.L.value_or(kEarlierL));
    EXPECT_EQ(form.vars().G, c.G.value_or(kEarlierG));
    std::vector<std::string_view> messages;
    for (const auto& m : ui.messages) {
        messages.emplace_back(m.text);
        EXPECT_EQ(m.title, "エラーメッセージ");
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
    if (c.error) {
        ASSERT_EQ(ui.runtimeErrors.size(), 1U);
        EXPECT_EQ(ui.runtimeErrors.front(), *c.error);
        ASSERT_FALSE(messages.empty()) << "a run-time error is presented in a box";
        messages.pop_back();
    } else {
        EXPECT_TRUE(ui.runtimeErrors.empty());
    }
    EXPECT_EQ(messages, c.messages);
    // The entry side is never touched by a calculation.
    EXPECT_EQ(ui.caption(LabelId::Label9), c.first.whole);
    EXPECT_EQ(ui.caption(LabelId::Label10), c.second.denominator);
    EXPECT_EQ(form.vars().KN, c.kn);
}

constexpr std::int16_t kNone = 0;
constexpr std::int16_t kAdd = 1;
constexpr std::int16_t kSub = 2;
constexpr std::int16_t kMul = 3;
constexpr std::int16_t kDiv = 4;
constexpr auto kOverflow = RuntimeErrorKind::Overflow;
constexpr auto kByZero = RuntimeErrorKind::DivisionByZero;
const Shown kEmptyKeptBar{"", "", "", "", false};
const Shown kEmptyBar{"", "", "", "", true};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Calculate, ::testing::Values(
    Calculation{"HalfPlusThird", {"", "1", "2"}, kAdd, {"", "1", "3"}, false, {"", "", "5", "6", true}, 6, 1, {}, {}},
    Calculation{"TheRoadOfOneCalculation", {"1", "1", "2"}, kAdd, {"", "2", "3"}, false, {"", "2", "1", "6", true}, 6, 1, {}, {}},
    Calculation{"TheRoadShownImproper", {"1", "1", "2"}, kAdd, {"", "2", "3"}, true, {"", "", "13", "6", true}, 6, 1, {}, {}},
    Calculation{"DifferenceReduced", {"", "3", "4"}, kSub, {"", "1", "4"}, false, {"", "", "1", "2", true}, 4, 2, {}, {}},
    Calculation{"NegativeDifferenceTakesItsSignFromG", {"", "1", "3"}, kSub, {"", "1", "2"}, false, {"-", "", "1", "6", true}, 6, -1, {}, {}},
    Calculation{"ProductReduced", {"", "2", "3"}, kMul, {"", "3", "4"}, false, {"", "", "1", "2", true}, 12, 6, {}, {}},
    Calculation{"QuotientIsAWholeNumber", {"", "1", "2"}, kDiv, {"", "1", "4"}, false, {"", "2", "", "", false}, 2, 2, {}, {}},
    Calculation{"ZeroResult", {"", "1", "2"}, kSub, {"", "1", "2"}, false, {"", "0", "", "", false}, 2, 2, {}, {}},
    Calculation{"DivisionByANegative", {"", "1", "2"}, kDiv, {"", "-1", "3"}, false, {"-", "1", "1", "2", true}, -2, 1, {}, {}},
    Calculation{"TwoNegativesMakeAPositiveQuotient", {"", "-1", "2"}, kDiv, {"", "-1", "3"}, false, {"", "1", "1", "2", true}, -2, -1, {}, {}},
    Calculation{"NegativeWholeAndNumeratorArePositive", {"-2", "-1", "3"}, kMul, {"", "1", "1"}, false, {"", "2", "1", "3", true}, 3, 1, {}, {}},
    Calculation{"NegativeWholePart", {"-2", "1", "3"}, kMul, {"", "1", "1"}, false, {"-", "2", "1", "3", true}, 3, -1, {}, {}},
    Calculation{"NegativeNumeratorWithWholePart", {"2", "-1", "3"}, kMul, {"", "1", "1"}, false, {"-", "2", "1", "3", true}, 3, -1, {}, {}},
    Calculation{"NegativeResultShownImproper", {"-2", "1", "3"}, kMul, {"", "1", "1"}, true, {"-", "", "7", "3", true}, 3, -1, {}, {}},
    Calculation{"ImproperOperandShownImproper", {"", "7", "3"}, kMul, {"", "1", "1"}, true, {"", "", "7", "3", true}, 3, 1, {}, {}},
    Calculation{"LoneMinusNegatesTheFraction", {"-", "1", "2"}, kAdd, {"", "1", "2"}, false, {"", "0", "", "", false}, 2, 2, {}, {}},
    Calculation{"LoneMinusWithNegativeNumeratorIsPositive", {"-", "-1", "2"}, kMul, {"", "1", "1"}, false, {"", "", "1", "2", true}, 2, 1, {}, {}},
    Calculation{"MinusZeroWholePartIsNotNegative", {"-0", "1", "3"}, kMul, {"", "1", "1"}, false, {"", "", "1", "3", true}, 3, 1, {}, {}},
    Calculation{"OnlyTheFinalSumIsRangeChecked", {"", "1000000001", "2"}, kSub, {"", "1500000001", "3"}, false, {"", "", "1", "6", true}, 6, 1, {}, {}},
    Calculation{"EmptyNumeratorComesFirst", {"", "", "0"}, kNone, {"", "1", "-3"}, false, kEmptyKeptBar, {}, {}, {kMissing}, {}},
    Calculation{"EmptyDenominatorOfTheSecondOperand", {"", "1", "2"}, kAdd, {"", "1", ""}, false, kEmptyKeptBar, {}, {}, {kMissing}, {}},
    Calculation{"ZeroDenominator", {"", "1", "0"}, kAdd, {"", "1", "2"}, false, kEmptyKeptBar, {}, {}, {kDenominator}, {}},
    Calculation{"NegativeDenominator", {"", "1", "2"}, kNone, {"", "1", "-3"}, false, kEmptyKeptBar, {}, {}, {kDenominator}, {}},
    Calculation{"NoOperator", {"", "1", "2"}, kNone, {"", "1", "3"}, false, kEmptyKeptBar, 6, 6, {kNoOperator}, {}},
    Calculation{"NoOperatorInImproperMode", {"1", "1", "2"}, kNone, {"", "1", "3"}, true, kEmptyKeptBar, 6, 6, {kNoOperator}, {}},
    Calculation{"ElevenDigitsOverflowBeforeAnyMessage", {"", "11111111111", "0"}, kNone, {"", "1", "0"}, false, kEmptyKeptBar, {}, {}, {}, kOverflow},
    Calculation{"OperandConversionOverflows", {"2", "1", "2000000000"}, kAdd, {"", "1", "1"}, false, kEmptyBar, {}, {}, {}, kOverflow},
    Calculation{"LcmProductOverflowsThoughTheLcmFits", {"", "1", "100000"}, kAdd, {"", "1", "100000"}, false, kEmptyBar, {}, 100000, {}, kOverflow},
    Calculation{"LcmOverflowAlsoForDivision", {"", "1", "100000"}, kDiv, {"", "1", "100000"}, false, kEmptyBar, {}, 100000, {}, kOverflow},
    Calculation{"LcmOverflowAlsoWithoutOperator", {"", "1", "100000"}, kNone, {"", "1", "100000"}, false, kEmptyBar, {}, 100000, {}, kOverflow},
    Calculation{"SumOverflows", {"", "2147483647", "1"}, kAdd, {"", "1", "1"}, false, kEmptyBar, 1, 1, {}, kOverflow},
    Calculation{"ProductOverflows", {"", "65536", "1"}, kMul, {"", "65536", "1"}, false, kEmptyBar, 1, 1, {}, kOverflow},
    Calculation{"DivisorDenominatorOverflowsAfterTheNumerator", {"", "1", "65536"}, kDiv, {"", "65536", "1"}, false, kEmptyBar, 65536, 1, {}, kOverflow},
    Calculation{"DivisionByAZeroOperand", {"", "1", "2"}, kDiv, {"", "0", "3"}, false, kEmptyBar, 0, 1, {}, kByZero},
    Calculation{"SmallestQuotientOverWholeOne", {"", "-2147483648", "1"}, kMul, {"", "1", "1"}, false, kEmptyBar, 1, 1, {}, kOverflow},
    Calculation{"SmallestQuotientOverMinusOne", {"", "-2147483648", "1"}, kDiv, {"", "-1", "1"}, false, kEmptyBar, -1, 1, {}, kOverflow},
    Calculation{"ReducedDenominatorOverflowLeavesTheSign", {"", "1", "1"}, kDiv, {"", "-2147483648", "1"}, false, {"-", "", "", "", true}, INT32_MIN, 1, {}, kOverflow}
), [](const auto& row) { return row.param.name; });
// clang-format on

} // namespace
} // namespace quorvel
