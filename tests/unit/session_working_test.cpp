// The working window and the clipboard as the session drives them on an in-memory binding: the
// calculation on display in the display mode chosen now, forgotten by 全て消す; a modal window
// that takes the keyboard and gives it back; Ctrl+C copying the answer on display and nothing
// else.
#include "ui/session/session.h"

#include "memory_window.h"
#include "session_clicks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quorvel::session {
namespace {

using testing::click;
using testing::MemoryWindow;

// 1 1/2 ＋ 2/3 = 2 1/6
void oneAndAHalfPlusTwoThirds(Session& session) {
    click(session, {"Command5", "Command20", "Command5", "Command19", "Command6", "Command14",
                    "Command20", "Command6", "Command19", "Command7", "Command1"});
}

std::string lastLineBut(const DialogDescription& page, std::size_t fromEnd) {
    return page.lines.at(page.lines.size() - 1 - fromEnd).sentence;
}

TEST(SessionWorking, ShowsTheCalculationOnDisplayInTheModeChosenNow) {
    MemoryWindow window;
    Session session(window);
    session.start();
    session.activate(Event::ViewWorking_Click);
    ASSERT_EQ(window.workings.size(), 1U);
    EXPECT_EQ(window.workings.back().title, "途中式");
    EXPECT_EQ(window.workings.back().lines.front().sentence, "まだ計算していません。");

    oneAndAHalfPlusTwoThirds(session);
    session.activate("ViewWorking");
    EXPECT_EQ(lastLineBut(window.workings.back(), 1), "答え 2と6分の1");
    window.improperMode = true;
    session.activate("Option6");
    session.activate("ViewWorking");
    EXPECT_EQ(lastLineBut(window.workings.back(), 1), "答え 6分の13");
    EXPECT_EQ(window.workings.back().clipboardText.find("帯分数に直す"), std::string::npos);

    session.activate("Command2"); // 全て消す: no answer on display, no working
    session.activate("ViewWorking");
    EXPECT_EQ(window.workings.back().lines.front().sentence, "まだ計算していません。");
}

TEST(SessionWorking, IsModalAndGivesTheFocusBack) {
    MemoryWindow window;
    Session session(window);
    session.start();
    oneAndAHalfPlusTwoThirds(session);
    window.focus = "Command1";
    window.announced.clear();
    window.duringBox = [&session] {
        session.activate("Command5");
        session.keyDown(VkNumpad0 + 7, {});
        session.keyDown(VkC, {.ctrl = true});
        session.close();
    };
    session.activate("ViewWorking");
    ASSERT_EQ(window.workings.size(), 1U);
    EXPECT_EQ(window.focus, "Command1");
    EXPECT_EQ(window.look(LabelId::Label10).caption, "3"); // nothing typed meanwhile
    EXPECT_TRUE(window.clipboard.empty());
    EXPECT_FALSE(window.unloaded);
    EXPECT_TRUE(window.announced.empty());
}

struct Copied {
    const char* name;
    std::vector<const char*> clicks;
    const char* clipboard;
};

class CtrlC : public ::testing::TestWithParam<Copied> {};

TEST_P(CtrlC, CopiesTheAnswerOnDisplaySaysSoAndChangesNothingElse) {
    MemoryWindow window;
    Session session(window);
    session.start();
    for (const char* control : GetParam().clicks) {
        session.activate(control);
    }
    if (std::string(GetParam().name) == "an_improper_fraction") {
        window.improperMode = true;
        session.activate("Option6");
    }
    const auto before = window.looks;
    window.announced.clear();
    session.keyDown(VkC, {.ctrl = true});
    EXPECT_EQ(window.clipboard, GetParam().clipboard);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(window.looks.at(i).caption, before.at(i).caption) << "Label" << i;
    }
    // A screen-reader user hears what happened, as a sighted user sees nothing change.
    EXPECT_EQ(window.announced, std::vector<std::string>{std::string(GetParam().clipboard).empty()
                                                             ? "コピーする答えがありません"
                                                             : "答えをコピーしました"});
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CtrlC,
    ::testing::Values(
        Copied{"nothing_before_a_calculation", {}, ""},
        Copied{"a_mixed_number",
               {"Command5", "Command20", "Command5", "Command19", "Command6", "Command14",
                "Command20", "Command6", "Command19", "Command7", "Command1"},
               "2 1/6"},
        Copied{"an_improper_fraction",
               {"Command5", "Command20", "Command5", "Command19", "Command6", "Command14",
                "Command20", "Command6", "Command19", "Command7", "Command1"},
               "13/6"},
        Copied{"a_negative_fraction",
               {"Command20", "Command5", "Command19", "Command7", "Command15", "Command20",
                "Command5", "Command19", "Command6", "Command1"},
               "-1/6"},
        Copied{"a_whole_number",
               {"Command20", "Command5", "Command19", "Command6", "Command17", "Command20",
                "Command5", "Command19", "Command8", "Command1"},
               "2"}),
    [](const auto& row) { return std::string(row.param.name); });

// C without Ctrl, or with Alt too, is no copy (and no key of the window).
TEST(SessionCopy, OnlyCtrlCCopies) {
    MemoryWindow window;
    Session session(window);
    session.start();
    oneAndAHalfPlusTwoThirds(session);
    session.keyDown(VkC, {});
    session.keyDown(VkC, {.ctrl = true, .alt = true});
    session.keyDown(VkC, {.shift = true, .ctrl = true});
    EXPECT_TRUE(window.clipboard.empty());
}

} // namespace
} // namespace quorvel::session
