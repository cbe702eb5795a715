#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

// The numerator of an operand over its own denominator, exact: the calculation brings it into
// 32 bits (or stops there), the working names it when it does not fit. The operand is negative
// exactly when one of two things holds: its whole part is negative (a value below 0, or the lone
// "-"), or its numerator is. "-0" has the value 0 and does not count as negative.
[[nodiscard]] constexpr std::int64_t ImproperNumerator(std::int32_t W, std::int32_t N,
                                                       std::int32_t D, std::string_view wholeText) {
    // Each product of two 32-bit values, and that product plus or minus a third, fits 64 bits.
    const std::int64_t wholes = std::int64_t{W} * D;
    if (W < 0 && N < 0) {
        return -(wholes + N);
    }
    if (W < 0) {
        return wholes - N;
    }
    if (wholeText == "-") {
        return -std::int64_t{N};
    }
    if (W > 0 && N < 0) {
        return N - wholes;
    }
    return wholes + N;
}

} // namespace quorvel
