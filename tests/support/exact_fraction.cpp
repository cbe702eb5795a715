#include "exact_fraction.h"

namespace quorvel::testing {
namespace {

Int128 gcd128(Int128 a, Int128 b) {
    a = abs128(a);
    b = abs128(b);
    while (b != 0) {
        const Int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// A field text as a 32-bit value: "" and "-" are 0; nothing for any other text beyond 32 bits.
std::optional<Int128> value32(const std::string& text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    Int128 v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        v = v * 10 + (text[i] - '0');
        if (v > (Int128{1} << 40)) {
            return std::nullopt;
        }
    }
    v = text.starts_with('-') ? -v : v;
    if (v < INT32_MIN || v > INT32_MAX) {
        return std::nullopt;
    }
    return v;
}

struct Rational {
    Int128 num;
    Int128 den;
};

std::optional<Rational> operandValue(const OperandText& o) {
    const auto w = value32(o.whole);
    const auto n = value32(o.numerator);
    const auto d = value32(o.denominator);
    if (o.numerator.empty() || o.denominator.empty() || !w || !n || !d || *d < 1) {
        return std::nullopt;
    }
    // Negative exactly when one of whole part (below 0, or the lone "-") and numerator is.
    const bool wholeNegative = *w < 0 || o.whole == "-";
    const Int128 magnitude = abs128(*w) * *d + abs128(*n);
    return Rational{(wholeNegative != (*n < 0)) ? -magnitude : magnitude, *d};
}

} // namespace

std::string decimal(Int128 value) {
    if (value == 0) {
        return "0";
    }
    std::string s;
    for (Int128 m = abs128(value); m != 0; m /= 10) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    }
    return value < 0 ? "-" + s : s;
}

std::optional<ExpectedDisplay> exactMixedResult(const OperandText& first, std::int16_t kn,
                                                const OperandText& second) {
    const auto x = operandValue(first);
    const auto y = operandValue(second);
    if (!x || !y || kn < 1 || kn > 4) {
        return std::nullopt;
    }
    Rational r{};
    switch (kn) {
    case 1:
        r = {x->num * y->den + y->num * x->den, x->den * y->den};
        break;
    case 2:
        r = {x->num * y->den - y->num * x->den, x->den * y->den};
        break;
    case 3:
        r = {x->num * y->num, x->den * y->den};
        break;
    default:
        if (y->num == 0) {
            return std::nullopt;
        }
        r = {x->num * y->den, x->den * y->num};
        break;
    }
    if (r.den < 0) {
        r = {-r.num, -r.den};
    }
    const Int128 g = gcd128(r.num, r.den);
    r = {r.num / g, r.den / g};
    const Int128 whole = abs128(r.num) / r.den;
    const Int128 rest = abs128(r.num) % r.den;
    if (rest == 0) {
        return ExpectedDisplay{r.num < 0 ? "-" : "", decimal(whole), "", "", false};
    }
    return ExpectedDisplay{r.num < 0 ? "-" : "", whole == 0 ? "" : decimal(whole), decimal(rest),
                           decimal(r.den), true};
}

} // namespace quorvel::testing
