// The Windows program moved to a display of another scale: on WM_DPICHANGED, with the new DPI
// and the rectangle Windows suggests, the client area, every control, its font and the captions
// follow the new scale, as they are at start on such a display.
#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/fonts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace quorvel::ui::win32 {
namespace {

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT clientRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

// A control's rectangle in its parent's client area.
RECT placeOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int fontHeight(HWND control) {
    auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    GetObjectW(font, sizeof face, &face);
    return std::abs(face.lfHeight);
}

void changeDpi(HWND window, int dpi) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int start = screenDpi();
    // What Windows suggests: the same top left corner, the size scaled.
    RECT suggested{frame.left, frame.top, frame.left + MulDiv(frame.right - frame.left, dpi, start),
                   frame.top + MulDiv(frame.bottom - frame.top, dpi, start)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST(DpiChange, TheWindowItsControlsAndFontsFollowTheNewScale) {
    CalculatorWindow window(GetModuleHandleW(nullptr));
    const CalculatorWindow& view = window;
    window.show(SW_SHOWNORMAL);
    const int start = screenDpi();
    const int dpi = start * 3 / 2;
    changeDpi(window.handle(), dpi);

    const RECT client = clientRect(window.handle());
    EXPECT_EQ(client.right, pixelsOf(kClientWidthTwips, dpi));
    EXPECT_EQ(client.bottom, pixelsOf(kClientHeightTwips, dpi));
    for (const ButtonRow& row : buttonTable()) {
        const PixelRect want = pixelRect(row.rect, dpi);
        const RECT got = placeOf(window.control(row.name));
        EXPECT_EQ(got.left, want.left) << row.name;
        EXPECT_EQ(got.top, want.top) << row.name;
        EXPECT_EQ(got.right - got.left, want.width) << row.name;
    }
    for (const LabelRow& row : labelTable()) {
        const RECT got = placeOf(view.label(row.id).handle());
        EXPECT_EQ(got.right - got.left, pixelRect(row.rect, dpi).width) << row.name;
    }
    // Each button in its own size at the new scale; 整数 in the window's 9 points.
    for (const ButtonRow& row : buttonTable()) {
        const double points = row.font.points > 0 ? row.font.points : 9;
        EXPECT_EQ(fontHeight(window.control(row.name)), std::lround(pixelsOfPoints(points, dpi)))
            << row.name;
    }
    const RECT bar = window.lineRect(LineId::Line1);
    EXPECT_EQ(bar.right - bar.left, barRect(lineRow(LineId::Line1), dpi).width);
}

// A caption laid out again at the new size: the same number is drawn at the same share of its
// field, and not shortened where it was whole before.
TEST(DpiChange, CaptionsAreLaidOutAgain) {
    CalculatorWindow window(GetModuleHandleW(nullptr));
    const CalculatorWindow& view = window;
    window.show(SW_SHOWNORMAL);
    for (const char* digit : {"Command5", "Command6", "Command7", "Command8", "Command9"}) {
        SendMessageW(window.control(digit), BM_CLICK, 0, 0);
    }
    const std::string before = view.label(LabelId::Label9).shownText();
    changeDpi(window.handle(), screenDpi() * 2);
    EXPECT_EQ(view.label(LabelId::Label9).shownText(), before);
}

} // namespace
} // namespace quorvel::ui::win32
