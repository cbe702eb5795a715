#include "learning/exact_value.h"

#include <limits>
#include <numeric>

namespace quorvel::learning {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::optional<std::int64_t> productOrNone(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) {
        return 0;
    }
    // The magnitudes' product against the limit for the product's sign, without forming it.
    const bool negative = (a < 0) != (b < 0);
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 63U : static_cast<std::uint64_t>(kMax);
    const auto magnitude = [](std::int64_t v) {
        return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v)
                     : static_cast<std::uint64_t>(v);
    };
    const std::uint64_t ma = magnitude(a);
    const std::uint64_t mb = magnitude(b);
    if (ma > limit / mb) {
        return std::nullopt;
    }
    const std::uint64_t m = ma * mb;
    if (negative) {
        return m == (std::uint64_t{1} << 63U) ? kMin : -static_cast<std::int64_t>(m);
    }
    return static_cast<std::int64_t>(m);
}

std::optional<std::int64_t> plus(std::int64_t a, std::int64_t b) {
    if ((b > 0 && a > kMax - b) || (b < 0 && a < kMin - b)) {
        return std::nullopt;
    }
    return a + b;
}

std::optional<Fraction> combined(Fraction a, Fraction b, bool subtract) {
    const auto left = productOrNone(a.numerator, b.denominator);
    auto right = productOrNone(b.numerator, a.denominator);
    const auto denominator = productOrNone(a.denominator, b.denominator);
    if (!left || !right || !denominator || *denominator == 0) {
        return std::nullopt;
    }
    if (subtract) {
        if (*right == kMin) {
            return std::nullopt;
        }
        right = -*right;
    }
    const auto numerator = plus(*left, *right);
    if (!numerator) {
        return std::nullopt;
    }
    return Fraction{*numerator, *denominator};
}

std::uint64_t magnitudeOf(std::int64_t v) {
    return v < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

} // namespace

std::optional<std::int64_t> checkedProduct(std::int64_t a, std::int64_t b) {
    return productOrNone(a, b);
}

std::uint64_t greatestCommonFactor(std::uint64_t a, std::uint64_t b) {
    return std::gcd(a, b);
}

std::optional<ExactValue> valueOf(bool negative, std::uint64_t whole, std::uint64_t numerator,
                                  std::uint64_t denominator) {
    if (denominator == 0) {
        return std::nullopt;
    }
    const std::uint64_t carried = numerator / denominator;
    if (whole > std::numeric_limits<std::uint64_t>::max() - carried) {
        return std::nullopt;
    }
    ExactValue value;
    value.whole = whole + carried;
    const std::uint64_t rest = numerator % denominator;
    const std::uint64_t factor = greatestCommonFactor(rest, denominator);
    value.numerator = rest / factor;
    value.denominator = denominator / factor;
    value.negative = negative && (value.whole != 0 || value.numerator != 0);
    return value;
}

std::optional<ExactValue> valueOf(Fraction fraction) {
    return valueOf((fraction.numerator < 0) != (fraction.denominator < 0), 0,
                   magnitudeOf(fraction.numerator), magnitudeOf(fraction.denominator));
}

ExactValue negated(ExactValue value) {
    value.negative = !value.negative && (value.whole != 0 || value.numerator != 0);
    return value;
}

std::optional<Fraction> sum(Fraction a, Fraction b) {
    return combined(a, b, false);
}

std::optional<Fraction> difference(Fraction a, Fraction b) {
    return combined(a, b, true);
}

std::optional<Fraction> product(Fraction a, Fraction b) {
    const auto numerator = productOrNone(a.numerator, b.numerator);
    const auto denominator = productOrNone(a.denominator, b.denominator);
    if (!numerator || !denominator || *denominator == 0) {
        return std::nullopt;
    }
    return Fraction{*numerator, *denominator};
}

} // namespace quorvel::learning
