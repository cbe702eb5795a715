#pragma once

#include "arith/working.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The working of the last calculation as the user meets it: one line per step, with a short
// caption, the numbers to draw stacked, and the sentence a screen reader reads. Every binding
// draws these lines; copying gives them as plain text.
namespace quorvel::session {

// A number as the working draws it: a whole part and a fraction over a bar, either of them
// absent. The texts are digits, except on the problem line, which shows the fields as typed.
struct ShownNumber {
    bool negative = false;
    std::string whole;     // "" for no whole part
    std::string numerator; // both "" for no fraction
    std::string denominator;

    [[nodiscard]] bool hasFraction() const { return !numerator.empty() || !denominator.empty(); }
};

enum class LineKind : std::uint8_t {
    Nothing, // nothing has been calculated
    Problem,
    FirstAsImproper,
    SecondAsImproper,
    CommonDenominator,
    AddNumerators,
    SubtractNumerators,
    ByReciprocal,
    MultiplyAcross,
    Reduced,
    CancelFirst, // × and ÷ as taught: cancelled before multiplying, the same answer
    Mixed,
    Answer,
    Decimal,
    Stopped,     // where and why the calculation stopped
    Calculation, // a calculation of the history: the problem and its answer
};

// The kind's name in a transcript: "problem", "first-as-improper", ...
[[nodiscard]] std::string_view kindName(LineKind kind);

struct WorkingLine {
    LineKind kind = LineKind::Nothing;
    std::string caption;              // 「仮分数に直す」; "" for none
    std::vector<ShownNumber> numbers; // drawn left to right
    std::vector<std::string> between; // what stands between them: "＋", "×", "と", ...
    std::string text;                 // words drawn after the numbers, or alone; they wrap
    std::string sentence;             // 「仮分数に直す 一つ目の数は 2分の3」
};

// The lines of the working, with the answer in the display mode chosen now.
[[nodiscard]] std::vector<WorkingLine> workingLines(const Working& working);

// One line per step: "仮分数に直す: 3/2", mixed numbers as "2 1/6", ending with a line end.
[[nodiscard]] std::string workingPlainText(const std::vector<WorkingLine>& lines);

// numerator / denominator as the working shows a fraction, its sign in front.
[[nodiscard]] ShownNumber shownFraction(std::int64_t numerator, std::int64_t denominator);

// A number as a screen reader says it and a sentence writes it: 「マイナス 2と6分の1」.
[[nodiscard]] std::string spokenNumber(const ShownNumber& number);

// The answer on display as plain text ("-2 1/6", "13/6", "5"), from the result fields' captions;
// "" when no answer is shown.
[[nodiscard]] std::string answerPlainText(std::string_view sign, std::string_view whole,
                                          std::string_view numerator, std::string_view denominator);

} // namespace quorvel::session
