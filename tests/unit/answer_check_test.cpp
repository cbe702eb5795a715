// 答え合わせ: a pupil's answer to a problem typed into the fields, judged exactly, its form
// against the form the problem was written in, and a wrong answer traced to the mistake that
// gives it.
#include "learning/answer_check.h"

#include "entered_calculation.h"
#include "entry/operator_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel::learning {
namespace {

using testing::Entered;

struct Row {
    const char* name;
    Entered problem;
    PupilAnswer answer;
    Verdict verdict;
    std::optional<Mistake> mistake = std::nullopt;
    std::uint64_t reducesBy = 0;
    bool suggestsMixed = false;
};

// A failing row is named by its name, not by its bytes.
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

// Operands as typed: whole, numerator, denominator.
Entered problem(const char* w1, const char* n1, const char* d1, std::int16_t op, const char* w2,
                const char* n2, const char* d2) {
    return {w1, n1, d1, op, w2, n2, d2};
}

PupilAnswer written(const char* whole, const char* numerator, const char* denominator,
                    bool negative = false) {
    return {negative, whole, numerator, denominator};
}

const Entered kOneAndAHalfPlusTwoThirds = problem("1", "1", "2", OperatorAdd, "", "2", "3");
const Entered kHalfPlusThird = problem("", "1", "2", OperatorAdd, "", "1", "3");
const Entered kBorrowing = problem("3", "1", "4", OperatorSubtract, "1", "3", "4");
const Entered kMixedTimesMixed = problem("2", "1", "2", OperatorMultiply, "3", "1", "3");
const Entered kHalfByThird = problem("", "1", "2", OperatorDivide, "", "1", "3");

class AnswerChecks : public ::testing::TestWithParam<Row> {};

TEST_P(AnswerChecks, Judge) {
    const Row& row = GetParam();
    testing::MemoryToolkit ui;
    const AnswerCheck check = checkAnswer(testing::calculateEntered(row.problem, ui), row.answer);
    EXPECT_EQ(check.verdict, row.verdict);
    EXPECT_EQ(check.mistake, row.mistake);
    EXPECT_EQ(check.reducesBy, row.reducesBy);
    if (row.verdict == Verdict::RightOtherForm) {
        EXPECT_EQ(check.suggestsMixed, row.suggestsMixed);
    }
}

const std::vector<Row> kRows = {
    // Right, in the problem's own form.
    {"RightInMixedForAProblemInMixed", kOneAndAHalfPlusTwoThirds, written("2", "1", "6"),
     Verdict::Right},
    {"RightAsAFractionForProperFractions", kHalfPlusThird, written("", "5", "6"), Verdict::Right},
    {"EitherFormForProperFractionsWhoseAnswerIsOverOne", kHalfByThird, written("1", "1", "2"),
     Verdict::Right},
    {"ImproperIsRightForProperFractionsToo", kHalfByThird, written("", "3", "2"), Verdict::Right},
    {"ImproperForAProblemInImproper", problem("", "5", "3", OperatorAdd, "", "2", "3"),
     written("", "7", "3"), Verdict::Right},
    {"ZeroAsZero", problem("", "1", "2", OperatorSubtract, "", "1", "2"), written("0", "", ""),
     Verdict::Right},
    {"NegativeZeroIsZero", problem("", "1", "2", OperatorSubtract, "", "1", "2"),
     written("0", "", "", true), Verdict::Right},
    {"ANegativeAnswerWithItsSign", problem("", "1", "3", OperatorSubtract, "", "1", "2"),
     written("", "1", "6", true), Verdict::Right},
    {"TheLargestAnswer", problem("2147483647", "0", "1", OperatorMultiply, "1", "0", "1"),
     written("2147483647", "", ""), Verdict::Right},
    // The right value written as it should not be.
    {"ImproperForAProblemInMixed", kOneAndAHalfPlusTwoThirds, written("", "13", "6"),
     Verdict::RightOtherForm, std::nullopt, 0, true},
    {"MixedForAProblemInImproper", problem("", "5", "3", OperatorAdd, "", "2", "3"),
     written("2", "1", "3"), Verdict::RightOtherForm, std::nullopt, 0, false},
    {"NotReducedByThree", problem("5", "1", "24", OperatorAdd, "3", "1", "12"),
     written("8", "3", "24"), Verdict::RightNotReduced, std::nullopt, 3},
    {"TheFractionBesideTheWholeImproper", problem("1", "1", "4", OperatorAdd, "1", "1", "4"),
     written("1", "12", "8"), Verdict::RightImproperPart, std::nullopt, 4},
    {"AWholeOverOne", problem("", "1", "2", OperatorAdd, "", "1", "2"), written("", "1", "1"),
     Verdict::RightWholeAsFraction},
    {"AWholeWithNothingOverFive", problem("", "1", "2", OperatorAdd, "", "1", "2"),
     written("1", "0", "5"), Verdict::RightWholeAsFraction},
    {"AWholeAsTwoHalves", problem("", "1", "2", OperatorAdd, "", "1", "2"), written("", "2", "2"),
     Verdict::RightNotReduced, std::nullopt, 2},
    // Wrong, and the mistake that gives it.
    {"DenominatorsAddedToo", kHalfPlusThird, written("", "2", "5"), Verdict::Wrong,
     Mistake::DenominatorsCombined},
    {"DenominatorsSubtractedToo", problem("", "3", "4", OperatorSubtract, "", "1", "2"),
     written("1", "", ""), Verdict::Wrong, Mistake::DenominatorsCombined},
    {"EqualDenominatorsAddedToo", problem("", "1", "5", OperatorAdd, "", "2", "5"),
     written("", "3", "10"), Verdict::Wrong, Mistake::DenominatorsCombined},
    {"MixedWithDenominatorsAddedToo", kOneAndAHalfPlusTwoThirds, written("1", "3", "5"),
     Verdict::Wrong, Mistake::DenominatorsCombined},
    {"NumeratorsLeftAsTheyWere", kHalfPlusThird, written("", "2", "6"), Verdict::Wrong,
     Mistake::NumeratorsNotScaled},
    {"BorrowingForgotten", kBorrowing, written("2", "2", "4"), Verdict::Wrong,
     Mistake::BorrowForgotten},
    {"BorrowingDoneButNotReduced", kBorrowing, written("1", "2", "4"), Verdict::RightNotReduced,
     std::nullopt, 2},
    {"WholesAndFractionsMultipliedApart", kMixedTimesMixed, written("6", "1", "6"), Verdict::Wrong,
     Mistake::WholePartsSeparately},
    {"MixedTimesMixedRight", kMixedTimesMixed, written("8", "1", "3"), Verdict::Right},
    {"DividedWithoutTheReciprocal", kHalfByThird, written("", "1", "6"), Verdict::Wrong,
     Mistake::NoReciprocal},
    {"TheDividendTurnedOver", kHalfByThird, written("", "2", "3"), Verdict::Wrong,
     Mistake::ReciprocalOfDividend},
    {"AWholeDivisorMultipliedInstead", problem("", "3", "4", OperatorDivide, "2", "0", "1"),
     written("", "6", "4"), Verdict::Wrong, Mistake::NoReciprocal},
    {"TheSignLost", problem("", "1", "3", OperatorSubtract, "", "1", "2"), written("", "1", "6"),
     Verdict::Wrong, Mistake::SignOnly},
    {"WrongWithNoKnownMistake", kHalfPlusThird, written("", "7", "6"), Verdict::Wrong},
    {"OneMoreThanTheLargestIsWrong",
     problem("2147483647", "0", "1", OperatorMultiply, "1", "0", "1"),
     written("2147483648", "", ""), Verdict::Wrong},
    {"CloseIsNotEqual", problem("", "2147483646", "2147483647", OperatorAdd, "", "0", "1"),
     written("", "2147483645", "2147483646"), Verdict::Wrong},
    {"TenDigitsEverywhere", kHalfPlusThird, written("9999999999", "9999999999", "9999999999"),
     Verdict::Wrong},
    // A mistake only counts where it gives another answer than the right one.
    {"DividingByOneGivesNoMistake", problem("", "1", "2", OperatorDivide, "1", "0", "1"),
     written("", "1", "2"), Verdict::Right},
    // No number to compare.
    {"NothingWritten", kHalfPlusThird, written("", "", ""), Verdict::Unreadable},
    {"ANumeratorWithoutDenominator", kHalfPlusThird, written("", "5", ""), Verdict::Unreadable},
    {"ADenominatorOfZero", kHalfPlusThird, written("", "5", "0"), Verdict::Unreadable},
    {"ADecimalPoint", kHalfPlusThird, written("0.8", "", ""), Verdict::Unreadable},
    {"ElevenDigits", kHalfPlusThird, written("", "12345678901", "2"), Verdict::Unreadable},
    // No answer to compare with.
    {"ADivisionByZero", problem("", "1", "2", OperatorDivide, "", "0", "3"), written("", "", ""),
     Verdict::NoProblem},
    {"NoOperator", problem("", "1", "2", OperatorNone, "", "1", "3"), written("", "5", "6"),
     Verdict::NoProblem},
    {"AnAnswerBeyondThirtyTwoBits", problem("2147483647", "0", "1", OperatorAdd, "1", "0", "1"),
     written("2147483648", "", ""), Verdict::NoProblem},
};

INSTANTIATE_TEST_SUITE_P(Pupils, AnswerChecks, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& shown) {
                             return std::string(shown.param.name);
                         });

TEST(AnswerCheck, SaysWhichPartCannotBeRead) {
    testing::MemoryToolkit ui;
    const Working working = testing::calculateEntered(kHalfPlusThird, ui);
    EXPECT_EQ(checkAnswer(working, written("", "", "")).unreadable, Unreadable::Empty);
    EXPECT_EQ(checkAnswer(working, written("", "5", "")).unreadable,
              Unreadable::DenominatorMissing);
    EXPECT_EQ(checkAnswer(working, written("", "", "6")).unreadable, Unreadable::NumeratorMissing);
    EXPECT_EQ(checkAnswer(working, written("", "5", "0")).unreadable, Unreadable::DenominatorZero);
    EXPECT_EQ(checkAnswer(working, written("-1", "", "")).unreadable, Unreadable::NotDigits);
    EXPECT_EQ(checkAnswer(working, written("", "1", "12345678901")).unreadable,
              Unreadable::TooLong);
}

TEST(AnswerCheck, NothingCalculatedGivesNoVerdict) {
    EXPECT_EQ(checkAnswer(Working{}, written("1", "", "")).verdict, Verdict::NoProblem);
}

} // namespace
} // namespace quorvel::learning
