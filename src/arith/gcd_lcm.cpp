// The window's divisor and multiple routines. Both work on signed values and never take an
// absolute value of their arguments: the sign GCD leaves on its result is what the result display
// reads the sign of a fraction from.
#include "app/form1.h"
#include "arith/checked.h"

namespace quorvel {

std::int32_t Form1::GCD(std::int32_t M, std::int32_t N) {
    // Euclid with the truncating remainder; the result is the last non-zero value of the
    // sequence M, N, M mod N, ... Looping gives the same value the recursion leaves in G.
    while (N != 0) {
        const std::int32_t r = checked::rem(M, N);
        M = N;
        N = r;
    }
    vars_.G = M;
    return M;
}

std::int32_t Form1::LCM(std::int32_t M, std::int32_t N) {
    const std::int32_t g = GCD(M, N);
    // The product is formed before dividing, so it must fit even where the LCM itself would.
    const std::int32_t a = checked::abs(checked::mul(M, N));
    // Exact division: g divides a. With g negative the result takes its sign.
    vars_.L = checked::div(a, g);
    return vars_.L;
}

} // namespace quorvel
