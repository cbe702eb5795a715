#include "described_reading.h"

#include "accessible_reading.h"

#include "ui/win32/described_window.h"
#include "ui/win32/text.h"

#include <array>

namespace quorvel::scenario {
namespace {

// The name a screen reader reads for the control (CHILDID_SELF) or one of its items.
std::string accessibleName(HWND control, LONG child) {
    return win32::accessibleReading(control, child).name;
}

// The working window, once it is up: read as a user perceives it, then closed with Escape.
Transcript* workingTranscript = nullptr;
UINT_PTR workingTimer = 0;

BOOL CALLBACK findWorkingWindow(HWND hwnd, LPARAM found) {
    if (ui::win32::DescribedWindow::of(hwnd) != nullptr && IsWindowVisible(hwnd) != FALSE) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string windowText(HWND hwnd) {
    std::array<wchar_t, 256> text{};
    GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    return ui::win32::narrow(text.data());
}

void CALLBACK readWorkingWindow(HWND /*hwnd*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findWorkingWindow, reinterpret_cast<LPARAM>(&window));
    if (window == nullptr) {
        return;
    }
    KillTimer(nullptr, workingTimer);
    workingTimer = 0;
    const ui::win32::DescribedWindow& working = *ui::win32::DescribedWindow::of(window);
    HWND steps = GetDlgItem(window, ui::win32::DescribedWindow::kStepsId);
    PerceivedWorking perceived;
    perceived.title = windowText(window);
    const auto count = static_cast<int>(SendMessageW(steps, LB_GETCOUNT, 0, 0));
    for (int step = 0; step < count; ++step) {
        // Child ids of a list box's items count from 1.
        perceived.steps.push_back(
            {working.kind(step), working.drawn(step), accessibleName(steps, step + 1)});
    }
    // The buttons have consecutive ids; the first id without a button ends them.
    int id = ui::win32::DescribedWindow::kFirstButtonId;
    for (HWND button = GetDlgItem(window, id); button != nullptr;
         button = GetDlgItem(window, ++id)) {
        perceived.buttons.push_back(windowText(button));
    }
    if (GetFocus() == steps) {
        const auto current = static_cast<LONG>(SendMessageW(steps, LB_GETCURSEL, 0, 0));
        perceived.focus = accessibleName(steps, current + 1);
    }
    workingTranscript->working(perceived);
    // Escape, to the control with the focus, through the window's own loop.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0000001U));
}

// 答え合わせ, once it is up: the answer typed into its fields, 確かめる pressed; then, once what it
// says has been heard, read and closed with Escape.
struct PendingCheck {
    Transcript* transcript = nullptr;
    bool negative = false;
    std::array<std::string, 3> answer;
    std::vector<std::string>* heard = nullptr; // what the screen reader has been told
    std::size_t heardBefore = 0;
    int waited = 0;
};
PendingCheck pendingCheck;
UINT_PTR checkTimer = 0;

void CALLBACK answerCheckWindow(HWND hwnd, UINT message, UINT_PTR id, DWORD time);
void CALLBACK readCheckWindow(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

HWND visibleDescribedWindow() {
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findWorkingWindow, reinterpret_cast<LPARAM>(&window));
    return window;
}

void CALLBACK answerCheckWindow(HWND /*hwnd*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    HWND window = visibleDescribedWindow();
    if (window == nullptr) {
        return;
    }
    KillTimer(nullptr, checkTimer);
    using Form = ui::win32::DescribedForm;
    if (pendingCheck.negative) {
        SendMessageW(GetDlgItem(window, Form::kCheckId), BM_CLICK, 0, 0);
    }
    for (std::size_t i = 0; i < pendingCheck.answer.size(); ++i) {
        HWND field = GetDlgItem(window, Form::kFirstFieldId + static_cast<int>(i));
        SetFocus(field);
        for (const wchar_t c : ui::win32::widen(pendingCheck.answer.at(i))) {
            SendMessageW(field, WM_CHAR, c, 1);
        }
    }
    pendingCheck.heardBefore = pendingCheck.heard->size();
    pendingCheck.waited = 0;
    // 確かめる is the first button.
    SendMessageW(GetDlgItem(window, ui::win32::DescribedWindow::kFirstButtonId), BM_CLICK, 0, 0);
    checkTimer = SetTimer(nullptr, 0, 10, readCheckWindow);
}

void CALLBACK readCheckWindow(HWND /*hwnd*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    HWND window = visibleDescribedWindow();
    // The live-region event arrives through the message loop; a reply never said is reported as
    // said empty after a second.
    if (window == nullptr ||
        (pendingCheck.heard->size() == pendingCheck.heardBefore && ++pendingCheck.waited < 100)) {
        return;
    }
    KillTimer(nullptr, checkTimer);
    checkTimer = 0;
    using Form = ui::win32::DescribedForm;
    PerceivedCheck perceived;
    perceived.problem = windowText(GetDlgItem(window, Form::kTextId));
    perceived.drawn = windowText(GetDlgItem(window, Form::kReplyId));
    std::vector<std::string>& heard = *pendingCheck.heard;
    if (heard.size() > pendingCheck.heardBefore) {
        // Said in 答え合わせ, not by the calculator: not among a dump's announcements.
        perceived.said = heard.back();
        heard.resize(pendingCheck.heardBefore);
    }
    pendingCheck.transcript->check(perceived);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0000001U));
}

// 履歴, once it is up: its entries read as a user perceives them and the window closed with
// Escape, or the pick-th entry chosen with Down and Enter.
int historyPick = 0;
Transcript* historyTranscript = nullptr;
UINT_PTR historyTimer = 0;

void postKey(HWND target, int virtualKey) {
    PostMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    PostMessageW(target, WM_KEYUP, static_cast<WPARAM>(virtualKey),
                 static_cast<LPARAM>(0xC0000001U));
}

void CALLBACK answerHistoryWindow(HWND /*hwnd*/, UINT /*message*/, UINT_PTR /*id*/,
                                  DWORD /*time*/) {
    HWND window = visibleDescribedWindow();
    if (window == nullptr) {
        return;
    }
    KillTimer(nullptr, historyTimer);
    historyTimer = 0;
    HWND entries = GetDlgItem(window, ui::win32::DescribedWindow::kStepsId);
    if (historyPick > 0) {
        for (int i = 1; i < historyPick; ++i) {
            postKey(entries, VK_DOWN);
        }
        postKey(entries, VK_RETURN);
        return;
    }
    const ui::win32::DescribedWindow& history = *ui::win32::DescribedWindow::of(window);
    PerceivedWorking perceived;
    perceived.title = windowText(window);
    const auto count = static_cast<int>(SendMessageW(entries, LB_GETCOUNT, 0, 0));
    for (int entry = 0; entry < count; ++entry) {
        perceived.steps.push_back(
            {history.kind(entry), history.drawn(entry), accessibleName(entries, entry + 1)});
    }
    historyTranscript->history(perceived);
    postKey(GetFocus(), VK_ESCAPE);
}

} // namespace

void readWorkingOnceOpen(Transcript& transcript) {
    workingTranscript = &transcript;
    workingTimer = SetTimer(nullptr, 0, 10, readWorkingWindow);
}

void answerCheckOnceOpen(Transcript& transcript, bool negative,
                         const std::array<std::string, 3>& answer,
                         std::vector<std::string>& heard) {
    pendingCheck = {&transcript, negative, answer, &heard, 0, 0};
    checkTimer = SetTimer(nullptr, 0, 10, answerCheckWindow);
}

void answerHistoryOnceOpen(Transcript& transcript, int pick) {
    historyPick = pick;
    historyTranscript = &transcript;
    historyTimer = SetTimer(nullptr, 0, 10, answerHistoryWindow);
}

} // namespace quorvel::scenario
