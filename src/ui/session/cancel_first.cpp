#include "ui/session/cancel_first.h"

#include "entry/operator_choice.h"

#include <array>
#include <numeric>

namespace quorvel::session {
namespace {

using Wide = std::int64_t;

std::uint64_t magnitude(Wide value) {
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                     : static_cast<std::uint64_t>(value);
}

const Step* stepOf(const Working& working, StepKind kind) {
    for (const Step& step : working.steps) {
        if (step.kind == kind) {
            return &step;
        }
    }
    return nullptr;
}

// Divides a numerator and a denominator by their greatest common factor, keeping their signs.
void cancel(Wide& numerator, Wide& denominator) {
    const auto factor = static_cast<Wide>(std::gcd(magnitude(numerator), magnitude(denominator)));
    if (factor > 1) {
        numerator /= factor;
        denominator /= factor;
    }
}

} // namespace

std::optional<WorkingLine> cancelFirstLine(const Working& working) {
    const Step* reduced = stepOf(working, StepKind::Reduced);
    if (working.stop || reduced == nullptr) {
        return std::nullopt; // nothing to cancel: the product was already in lowest terms
    }
    // The two fractions that are multiplied: the operands for ×, the first operand and the
    // second's reciprocal for ÷.
    std::array<Wide, 2> numerators{};
    std::array<Wide, 2> denominators{};
    if (working.operatorCode == OperatorMultiply) {
        const Step* first = stepOf(working, StepKind::FirstAsImproper);
        const Step* second = stepOf(working, StepKind::SecondAsImproper);
        if (first == nullptr || second == nullptr) {
            return std::nullopt;
        }
        numerators = {first->numbers.at(0), second->numbers.at(0)};
        denominators = {first->numbers.at(1), second->numbers.at(1)};
    } else if (working.operatorCode == OperatorDivide) {
        const Step* byReciprocal = stepOf(working, StepKind::ByReciprocal);
        if (byReciprocal == nullptr) {
            return std::nullopt;
        }
        const auto& v = byReciprocal->numbers; // A1, D1, D2, A2: A1/D1 × D2/A2
        numerators = {v.at(0), v.at(2)};
        denominators = {v.at(1), v.at(3)};
    } else {
        return std::nullopt;
    }
    // Every numerator against every denominator: afterwards none shares a factor with any, so
    // the product is in lowest terms.
    for (Wide& numerator : numerators) {
        for (Wide& denominator : denominators) {
            cancel(numerator, denominator);
        }
    }
    WorkingLine line;
    line.kind = LineKind::CancelFirst;
    line.caption = "約分してから掛ける";
    const ShownNumber left = shownFraction(numerators[0], denominators[0]);
    const ShownNumber right = shownFraction(numerators[1], denominators[1]);
    // The calculation's own reduced product: the same value, and the numbers it showed.
    const ShownNumber product = shownFraction(reduced->numbers.at(1), reduced->numbers.at(2));
    line.numbers = {left, right, product};
    line.between = {"×", "＝"};
    line.sentence = "約分してから掛ける 先に約分すると " + spokenNumber(left) + " かける " +
                    spokenNumber(right) + " で、答えは同じ " + spokenNumber(product);
    return line;
}

} // namespace quorvel::session
