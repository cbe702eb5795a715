// What a screen-reader user hears after each kind of event, driven through the logic on the
// in-memory window: the words come from the window as the events left it.
#include "ui/controls/narration.h"

#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel::ui {
namespace {

struct Spoken {
    const char* name;
    std::vector<Event> events; // after start-up
    std::string heard;         // after the last of them
};

class NarrationAfterEvents : public ::testing::TestWithParam<Spoken> {};

TEST_P(NarrationAfterEvents, ReadsWhatTheEventChanged) {
    testing::MemoryToolkit window;
    Form1 form(window);
    form.handle(Event::Form_Load);
    for (const Event event : GetParam().events) {
        form.handle(event);
    }
    const Event last = GetParam().events.back();
    EXPECT_EQ(narrationText(narrationAfter(last), form), GetParam().heard);
}

// 1 1/2 ＋ 2/3 entered by buttons.
const std::vector<Event> kOneAndAHalfPlusTwoThirds{
    Event::Command5_Click,  Event::Command20_Click, Event::Command5_Click,  Event::Command19_Click,
    Event::Command6_Click,  Event::Command14_Click, Event::Command20_Click, Event::Command6_Click,
    Event::Command19_Click, Event::Command7_Click};

std::vector<Event> then(std::vector<Event> events, std::initializer_list<Event> more) {
    events.insert(events.end(), more);
    return events;
}

INSTANTIATE_TEST_SUITE_P(
    Narration, NarrationAfterEvents,
    ::testing::Values(
        Spoken{"a_digit_reads_the_field_and_its_digits",
               {Event::Command5_Click, Event::Command6_Click},
               "一つ目の数の整数部分 12"},
        Spoken{"a_move_reads_the_empty_field", {Event::Command20_Click}, "一つ目の数の分子 空"},
        Spoken{"a_field_click_reads_that_field",
               {Event::Command5_Click, Event::Label12_Click},
               "二つ目の数の整数部分 空"},
        Spoken{"the_sign_reads_as_minus",
               {Event::Command5_Click, Event::Command24_Click},
               "一つ目の数の整数部分 マイナス 1"},
        Spoken{"a_lone_sign_reads_as_minus",
               {Event::Command24_Click},
               "一つ目の数の整数部分 マイナス"},
        Spoken{"erasing_reads_the_emptied_field",
               {Event::Command5_Click, Event::Command22_Click},
               "一つ目の数の整数部分 空"},
        Spoken{"clear_all_reads_the_first_field",
               {Event::Command5_Click, Event::Command2_Click},
               "一つ目の数の整数部分 空"},
        Spoken{"an_operator_reads_its_name", {Event::Command16_Click}, "計算記号 かける"},
        Spoken{"a_mixed_result", then(kOneAndAHalfPlusTwoThirds, {Event::Command1_Click}),
               "答え 2と6分の1"},
        Spoken{"the_improper_form_after_the_switch",
               then(kOneAndAHalfPlusTwoThirds, {Event::Command1_Click, Event::Option6_Click}),
               "答え 6分の13"},
        Spoken{"a_negative_result",
               then(kOneAndAHalfPlusTwoThirds, {Event::Command15_Click, Event::Label12_Click,
                                                Event::Command8_Click, Event::Command1_Click}),
               "答え マイナス 3と6分の1"},
        Spoken{"a_whole_result",
               {Event::Command20_Click, Event::Command5_Click, Event::Command19_Click,
                Event::Command6_Click, Event::Command17_Click, Event::Command20_Click,
                Event::Command5_Click, Event::Command19_Click, Event::Command8_Click,
                Event::Command1_Click},
               "答え 2"},
        Spoken{"nothing_when_there_is_no_result", {Event::Option6_Click}, ""},
        Spoken{"nothing_for_the_version_box", {Event::FileBer_Click}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Narration, KeysNarrateAsTheirButtons) {
    EXPECT_EQ(narrationAfterKey(55), Narration::ActiveField);  // 7
    EXPECT_EQ(narrationAfterKey(103), Narration::ActiveField); // keypad 7
    EXPECT_EQ(narrationAfterKey(46), Narration::ActiveField);  // Delete
    EXPECT_EQ(narrationAfterKey(107), Narration::Operator);    // keypad +
    EXPECT_EQ(narrationAfterKey(146), Narration::Result);      // keypad =
    EXPECT_EQ(narrationAfterKey(13), Narration::None);         // Enter
    EXPECT_EQ(narrationAfterKey(189), Narration::None);        // main-row minus
}

} // namespace
} // namespace quorvel::ui
