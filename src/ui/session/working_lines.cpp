#include "ui/session/working_lines.h"

#include "ui/session/cancel_first.h"
#include "ui/session/stop_reason.h"

#include "arith/decimal.h"
#include "entry/operator_choice.h"
#include "ui/controls/control_tables.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace quorvel::session {
namespace {

// Texts joined by appending, one after the other.
std::string join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

std::string number(std::int64_t value) {
    return std::to_string(value);
}

std::uint64_t magnitude(std::int64_t value) {
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                     : static_cast<std::uint64_t>(value);
}

// numerator / denominator as a fraction with its sign in front.
ShownNumber fraction(std::int64_t numerator, std::int64_t denominator) {
    ShownNumber shown;
    shown.negative = numerator != 0 && ((numerator < 0) != (denominator < 0));
    shown.numerator = std::to_string(magnitude(numerator));
    shown.denominator = std::to_string(magnitude(denominator));
    return shown;
}

// The result as ShowResult was given it: q + n/d, the sign on any of the three.
ShownNumber mixed(std::int64_t q, std::int64_t n, std::int64_t d) {
    ShownNumber shown;
    shown.negative = q < 0 || n < 0 || d < 0;
    if (q != 0 || n == 0) {
        shown.whole = std::to_string(magnitude(q));
    }
    if (n != 0) {
        shown.numerator = std::to_string(magnitude(n));
        shown.denominator = std::to_string(magnitude(d));
    }
    return shown;
}

// How a number is written out: read aloud (「マイナス 2と6分の1」) or as plain text ("-2 1/6").
struct Notation {
    std::string_view minus;
    std::string_view beforeFraction; // between the whole part and the fraction
    bool denominatorFirst;
    std::string_view bar; // between numerator and denominator, in the order written
};

constexpr Notation kSpoken{"マイナス ", "と", true, "分の"};
constexpr Notation kPlain{"-", " ", false, "/"};

std::string written(const ShownNumber& number, const Notation& notation) {
    std::string text(number.negative ? notation.minus : "");
    text += number.whole;
    if (number.hasFraction()) {
        text +=
            join({number.whole.empty() ? "" : notation.beforeFraction,
                  notation.denominatorFirst ? number.denominator : number.numerator, notation.bar,
                  notation.denominatorFirst ? number.numerator : number.denominator});
    }
    return text;
}

std::string spoken(const ShownNumber& number) {
    return written(number, kSpoken);
}

std::string plain(const ShownNumber& number) {
    return written(number, kPlain);
}

// An operand as it was entered: whole part, numerator over denominator, texts as typed.
std::string enteredOperand(const std::string& whole, const std::string& numerator,
                           const std::string& denominator) {
    // A field left empty is said as the main window says it: 空.
    const auto words = [](const std::string& text) {
        if (text.empty()) {
            return std::string("空");
        }
        return text.starts_with("-") ? join({"マイナス ", text.substr(1)}) : text;
    };
    std::string spokenOperand;
    if (!whole.empty()) {
        spokenOperand = whole == "-" ? "マイナス " : join({words(whole), "と"});
    }
    return join({spokenOperand, words(denominator), "分の", words(numerator)});
}

WorkingLine problemLine(const Working& working) {
    const auto& e = working.entry; // Label7 ... Label12
    const std::int16_t kn = working.operatorCode;
    WorkingLine line{LineKind::Problem, "問題", {}, {}, "", ""};
    line.numbers = {ShownNumber{false, e[2], e[1], e[0]}, ShownNumber{false, e[5], e[4], e[3]}};
    line.sentence = join({"問題 ", enteredOperand(e[2], e[1], e[0])});
    if (!OperatorSymbol(kn).empty()) {
        line.sentence += join({" ", OperatorWord(kn)});
        line.between = {std::string(OperatorSymbol(kn))};
    } else {
        line.sentence += " 計算記号なし";
        line.between = {"？"};
    }
    line.sentence += join({" ", enteredOperand(e[5], e[4], e[3])});
    return line;
}

WorkingLine line(LineKind kind, std::string_view caption, std::vector<ShownNumber> numbers,
                 std::vector<std::string> between, std::string sentence) {
    return {kind, std::string(caption), std::move(numbers), std::move(between),
            "",   std::move(sentence)};
}

// A step that shows one fraction, its numerator and denominator the step's first two numbers:
// its caption and the words a screen reader says before the fraction. Every line's sentence
// begins with the caption it shows, so that what a user reads is what a screen reader says first
// and what a user of speech input names the line by.
struct OneFractionStep {
    StepKind step;
    LineKind line;
    std::string_view caption;
    std::string_view saidBefore;
};

// clang-format off
constexpr std::array kOneFractionSteps{
    OneFractionStep{StepKind::FirstAsImproper,    LineKind::FirstAsImproper,    "仮分数に直す",                  "仮分数に直す 一つ目の数は "},
    OneFractionStep{StepKind::SecondAsImproper,   LineKind::SecondAsImproper,   "仮分数に直す",                  "仮分数に直す 二つ目の数は "},
    OneFractionStep{StepKind::AddNumerators,      LineKind::AddNumerators,      "分子を足す",                    "分子を足すと "},
    OneFractionStep{StepKind::SubtractNumerators, LineKind::SubtractNumerators, "分子を引く",                    "分子を引くと "},
    OneFractionStep{StepKind::MultiplyAcross,     LineKind::MultiplyAcross,     "分子どうし、分母どうしを掛ける", "分子どうし、分母どうしを掛けると "},
};
// clang-format on

WorkingLine stepLine(const Step& step) {
    const auto& v = step.numbers;
    for (const OneFractionStep& row : kOneFractionSteps) {
        if (row.step == step.kind) {
            return line(row.line, row.caption, {fraction(v[0], v[1])}, {},
                        join({row.saidBefore, spoken(fraction(v[0], v[1]))}));
        }
    }
    switch (step.kind) {
    case StepKind::CommonDenominator:
        return line(LineKind::CommonDenominator, "通分する",
                    {fraction(v[1], v[0]), fraction(v[2], v[0])}, {"と"},
                    join({"通分する 分母を ", number(v[0]), " にそろえると ",
                          spoken(fraction(v[1], v[0])), " と ", spoken(fraction(v[2], v[0]))}));
    case StepKind::ByReciprocal:
        return line(LineKind::ByReciprocal, "逆数を掛ける",
                    {fraction(v[0], v[1]), fraction(v[2], v[3])}, {"×"},
                    join({"逆数を掛ける 割る数を逆数にして掛けると ", spoken(fraction(v[0], v[1])),
                          " かける ", spoken(fraction(v[2], v[3]))}));
    case StepKind::Reduced:
        return line(LineKind::Reduced, "約分する", {fraction(v[1], v[2])}, {},
                    join({"約分する 分母と分子を ", std::to_string(magnitude(v[0])), " で割ると ",
                          spoken(fraction(v[1], v[2]))}));
    case StepKind::Mixed:
        return line(LineKind::Mixed, "帯分数に直す", {mixed(v[0], v[1], v[2])}, {},
                    join({"帯分数に直すと ", spoken(mixed(v[0], v[1], v[2]))}));
    default:
        return {};
    }
}

WorkingLine decimalLine(const Step& mixedStep) {
    const auto& v = mixedStep.numbers; // q, n, d: the value is q + n/d
    const std::int64_t numerator = v[0] * (v[2] < 0 ? -v[2] : v[2]) + (v[2] < 0 ? -v[1] : v[1]);
    const DecimalExpansion decimal = decimalOf(numerator, v[2] < 0 ? -v[2] : v[2]);
    std::string text = plainDecimal(decimal);
    if (decimal.repeats) {
        text += join({"（", decimal.fraction.substr(decimal.repeatStart), " がくり返す）"});
    } else if (decimal.cutShort) {
        text += join({"（小数第", std::to_string(kDecimalDigits), "位まで）"});
    }
    WorkingLine decimalLine = line(LineKind::Decimal, "小数で表す", {}, {}, "");
    decimalLine.sentence = join({"小数で表すと ", text});
    decimalLine.text = std::move(text);
    return decimalLine;
}

// The math of a line as plain text: "3/2 と 2/3", "2.1(6)（6 がくり返す）".
std::string plainMath(const WorkingLine& line) {
    std::string math;
    for (std::size_t i = 0; i < line.numbers.size(); ++i) {
        if (i > 0) {
            math += join({" ", i - 1 < line.between.size() ? line.between[i - 1] : "", " "});
        }
        math += plain(line.numbers[i]);
    }
    if (!line.text.empty()) {
        math += join({math.empty() ? "" : " ", line.text});
    }
    return math;
}

} // namespace

