#pragma once

#include "app/runtime_error.h"

#include <cstdint>
#include <limits>

// 32-bit arithmetic in which every step that leaves the signed 32-bit range raises OverflowError
// instead of wrapping around, and every division by zero raises DivisionByZeroError.
namespace quorvel::checked {

[[nodiscard]] inline std::int32_t add(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) {
        throw OverflowError();
    }
    return r;
}

[[nodiscard]] inline std::int32_t sub(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) {
        throw OverflowError();
    }
    return r;
}

[[nodiscard]] inline std::int32_t mul(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) {
        throw OverflowError();
    }
    return r;
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

// A wider exact value brought back into 32 bits with a range test.
[[nodiscard]] inline std::int32_t narrow(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw OverflowError();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace quorvel::checked
