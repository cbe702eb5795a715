#pragma once

#include "app/form1.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvel {

// A problem of the history back in the fields: the six entry fields (Label7 ... Label12) as they
// were typed, its operator chosen, and the typing going on in the first operand's whole part.
// The result is left for 計算 to show.
void RestoreProblem(Form1& form, const std::array<std::string, 6>& fields,
                    std::int16_t operatorCode);

} // namespace quorvel
