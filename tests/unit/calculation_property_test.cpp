// Random operand pairs under all four operators, small and near the 32-bit edges. Whenever a
// calculation completes, the result fields must show the exact value in lowest terms, worked out
// with 128-bit rationals; whenever it fails, a 128-bit replay of its steps must find the 32-bit
// step that really overflowed (or the division by zero).
#include "app/form1.h"
#include "exact_fraction.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace quorvel {
namespace {

using testing::abs128;
using testing::Int128;

constexpr Int128 kMin32 = INT32_MIN;
constexpr Int128 kMax32 = INT32_MAX;

struct OperandTexts {
    std::string whole;
    std::int32_t numerator = 0;
    std::int32_t denominator = 1;
};

std::int32_t wholeValue(const std::string& text) {
    return text.empty() || text == "-" ? 0 : static_cast<std::int32_t>(std::stol(text));
}

// --- The replay: the calculation's steps in 128 bits, failing where a 32-bit step would. ---

struct Failure {
    RuntimeErrorKind kind;
};

struct Fits {
    std::optional<RuntimeErrorKind> failure;
    Int128 operator()(Int128 v) {
        if (!failure && (v < kMin32 || v > kMax32)) {
            failure = RuntimeErrorKind::Overflow;
        }
        return v;
    }
};

Int128 replayOperand(Fits& fits, const OperandTexts& o) {
    const Int128 W = wholeValue(o.whole);
    const Int128 N = o.numerator;
    const Int128 D = o.denominator;
    if (W < 0 && N < 0) {
        return fits(-fits(fits(W * D) + N));
    }
    if (W < 0) {
        return fits(fits(W * D) - N);
    }
    if (o.whole == "-") {
        return fits(-N);
    }
    if (W > 0 && N < 0) {
        return fits(N - fits(W * D));
    }
    return fits(fits(W * D) + N);
}

Int128 signedGcd(Int128 m, Int128 n) {
    while (n != 0) {
        const Int128 r = m % n;
        m = n;
        n = r;
    }
    return m;
}

std::optional<RuntimeErrorKind> replay(const OperandTexts& a, std::int16_t kn,
                                       const OperandTexts& b) {
    Fits fits;
    const Int128 A1 = replayOperand(fits, a);
    const Int128 A2 = replayOperand(fits, b);
    const Int128 D1 = a.denominator;
    const Int128 D2 = b.denominator;
    const Int128 lcm = fits(abs128(fits(D1 * D2))) / signedGcd(D1, D2);
    Int128 S = 0;
    Int128 L = lcm;
    switch (kn) {
    case 1:
        S = fits((L / D1) * A1 + (L / D2) * A2);
        break;
    case 2:
        S = fits((L / D1) * A1 - (L / D2) * A2);
        break;
    case 3:
        S = fits(A1 * A2);
        L = fits(D1 * D2);
        break;
    default:
        S = fits(A1 * D2);
        L = fits(D1 * A2);
        break;
    }
    if (fits.failure) {
        return fits.failure;
    }
    if (L == 0) {
        return RuntimeErrorKind::DivisionByZero;
    }
    const Int128 q = fits(S / L);
    const Int128 r = S % L;
    const Int128 G = signedGcd(r, L);
    const Int128 d = fits(L / G);
    const Int128 n = fits(r / G);
    fits(abs128(q));
    fits(abs128(d));
    fits(abs128(n));
    return fits.failure;
}

// --- Random operands. ---

class Operands {
public:
    explicit Operands(std::uint64_t seed)
        : random_(seed) {}

    OperandTexts next() {
        OperandTexts o;
        switch (pick(10)) {
        case 0:
            o.whole = "";
            break;
        case 1:
            o.whole = "-";
            break;
        case 2:
            o.whole = "-0";
            break;
        default:
            o.whole = std::to_string(value());
        }
        o.numerator = value();
        o.denominator = value();
        if (o.denominator <= 0) {
            o.denominator = o.denominator == INT32_MIN ? INT32_MAX : std::max(1, -o.denominator);
        }
        return o;
    }

