#pragma once

#include "arith/working.h"

#include <cstdint>
#include <string>
#include <vector>

// The working of the last calculation as the user meets it: one line per step, with a short
// caption, the fractions to draw stacked, and the sentence a screen reader reads. Every binding
// draws these lines; copying gives them as plain text.
namespace quorvel::session {

// A number as the working shows it: a whole part and a fraction, either of them absent.
struct ShownNumber {
    bool negative = false;
    std::int64_t whole = 0;     // 0: no whole part (unless the number is 0)
    std::int64_t numerator = 0; // 0 with denominator 0: no fraction
    std::int64_t denominator = 0;
};

struct WorkingLine {
    std::string caption;              // 「仮分数に直す」
    std::vector<ShownNumber> numbers; // drawn left to right
    std::vector<std::string> between; // what stands between them: "＋", "×", "と", ...
    std::string sentence;             // 「一つ目の数を仮分数に直すと 2分の3」
};

[[nodiscard]] std::vector<WorkingLine> workingLines(const Working& working);

// One line per step: "仮分数に直す: 3/2 ＋ 2/3", mixed numbers as "2 1/6".
[[nodiscard]] std::string workingPlainText(const std::vector<WorkingLine>& lines);

} // namespace quorvel::session
