#include "app/form1.h"
#include "app/runtime_error.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct GcdRow {
    std::int32_t m;
    std::int32_t n;
    std::int32_t result;
};

std::ostream& operator<<(std::ostream& out, const GcdRow& r) {
    return out << "GCD(" << r.m << ", " << r.n << ")";
}

class GcdKeepsTheSignOfTheRemainders : public ::testing::TestWithParam<GcdRow> {};

TEST_P(GcdKeepsTheSignOfTheRemainders, ResultAndG) {
    testing::MemoryToolkit toolkit;
    Form1 form(toolkit);
    const auto& row = GetParam();
    EXPECT_EQ(form.GCD(row.m, row.n), row.result) << row.m << ", " << row.n;
    EXPECT_EQ(form.vars().G, row.result);
}

INSTANTIATE_TEST_SUITE_P(Rows, GcdKeepsTheSignOfTheRemainders,
                         ::testing::Values(GcdRow{12, 18, 6}, GcdRow{5, 6, 1}, GcdRow{-5, 0, -5},
                                           GcdRow{0, 5, 5}, GcdRow{0, -3, -3}, GcdRow{6, -4, 2},
                                           GcdRow{-6, 4, -2}, GcdRow{-1, 3, -1}, GcdRow{-3, -6, -3},
                                           GcdRow{INT32_MIN, -1, -1},
                                           GcdRow{INT32_MIN, 0, INT32_MIN},
                                           GcdRow{0, INT32_MIN, INT32_MIN},
                                           GcdRow{1, INT32_MIN, 1}));

struct LcmRow {
    std::int32_t m;
    std::int32_t n;
    std::int32_t l;
    std::int32_t g;
};

std::ostream& operator<<(std::ostream& out, const LcmRow& r) {
    return out << "LCM(" << r.m << ", " << r.n << ")";
}

class LcmOfTwoDenominators : public ::testing::TestWithParam<LcmRow> {};

TEST_P(LcmOfTwoDenominators, ResultLAndG) {
    testing::MemoryToolkit toolkit;
    Form1 form(toolkit);
    const auto& row = GetParam();
    EXPECT_EQ(form.LCM(row.m, row.n), row.l);
    EXPECT_EQ(form.vars().L, row.l);
    EXPECT_EQ(form.vars().G, row.g);
}

INSTANTIATE_TEST_SUITE_P(Rows, LcmOfTwoDenominators,
                         ::testing::Values(LcmRow{4, 6, 12, 2}, LcmRow{3, 3, 3, 3},
                                           LcmRow{1, 1, 1, 1}, LcmRow{2, -3, -6, -1},
                                           LcmRow{46340, 46340, 46340, 46340}));

TEST(LcmOverflow, TheProductIsFormedBeforeDividingSoASquareAboveTheRangeFails) {
    testing::MemoryToolkit toolkit;
    Form1 form(toolkit);
    form.vars().L = 77;
    EXPECT_THROW(form.LCM(46341, 46341), OverflowError);
    EXPECT_EQ(form.vars().G, 46341);
    EXPECT_EQ(form.vars().L, 77);
    EXPECT_THROW(form.LCM(100000, 100000), OverflowError);
    EXPECT_EQ(form.vars().G, 100000);
}

TEST(LcmOverflow, TheMagnitudeOfTheSmallestProductDoesNotFit) {
    testing::MemoryToolkit toolkit;
    Form1 form(toolkit);
    EXPECT_THROW(form.LCM(INT32_MIN, 1), OverflowError);
    EXPECT_EQ(form.vars().L, 0);
}

TEST(LcmOfZeroAndZero, FailsAtTheDivisionAndLeavesLAlone) {
    testing::MemoryToolkit toolkit;
    Form1 form(toolkit);
    form.vars().L = 9;
    EXPECT_THROW(form.LCM(0, 0), DivisionByZeroError);
    EXPECT_EQ(form.vars().G, 0);
    EXPECT_EQ(form.vars().L, 9);
}

} // namespace
} // namespace quorvel
