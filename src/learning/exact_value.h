#pragma once

#include <cstdint>
#include <optional>

// Exact values for comparing answers: every operation that would leave the 64-bit range gives
// no value instead of wrapping, so an answer is never called equal to a value that did not fit.
namespace quorvel::learning {

// A fraction with a non-zero denominator; its sign may sit on either part.
struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

// A value in lowest terms, written once: its sign, its whole part and a proper fraction in
// lowest terms (0 ≤ numerator < denominator; 0/1 when there is none). Zero is not negative.
struct ExactValue {
    bool negative = false;
    std::uint64_t whole = 0;
    std::uint64_t numerator = 0;
    std::uint64_t denominator = 1;

    friend bool operator==(const ExactValue&, const ExactValue&) = default;
};

[[nodiscard]] std::uint64_t greatestCommonFactor(std::uint64_t a, std::uint64_t b);

// The fraction's value; none for a denominator of 0.
[[nodiscard]] std::optional<ExactValue> valueOf(Fraction fraction);

// whole + numerator/denominator with a sign in front, the parts as a pupil writes them.
[[nodiscard]] std::optional<ExactValue> valueOf(bool negative, std::uint64_t whole,
                                                std::uint64_t numerator, std::uint64_t denominator);

[[nodiscard]] ExactValue negated(ExactValue value);

// Checked arithmetic on fractions; none where a product or sum leaves 64 bits or a
// denominator would be 0.
[[nodiscard]] std::optional<std::int64_t> checkedProduct(std::int64_t a, std::int64_t b);
[[nodiscard]] std::optional<Fraction> sum(Fraction a, Fraction b);
[[nodiscard]] std::optional<Fraction> difference(Fraction a, Fraction b);
[[nodiscard]] std::optional<Fraction> product(Fraction a, Fraction b);

} // namespace quorvel::learning
