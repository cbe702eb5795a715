// The working (途中式) of a calculation: the lines a user reads for each kind of calculation and
// stop, decimals exact, repeating or cut short, and for many random calculations the working's
// numbers against the exact value and the result on display.
#include "arith/decimal.h"
#include "ui/session/working_lines.h"

#include "entered_calculation.h"
#include "exact_fraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorvel::session {
namespace {

using testing::Int128;

using testing::Entered;

Working calculate(const Entered& e, testing::MemoryToolkit& ui) {
    return testing::calculateEntered(e, ui);
}

std::vector<std::string> sentencesOf(const Entered& e) {
    testing::MemoryToolkit ui;
    std::vector<std::string> sentences;
    for (const WorkingLine& line : workingLines(calculate(e, ui))) {
        sentences.push_back(line.sentence);
    }
    return sentences;
}

using Lines = std::vector<std::string>;

TEST(Working, OneAndAHalfPlusTwoThirds) {
    EXPECT_EQ(sentencesOf({"1", "1", "2", 1, "", "2", "3"}),
              (Lines{"問題 1と2分の1 たす 3分の2", "仮分数に直す 一つ目の数は 2分の3",
                     "仮分数に直す 二つ目の数は 3分の2",
                     "通分する 分母を 6 にそろえると 6分の9 と 6分の4", "分子を足すと 6分の13",
                     "帯分数に直すと 2と6分の1", "答え 2と6分の1",
                     "小数で表すと 2.1(6)（6 がくり返す）"}));
}

TEST(Working, ImproperModeEndsWithTheImproperAnswer) {
    const Lines lines = sentencesOf({"1", "1", "2", 1, "", "2", "3", true});
    EXPECT_EQ(lines.at(lines.size() - 2), "答え 6分の13");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "帯分数に直すと 2と6分の1"), 0);
}

TEST(Working, ReductionByTheGcd) {
    const Lines lines = sentencesOf({"", "3", "4", 2, "", "1", "4"});
    EXPECT_EQ(lines.at(4), "分子を引くと 4分の2");
    EXPECT_EQ(lines.at(5), "約分する 分母と分子を 2 で割ると 2分の1");
    EXPECT_EQ(lines.back(), "小数で表すと 0.5");
}

TEST(Working, DivisionByTheReciprocalToAWholeNumber) {
    const Lines lines = sentencesOf({"", "1", "2", 4, "", "1", "4"});
    EXPECT_EQ(lines.at(3), "逆数を掛ける 割る数を逆数にして掛けると 2分の1 かける 1分の4");
    EXPECT_EQ(lines.at(4), "分子どうし、分母どうしを掛けると 2分の4");
    EXPECT_EQ(lines.at(5), "約分する 分母と分子を 2 で割ると 1分の2");
    EXPECT_EQ(lines.at(6),
              "約分してから掛ける 先に約分すると 1分の1 かける 1分の2 で、答えは同じ 1分の2");
    EXPECT_EQ(lines.at(7), "答え 2");
}

