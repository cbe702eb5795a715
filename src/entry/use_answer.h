#pragma once

#include "app/form1.h"

namespace quorvel {

// 答えを使う: the answer on display becomes the first operand, as its fields hold a number (a
// whole answer as its whole part over 0/1, a negative one with "-" on its whole part), so that
// the next calculation reads exactly that value. The operator, the second operand and the result
// are emptied and the typing goes on in the second operand's whole part. With no answer on
// display nothing changes.
void UseAnswer(Form1& form);

} // namespace quorvel
