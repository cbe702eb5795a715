#include "app/runtime_error.h"
#include "entry/field_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

struct Reading {
    std::string text;
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const Reading& r) {
    return out << '"' << r.text << '"';
}

class FieldValueReads : public ::testing::TestWithParam<Reading> {};

TEST_P(FieldValueReads, TheNumberTheTextDenotes) {
    EXPECT_EQ(FieldValue(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(FieldTexts, FieldValueReads,
                         ::testing::Values(Reading{"", 0}, Reading{"-", 0}, Reading{"-0", 0},
                                           Reading{"0", 0}, Reading{"007", 7}, Reading{"-05", -5},
                                           Reading{"12", 12}, Reading{"2147483647", 2147483647},
                                           Reading{"-2147483648", INT32_MIN},
                                           Reading{"-0000000000002147483648", INT32_MIN},
                                           Reading{std::string(29, '0') + "1", 1},
                                           Reading{std::string(40, '0'), 0}));

class FieldValueOverflows : public ::testing::TestWithParam<std::string> {};

TEST_P(FieldValueOverflows, OutsideThe32BitRange) {
    EXPECT_THROW(static_cast<void>(FieldValue(GetParam())), OverflowError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(FieldTexts, FieldValueOverflows,
                         ::testing::Values("2147483648", "-2147483649", "11111111111",
                                           "99999999999", "-99999999999", std::string(200, '9'),
                                           "0" + std::string(30, '9')));

} // namespace
} // namespace quorvel