ShownNumber shownFraction(std::int64_t numerator, std::int64_t denominator) {
    return fraction(numerator, denominator);
}

std::string spokenNumber(const ShownNumber& number) {
    return spoken(number);
}

std::string_view kindName(LineKind kind) {
    constexpr std::array<std::string_view, 16> kNames{"nothing",
                                                      "problem",
                                                      "first-as-improper",
                                                      "second-as-improper",
                                                      "common-denominator",
                                                      "add-numerators",
                                                      "subtract-numerators",
                                                      "by-reciprocal",
                                                      "multiply-across",
                                                      "reduced",
                                                      "cancel-first",
                                                      "mixed",
                                                      "answer",
                                                      "decimal",
                                                      "stopped",
                                                      "calculation"};
    return kNames.at(static_cast<std::size_t>(kind));
}

std::vector<WorkingLine> workingLines(const Working& working) {
    if (!working.calculated) {
        WorkingLine nothing = line(LineKind::Nothing, "", {}, {}, "まだ計算していません。");
        nothing.text = nothing.sentence;
        return {nothing};
    }
    std::vector<WorkingLine> lines{problemLine(working)};
    const Step* result = nullptr;
    for (const Step& step : working.steps) {
        if (step.kind == StepKind::Mixed) {
            result = &step;
            continue;
        }
        lines.push_back(stepLine(step));
        if (step.kind == StepKind::Reduced) {
            if (auto taught = cancelFirstLine(working)) {
                lines.push_back(std::move(*taught));
            }
        }
    }
    if (working.stop) {
        WorkingLine stopped = line(LineKind::Stopped, "計算できない理由", {}, {}, "");
        stopped.text = whyNotCalculated(working);
        stopped.sentence = join({stopped.caption, " ", stopped.text});
        lines.push_back(std::move(stopped));
        return lines;
    }
    if (result != nullptr) {
        const auto& v = result->numbers;
        if (!working.improperMode && v[0] != 0 && v[1] != 0) {
            lines.push_back(stepLine(*result));
        }
        WorkingLine answer = stepLine(*result);
        answer.kind = LineKind::Answer;
        answer.caption = "答え";
        if (working.improperMode && v[1] != 0) {
            answer.numbers.front() = fraction(v[0] * v[2] + v[1], v[2]);
        }
        answer.sentence = join({"答え ", spoken(answer.numbers.front())});
        lines.push_back(answer);
        lines.push_back(decimalLine(*result));
    }
    return lines;
}

std::string workingPlainText(const std::vector<WorkingLine>& lines) {
    std::string text;
    for (const WorkingLine& line : lines) {
        const std::string math = plainMath(line);
        text += line.caption.empty() ? math : join({line.caption, ": ", math});
        text += "\n";
    }
    return text;
}

std::string answerPlainText(std::string_view sign, std::string_view whole,
                            std::string_view numerator, std::string_view denominator) {
    if (whole.empty() && numerator.empty()) {
        return "";
    }
    return plain(ShownNumber{!sign.empty(), std::string(whole), std::string(numerator),
                             std::string(denominator)});
}

} // namespace quorvel::session
