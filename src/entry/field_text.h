#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

// The number an entry field's text denotes: "", "-" and "-0" read 0, otherwise an optional
// leading "-" and decimal digits of any length. Throws OverflowError when the value lies outside
// the 32-bit signed range, however many digits (leading zeros included) the text has.
[[nodiscard]] std::int32_t FieldValue(std::string_view text);

} // namespace quorvel