    std::int16_t op() { return static_cast<std::int16_t>(1 + pick(4)); }

private:
    std::uint32_t pick(std::uint32_t n) {
        return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random_);
    }

    std::int32_t value() {
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            return std::uniform_int_distribution<std::int32_t>(-12, 12)(random_);
        case 5:
        case 6:
            return std::uniform_int_distribution<std::int32_t>(-1000, 1000)(random_);
        case 7: // around the square root of the range, where products start to overflow
            return std::uniform_int_distribution<std::int32_t>(-70000, 70000)(random_);
        case 8: // the edges
            return pick(2) == 0 ? INT32_MAX - static_cast<std::int32_t>(pick(3))
                                : INT32_MIN + static_cast<std::int32_t>(pick(3));
        case 9:
            if (pick(2) == 0) {
                return std::uniform_int_distribution<std::int32_t>(INT32_MIN, INT32_MAX)(random_);
            }
            return static_cast<std::int32_t>(1U << pick(31)) * (pick(2) == 0 ? 1 : -1);
        default:
            return 0;
        }
    }

    std::mt19937_64 random_;
};

int caseCount() {
    const char* configured = std::getenv("QUORVEL_PROPERTY_CASES");
    return configured != nullptr ? std::atoi(configured) : 200000;
}

TEST(CalculationProperty, ExactInLowestTermsOrARealOverflow) {
    Operands operands(20261207);
    int completed = 0;
    const int cases = caseCount();
    for (int i = 0; i < cases; ++i) {
        const OperandTexts a = operands.next();
        const OperandTexts b = operands.next();
        const std::int16_t kn = operands.op();

        testing::MemoryToolkit ui;
        Form1 form(ui);
        form.vars().KN = kn;
        ui.setCaption(LabelId::Label9, a.whole);
        ui.setCaption(LabelId::Label8, std::to_string(a.numerator));
        ui.setCaption(LabelId::Label7, std::to_string(a.denominator));
        ui.setCaption(LabelId::Label12, b.whole);
        ui.setCaption(LabelId::Label11, std::to_string(b.numerator));
        ui.setCaption(LabelId::Label10, std::to_string(b.denominator));
        form.handle(Event::Command1_Click);

        const auto expectedFailure = replay(a, kn, b);
        const std::string trace = a.whole + " " + std::to_string(a.numerator) + "/" +
                                  std::to_string(a.denominator) + " op" + std::to_string(kn) + " " +
                                  b.whole + " " + std::to_string(b.numerator) + "/" +
                                  std::to_string(b.denominator);
        if (expectedFailure) {
            ASSERT_EQ(ui.runtimeErrors.size(), 1U) << trace;
            ASSERT_EQ(ui.runtimeErrors.front(), *expectedFailure) << trace;
            continue;
        }
        ASSERT_TRUE(ui.runtimeErrors.empty()) << trace;
        ++completed;
        const auto exact = testing::exactMixedResult(
            {a.whole, std::to_string(a.numerator), std::to_string(a.denominator)}, kn,
            {b.whole, std::to_string(b.numerator), std::to_string(b.denominator)});
        ASSERT_TRUE(exact.has_value()) << trace;
        ASSERT_EQ(ui.caption(LabelId::Label5), exact->sign) << trace;
        ASSERT_EQ(ui.caption(LabelId::Label6), exact->whole) << trace;
        ASSERT_EQ(ui.caption(LabelId::Label2), exact->numerator) << trace;
        ASSERT_EQ(ui.caption(LabelId::Label1), exact->denominator) << trace;
        ASSERT_EQ(ui.lineVisible(LineId::Line3), exact->line3) << trace;
    }
    // The generator must reach both outcomes often enough to mean something.
    EXPECT_GT(completed, cases / 5);
    EXPECT_LT(completed, cases);
}

} // namespace
} // namespace quorvel