// 約分してから掛ける, as taught in 6年: for × and ÷ whenever the product was reduced, the fractions
// with every common factor cancelled first, whose product is the calculation's reduced answer.
TEST(Working, CancellingBeforeMultiplyingReachesTheSameAnswer) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> small(1, 60);
    const auto digits = [](const std::string& text) { return std::stoull(text); };
    int taught = 0;
    for (int round = 0; round < 400; ++round) {
        const Entered e{"",
                        std::to_string(small(random)),
                        std::to_string(small(random)),
                        static_cast<std::int16_t>(3 + round % 2),
                        "",
                        std::to_string(small(random)),
                        std::to_string(small(random))};
        testing::MemoryToolkit ui;
        const std::vector<WorkingLine> lines = workingLines(calculate(e, ui));
        const auto reduced = std::find_if(lines.begin(), lines.end(), [](const WorkingLine& l) {
            return l.kind == LineKind::Reduced;
        });
        const auto cancelled = std::find_if(lines.begin(), lines.end(), [](const WorkingLine& l) {
            return l.kind == LineKind::CancelFirst;
        });
        ASSERT_EQ(reduced == lines.end(), cancelled == lines.end()) << e.n1 << "/" << e.d1;
        if (cancelled == lines.end()) {
            continue;
        }
        ++taught;
        EXPECT_EQ(cancelled, reduced + 1);
        const ShownNumber& a = cancelled->numbers.at(0);
        const ShownNumber& b = cancelled->numbers.at(1);
        const ShownNumber& product = cancelled->numbers.at(2);
        EXPECT_EQ(digits(a.numerator) * digits(b.numerator), digits(product.numerator));
        EXPECT_EQ(digits(a.denominator) * digits(b.denominator), digits(product.denominator));
        EXPECT_EQ(product.numerator, reduced->numbers.at(0).numerator);
        EXPECT_EQ(product.denominator, reduced->numbers.at(0).denominator);
        EXPECT_EQ(cancelled->caption, "約分してから掛ける");
    }
    EXPECT_GT(taught, 100);
}

TEST(Working, ANegativeResultAndZero) {
    EXPECT_EQ(sentencesOf({"", "1", "3", 2, "", "1", "2"}).at(5), "答え マイナス 6分の1");
    const Lines zero = sentencesOf({"", "1", "2", 2, "", "1", "2"});
    EXPECT_EQ(zero.at(zero.size() - 2), "答え 0");
    EXPECT_EQ(zero.back(), "小数で表すと 0");
}

TEST(Working, StopsAreSaidInPlainWords) {
    EXPECT_EQ(sentencesOf({"", "", "2", 1, "", "1", "3"}).back(),
              "計算できない理由 分母か分子が入力されていないので、計算できません。");
    EXPECT_EQ(sentencesOf({"", "1", "2", 0, "", "1", "3"}).back(),
              "計算できない理由 計算記号が選ばれていないので、計算できません。");
    const Lines lcm = sentencesOf({"", "1", "100000", 1, "", "1", "100000"});
    EXPECT_EQ(lcm.size(), 4U); // the problem, both operands, why it stopped
    EXPECT_EQ(sentencesOf({"", "1", "2", 4, "", "0", "3"}).back(),
              "計算できない理由 二つ目の数が0なので、割ることができません。");
}

// A number that did not fit is named, and the reason given is the program's own 32-bit limit,
// never a step the calculation did not take.
TEST(Working, AStopAtTheLimitNamesTheNumberThatDidNotFit) {
    const std::string range =
        " がこの電卓で扱える32ビットの整数の範囲（-2147483648 から 2147483647）に入らないので、";
    const auto why = [](const Entered& e) { return sentencesOf(e).back(); };
    const std::string stopped = "計算できない理由 ";
    EXPECT_EQ(why({"", "1", "100000", 1, "", "1", "100000"}),
              stopped + "この電卓は、通分のために分母どうしの積 100000×100000 を求めます。その積 " +
                  "10000000000" + range + "計算できません。");
    // ÷ has no 通分: the product is what this program forms first for every operator.
    EXPECT_EQ(why({"", "1", "50000", 4, "", "1", "50000"}),
              stopped +
                  "この電卓は、どの計算でも、はじめに分母どうしの積 50000×50000 を求めます。" +
                  "その積 2500000000" + range + "計算できません。");
    EXPECT_EQ(why({"", "11111111111", "2", 1, "", "1", "3"}),
              stopped + "一つ目の数の分子の数 11111111111" + range + "計算できません。");
    EXPECT_EQ(why({"2", "2147483647", "1", 1, "", "1", "3"}),
              stopped + "一つ目の数を仮分数に直した分子 2147483649" + range + "計算できません。");
    EXPECT_EQ(why({"", "1", "2", 1, "-", "-2147483648", "1"}),
              stopped + "二つ目の数を仮分数に直した分子 2147483648" + range + "計算できません。");
    EXPECT_EQ(why({"", "2147483647", "1", 1, "", "1", "1"}),
              stopped + "分子を足した数 2147483648" + range + "計算できません。");
    EXPECT_EQ(why({"", "-2147483647", "1", 2, "", "2", "1"}),
              stopped + "分子を引いた数 -2147483649" + range + "計算できません。");
    EXPECT_EQ(why({"", "50000", "1", 3, "", "50000", "1"}),
              stopped + "分子どうしの積 2500000000" + range + "計算できません。");
    EXPECT_EQ(why({"", "-2147483648", "1", 4, "", "-1", "1"}),
              stopped + "答えの整数部分 2147483648" + range + "計算できません。");
    // -2147483648 itself fits; its digits apart from its sign do not.
    EXPECT_EQ(why({"", "-2147483647", "1", 2, "", "1", "1"}),
              stopped + "この電卓は、答えを符号と数字に分けて表示します。答えの整数部分の大きさ " +
                  "2147483648" + range + "表示できません。");
}

