#pragma once

#include "app/form1.h"

#include <cstdint>
#include <optional>

namespace quorvel {

// Field codes held in TN: denominator, numerator, whole part of the first operand, then the same
// of the second operand (code of the first operand's field + 3).
inline constexpr std::int16_t EntryFieldDenominator1 = 1;
inline constexpr std::int16_t EntryFieldNumerator1 = 2;
inline constexpr std::int16_t EntryFieldWhole1 = 3;
inline constexpr std::int16_t EntryFieldDenominator2 = 4;
inline constexpr std::int16_t EntryFieldNumerator2 = 5;
inline constexpr std::int16_t EntryFieldWhole2 = 6;

inline constexpr Colour ActiveFieldColor = 0x80FF80; // light green, &H80FF80
inline constexpr Colour IdleFieldColor = 0xFFFFFF;   // white

// The component of an operand, in the order of the field codes.
enum class Component : std::uint8_t { Denominator = 0, Numerator = 1, WholePart = 2 };

// The label of an entry field code, or nothing for a value that is not a field code.
[[nodiscard]] std::optional<LabelId> EntryFieldLabel(std::int16_t code);

// TN ← code; the field is painted active and the other five idle.
void ActivateField(Form1& form, std::int16_t code);

// 整数, 分母 and 分子: move to that component of the operand that is active now.
void MoveWithinOperand(Form1& form, Component component);

// 戻る: from the second operand back to the first operand's whole part.
void BackToFirstOperand(Form1& form);

} // namespace quorvel
