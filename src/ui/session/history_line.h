#pragma once

#include "arith/working.h"
#include "ui/session/working_lines.h"

namespace quorvel::session {

// A calculation of the history as one line: the problem as it was typed, ＝ and its answer in the
// display mode of the working, 「1 1/2 ＋ 2/3 ＝ 2 1/6」, said 「1と2分の1 たす 3分の2 は
// 2と6分の1」.
[[nodiscard]] WorkingLine calculationLine(const Working& calculation);

} // namespace quorvel::session
