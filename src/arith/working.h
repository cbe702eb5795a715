#pragma once

#include "app/toolkit.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The working (途中式) of the last calculation: the steps a pupil writes in the exercise book,
// with the numbers the calculation itself used, and where and why it stopped if it did.
namespace quorvel {

enum class StepKind : std::uint8_t {
    FirstAsImproper,    // A1, D1: the first operand as an improper fraction
    SecondAsImproper,   // A2, D2
    CommonDenominator,  // L, A1 × (L ÷ D1), A2 × (L ÷ D2): both operands over the LCM (＋ －)
    AddNumerators,      // S, L: the numerators added over L
    SubtractNumerators, // S, L
    ByReciprocal,       // A1, D1, D2, A2: ÷ becomes × by the reciprocal of the second operand
    MultiplyAcross,     // S, L: numerators times numerators over denominators times denominators
    Reduced,            // G, the reduced numerator, the reduced denominator (by |G| > 1)
    Mixed,              // q, n, d as the result shows them (signs may sit on any of them)
};

struct Step {
    StepKind kind;
    std::vector<std::int64_t> numbers;
};

// What the calculation was doing when it stopped.
enum class Stage : std::uint8_t {
    CheckingEntries, // an empty numerator or denominator
    ReadingField,    // a field's number beyond 32 bits (field: which)
    CheckingDenominators,
    FirstAsImproper,
    SecondAsImproper,
    CommonDenominator, // D1 × D2 inside the LCM
    Combining,         // the sum or difference, or a product of × or ÷
    CheckingOperator,
    Reducing,      // S ÷ L: a division by 0, or a quotient beyond 32 bits
    ShowingResult, // the magnitude of the whole part
};

enum class StopReason : std::uint8_t {
    MissingEntry,
    BadDenominator,
    MissingOperator,
    Overflow,
    DivisionByZero
};

struct Stop {
    Stage stage;
    StopReason reason;
    std::optional<LabelId> field; // the field being read, for ReadingField
};

struct Working {
    bool calculated = false;          // no calculation yet
    std::array<std::string, 6> entry; // Label7 ... Label12 as the calculation read them
    std::int16_t operatorCode = 0;    // KN
    bool improperMode = false;        // 仮分数 selected
    std::vector<Step> steps;
    std::optional<Stop> stop;
};

} // namespace quorvel
