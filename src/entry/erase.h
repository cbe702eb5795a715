#pragma once

#include "app/form1.h"

namespace quorvel {

// 一つ消す and Delete: the active field's text becomes "", nothing else changes.
void EraseActiveField(Form1& form);

// 全て消す: empties the entry, operator and result labels, forgets the operator and makes the
// first operand's whole part active. Line3, the display mode, IMK, L and G stay as they are.
void ClearAll(Form1& form);

} // namespace quorvel
