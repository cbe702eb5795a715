#include "ui/win32/calculator_window.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/session/event_table.h"
#include "ui/win32/fonts.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <algorithm>

// The window's controls, created from their tables.
namespace quorvel::ui::win32 {
namespace {

constexpr int kAnnouncementId = 500;
constexpr double kDefaultFontPoints = 9;

bool isOption(std::string_view name) {
    const auto options = optionTable();
    return std::any_of(options.begin(), options.end(),
                       [name](const OptionRow& row) { return row.name == name; });
}

} // namespace

HWND CalculatorWindow::createChild(const wchar_t* windowClass, std::string_view caption,
                                   DWORD style, const Rect& rect, int id) {
    const PixelRect r = pixelRect(rect, dpi_);
    return CreateWindowExW(0, windowClass, widen(caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                           r.left, r.top, r.width, r.height, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

void CalculatorWindow::createControls() {
    defaultFont_ = createJapaneseFont(pixelsOfPoints(kDefaultFontPoints, dpi_), false);
    fonts_.push_back(defaultFont_);
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                nullptr, instance_, nullptr);
    createLabels();
    createButtons();
    createDisplayModeGroup();
    applyTabOrder();
    announcer_ = std::make_unique<Announcer>(hwnd_, instance_, kAnnouncementId);
}

void CalculatorWindow::createLabels() {
    for (const LabelRow& row : labelTable()) {
        const int id = session::controlIdOf(row.name);
        auto label = std::make_unique<CaptionStatic>(row, hwnd_, id, dpi_, tooltips_);
        controls_.push_back({row.name, label->handle(), id});
        labels_.at(static_cast<std::size_t>(row.id)) = std::move(label);
    }
}

void CalculatorWindow::createButtons() {
    for (const ButtonRow& row : buttonTable()) {
        const int id = session::controlIdOf(row.name);
        HWND button = createChild(L"BUTTON", row.caption, BS_PUSHBUTTON | WS_TABSTOP, row.rect, id);
        HFONT font = defaultFont_;
        if (row.font.points > 0) {
            font = createJapaneseFont(pixelsOfPoints(row.font.points, dpi_), row.font.bold);
            fonts_.push_back(font);
        }
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls_.push_back({row.name, button, id});
    }
}

void CalculatorWindow::createDisplayModeGroup() {
    const FrameRow& frameRow = displayModeFrame();
    const int frameId = session::controlIdOf(frameRow.name);
    HWND frame = createChild(L"BUTTON", frameRow.caption, BS_GROUPBOX, frameRow.rect, frameId);
    SendMessageW(frame, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_), FALSE);
    controls_.push_back({frameRow.name, frame, frameId});
    for (const OptionRow& row : optionTable()) {
        // The options are children of the window, placed inside the frame: a group box passes no
        // notifications on.
        const int id = session::controlIdOf(row.name);
        HWND option =
            createChild(L"BUTTON", row.caption, BS_AUTORADIOBUTTON, inWindow(row, frameRow), id);
        SendMessageW(option, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_), FALSE);
        SendMessageW(option, BM_SETCHECK, row.selected ? BST_CHECKED : BST_UNCHECKED, 0);
        controls_.push_back({row.name, option, id});
    }
    followSelectionWithTabStop();
}

void CalculatorWindow::createMenu() {
    HMENU bar = CreateMenu();
    for (const MenuCommandRow& row : menuTable()) {
        const int id = session::controlIdOf(row.name);
        AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(id), widen(row.caption).c_str());
        controls_.push_back({row.name, nullptr, id});
    }
    SetMenu(hwnd_, bar);
}

void CalculatorWindow::applyTabOrder() {
    // The dialog manager moves the focus in z-order: stack the controls in the tab order. Each
    // control starts a group of its own but the options after the first, so the arrow keys move
    // within the display-mode group only.
    HWND previous = HWND_TOP;
    for (const std::string_view name : tabOrder()) {
        HWND hwnd = control(name);
        if (hwnd == nullptr) {
            continue;
        }
        if (name == optionTable().front().name || !isOption(name)) {
            SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_GROUP);
        }
        SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = hwnd;
    }
}

// An option group is entered by Tab on its selected button: only that one is a tab stop.
void CalculatorWindow::followSelectionWithTabStop() {
    for (const OptionRow& row : optionTable()) {
        HWND option = control(row.name);
        const bool selected = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        SetWindowLongPtrW(option, GWL_STYLE, selected ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

} // namespace quorvel::ui::win32
