#pragma once

#include "arith/working.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvel::learning {

// The working of the problem in the six entry fields (Label7 ... Label12 as they read) with the
// operator chosen, calculated aside by the calculator's own routine: the window shows nothing
// of it, so that a pupil can check an answer without seeing the right one first.
[[nodiscard]] Working workingOfProblem(const std::array<std::string, 6>& fields,
                                       std::int16_t operatorCode);

} // namespace quorvel::learning
