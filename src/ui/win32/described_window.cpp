#include "ui/win32/described_window.h"

#include "ui/win32/clipboard.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/fonts.h"
#include "ui/win32/named_accessible.h"
#include "ui/win32/owned_window_proc.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include <commctrl.h>

namespace quorvel::ui::win32 {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// The character Ctrl+C types.
constexpr WPARAM kCtrlC = 3;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = DescribedWindow::kWindowClass;
    // A second registration fails harmlessly: the class is the same.
    RegisterClassExW(&windowClass);
}

RECT workArea() {
    RECT area{0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

DescribedWindow::DescribedWindow(HINSTANCE instance, HWND owner, int dpi,
                                 const session::DialogDescription& dialog)
    : owner_(owner)
    , dpi_(dpi)
    , pixels_(std::round(pixelsOfPoints(session::kWorkingPoints, dpi)))
    , dialog_(dialog) {
    registerClass(instance, &ownedWindowProc<DescribedWindow>);
    const RECT area = workArea();
    font_.reset(createJapaneseFont(pixels_, false));
    // The window is attached to this object in WM_NCCREATE, before any other message; it is
    // sized and placed once its controls are made.
    CreateWindowExW(kExStyle, kWindowClass, widen(dialog.title).c_str(), kStyle, 0, 0, 0, 0, owner,
                    nullptr, instance, this);

    announcer_.emplace(hwnd_, instance, kAnnouncementId);
    const int margin = scaled(8, dpi);
    const int buttonWidth = scaled(88, dpi);
    const int buttonHeight = scaled(28, dpi);
    int contentWidth = 0;
    int top = margin;
    if (!dialog.textName.empty() || !dialog.fields.empty() || !dialog.replyName.empty()) {
        form_.emplace(hwnd_, instance, font_.get(), dpi, dialog, margin, top, *announcer_);
        contentWidth = form_->size().cx;
        top += form_->size().cy;
    }
    if (!dialog.listName.empty()) {
        const SIZE list = createList(instance, margin, top, area, buttonHeight + 3 * margin);
        contentWidth = std::max(contentWidth, static_cast<int>(list.cx));
        top += list.cy + margin;
    }
    const auto buttonCount = static_cast<int>(dialog.buttons.size());
    const int buttonsWidth = buttonCount * buttonWidth + std::max(0, buttonCount - 1) * margin;
    const int clientWidth = std::max(contentWidth, buttonsWidth) + 2 * margin;
    // The buttons stand at the right, in the description's order.
    int left = clientWidth - margin - buttonsWidth;
    for (int i = 0; i < buttonCount; ++i) {
        const session::DialogButton& row = dialog.buttons.at(static_cast<std::size_t>(i));
        HWND created = CreateWindowExW(
            0, L"BUTTON", widen(row.caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                (row.name == dialog.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
            left, top, buttonWidth, buttonHeight, hwnd_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + i)), instance, nullptr);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        left += buttonWidth + margin;
    }
    const int clientHeight = top + buttonHeight + margin;

    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // Centred over the calculator, inside the work area.
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    const int x =
        std::clamp(static_cast<int>((ownerRect.left + ownerRect.right - width) / 2),
                   static_cast<int>(area.left),
                   std::max(static_cast<int>(area.left), static_cast<int>(area.right) - width));
    const int y =
        std::clamp(static_cast<int>((ownerRect.top + ownerRect.bottom - height) / 2),
                   static_cast<int>(area.top),
                   std::max(static_cast<int>(area.top), static_cast<int>(area.bottom) - height));
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The lines as an owner-drawn list box at (left, top): every step where the work area has room
// for it with the title bar and what stands below the list (below), else as many whole steps as
// fit. Returns its size.
SIZE DescribedWindow::createList(HINSTANCE instance, int left, int top, RECT area, int below) {
    {
        HDC screen = GetDC(nullptr);
        const session::WorkingFont font{pixels_, [screen](std::string_view text, double pixels) {
                                            return measureText(screen, false, text, pixels);
                                        }};
        layout_ = session::layOutWorking(
            dialog_.lines, font,
            session::workingTextWidth(static_cast<int>(area.right - area.left), pixels_));
        ReleaseDC(nullptr, screen);
    }
    const int edge = 2 * GetSystemMetrics(SM_CXEDGE);
    const int listWidth = layout_.width + GetSystemMetrics(SM_CXVSCROLL) + edge;
    RECT nonClient{0, 0, 0, 0};
    AdjustWindowRectEx(&nonClient, kStyle, FALSE, kExStyle);
    const int chrome = (nonClient.bottom - nonClient.top) + top + below + edge;
    const int listHeight =
        session::workingListHeight(layout_, static_cast<int>(area.bottom - area.top) - chrome) +
        edge;
    steps_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", widen(dialog_.listAccessibleName).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWVARIABLE |
                            LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        left, top, listWidth, listHeight, hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStepsId)), instance, nullptr);
    SendMessageW(steps_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (const session::WorkingLine& line : dialog_.lines) {
        sentences_.push_back(widen(line.sentence));
        SendMessageW(steps_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sentences_.back().c_str()));
    }
    SetWindowSubclass(steps_, &stepsProc, 0, reinterpret_cast<DWORD_PTR>(this));
    return {listWidth, listHeight};
}

DescribedWindow::~DescribedWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

