// What a screen reader hears from the Windows program: after each user event the window's
// live-region control holds the words, and EVENT_OBJECT_LIVEREGIONCHANGED tells the screen reader
// to read them, once; while a box is open, nothing.
#include "ui/win32/calculator_window.h"
#include "ui/win32/text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quorvel::ui::win32 {
namespace {

// A WinEvent callback carries no pointer of its own: what it hears goes here.
std::vector<std::string> heard;

void CALLBACK onLiveRegionChanged(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND control,
                                  LONG /*object*/, LONG /*child*/, DWORD /*thread*/,
                                  DWORD /*time*/) {
    std::array<wchar_t, 256> text{};
    GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    heard.push_back(narrow(text.data()));
}

// Runs inside a box's modal loop and answers it with OK once the box is the active window.
void CALLBACK answerBox(HWND /*hwnd*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    HWND box = GetActiveWindow();
    std::array<wchar_t, 16> windowClass{};
    GetClassNameW(box, windowClass.data(), static_cast<int>(windowClass.size()));
    if (std::wstring_view(windowClass.data()) == L"#32770") {
        KillTimer(nullptr, timer);
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
}

void pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Announcements : public ::testing::Test {
protected:
    void SetUp() override {
        window_.show(SW_SHOWNORMAL);
        hook_ =
            SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                            onLiveRegionChanged, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        pump();
    }
    void TearDown() override { UnhookWinEvent(hook_); }

    std::vector<std::string> click(std::string_view name) {
        heard.clear();
        SendMessageW(window_.control(name), BM_CLICK, 0, 0);
        pump();
        return heard;
    }

    // A key press as the message loop hands it over, to the control with the focus.
    std::vector<std::string> press(WPARAM virtualKey) {
        heard.clear();
        MSG message{GetFocus(), WM_KEYDOWN, virtualKey, 1, 0, {}};
        window_.preTranslate(message);
        pump();
        return heard;
    }

    CalculatorWindow window_{GetModuleHandleW(nullptr)};
    HWINEVENTHOOK hook_{};
};

using Heard = std::vector<std::string>;

TEST_F(Announcements, OneMessagePerClickAlongACalculation) {
    EXPECT_EQ(click("Command5"), Heard{"一つ目の数の整数部分 1"});
    EXPECT_EQ(click("Command20"), Heard{"一つ目の数の分子 空"});
    click("Command5");
    click("Command19");
    EXPECT_EQ(click("Command6"), Heard{"一つ目の数の分母 2"});
    EXPECT_EQ(click("Command14"), Heard{"計算記号 たす、二つ目の数の整数部分 空"});
    click("Command20");
    click("Command6");
    click("Command19");
    click("Command7");
    EXPECT_EQ(click("Command1"), Heard{"答え 2と6分の1"});
    EXPECT_EQ(click("Option6"), Heard{"答え 6分の13"});
}

TEST_F(Announcements, KeysAreAnnouncedLikeTheirButtons) {
    EXPECT_EQ(press(VK_NUMPAD7), Heard{"一つ目の数の整数部分 7"});
    EXPECT_EQ(press(VK_SUBTRACT), Heard{"計算記号 ひく、二つ目の数の整数部分 空"});
    EXPECT_EQ(press(VK_DELETE), Heard{"二つ目の数の整数部分 空"});
}

TEST_F(Announcements, NothingWhileABoxSpeaksForItself) {
    SetTimer(nullptr, 0, 10, answerBox);
    EXPECT_EQ(click("Command1"), Heard{}); // the fractions are missing: an error box
    SetTimer(nullptr, 0, 10, answerBox);
    EXPECT_EQ(press(146), Heard{}); // keypad = : the same box
    EXPECT_EQ(click("Command8"), Heard{"一つ目の数の整数部分 4"});
}

} // namespace
} // namespace quorvel::ui::win32
