#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The exact value of a calculation in lowest terms, worked out with 128-bit rationals from what
// the operands mean, independently of how the calculator computes it.
namespace quorvel::testing {

__extension__ using Int128 = __int128;

struct OperandText {
    std::string whole;
    std::string numerator;
    std::string denominator;
};

struct ExpectedDisplay {
    std::string sign;
    std::string whole;
    std::string numerator;
    std::string denominator;
    bool line3;
};

// The four result fields in the mixed display, or nothing when an operand is not a number the
// calculation accepts (empty numerator or denominator, denominator below 1, beyond 32 bits).
std::optional<ExpectedDisplay> exactMixedResult(const OperandText& first, std::int16_t kn,
                                                const OperandText& second);

std::string decimal(Int128 value);

inline Int128 abs128(Int128 value) {
    return value < 0 ? -value : value;
}

} // namespace quorvel::testing