// What a user reads first on a line is what a screen reader says first, and what a user of
// speech input names it by.
TEST(Working, EverySentenceBeginsWithTheCaptionShown) {
    for (const Entered& e :
         {Entered{"1", "1", "2", 1, "", "2", "3"}, Entered{"1", "1", "2", 1, "", "2", "3", true},
          Entered{"", "3", "4", 2, "", "1", "4"}, Entered{"", "1", "2", 4, "", "1", "4"},
          Entered{"2", "1", "2", 3, "1", "1", "3"},
          Entered{"", "1", "100000", 1, "", "1", "100000"},
          Entered{"", "1", "2", 4, "", "0", "3"}}) {
        testing::MemoryToolkit ui;
        for (const WorkingLine& line : workingLines(calculate(e, ui))) {
            EXPECT_TRUE(line.sentence.starts_with(line.caption)) << line.sentence;
        }
    }
}

TEST(Working, NothingCalculatedYet) {
    EXPECT_EQ(workingLines(Working{}).front().sentence, "まだ計算していません。");
}

TEST(Working, PlainTextOneStepALine) {
    testing::MemoryToolkit ui;
    const std::string text =
        workingPlainText(workingLines(calculate({"1", "1", "2", 1, "", "2", "3"}, ui)));
    EXPECT_NE(text.find("仮分数に直す: 3/2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("通分する: 9/6 と 4/6\n"), std::string::npos) << text;
    EXPECT_NE(text.find("答え: 2 1/6\n"), std::string::npos) << text;
    EXPECT_NE(text.find("小数で表す: 2.1(6)（6 がくり返す）\n"), std::string::npos) << text;
}

struct DecimalCase {
    std::int64_t numerator;
    std::int64_t denominator;
    const char* text;
};

class Decimal : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(Decimal, ExactRepeatingOrCutShort) {
    EXPECT_EQ(plainDecimal(decimalOf(GetParam().numerator, GetParam().denominator)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, Decimal,
                         ::testing::Values(DecimalCase{1, 2, "0.5"}, DecimalCase{13, 6, "2.1(6)"},
                                           DecimalCase{1, 3, "0.(3)"},
                                           DecimalCase{1, 7, "0.(142857)"},
                                           DecimalCase{-7, 3, "-2.(3)"},
                                           DecimalCase{7, -4, "-1.75"}, DecimalCase{0, 5, "0"},
                                           DecimalCase{6, 3, "2"},
                                           DecimalCase{1, 2147483647, "0.00000000046566128752…"},
                                           DecimalCase{4294967295, 2, "2147483647.5"}));

// The exact value of an operand, as the calculation reads it: negative exactly when one of its
// whole part (below 0, or the lone "-") and its numerator is.
Int128 operandNumerator(const std::string& w, const std::string& n, const std::string& d,
                        Int128& denominator) {
    const Int128 W = w.empty() || w == "-" ? 0 : std::stoll(w);
    const Int128 N = std::stoll(n);
    denominator = std::stoll(d);
    const bool negative = (W < 0 || w == "-") != (N < 0);
    const Int128 magnitude = testing::abs128(W) * denominator + testing::abs128(N);
    return negative ? -magnitude : magnitude;
}

bool sameValue(Int128 a, Int128 b, Int128 c, Int128 d) {
    return a * d == c * b;
}

TEST(WorkingProperty, TheNumbersAreTheCalculationsOwn) {
    std::mt19937_64 random(20261207);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int completed = 0;
    for (int i = 0; i < 20000; ++i) {
        const auto whole = [&] {
            const int kind = pick(0, 5);
            return kind == 0   ? std::string()
                   : kind == 1 ? std::string("-")
                               : std::to_string(pick(-50, 50));
        };
        const Entered e{whole(),
                        std::to_string(pick(-99, 99)),
                        std::to_string(pick(1, 60)),
                        static_cast<std::int16_t>(pick(1, 4)),
                        whole(),
                        std::to_string(pick(-99, 99)),
                        std::to_string(pick(1, 60)),
                        pick(0, 1) == 1};
        testing::MemoryToolkit ui;
        const Working working = calculate(e, ui);
        Int128 d1 = 0;
        Int128 d2 = 0;
        const Int128 a1 = operandNumerator(e.w1, e.n1, e.d1, d1);
        const Int128 a2 = operandNumerator(e.w2, e.n2, e.d2, d2);
        ASSERT_GE(working.steps.size(), 2U);
        EXPECT_TRUE(sameValue(working.steps[0].numbers[0], working.steps[0].numbers[1], a1, d1));
        EXPECT_TRUE(sameValue(working.steps[1].numbers[0], working.steps[1].numbers[1], a2, d2));
        if (working.stop) {
            EXPECT_EQ(working.stop->reason, StopReason::DivisionByZero);
            EXPECT_EQ(a2, 0);
            continue;
        }
        ++completed;
        Int128 num = 0;
        Int128 den = 0;
        switch (e.kn) {
        case 1:
            num = a1 * d2 + a2 * d1;
            den = d1 * d2;
            break;
        case 2:
            num = a1 * d2 - a2 * d1;
            den = d1 * d2;
            break;
        case 3:
            num = a1 * a2;
            den = d1 * d2;
            break;
        default:
            num = a1 * d2;
            den = d1 * a2;
            break;
        }
        for (const Step& step : working.steps) {
            const auto& v = step.numbers;
            switch (step.kind) {
            case StepKind::AddNumerators:
            case StepKind::SubtractNumerators:
            case StepKind::MultiplyAcross:
                EXPECT_TRUE(sameValue(v[0], v[1], num, den)) << i;
                break;
            case StepKind::Reduced:
                EXPECT_GT(testing::abs128(v[0]), 1);
                EXPECT_TRUE(sameValue(v[1], v[2], num, den)) << i;
                break;
            case StepKind::Mixed:
                EXPECT_TRUE(sameValue(Int128{v[0]} * v[2] + v[1], v[2], num, den)) << i;
                // What the result fields show in the mixed form is the same number.
                if (!e.improper) {
                    EXPECT_EQ(ui.caption(LabelId::Label6),
                              v[0] == 0 ? (v[1] == 0 ? "0" : "") : std::to_string(std::abs(v[0])));
                }
                break;
            default:
                break;
            }
        }
        // The answer the working gives is the one on display, in the mode on display.
        const std::vector<WorkingLine> lines = workingLines(working);
        const auto answer = std::find_if(lines.begin(), lines.end(), [](const WorkingLine& line) {
            return line.kind == LineKind::Answer;
        });
        ASSERT_NE(answer, lines.end()) << i;
        EXPECT_EQ(workingPlainText({*answer}),
                  "答え: " +
                      answerPlainText(ui.caption(LabelId::Label5), ui.caption(LabelId::Label6),
                                      ui.caption(LabelId::Label2), ui.caption(LabelId::Label1)) +
                      "\n")
            << i;
    }
    EXPECT_GT(completed, 15000);
}

} // namespace
} // namespace quorvel::session
