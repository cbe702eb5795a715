// Boxes as the session opens them on every binding: after the handler that asked for them, one
// at a time, with the window taking no input until the last is closed, whether the binding's box
// returns closed (a desktop) or stays open until the page says it has closed (a web page); and
// what the user is told of a fault of the program itself.
#include "ui/session/session.h"

#include "memory_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::session {
namespace {

using testing::MemoryWindow;

// Makes the next handler fail as a fault of the program would: not a run-time error.
class PlantedFault : public SessionObserver {
public:
    void handlerRunning() override {
        if (armed) {
            armed = false;
            throw std::out_of_range("planted");
        }
    }
    void boxOpening(std::string_view text, std::string_view /*title*/,
                    MessageIcon /*icon*/) override {
        if (throwWhileTelling) {
            throw std::logic_error("planted while telling");
        }
        told.emplace_back(text);
    }
    bool armed = true;
    bool throwWhileTelling = false;
    std::vector<std::string> told;
};

TEST(SessionBoxLeftOpen, TheWindowWaitsForTheBoxThenTakesInputWithTheFocusBack) {
    MemoryWindow window;
    window.boxesStayOpen = true;
    Session session(window);
    session.start();
    window.focus = "Command14";
    session.activate("Command1"); // nothing entered: a box
    ASSERT_EQ(window.boxes.size(), 1U);
    EXPECT_EQ(window.focus, ""); // the box has it

    session.activate("Command5");
    session.keyDown(VkNumpad0 + 7, {});
    session.close();
    EXPECT_EQ(window.look(LabelId::Label9).caption, "");
    EXPECT_FALSE(window.unloaded);

    session.modalClosed();
    EXPECT_EQ(window.focus, "Command14");
    session.activate("Command5");
    EXPECT_EQ(window.look(LabelId::Label9).caption, "1");
    EXPECT_EQ(window.boxes.size(), 1U);
}

TEST(SessionBoxLeftOpen, AClosingNobodyAskedForChangesNothing) {
    MemoryWindow window;
    Session session(window);
    session.start();
    session.modalClosed();
    session.activate("Command5");
    EXPECT_EQ(window.look(LabelId::Label9).caption, "1");
    EXPECT_TRUE(window.boxes.empty());
}

struct FaultCase {
    const char* name;
    bool boxesStayOpen;
};

class SessionFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SessionFault, IsToldInABoxAndTheWindowEndsOnceItIsClosed) {
    MemoryWindow window;
    window.boxesStayOpen = GetParam().boxesStayOpen;
    Session session(window);
    PlantedFault fault;
    session.observe(&fault);
    session.start();
    session.activate("Command5");
    ASSERT_EQ(window.boxes.size(), 1U);
    EXPECT_EQ(window.boxes.front().text, FaultText);
    EXPECT_EQ(window.boxes.front().title, ErrorBoxTitle);
    EXPECT_EQ(fault.told, std::vector<std::string>{std::string(FaultText)});
    EXPECT_TRUE(window.announced.empty());
    if (GetParam().boxesStayOpen) {
        EXPECT_FALSE(window.unloaded);
        session.modalClosed();
    }
    EXPECT_TRUE(window.unloaded);
    EXPECT_TRUE(session.ended());
    session.observe(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Session, SessionFault,
                         ::testing::Values(FaultCase{"with_a_desktop_box", false},
                                           FaultCase{"with_a_box_left_open", true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SessionFaultWhileTelling, EndsTheWindowAtOnce) {
    MemoryWindow window;
    Session session(window);
    PlantedFault fault;
    fault.throwWhileTelling = true;
    session.observe(&fault);
    session.start();
    session.activate("Command5");
    EXPECT_TRUE(window.boxes.empty());
    EXPECT_TRUE(window.unloaded);
    session.observe(nullptr);
}

// A run-time error is the calculation's, not a fault: it keeps its own box and the window goes
// on.
TEST(SessionRuntimeError, KeepsItsBoxAndTheWindowGoesOn) {
    MemoryWindow window;
    window.boxesStayOpen = true;
    Session session(window);
    session.start();
    for (const char digit : std::string_view("2147483647")) {
        session.activate("Command" + std::to_string(digit - '0' + 4)); // Command4 is 0
    }
    session.activate("Command20");
    session.activate("Command5");
    session.activate("Command19");
    session.activate("Command5");
    session.activate("Command14");
    session.activate("Command20");
    session.activate("Command5");
    session.activate("Command19");
    session.activate("Command5");
    session.activate("Command1"); // 2147483647 1/1 does not fit
    ASSERT_EQ(window.boxes.size(), 1U);
    EXPECT_EQ(window.boxes.front().title, ErrorBoxTitle);
    EXPECT_NE(window.boxes.front().text, FaultText);
    session.modalClosed();
    EXPECT_FALSE(window.unloaded);
    session.activate("Command2");
    EXPECT_EQ(window.look(LabelId::Label9).caption, "");
}

} // namespace
} // namespace quorvel::session
