// The session under every binding: what a screen-reader user hears after each event, how each
// label is named and when it has a tooltip, and where the focus goes after a box. Driven through
// the session on an in-memory binding.
#include "ui/session/session.h"

#include "memory_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel::session {
namespace {

using testing::MemoryWindow;

struct Spoken {
    const char* name;
    std::vector<Event> events; // after start-up
    std::string heard;         // after the last of them; "" for nothing
};

class AnnouncedAfter : public ::testing::TestWithParam<Spoken> {};

TEST_P(AnnouncedAfter, ReadsWhatTheEventChanged) {
    MemoryWindow window;
    Session session(window);
    session.start();
    for (const Event event : GetParam().events) {
        window.announced.clear();
        session.activate(event);
    }
    const std::vector<std::string> expected = GetParam().heard.empty()
                                                  ? std::vector<std::string>{}
                                                  : std::vector<std::string>{GetParam().heard};
    EXPECT_EQ(window.announced, expected);
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
    Session, AnnouncedAfter,
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
        Spoken{"clear_all_reads_the_first_field",
               {Event::Command5_Click, Event::Command2_Click},
               "一つ目の数の整数部分 空"},
        Spoken{"an_operator_reads_its_name_and_where_typing_goes_now",
               {Event::Command5_Click, Event::Label11_Click, Event::Command16_Click},
               "計算記号 かける、二つ目の数の整数部分 空"},
        Spoken{"a_mixed_result", then(kOneAndAHalfPlusTwoThirds, {Event::Command1_Click}),
               "答え 2と6分の1"},
        Spoken{"the_improper_form_after_the_switch",
               then(kOneAndAHalfPlusTwoThirds, {Event::Command1_Click, Event::Option6_Click}),
               "答え 6分の13"},
        Spoken{"a_negative_result",
               then(kOneAndAHalfPlusTwoThirds, {Event::Command15_Click, Event::Label12_Click,
                                                Event::Command8_Click, Event::Command1_Click}),
               "答え マイナス 3と6分の1"},
        Spoken{"nothing_when_there_is_no_result", {Event::Option6_Click}, ""},
        Spoken{"nothing_for_the_option_already_chosen",
               then(kOneAndAHalfPlusTwoThirds, {Event::Command1_Click, Event::Option5_Click}), ""},
        Spoken{"nothing_when_a_box_spoke_for_itself", {Event::Command1_Click}, ""},
        Spoken{"nothing_for_the_version_box", {Event::FileBer_Click}, ""},
        Spoken{"nothing_after_the_window_has_gone", {Event::Command3_Click}, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SessionKeys, AKeyIsAnnouncedAsItsButton) {
    MemoryWindow window;
    Session session(window);
    session.start();
    session.keyDown(VkNumpad0 + 7, {});
    session.keyDown(VkSubtract, {.shift = true});
    session.keyDown(VkEnter, {}); // does nothing, says nothing
    session.keyDown(VkMinus, {}); // the main row's minus: nothing either
    session.keyDown(VkDelete, {});
    EXPECT_EQ(window.announced, (std::vector<std::string>{"一つ目の数の整数部分 7",
                                                          "計算記号 ひく、二つ目の数の整数部分 空",
                                                          "二つ目の数の整数部分 空"}));
}

TEST(SessionLabels, AFieldIsNamedByWhatItIsAndHoldsAndWhetherTypingGoesThere) {
    MemoryWindow window;
    Session session(window);
    session.start();
    EXPECT_EQ(window.look(LabelId::Label9).accessibleName, "一つ目の数の整数部分 空（入力中）");
    EXPECT_EQ(window.look(LabelId::Label8).accessibleName, "一つ目の数の分子 空");
    session.activate("Command5");
    session.activate("Command14");
    EXPECT_EQ(window.look(LabelId::Label9).accessibleName, "一つ目の数の整数部分 1");
    EXPECT_EQ(window.look(LabelId::Label3).accessibleName, "計算記号 たす");
    EXPECT_EQ(window.look(LabelId::Label12).accessibleName, "二つ目の数の整数部分 空（入力中）");
    EXPECT_EQ(window.look(LabelId::Label12).accessibleDescription, "二つ目の数の整数部分");
}

TEST(SessionLabels, OnlyAValueDrawnSmallerOrShortenedHasATooltip) {
    MemoryWindow window;
    Session session(window);
    session.start();
    session.activate("Command5");
    EXPECT_EQ(window.look(LabelId::Label9).tooltip, "");
    for (int i = 0; i < 10; ++i) {
        session.activate("Command13");
    }
    const LabelLook& long9 = window.look(LabelId::Label9);
    EXPECT_TRUE(long9.reduced);
    EXPECT_EQ(long9.tooltip, "19999999999");
    EXPECT_EQ(long9.accessibleName, "一つ目の数の整数部分 19999999999（入力中）");
    session.activate("Command22"); // erased: drawn as designed again, the tooltip goes
    EXPECT_EQ(window.look(LabelId::Label9).tooltip, "");
    EXPECT_EQ(window.look(LabelId::Label4).tooltip, ""); // "=" is never a value
}

TEST(SessionFocus, ABoxGivesTheFocusBackToTheControlTheUserWasOn) {
    MemoryWindow window;
    Session session(window);
    session.start();
    EXPECT_EQ(window.focus, "Command2");
    window.focus = "Command14";
    session.activate("Command1"); // nothing entered: a box
    ASSERT_EQ(window.boxes.size(), 1U);
    EXPECT_EQ(window.focus, "Command14");
}

TEST(SessionFocus, ABoxOpenedFromTheMenuBarGivesTheFocusBackToTheLastControl) {
    MemoryWindow window;
    Session session(window);
    session.start();
    window.focus = "Command18";
    session.keyDown(VkAlt, {.alt = true});
    window.focus = "FileBer"; // the menu bar has it
    session.activate("FileBer");
    ASSERT_EQ(window.boxes.size(), 1U);
    EXPECT_EQ(window.boxes.front().focusWhileOpen, "FileBer");
    EXPECT_EQ(window.focus, "Command18");
}

// While a box is open the window takes no input: a click or a key that arrives meanwhile (a
// toolkit that still delivers one) changes nothing and says nothing.
TEST(SessionBox, NothingIsDoneOrSaidWhileABoxIsOpen) {
    MemoryWindow window;
    Session session(window);
    session.start();
    window.duringBox = [&session] {
        session.activate("Command5");
        session.keyDown(VkNumpad0 + 7, {});
        session.close();
    };
    session.activate("Command1");
    ASSERT_EQ(window.boxes.size(), 1U);
    EXPECT_EQ(window.look(LabelId::Label9).caption, "");
    EXPECT_TRUE(window.announced.empty());
    EXPECT_FALSE(window.unloaded);
}

TEST(SessionEvents, EveryEventHasOneRowAndEveryControlOneId) {
    for (int n = 0; n <= static_cast<int>(Event::ViewWorking_Click); ++n) {
        EXPECT_NE(eventRowOf(static_cast<Event>(n)), nullptr) << "event " << n;
    }
    EXPECT_EQ(controlIdOf("Label1"), 101);
    EXPECT_EQ(controlIdOf("Label12"), 112);
    EXPECT_EQ(controlIdOf("Command24"), 224);
    EXPECT_EQ(controlIdOf("FileBer"), 402);
    EXPECT_EQ(controlIdOf("Frame2"), 0xFFFF);
    EXPECT_EQ(eventOfId(controlIdOf("Option6")), Event::Option6_Click);
    EXPECT_FALSE(eventOfId(controlIdOf("Label1")));
}

TEST(SessionEnd, NothingReachesTheWindowOnceItHasGone) {
    MemoryWindow window;
    Session session(window);
    session.start();
    session.close();
    EXPECT_TRUE(window.unloaded);
    window.announced.clear();
    session.activate("Command5");
    session.keyDown(VkNumpad0 + 1, {});
    EXPECT_TRUE(window.announced.empty());
    EXPECT_EQ(window.look(LabelId::Label9).caption, "");
}

} // namespace
} // namespace quorvel::session
