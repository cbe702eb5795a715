#pragma once

#include "arith/working.h"
#include "ui/session/working_lines.h"

#include <optional>

namespace quorvel::session {

// × and ÷ as taught in 6年: 約分してから掛ける. The fractions to be multiplied with every
// numerator and denominator that share a factor divided by it first, then their product, the
// same answer the calculation reached by multiplying and then reducing. None where nothing
// cancels or the calculation did not get that far.
[[nodiscard]] std::optional<WorkingLine> cancelFirstLine(const Working& working);

} // namespace quorvel::session
