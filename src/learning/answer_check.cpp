#include "learning/answer_check.h"

#include "entry/field_text.h"
#include "entry/operator_choice.h"
#include "learning/exact_value.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>
#include <vector>

namespace quorvel::learning {
namespace {

constexpr std::size_t kMaxDigits = 10;

// A part of the pupil's answer: absent, a number, or why it is not one.
struct Part {
    bool present = false;
    std::uint64_t value = 0;
    std::optional<Unreadable> fault;
};

Part readPart(const std::string& text) {
    Part part;
    if (text.empty()) {
        return part;
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        part.fault = Unreadable::NotDigits;
        return part;
    }
    if (text.size() > kMaxDigits) {
        part.fault = Unreadable::TooLong;
        return part;
    }
    part.present = true;
    for (const char c : text) {
        part.value = part.value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return part;
}

// An operand as the problem wrote it: whole part, numerator and denominator, all without a sign.
// Operands with a sign anywhere take no part in the mistakes that work on the parts.
struct WrittenOperand {
    bool plain = false;
    std::int64_t whole = 0;
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    [[nodiscard]] Fraction fractionPart() const { return {numerator, denominator}; }
};

WrittenOperand writtenOperand(const std::string& whole, const std::string& numerator,
                              const std::string& denominator) {
    WrittenOperand operand;
    operand.plain =
        whole.find('-') == std::string::npos && numerator.find('-') == std::string::npos;
    operand.whole = FieldValue(whole);
    operand.numerator = FieldValue(numerator);
    operand.denominator = FieldValue(denominator);
    return operand;
}

std::optional<Fraction> plusWhole(std::int64_t whole, std::optional<Fraction> fraction) {
    if (!fraction) {
        return std::nullopt;
    }
    return sum(Fraction{whole, 1}, *fraction);
}

// The problem as the calculation read it, with the operands' values from its working.
struct Problem {
    std::int16_t operatorCode = OperatorNone;
    WrittenOperand first;
    WrittenOperand second;
    Fraction firstValue;
    Fraction secondValue;
    ExactValue answer;
};

std::optional<Problem> problemOf(const Working& working) {
    if (!working.calculated || working.stop) {
        return std::nullopt;
    }
    Problem problem;
    const Step* mixed = nullptr;
    for (const Step& step : working.steps) {
        switch (step.kind) {
        case StepKind::FirstAsImproper:
            problem.firstValue = {step.numbers.at(0), step.numbers.at(1)};
            break;
        case StepKind::SecondAsImproper:
            problem.secondValue = {step.numbers.at(0), step.numbers.at(1)};
            break;
        case StepKind::Mixed:
            mixed = &step;
            break;
        default:
            break;
        }
    }
    if (mixed == nullptr) {
        return std::nullopt;
    }
    // q + n/d, with the sign on any of the three: (q·d + n)/d, exact in 64 bits.
    const std::int64_t q = mixed->numbers.at(0);
    const std::int64_t n = mixed->numbers.at(1);
    const std::int64_t d = mixed->numbers.at(2);
    const auto answer = valueOf(Fraction{q * d + n, d});
    if (!answer) {
        return std::nullopt;
    }
    problem.answer = *answer;
    problem.operatorCode = working.operatorCode;
    const auto& e = working.entry; // denominator, numerator, whole: first, then second
    problem.first = writtenOperand(e[2], e[1], e[0]);
    problem.second = writtenOperand(e[5], e[4], e[3]);
    return problem;
}

// Each mistake with the answer it gives for this problem, where it applies and fits.
std::vector<std::pair<Mistake, Fraction>> mistakenAnswers(const Problem& p) {
    std::vector<std::pair<Mistake, Fraction>> answers;
    const auto add = [&answers](Mistake mistake, std::optional<Fraction> value) {
        if (value && value->denominator != 0) {
            answers.emplace_back(mistake, *value);
        }
    };
    const WrittenOperand& a = p.first;
    const WrittenOperand& b = p.second;
    const bool plain = a.plain && b.plain;
    const bool subtract = p.operatorCode == OperatorSubtract;
    switch (p.operatorCode) {
    case OperatorAdd:
    case OperatorSubtract: {
        if (!plain) {
            break;
        }
        const std::int64_t wholes = subtract ? a.whole - b.whole : a.whole + b.whole;
        const std::int64_t numerators =
            subtract ? a.numerator - b.numerator : a.numerator + b.numerator;
        const std::int64_t denominators =
            subtract ? a.denominator - b.denominator : a.denominator + b.denominator;
        if (denominators > 0) {
            add(Mistake::DenominatorsCombined,
                plusWhole(wholes, Fraction{numerators, denominators}));
        }
        const std::int64_t common = std::lcm(a.denominator, b.denominator);
        if (a.denominator != b.denominator) {
            add(Mistake::NumeratorsNotScaled, plusWhole(wholes, Fraction{numerators, common}));
        }
        // 3 1/4 － 1 3/4: 1/4 cannot give 3/4, and 3/4 － 1/4 is taken instead of borrowing.
        const auto first = checkedProduct(a.numerator, common / a.denominator);
        const auto second = checkedProduct(b.numerator, common / b.denominator);
        if (subtract && first && second && a.whole > 0 && a.numerator < a.denominator &&
            b.numerator < b.denominator && *first < *second) {
            add(Mistake::BorrowForgotten, plusWhole(wholes, Fraction{*second - *first, common}));
        }
        break;
    }
    case OperatorMultiply:
        if (plain && a.whole > 0 && b.whole > 0) {
            add(Mistake::WholePartsSeparately,
                plusWhole(a.whole * b.whole, product(a.fractionPart(), b.fractionPart())));
        }
        break;
    case OperatorDivide:
        add(Mistake::NoReciprocal, product(p.firstValue, p.secondValue));
        if (p.firstValue.numerator != 0) {
            add(Mistake::ReciprocalOfDividend,
                product(Fraction{p.firstValue.denominator, p.firstValue.numerator}, p.secondValue));
        }
        break;
    default:
        break;
    }
    return answers;
}

bool hasWhole(const WrittenOperand& operand) {
    return operand.whole != 0;
}

bool improperFraction(const WrittenOperand& operand) {
    const auto magnitude = [](std::int64_t v) { return v < 0 ? -v : v; };
    return magnitude(operand.numerator) >= operand.denominator;
}

// The right value: is it written as the answer should be?
AnswerCheck formOf(const Problem& problem, const Part& whole, const Part& numerator,
                   const Part& denominator) {
    AnswerCheck check;
    check.verdict = Verdict::Right;
    if (!numerator.present) {
        return check;
    }
    const bool writtenWhole = whole.present && whole.value != 0;
    if (denominator.value == 1 || numerator.value == 0) {
        check.verdict = Verdict::RightWholeAsFraction;
        return check;
    }
    const std::uint64_t factor = greatestCommonFactor(numerator.value, denominator.value);
    if (factor > 1) {
        check.reducesBy = factor;
    }
    if (writtenWhole && numerator.value >= denominator.value) {
        check.verdict = Verdict::RightImproperPart;
        return check;
    }
    if (factor > 1) {
        check.verdict = Verdict::RightNotReduced;
        return check;
    }
    const bool problemMixed = hasWhole(problem.first) || hasWhole(problem.second);
    const bool problemImproper =
        !problemMixed && (improperFraction(problem.first) || improperFraction(problem.second));
    const bool answerImproper = !writtenWhole && numerator.value > denominator.value;
    if (answerImproper && problemMixed) {
        check.verdict = Verdict::RightOtherForm;
        check.suggestsMixed = true;
    } else if (writtenWhole && problemImproper) {
        check.verdict = Verdict::RightOtherForm;
        check.suggestsMixed = false;
    }
    return check;
}

AnswerCheck unreadable(Unreadable why) {
    AnswerCheck check;
    check.verdict = Verdict::Unreadable;
    check.unreadable = why;
    return check;
}

AnswerCheck judged(const Problem& problem, const PupilAnswer& answer) {
    const Part whole = readPart(answer.whole);
    const Part numerator = readPart(answer.numerator);
    const Part denominator = readPart(answer.denominator);
    for (const Part* part : {&whole, &numerator, &denominator}) {
        if (part->fault) {
            return unreadable(*part->fault);
        }
    }
    if (!whole.present && !numerator.present && !denominator.present) {
        return unreadable(Unreadable::Empty);
    }
    if (numerator.present && !denominator.present) {
        return unreadable(Unreadable::DenominatorMissing);
    }
    if (denominator.present && !numerator.present) {
        return unreadable(Unreadable::NumeratorMissing);
    }
    if (denominator.present && denominator.value == 0) {
        return unreadable(Unreadable::DenominatorZero);
    }
    // Ten digits each: the whole part and the carry from the fraction stay within 64 bits.
    const std::optional<ExactValue> given = valueOf(answer.negative, whole.value, numerator.value,
                                                    denominator.present ? denominator.value : 1);
    if (given && *given == problem.answer) {
        return formOf(problem, whole, numerator, denominator);
    }
    AnswerCheck check;
    check.verdict = Verdict::Wrong;
    if (!given) {
        return check;
    }
    for (const auto& [mistake, value] : mistakenAnswers(problem)) {
        const auto mistaken = valueOf(value);
        if (mistaken && *mistaken == *given && *mistaken != problem.answer) {
            check.mistake = mistake;
            return check;
        }
    }
    if (negated(problem.answer) == *given) {
        check.mistake = Mistake::SignOnly;
    }
    return check;
}

} // namespace

AnswerCheck checkAnswer(const Working& working, const PupilAnswer& answer) {
    const std::optional<Problem> problem = problemOf(working);
    if (!problem) {
        return AnswerCheck{};
    }
    AnswerCheck check = judged(*problem, answer);
    check.rightAnswer = problem->answer;
    return check;
}

} // namespace quorvel::learning
