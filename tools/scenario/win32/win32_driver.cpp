#include "win32_driver.h"

#include "accessible_reading.h"
#include "described_reading.h"

#include "app/form1.h"
#include "ui/session/event_table.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/described_window.h"
#include "ui/win32/text.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include <commctrl.h>

namespace quorvel::scenario {
namespace {

UINT_PTR answerTimer = 0;

BOOL CALLBACK findMessageBox(HWND hwnd, LPARAM found) {
    std::array<wchar_t, 16> windowClass{};
    GetClassNameW(hwnd, windowClass.data(), static_cast<int>(windowClass.size()));
    if (std::wstring_view(windowClass.data()) == L"#32770" && IsWindowVisible(hwnd) != FALSE) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the box's own modal loop: clicks its OK button once the box is up.
void CALLBACK answerMessageBox(HWND /*hwnd*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    if (box != nullptr) {
        KillTimer(nullptr, answerTimer);
        answerTimer = 0;
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
}

// What a screen reader is told, as it hears it: each live-region event, with the control's text
// at that moment. A WinEvent callback carries no pointer of its own.
std::vector<std::string> heard;

void CALLBACK onLiveRegionChanged(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND control,
                                  LONG /*object*/, LONG /*child*/, DWORD /*thread*/,
                                  DWORD /*time*/) {
    std::array<wchar_t, 512> text{};
    GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    heard.push_back(ui::win32::narrow(text.data()));
}

// The colour the window has painted at a point of a control.
Colour paintedAt(HWND control, int x, int y) {
    HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return static_cast<Colour>(colour);
}

// The name a screen reader reads for the control (CHILDID_SELF) or one of its items.
std::string accessibleName(HWND control, LONG child) {
    return win32::accessibleReading(control, child).name;
}

// The tooltip a pointer resting over the middle of the control brings up: the tool that the
// tooltip control finds for the window under the pointer at that point.
std::string tooltipAt(HWND tooltips, HWND under, POINT screen) {
    TTHITTESTINFOW hit{};
    hit.hwnd = under;
    hit.pt = screen;
    ScreenToClient(under, &hit.pt);
    hit.ti.cbSize = sizeof hit.ti;
    if (SendMessageW(tooltips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)) == FALSE) {
        return {};
    }
    std::array<wchar_t, 512> text{};
    hit.ti.lpszText = text.data();
    SendMessageW(tooltips, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&hit.ti));
    return ui::win32::narrow(text.data());
}

LPARAM keyData(int virtualKey, bool alt, bool release) {
    const auto scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(virtualKey), 0));
    LPARAM data = 1 | (scan << 16);
    if (alt) {
        data |= LPARAM{1} << 29;
    }
    if (release) {
        data |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    }
    return data;
}

void setModifiers(bool shift, bool ctrl, bool alt) {
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    const auto set = [&keys](int key, bool down) {
        keys.at(static_cast<std::size_t>(key)) = down ? 0x80 : 0;
    };
    set(VK_SHIFT, shift);
    set(VK_LSHIFT, shift);
    set(VK_CONTROL, ctrl);
    set(VK_LCONTROL, ctrl);
    set(VK_MENU, alt);
    set(VK_LMENU, alt);
    SetKeyboardState(keys.data());
}

} // namespace

Win32Driver::Win32Driver(ui::win32::CalculatorWindow& window, Transcript& transcript)
    : TranscriptObserver(transcript)
    , window_(window)
    , transcript_(transcript) {
    window_.session().observe(this);
    heard.clear();
    liveRegionHook_ =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        onLiveRegionChanged, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
}

Win32Driver::~Win32Driver() {
    window_.session().observe(nullptr);
    UnhookWinEvent(liveRegionHook_);
}

void Win32Driver::checkAnswer(bool negative, const std::array<std::string, 3>& answer) {
    answerCheckOnceOpen(transcript_, negative, answer, heard);
    chooseMenuCommand("CheckAnswer");
}

void Win32Driver::openHistory(int pick) {
    answerHistoryOnceOpen(transcript_, pick);
    chooseMenuCommand("History");
}

void Win32Driver::workingOpening() {
    readWorkingOnceOpen(transcript_);
}

