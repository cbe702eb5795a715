#pragma once

#include "arith/working.h"
#include "learning/exact_value.h"

#include <cstdint>
#include <optional>
#include <string>

// 答え合わせ: a pupil's own answer to the problem in the fields, compared exactly with the
// calculation's, and, when it is wrong, with what the mistakes pupils most often make give.
namespace quorvel::learning {

// The answer as the pupil wrote it: digits only in each part, a part left out as "". A whole
// number has no fraction; a fraction alone has no whole part.
struct PupilAnswer {
    bool negative = false;
    std::string whole;
    std::string numerator;
    std::string denominator;
};

enum class Verdict : std::uint8_t {
    Right,             // the right value, reduced, in the form the problem suggests
    RightNotReduced,   // the right value; numerator and denominator share a factor (reducesBy)
    RightImproperPart, // the right value; the fraction beside the whole part is 1 or more
    RightOtherForm,    // the right value in 仮分数 for a problem in 帯分数, or the other way
    RightWholeAsFraction, // the right whole number written over 1, or with a fraction of 0
    Wrong,                // not equal to the answer (mistake says which mistake gives it)
    Unreadable,           // the answer's parts do not make a number (problem says which)
    NoProblem,            // the problem itself cannot be calculated
};

// Mistakes whose result the pupil's answer can be recognised by.
enum class Mistake : std::uint8_t {
    DenominatorsCombined, // 1/2 ＋ 1/3 → 2/5: the denominators added (or subtracted) as well
    NumeratorsNotScaled,  // 1/2 ＋ 1/3 → 2/6: the denominators made equal, the numerators not
    BorrowForgotten,      // 3 1/4 － 1 3/4 → 2 2/4: the smaller fraction taken from the larger
    WholePartsSeparately, // 2 1/2 × 3 1/3 → 6 1/6: wholes times wholes, fractions times fractions
    NoReciprocal,         // 1/2 ÷ 1/3 → 1/6: multiplied without turning the divisor over
    ReciprocalOfDividend, // 1/2 ÷ 1/3 → 2/3: the first number turned over instead of the second
    SignOnly,             // the right size with the wrong sign
};

enum class Unreadable : std::uint8_t {
    Empty,              // nothing written
    DenominatorMissing, // a numerator without a denominator
    NumeratorMissing,   // a denominator without a numerator
    DenominatorZero,    // a denominator of 0
    NotDigits,          // a part with something other than digits in it
    TooLong,            // a part of more than ten digits
};

// What the pupil's answer is, for the words that say it.
struct AnswerCheck {
    Verdict verdict = Verdict::NoProblem;
    std::optional<Mistake> mistake;        // for Wrong, when a known mistake gives the answer
    std::optional<Unreadable> unreadable;  // for Unreadable
    std::uint64_t reducesBy = 0;           // for RightNotReduced: the greatest common factor
    bool suggestsMixed = false;            // for RightOtherForm: the problem is in 帯分数
    std::optional<ExactValue> rightAnswer; // the calculation's answer, unless NoProblem
};

// The pupil's answer against the calculation whose working this is. A working that stopped, or
// none at all, gives NoProblem: there is no verdict without an answer to compare with.
[[nodiscard]] AnswerCheck checkAnswer(const Working& working, const PupilAnswer& answer);

} // namespace quorvel::learning
