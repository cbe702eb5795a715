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

// A child control, placed and given its font by placeControls.
HWND CalculatorWindow::createChild(const wchar_t* windowClass, std::string_view caption,
                                   DWORD style, int id) {
    return CreateWindowExW(0, windowClass, widen(caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                           0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance_, nullptr);
}

void CalculatorWindow::createControls() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                nullptr, instance_, nullptr);
    createLabels();
    createButtons();
    createDisplayModeGroup();
    placeControls();
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
        HWND button = createChild(L"BUTTON", row.caption, BS_PUSHBUTTON | WS_TABSTOP, id);
        controls_.push_back({row.name, button, id});
    }
}

void CalculatorWindow::createDisplayModeGroup() {
    const FrameRow& frameRow = displayModeFrame();
    const int frameId = session::controlIdOf(frameRow.name);
    HWND frame = createChild(L"BUTTON", frameRow.caption, BS_GROUPBOX, frameId);
    controls_.push_back({frameRow.name, frame, frameId});
    for (const OptionRow& row : optionTable()) {
        // The options are children of the window, placed inside the frame: a group box passes no
        // notifications on.
        const int id = session::controlIdOf(row.name);
        HWND option = createChild(L"BUTTON", row.caption, BS_AUTORADIOBUTTON, id);
        SendMessageW(option, BM_SETCHECK, row.selected ? BST_CHECKED : BST_UNCHECKED, 0);
        controls_.push_back({row.name, option, id});
    }
    followSelectionWithTabStop();
}

// Every control at its place and in its font at the display's dots per inch: once they are
// created, and again when the window moves to a display of another scale.
void CalculatorWindow::placeControls() {
    std::vector<Font> fonts;
    fonts.emplace_back(createJapaneseFont(pixelsOfPoints(kDefaultFontPoints, dpi_), false));
    HFONT standard = fonts.front().get();
    const auto place = [this](std::string_view name, const Rect& rect, HFONT font) {
        HWND hwnd = control(name);
        const PixelRect r = pixelRect(rect, dpi_);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    };
    for (const ButtonRow& row : buttonTable()) {
        HFONT font = standard;
        if (row.font.points > 0) {
            fonts.emplace_back(
                createJapaneseFont(pixelsOfPoints(row.font.points, dpi_), row.font.bold));
            font = fonts.back().get();
        }
        place(row.name, row.rect, font);
    }
    const FrameRow& frameRow = displayModeFrame();
    place(frameRow.name, frameRow.rect, standard);
    for (const OptionRow& row : optionTable()) {
        place(row.name, inWindow(row, frameRow), standard);
    }
    for (auto& label : labels_) {
        if (label != nullptr) {
            label->place(dpi_);
        }
    }
    // The fonts the controls used until now go only once none uses them.
    fonts_ = std::move(fonts);
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