const DescribedWindow* DescribedWindow::of(HWND hwnd) {
    std::array<wchar_t, 32> windowClass{};
    GetClassNameW(hwnd, windowClass.data(), static_cast<int>(windowClass.size()));
    if (std::wstring_view(windowClass.data()) != kWindowClass) {
        return nullptr;
    }
    return reinterpret_cast<const DescribedWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

std::vector<std::string> DescribedWindow::drawn(int step) const {
    std::vector<std::string> texts;
    for (const session::Ink& ink : layout_.lines.at(static_cast<std::size_t>(step)).ink) {
        texts.push_back(ink.text);
    }
    return texts;
}

std::string DescribedWindow::kind(int step) const {
    return std::string(session::kindName(dialog_.lines.at(static_cast<std::size_t>(step)).kind));
}

// The list and its steps by name for assistive technology, on every Windows and under Wine,
// whose list box object names no items.
LRESULT CALLBACK DescribedWindow::stepsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR /*id*/, DWORD_PTR self) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        const auto& window = *reinterpret_cast<const DescribedWindow*>(self);
        return guardedMessage(hwnd, [&] {
            return accessibleObjectWithName(hwnd, wParam, widen(window.dialog_.listAccessibleName),
                                            L"", window.sentences_);
        });
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &stepsProc, 0);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void DescribedWindow::run() {
    open_ = true;
    EnableWindow(owner_, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    if (steps_ != nullptr) {
        SendMessageW(steps_, LB_SETCURSEL, 0, 0);
    }
    HWND first = form_ && form_->firstField() != nullptr ? form_->firstField() : steps_;
    if (first != nullptr) {
        SetFocus(first);
    }
    MSG message{};
    bool quit = false;
    while (open_) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        // Ctrl+C, wherever the focus is in the window, copies what コピー copies.
        if (message.message == WM_CHAR && message.wParam == kCtrlC && dialog_.copies() &&
            (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd) != FALSE)) {
            carryOut(session::DialogCommand::Copy);
            continue;
        }
        // The dialog manager gives Tab, Escape (IDCANCEL) and the arrow keys their meaning.
        if (IsDialogMessageW(hwnd_, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The owner is enabled before this window goes, so the system activates it again.
    EnableWindow(owner_, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
    SetForegroundWindow(owner_);
    if (quit) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
}

void DescribedWindow::carryOut(session::DialogCommand command) {
    switch (command) {
    case session::DialogCommand::Copy:
        copyToClipboard(hwnd_, dialog_.clipboardText);
        say(dialog_.saidAfter(command));
        return;
    case session::DialogCommand::Close:
        open_ = false;
        return;
    case session::DialogCommand::Check:
        if (form_) {
            form_->showReply(dialog_.check(form_->entries()));
        }
        return;
    case session::DialogCommand::CloseThenWorking:
    case session::DialogCommand::CloseThenPick:
        closedWith_ = command;
        open_ = false;
        return;
    case session::DialogCommand::CopyLine:
        if (chosenLine() < dialog_.lineTexts.size()) {
            copyToClipboard(hwnd_, dialog_.lineTexts[chosenLine()]);
            say(dialog_.saidAfter(command));
        }
        return;
    }
}

LRESULT DescribedWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.itemID < layout_.lines.size()) {
            item.itemHeight = static_cast<UINT>(layout_.lines.at(item.itemID).height);
        }
        return TRUE;
    }
    case WM_DRAWITEM:
        drawStep(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        // Escape comes from the dialog manager as IDCANCEL; Enter as IDOK, which presses the
        // default button, or else the button with the focus, if any.
        if (LOWORD(wParam) == IDCANCEL) {
            carryOut(dialog_.escape);
            return 0;
        }
        const int id = LOWORD(wParam) == IDOK ? enterTarget() : LOWORD(wParam);
        const int button = id - kFirstButtonId;
        if (button >= 0 && button < static_cast<int>(dialog_.buttons.size()) &&
            (HIWORD(wParam) == BN_CLICKED || LOWORD(wParam) == IDOK)) {
            carryOut(dialog_.buttons.at(static_cast<std::size_t>(button)).command);
        }
        return 0;
    }
    case WM_CLOSE:
        carryOut(session::DialogCommand::Close);
        return 0;
    case WM_NCDESTROY: {
        HWND hwnd = std::exchange(hwnd_, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void DescribedWindow::say(const std::string& text) {
    if (!text.empty()) {
        announcer_->announce(text);
    }
}

std::size_t DescribedWindow::chosenLine() const {
    const LRESULT line = steps_ != nullptr ? SendMessageW(steps_, LB_GETCURSEL, 0, 0) : LB_ERR;
    return line > 0 ? static_cast<std::size_t>(line) : 0;
}

int DescribedWindow::enterTarget() const {
    for (std::size_t i = 0; i < dialog_.buttons.size(); ++i) {
        if (dialog_.buttons[i].name == dialog_.defaultButton) {
            return kFirstButtonId + static_cast<int>(i);
        }
    }
    return GetDlgCtrlID(GetFocus());
}

// A step as laid out, on the list's selection colours, with the focus rectangle when it has the
// keyboard.
void DescribedWindow::drawStep(const DRAWITEMSTRUCT& item) const {
    if (item.itemID >= layout_.lines.size()) {
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, ink);
    const session::LaidOutLine& line = layout_.lines.at(item.itemID);
    const TextExtent face = measureText(item.hDC, false, "", pixels_);
    for (const session::Ink& text : line.ink) {
        // Centred in its box by the face's ascent and the em below it.
        const double baseline =
            item.rcItem.top + text.box.y + (text.box.height + 2 * face.ascent - pixels_) / 2;
        drawText(item.hDC, false, text.text, pixels_, item.rcItem.left + text.box.x, baseline);
    }
    const Brush barBrush(CreateSolidBrush(ink));
    for (const session::PixelRect& bar : line.bars) {
        const RECT r{item.rcItem.left + bar.x, item.rcItem.top + bar.y,
                     item.rcItem.left + bar.x + bar.width, item.rcItem.top + bar.y + bar.height};
        FillRect(item.hDC, &r, barBrush.get());
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

} // namespace quorvel::ui::win32
