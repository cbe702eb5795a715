#include "ui/win32/calculator_window.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/session/event_table.h"
#include "ui/win32/described_control.h"
#include "ui/win32/fonts.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <algorithm>

// The window's controls, created from their tables.
namespace quorvel::ui::win32 {
namespace {

constexpr int kAnnouncementId = 500;

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
    const double points = pointsOf(choice);
    for (const auto& [made, font] : fonts_) {
        if (made.points == points && made.bold == choice.bold) {
            return font.get();
        }
    }
    fonts_.emplace_back(FontChoice{points, choice.bold},
                        Font(createJapaneseFont(pixelsOfPoints(points, dpi_), choice.bold)));
    return fonts_.back().second.get();
}

// The controls in tab order, each in its place, font and style: the order of creation is the
// z-order the dialog manager tabs through, and each control starts a group of its own but the
// options after the first, so the arrow keys move within the display-mode group only. Nothing is
// changed afterwards: under Wine every change is a round trip to the server.
void CalculatorWindow::createControls() {
    tooltips_ = TooltipControl(hwnd_, instance_);
    for (const std::string_view name : tabOrder()) {
        createControl(name);
    }
    announcer_ = std::make_unique<Announcer>(hwnd_, instance_, kAnnouncementId);
}

void CalculatorWindow::createControl(std::string_view name) {
    const int id = session::controlIdOf(name);
    for (const LabelRow& row : labelTable()) {
        if (row.name == name) {
            auto label =
                std::make_unique<CaptionStatic>(row, hwnd_, id, dpi_, fontOf(row.font), tooltips_);
            controls_.push_back({row.name, label->handle(), id});
            labels_.at(static_cast<std::size_t>(row.id)) = std::move(label);
            return;
        }
    }
    for (const ButtonRow& row : buttonTable()) {
        if (row.name == name) {
            HWND button = createChild(L"BUTTON", row.caption, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP,
                                      row.rect, id, row.font);
            describeControl(button, accessibleNameOf(row), row.description);
            controls_.push_back({row.name, button, id});
            return;
        }
    }
    const FrameRow& frameRow = displayModeFrame();
    if (frameRow.name == name) {
        HWND frame =
            createChild(L"BUTTON", frameRow.caption, BS_GROUPBOX | WS_GROUP, frameRow.rect, id, {});
        describeControl(frame, frameRow.caption, frameRow.description);
        controls_.push_back({frameRow.name, frame, id});
        return;
    }
    for (const OptionRow& row : optionTable()) {
        if (row.name == name) {
            // The options are children of the window, placed inside the frame: a group box
            // passes no notifications on.
            // The group is entered by Tab on its selected option: only that one is a tab stop.
            const DWORD group =
                (&row == optionTable().data() ? WS_GROUP : 0) | (row.selected ? WS_TABSTOP : 0);
            HWND option = createChild(L"BUTTON", row.caption, BS_AUTORADIOBUTTON | group,
                                      inWindow(row, frameRow), id, {});
            SendMessageW(option, BM_SETCHECK, row.selected ? BST_CHECKED : BST_UNCHECKED, 0);
            describeControl(option, row.caption, row.description);
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
            label->place(dpi_, fontOf(label->row().font));
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
