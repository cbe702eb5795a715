// 答え合わせ and 履歴 as the session drives them on an in-memory binding: the check judges the
// problem in the fields without calculating it; the history keeps each answered calculation once,
// newest first; choosing one puts it back and calculates it once the window has closed, and its
// working opens in the window's place.
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

// 1/2 ＋ 1/3, typed and not calculated.
void halfPlusThird(Session& session) {
    click(session, {"Command2", "Command20", "Command5", "Command19", "Command6", "Command14",
                    "Command20", "Command5", "Command19", "Command7"});
}

// 3/4 × 2/3, typed and not calculated.
void threeQuartersTimesTwoThirds(Session& session) {
    click(session, {"Command2", "Command20", "Command7", "Command19", "Command8", "Command16",
                    "Command20", "Command6", "Command19", "Command7"});
}

std::vector<std::string> sentences(const DialogDescription& dialog) {
    std::vector<std::string> said;
    for (const WorkingLine& line : dialog.lines) {
        said.push_back(line.sentence);
    }
    return said;
}

class SessionLearning : public ::testing::Test {
protected:
    void SetUp() override {
        window_.boxesStayOpen = true; // closed by the test, as a page's are
        session_.start();
    }

    const DialogDescription& open(Event event) {
        session_.activate(event);
        return window_.workings.back();
    }

    MemoryWindow window_;
    Session session_{window_};
};

TEST_F(SessionLearning, TheCheckJudgesTheProblemInTheFieldsAndShowsNoAnswer) {
    halfPlusThird(session_);
    const DialogDescription& check = open(Event::CheckAnswer_Click);
    EXPECT_EQ(check.text, "問題: 1/2 ＋ 1/3");
    EXPECT_EQ(check.textSaid, "問題 2分の1 たす 3分の1");
    EXPECT_EQ(check.check({false, {"", "5", "6"}}), "正解です。");
    EXPECT_EQ(check.check({true, {"", "5", "6"}}),
              "答えがちがいます。大きさは合っていますが、符号（マイナス）がちがいます。");
    check.closed(DialogCommand::Close, 0);
    session_.modalClosed();
    EXPECT_TRUE(window_.look(LabelId::Label2).caption.empty());
    // Nothing was calculated, so nothing joined the history.
    EXPECT_EQ(open(Event::History_Click).lineTexts, std::vector<std::string>{});
}

TEST_F(SessionLearning, ItsWorkingIsOfTheProblemInTheFieldsAndOpensInItsPlace) {
    halfPlusThird(session_);
    const DialogDescription check = open(Event::CheckAnswer_Click);
    check.closed(DialogCommand::CloseThenWorking, 0);
    session_.modalClosed();
    ASSERT_EQ(window_.workings.size(), 2U);
    EXPECT_EQ(window_.workings.back().title, "途中式");
    EXPECT_EQ(sentences(window_.workings.back()).front(), "問題 2分の1 たす 3分の1");
    session_.modalClosed();
    EXPECT_TRUE(window_.look(LabelId::Label2).caption.empty());
}

TEST_F(SessionLearning, TheHistoryKeepsEachAnsweredCalculationOnceNewestFirst) {
    halfPlusThird(session_);
    click(session_, {"Command1", "Command1"}); // the same calculation twice: kept once
    threeQuartersTimesTwoThirds(session_);
    click(session_, {"Command1"});
    click(session_, {"Command2", "Command20", "Command5", "Command14", "Command1"}); // no answer
    session_.modalClosed();                                                          // its box
    window_.improperMode = true;
    const DialogDescription& history = open(Event::History_Click);
    EXPECT_EQ(history.lineTexts,
              (std::vector<std::string>{"3/4 × 2/3 ＝ 1/2", "1/2 ＋ 1/3 ＝ 5/6"}));
    EXPECT_EQ(sentences(history), (std::vector<std::string>{"4分の3 かける 3分の2 は 2分の1",
                                                            "2分の1 たす 3分の1 は 6分の5"}));
    EXPECT_EQ(history.clipboardText, "3/4 × 2/3 ＝ 1/2\n1/2 ＋ 1/3 ＝ 5/6\n");
}

TEST_F(SessionLearning, ChoosingAnEntryPutsItBackAndCalculatesItOnceTheWindowHasClosed) {
    halfPlusThird(session_);
    click(session_, {"Command1"});
    threeQuartersTimesTwoThirds(session_);
    click(session_, {"Command1", "Command2"});
    const DialogDescription history = open(Event::History_Click);
    history.closed(DialogCommand::CloseThenPick, 1);
    EXPECT_TRUE(window_.look(LabelId::Label8).caption.empty()); // not while the window is open
    session_.modalClosed();
    EXPECT_EQ(window_.look(LabelId::Label8).caption, "1");
    EXPECT_EQ(window_.look(LabelId::Label3).caption, "＋");
    EXPECT_EQ(window_.look(LabelId::Label2).caption, "5");
    EXPECT_EQ(window_.look(LabelId::Label1).caption, "6");
    EXPECT_EQ(window_.announced.back(), "答え 6分の5");
    // A line that is not an entry (the empty history's) chooses nothing.
    history.closed(DialogCommand::CloseThenPick, 7);
}

} // namespace
} // namespace quorvel::session
