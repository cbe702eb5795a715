#pragma once

#include "app/form1.h"

#include <cstdint>

namespace quorvel {

// Writes the reduced result q + n/d into the empty result labels: the sign "-" in Label5 when
// any of q, d, n is negative, the magnitudes as plain digits. Hides Line3 for a whole number.
void ShowResult(Form1& form, std::int32_t q, std::int32_t d, std::int32_t n);

// 仮分数: a mixed number on display becomes whole × denominator + numerator over the denominator.
void ToImproper(Form1& form);

// 帯分数: an improper fraction on display becomes a whole part and a proper fraction.
void ToMixed(Form1& form);

} // namespace quorvel
