#include "ui/session/stop_reason.h"

#include "arith/improper_numerator.h"
#include "entry/field_text.h"
#include "entry/operator_choice.h"
#include "ui/controls/control_tables.h"

#include <limits>
#include <optional>
#include <string_view>

namespace quorvel::session {
namespace {

using Wide = std::int64_t;

constexpr std::string_view kRange =
    "この電卓で扱える32ビットの整数の範囲（-2147483648 から 2147483647）";

bool fits(Wide value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

// 「WHAT NUMBER が…の範囲に入らないので、計算できません。」, without the number where it is
// not known.
std::string beyondAs(std::string_view what, std::string_view number,
                     std::string_view cannot = "計算できません。") {
    std::string text(what);
    if (!number.empty()) {
        text += " " + std::string(number);
    }
    return text + " が" + std::string(kRange) + "に入らないので、" + std::string(cannot);
}

std::string beyond(std::string_view what, std::optional<Wide> number,
                   std::string_view cannot = "計算できません。") {
    return beyondAs(what, number ? std::to_string(*number) : std::string(), cannot);
}

std::optional<Wide> sumOrNone(Wide a, Wide b) {
    if ((b > 0 && a > std::numeric_limits<Wide>::max() - b) ||
        (b < 0 && a < std::numeric_limits<Wide>::min() - b)) {
        return std::nullopt;
    }
    return a + b;
}

// The numbers of the last step of the kind; none if the working has no such step.
const std::vector<Wide>* numbersOf(const Working& working, StepKind kind) {
    const std::vector<Wide>* found = nullptr;
    for (const Step& step : working.steps) {
        if (step.kind == kind) {
            found = &step.numbers;
        }
    }
    return found;
}

// The entry fields the calculation read, by index: denominator, numerator, whole part of the
// first operand, then of the second. Each was read within 32 bits before any later stage.
Wide entered(const Working& working, std::size_t index) {
    return FieldValue(working.entry.at(index));
}

Wide improperNumerator(const Working& working, std::size_t first) {
    const auto read = [&](std::size_t offset) {
        return static_cast<std::int32_t>(entered(working, first + offset));
    };
    return ImproperNumerator(read(2), read(1), read(0), working.entry.at(first + 2));
}

std::string commonDenominator(const Working& working) {
    const std::string product = working.entry[0] + "×" + working.entry[3];
    const Wide value = entered(working, 0) * entered(working, 3);
    const bool addOrSubtract =
        working.operatorCode == OperatorAdd || working.operatorCode == OperatorSubtract;
    return std::string(addOrSubtract ? "この電卓は、通分のために分母どうしの積 "
                                     : "この電卓は、どの計算でも、はじめに分母どうしの積 ") +
           product + " を求めます。" + beyond("その積", value);
}

// The numerator or denominator that left 32 bits as the operands were combined.
std::string combined(const Working& working) {
    const std::vector<Wide>* first = numbersOf(working, StepKind::FirstAsImproper);
    const std::vector<Wide>* second = numbersOf(working, StepKind::SecondAsImproper);
    const std::vector<Wide>* common = numbersOf(working, StepKind::CommonDenominator);
    const std::string_view unknown = "計算した分子か分母";
    switch (working.operatorCode) {
    case OperatorAdd:
    case OperatorSubtract: {
        if (common == nullptr) {
            break;
        }
        const bool add = working.operatorCode == OperatorAdd;
        const Wide a = common->at(1);
        const Wide b = common->at(2);
        // Each term is a product of two 32-bit values, so -b exists; their sum or difference
        // fits 64 bits except at the very edge, where it is left unnamed.
        return beyond(add ? "分子を足した数" : "分子を引いた数", sumOrNone(a, add ? b : -b));
    }
    case OperatorMultiply:
    case OperatorDivide: {
        if (first == nullptr || second == nullptr) {
            break;
        }
        const bool divide = working.operatorCode == OperatorDivide;
        // × : A1 × A2 over D1 × D2; ÷ : A1 × D2 over D1 × A2, the numerator formed first.
        const Wide numerator = first->at(0) * (divide ? second->at(1) : second->at(0));
        if (!fits(numerator)) {
            return beyond(divide ? "逆数を掛けた分子" : "分子どうしの積", numerator);
        }
        const Wide denominator = first->at(1) * (divide ? second->at(0) : second->at(1));
        return beyond(divide ? "逆数を掛けた分母" : "分母どうしの積", denominator);
    }
    default:
        break;
    }
    return beyond(unknown, std::nullopt);
}

// The whole part of S ÷ L, which left 32 bits only as -2147483648 ÷ -1.
std::string reduced(const Working& working) {
    for (const StepKind kind :
         {StepKind::AddNumerators, StepKind::SubtractNumerators, StepKind::MultiplyAcross}) {
        if (const std::vector<Wide>* step = numbersOf(working, kind)) {
            if (step->at(1) != 0) {
                return beyond("答えの整数部分", step->at(0) / step->at(1));
            }
        }
    }
    return beyond("答え", std::nullopt);
}

// The result shows its sign apart from its digits, so -2147483648 has a magnitude that does not
// fit although the value does.
std::string shown(const Working& working) {
    const std::vector<Wide>* mixed = numbersOf(working, StepKind::Mixed);
    constexpr Wide kLowest = std::numeric_limits<std::int32_t>::min();
    if (mixed != nullptr) {
        const Wide q = mixed->at(0);
        const Wide n = mixed->at(1);
        const Wide d = mixed->at(2);
        const std::string_view part = q == kLowest   ? "整数部分"
                                      : d == kLowest ? "分母"
                                      : n == kLowest ? "分子"
                                                     : "";
        if (!part.empty()) {
            return "この電卓は、答えを符号と数字に分けて表示します。" +
                   beyond("答えの" + std::string(part) + "の大きさ", -kLowest, "表示できません。");
        }
    }
    return beyond("答え", std::nullopt);
}

} // namespace

std::string whyNotCalculated(const Working& working) {
    const Stop& stop = *working.stop;
    switch (stop.reason) {
    case StopReason::MissingEntry:
        return "分母か分子が入力されていないので、計算できません。";
    case StopReason::BadDenominator:
        return "分母が1より小さいので、計算できません。";
    case StopReason::MissingOperator:
        return "計算記号が選ばれていないので、計算できません。";
    case StopReason::DivisionByZero:
        return "二つ目の数が0なので、割ることができません。";
    case StopReason::Overflow:
        break;
    }
    switch (stop.stage) {
    case Stage::ReadingField: {
        if (!stop.field) {
            return beyond("数", std::nullopt);
        }
        const auto index = static_cast<std::size_t>(static_cast<int>(*stop.field) -
                                                    static_cast<int>(LabelId::Label7));
        return beyondAs(std::string(ui::labelRow(*stop.field).description) + "の数",
                        working.entry.at(index));
    }
    case Stage::FirstAsImproper:
        return beyond("一つ目の数を仮分数に直した分子", improperNumerator(working, 0));
    case Stage::SecondAsImproper:
        return beyond("二つ目の数を仮分数に直した分子", improperNumerator(working, 3));
    case Stage::CommonDenominator:
        return commonDenominator(working);
    case Stage::Combining:
        return combined(working);
    case Stage::Reducing:
        return reduced(working);
    case Stage::ShowingResult:
        return shown(working);
    default:
        return "計算できません。";
    }
}

} // namespace quorvel::session
