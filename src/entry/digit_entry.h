#pragma once

#include "app/form1.h"

#include <cstdint>

namespace quorvel {

// Appends the digit d (0 ... 9) to the active field; a 0 is never put into an empty field.
void AppendDigit(Form1& form, std::int16_t d);

} // namespace quorvel
