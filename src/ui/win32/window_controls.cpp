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
                                   DWORD style, const Rect& rect, int id, FontChoice font) {
    const PixelRect r = pixelRect(rect, dpi_);
    HWND hwnd =
        CreateWindowExW(0, windowClass, widen(caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                        r.left, r.top, r.width, r.height, hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(font)), FALSE);
    return hwnd;
}

// The font of a button, the frame or an option at the present DPI, made once for each size and
// weight: the window's 9 points where the table gives none.
HFONT CalculatorWindow::fontOf(FontChoice choice) {
    const double points = choice.points > 0 ? choice.points : kDefaultFontPoints;
    for (const auto& [made, font] : fonts_) {
        if (made.points == points && made.bold == choice.bold) {
            return font.get();
        }
    }
    fonts_.emplace_back(FontChoice{points, choice.bold},
                        Font(createJapaneseFont(pixelsOfPoints(points, dpi_), choice.bold)));
    return fonts_.back().second.get();
}

// The controls in tab order, each in its place and font: the order of creation is the z-order
// the dialog manager tabs through, so nothing is moved afterwards, and start-up under Wine
// spends its time on making the controls only.
void CalculatorWindow::createControls() {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                nullptr, instance_, nullptr);
    for (const std::string_view name : tabOrder()) {
        createControl(name);
    }
    followSelectionWithTabStop();
    applyTabOrder();
    announcer_ = std::make_unique<Announcer>(hwnd_, instance_, kAnnouncementId);
}

void CalculatorWindow::createControl(std::string_view name) {
    const int id = session::controlIdOf(name);
    for (const LabelRow& row : labelTable()) {
        if (row.name == name) {
            auto label = std::make_unique<CaptionStatic>(row, hwnd_, id, dpi_, tooltips_);
            controls_.push_back({row.name, label->handle(), id});
            labels_.at(static_cast<std::size_t>(row.id)) = std::move(label);
            return;
        }
    }
    for (const ButtonRow& row : buttonTable()) {
        if (row.name == name) {
            controls_.push_back({row.name,
                                 createChild(L"BUTTON", row.caption, BS_PUSHBUTTON | WS_TABSTOP,
                                             row.rect, id, row.font),
                                 id});
            return;
        }
    }
    const FrameRow& frameRow = displayModeFrame();
    if (frameRow.name == name) {
        controls_.push_back(
            {frameRow.name,
             createChild(L"BUTTON", frameRow.caption, BS_GROUPBOX, frameRow.rect, id, {}), id});
        return;
    }
    for (const OptionRow& row : optionTable()) {
        if (row.name == name) {
            // The options are children of the window, placed inside the frame: a group box
            // passes no notifications on.
            HWND option = createChild(L"BUTTON", row.caption, BS_AUTORADIOBUTTON,
                                      inWindow(row, frameRow), id, {});
            SendMessageW(option, BM_SETCHECK, row.selected ? BST_CHECKED : BST_UNCHECKED, 0);
            controls_.push_back({row.name, option, id});
            return;
        }
    }
}

// Every control at its place and in its font at the display's dots per inch, when the window
// moves to a display of another scale.
void CalculatorWindow::placeControls() {
    // The fonts the controls use until now go only once none uses them.
    const auto previous = std::move(fonts_);
    fonts_.clear();
    const auto place = [this](std::string_view name, const Rect& rect, FontChoice font) {
        HWND hwnd = control(name);
        const PixelRect r = pixelRect(rect, dpi_);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(font)), TRUE);
    };
    for (const ButtonRow& row : buttonTable()) {
        place(row.name, row.rect, row.font);
    }
    const FrameRow& frameRow = displayModeFrame();
    place(frameRow.name, frameRow.rect, {});
    for (const OptionRow& row : optionTable()) {
        place(row.name, inWindow(row, frameRow), {});
    }
    for (auto& label : labels_) {
        if (label != nullptr) {
            label->place(dpi_);
        }
    }
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
        const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        if ((name == optionTable().front().name || !isOption(name)) && (style & WS_GROUP) == 0) {
            SetWindowLongPtrW(hwnd, GWL_STYLE, style | WS_GROUP);
        }
        // Created in tab order, a control is already where it belongs.
        const HWND above = GetWindow(hwnd, GW_HWNDPREV);
        if (above != (previous == HWND_TOP ? nullptr : previous)) {
            SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
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
