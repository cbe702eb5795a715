#include "arith/decimal.h"

#include <algorithm>
#include <vector>

namespace quorvel {
namespace {

// |value| without overflow for every value the working holds (never the smallest int64).
std::uint64_t magnitude(std::int64_t value) {
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                     : static_cast<std::uint64_t>(value);
}

} // namespace

DecimalExpansion decimalOf(std::int64_t numerator, std::int64_t denominator,
                           std::size_t maxDigits) {
    DecimalExpansion out;
    const std::uint64_t n = magnitude(numerator);
    const std::uint64_t d = magnitude(denominator);
    out.negative = n != 0 && ((numerator < 0) != (denominator < 0));
    out.whole = std::to_string(n / d);
    // Long division; a remainder seen before means the digits from there on repeat. The
    // remainder stays below d, which has at most 32 bits, so ten times it fits.
    std::uint64_t remainder = n % d;
    std::vector<std::uint64_t> seen;
    while (remainder != 0) {
        const auto again = std::find(seen.begin(), seen.end(), remainder);
        if (again != seen.end()) {
            out.repeats = true;
            out.repeatStart = static_cast<std::size_t>(again - seen.begin());
            return out;
        }
        if (seen.size() == maxDigits) {
            out.cutShort = true;
            return out;
        }
        seen.push_back(remainder);
        remainder *= 10;
        out.fraction += static_cast<char>('0' + remainder / d);
        remainder %= d;
    }
    return out;
}

std::string plainDecimal(const DecimalExpansion& decimal) {
    std::string text = (decimal.negative ? "-" : "") + decimal.whole;
    if (decimal.fraction.empty()) {
        return text;
    }
    text += ".";
    if (decimal.repeats) {
        text += decimal.fraction.substr(0, decimal.repeatStart) + "(" +
                decimal.fraction.substr(decimal.repeatStart) + ")";
    } else {
        text += decimal.fraction;
    }
    return decimal.cutShort ? text + "…" : text;
}

} // namespace quorvel
