#pragma once

#include "arith/working.h"

#include <string>

namespace quorvel::session {

// Why the calculation stopped, in the words its working ends with: for a number that did not
// fit, which number it was and that the limit is this program's 32-bit integers. The working
// must have stopped.
[[nodiscard]] std::string whyNotCalculated(const Working& working);

} // namespace quorvel::session