// The box is answered with OK from inside its own modal loop, once it is up.
void Win32Driver::boxOpening(std::string_view text, std::string_view title, MessageIcon icon) {
    transcript_.message(title, text, icon);
    answerTimer = SetTimer(nullptr, 0, 10, answerMessageBox);
}

// The control a real mouse at that point would click: the topmost visible child there that does
// not let clicks through, as the system's hit-testing finds it, else the window itself.
HWND Win32Driver::controlUnder(POINT screen) const {
    HWND top = window_.handle();
    for (HWND child = GetWindow(top, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        if (IsWindowVisible(child) == FALSE || PtInRect(&rect, screen) == FALSE) {
            continue;
        }
        const LRESULT hit = SendMessageW(child, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (hit != HTTRANSPARENT) {
            return child;
        }
    }
    return top;
}

HWND Win32Driver::keyboardTarget() const {
    HWND focus = GetFocus();
    return focus != nullptr ? focus : window_.handle();
}

void Win32Driver::click(const std::string& name) {
    HWND control = window_.control(name);
    if (control == nullptr || window_.unloaded()) {
        return;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    const POINT screen{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    HWND target = controlUnder(screen);
    POINT client = screen;
    ScreenToClient(target, &client);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    settle();
    if (!window_.unloaded()) {
        PostMessageW(target, WM_LBUTTONUP, 0, at);
    }
}

void Win32Driver::chooseMenuCommand(const std::string& name) {
    PostMessageW(window_.handle(), WM_COMMAND, MAKEWPARAM(session::controlIdOf(name), 0), 0);
}

void Win32Driver::pressKey(int virtualKey, bool shift, bool ctrl, bool alt) {
    if (window_.unloaded()) {
        return;
    }
    setModifiers(shift, ctrl, alt);
    PostMessageW(keyboardTarget(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN,
                 static_cast<WPARAM>(virtualKey), keyData(virtualKey, alt, false));
    settle();
    if (!window_.unloaded()) {
        PostMessageW(keyboardTarget(), alt ? WM_SYSKEYUP : WM_KEYUP,
                     static_cast<WPARAM>(virtualKey), keyData(virtualKey, alt, true));
        settle();
    }
    setModifiers(false, false, false);
}

void Win32Driver::close() {
    PostMessageW(window_.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

WindowState Win32Driver::state() {
    const ui::win32::CalculatorWindow& window = window_;
    WindowState state;
    for (int n = 1; n <= 12; ++n) {
        HWND label = window_.control(labelName(n));
        std::array<wchar_t, 4096> text{};
        GetWindowTextW(label, text.data(), static_cast<int>(text.size()));
        state.captions.at(static_cast<std::size_t>(n - 1)) = ui::win32::narrow(text.data());
    }
    UpdateWindow(window_.handle());
    for (int n = 7; n <= 12; ++n) {
        // The bottom-left pixel: the field's background, below the baseline of its digits.
        HWND field = window_.control(labelName(n));
        RECT client{};
        GetClientRect(field, &client);
        state.fieldColours.at(static_cast<std::size_t>(n - 7)) =
            paintedAt(field, 0, client.bottom - 1);
    }
    for (int n = 1; n <= 12; ++n) {
        const auto id = static_cast<LabelId>(n);
        HWND label = window_.control(labelName(n));
        RECT rect{};
        GetWindowRect(label, &rect);
        const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        state.labels.at(static_cast<std::size_t>(n - 1)) = {
            window.label(id).shownText(),
            tooltipAt(window_.tooltips(), controlUnder(middle), middle),
            accessibleName(label, CHILDID_SELF)};
    }
    settle(); // the live-region events arrive through the message queue
    state.announced = std::exchange(heard, {});
    // The bar is drawn when the window paints the text colour there, not its background.
    const RECT bar = window_.lineRect(LineId::Line3);
    state.line3Visible =
        paintedAt(window_.handle(), bar.left, bar.top) != GetSysColor(COLOR_BTNFACE);
    state.option6Selected =
        SendMessageW(window_.control("Option6"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    state.takeVariables(window_.form().vars());
    state.focus = window_.nameOf(GetFocus());
    return state;
}

void Win32Driver::wait(int milliseconds) {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < until && !quit_; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        settle();
    }
}

void Win32Driver::settle() {
    MSG message{};
    while (!quit_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (message.message == WM_QUIT) {
            quit_ = true;
            break;
        }
        if (!window_.preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace quorvel::scenario
