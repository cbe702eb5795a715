// The working window on Windows at 96, 144 and 192 dpi: with a ten-digit answer every step fits
// inside its list, and the window inside the screen's work area; nothing is cut short. The list
// shows every step where the screen has room, else whole steps; Ctrl+C copies the working.
#include "ui/session/working_layout.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/described_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorvel::ui::win32 {
namespace {

class WorkingWindowAtDpi : public ::testing::TestWithParam<int> {};

TEST_P(WorkingWindowAtDpi, EveryStepFitsAndTheWindowIsOnTheScreen) {
    CalculatorWindow window(GetModuleHandleW(nullptr));
    window.show(SW_SHOWNORMAL);
    // 1/2147483647 － 1 = -2147483646/2147483647
    for (const char* name :
         {"Command20", "Command5", "Command19", "Command6", "Command5", "Command8", "Command11",
          "Command8", "Command12", "Command7", "Command10", "Command8", "Command11", "Command15",
          "Command20", "Command5", "Command19", "Command5", "Command1"}) {
        SendMessageW(window.control(name), BM_CLICK, 0, 0);
    }
    const session::DialogDescription page = session::workingDialog(window.form().working());
    const DescribedWindow working(GetModuleHandleW(nullptr), window.handle(), GetParam(), page);

    RECT list{};
    GetClientRect(GetDlgItem(working.handle(), DescribedWindow::kStepsId), &list);
    EXPECT_GE(list.right, working.contentWidth());
    const std::vector<std::string> answer = working.drawn(static_cast<int>(page.lines.size()) - 2);
    EXPECT_NE(std::find(answer.begin(), answer.end(), "2147483646"), answer.end());

    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT frame{};
    GetWindowRect(working.handle(), &frame);
    EXPECT_GE(frame.left, area.left);
    EXPECT_GE(frame.top, area.top);
    EXPECT_LE(frame.right, area.right);
    EXPECT_LE(frame.bottom, area.bottom);

    // The list ends at a step's end: none is cut at the bottom.
    int end = 0;
    std::vector<int> stepEnds;
    for (std::size_t step = 0; step < page.lines.size(); ++step) {
        const LRESULT height = SendMessageW(GetDlgItem(working.handle(), DescribedWindow::kStepsId),
                                            LB_GETITEMHEIGHT, step, 0);
        end += static_cast<int>(height);
        stepEnds.push_back(end);
    }
    EXPECT_NE(std::find(stepEnds.begin(), stepEnds.end(), list.bottom), stepEnds.end())
        << "the list is " << list.bottom << " pixels high";
}

TEST(WorkingWindowKeys, CtrlCCopiesTheWholeWorking) {
    CalculatorWindow window(GetModuleHandleW(nullptr));
    window.show(SW_SHOWNORMAL);
    for (const char* name :
         {"Command5", "Command20", "Command5", "Command19", "Command6", "Command14", "Command20",
          "Command6", "Command19", "Command7", "Command1"}) {
        SendMessageW(window.control(name), BM_CLICK, 0, 0);
    }
    const session::DialogDescription page = session::workingDialog(window.form().working());
    DescribedWindow working(GetModuleHandleW(nullptr), window.handle(), 96, page);
    // Ctrl+C types the character 3; then the window is closed.
    PostMessageW(GetDlgItem(working.handle(), DescribedWindow::kStepsId), WM_CHAR, 3, 0);
    PostMessageW(working.handle(), WM_CLOSE, 0, 0);
    working.run();
    ASSERT_NE(OpenClipboard(nullptr), FALSE);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::wstring copied(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied.substr(0, 4), L"問題: ");
    EXPECT_NE(copied.find(L"小数で表す: 2.1(6)"), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(Dpi, WorkingWindowAtDpi, ::testing::Values(96, 144, 192));

} // namespace
} // namespace quorvel::ui::win32
