#pragma once

#include "app/form1.h"

namespace quorvel {

// -/+: puts a "-" in front of a positive numerator or whole part, or takes it away from a
// negative one. An empty whole part takes a lone "-"; denominators are left alone. A field
// whose number does not fit in 32 bits raises OverflowError before anything changes.
void ToggleSign(Form1& form);

} // namespace quorvel
