#pragma once

#include "app/form1.h"

#include <cstdint>
#include <string_view>

namespace quorvel {

inline constexpr std::int16_t OperatorNone = 0;
inline constexpr std::int16_t OperatorAdd = 1;
inline constexpr std::int16_t OperatorSubtract = 2;
inline constexpr std::int16_t OperatorMultiply = 3;
inline constexpr std::int16_t OperatorDivide = 4;

// "＋", "－", "×", "÷" for the codes 1 ... 4, "" for any other code.
[[nodiscard]] std::string_view OperatorSymbol(std::int16_t code);

// How the operator is read aloud: 「たす」, 「ひく」, 「かける」, 「わる」 for the codes 1 ... 4,
// "" for any other code.
[[nodiscard]] std::string_view OperatorWord(std::int16_t code);

// The code whose symbol this is, OperatorNone for any other text.
[[nodiscard]] std::int16_t OperatorOfSymbol(std::string_view symbol);

// Shows the symbol, stores the code in KN and moves to the second operand's whole part.
void ChooseOperator(Form1& form, std::int16_t code);

} // namespace quorvel
