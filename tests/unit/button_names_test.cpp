// What a screen reader reads as each button's name, on every program: the caption, and after an
// operator's symbol the word it is read as, so that the name still holds what is seen.
#include "ui/controls/control_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

namespace quorvel::ui {
namespace {

const ButtonRow& button(std::string_view name) {
    const auto rows = buttonTable();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [name](const ButtonRow& r) { return r.name == name; });
    if (row == rows.end()) {
        ADD_FAILURE() << "no button " << name;
        return rows.front();
    }
    return *row;
}

struct NameCase {
    std::string_view button;
    std::string_view heard;
};

class ButtonNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ButtonNames, AButtonIsHeardAsItsCaptionAndAnOperatorAlsoAsItsWord) {
    EXPECT_EQ(accessibleNameOf(button(GetParam().button)), GetParam().heard);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfButton, ButtonNames,
    ::testing::Values(NameCase{"Command14", "＋ たす"}, NameCase{"Command15", "－ ひく"},
                      NameCase{"Command16", "× かける"}, NameCase{"Command17", "÷ わる"},
                      NameCase{"Command1", "計算"}, NameCase{"Command24", "-/+"},
                      NameCase{"Command4", "0"}));

} // namespace
} // namespace quorvel::ui
