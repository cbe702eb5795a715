#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// A fraction written as a decimal: exact when it ends, otherwise with the part that repeats
// found within the first digits, or cut short when even that is longer.
struct DecimalExpansion {
    bool negative = false;
    std::string whole;           // the digits before the point
    std::string fraction;        // the digits after it, as far as they are written
    std::size_t repeatStart = 0; // where the repeating part starts in fraction
    bool repeats = false;        // fraction[repeatStart...] repeats for ever
    bool cutShort = false;       // more digits follow that are not written
};

inline constexpr std::size_t kDecimalDigits = 20;

// numerator / denominator; denominator is not 0.
[[nodiscard]] DecimalExpansion decimalOf(std::int64_t numerator, std::int64_t denominator,
                                         std::size_t maxDigits = kDecimalDigits);

// "0.5", "2.1(6)" (6 repeats), "0.33333333333333333333…" (cut short).
[[nodiscard]] std::string plainDecimal(const DecimalExpansion& decimal);

} // namespace quorvel
