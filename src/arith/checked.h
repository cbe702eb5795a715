#pragma once

#include "app/runtime_error.h"

#include <cstdint>
#include <limits>

// 32-bit arithmetic in which every step that leaves the signed 32-bit range raises OverflowError
// instead of wrapping around, and every division by zero raises DivisionByZeroError.
namespace quorvel::checked {

// A wider exact value brought back into 32 bits with a range test.
[[nodiscard]] inline std::int32_t narrow(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw OverflowError();
    }
    return static_cast<std::int32_t>(value);
}

// Two 32-bit values never leave the 64-bit range when added, subtracted or multiplied, so the
// exact result is formed there and then range-tested.
[[nodiscard]] inline std::int32_t add(std::int32_t a, std::int32_t b) {
    return narrow(std::int64_t{a} + std::int64_t{b});
}

[[nodiscard]] inline std::int32_t sub(std::int32_t a, std::int32_t b) {
    return narrow(std::int64_t{a} - std::int64_t{b});
}

[[nodiscard]] inline std::int32_t mul(std::int32_t a, std::int32_t b) {
    return narrow(std::int64_t{a} * std::int64_t{b});
}

[[nodiscard]] inline std::int32_t neg(std::int32_t a) {
    return sub(0, a);
}

[[nodiscard]] inline std::int32_t abs(std::int32_t a) {
    return a < 0 ? neg(a) : a;
}

// Quotient truncated toward zero; -2147483648 ÷ -1 does not fit.
[[nodiscard]] inline std::int32_t div(std::int32_t a, std::int32_t b) {
    if (b == 0) {
        throw DivisionByZeroError();
    }
    if (b == -1) {
        return neg(a);
    }
    return a / b;
}

// Remainder of the truncated division: 0 or the sign of a. Dividing by -1 leaves nothing over.
[[nodiscard]] inline std::int32_t rem(std::int32_t a, std::int32_t b) {
    if (b == 0) {
        throw DivisionByZeroError();
    }
    if (b == -1) {
        return 0;
    }
    return a % b;
}

// Non-negative 64-bit values multiplied and added with a range test, for numbers read from the
// result fields, which may exceed 32 bits.
[[nodiscard]] inline std::int64_t mulAdd64(std::int64_t a, std::int64_t b, std::int64_t c) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    if (a < 0 || b < 0 || c < 0 || (b != 0 && a > kMax / b) || a * b > kMax - c) {
        throw OverflowError();
    }
    return a * b + c;
}

} // namespace quorvel::checked
