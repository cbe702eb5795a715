#include "entry/field_text.h"

#include "app/runtime_error.h"

#include <limits>

namespace quorvel {

std::int32_t FieldValue(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    // Accumulate the magnitude in 64 bits and stop as soon as it leaves the 32-bit range, so a
    // text of any length is read without wrapping around.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            // Entry fields only ever hold digits; anything else cannot be read as a number.
            throw OverflowError();
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) {
            throw OverflowError();
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        throw OverflowError();
    }
    return static_cast<std::int32_t>(value);
}

} // namespace quorvel
