#include "ui/win32/caption_static.h"

#include "ui/controls/geometry.h"
#include "ui/session/event_table.h"
#include "ui/win32/fonts.h"
#include "ui/win32/message_guard.h"
#include "ui/win32/named_accessible.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <array>
#include <cmath>

namespace quorvel::ui::win32 {
namespace {

DWORD alignmentStyle(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return SS_RIGHT;
    case Alignment::Centre:
        return SS_CENTER;
    case Alignment::Left:
        break;
    }
    return SS_LEFTNOWORDWRAP;
}

// Where the pointer is seen over the label: a label that takes clicks gets the mouse itself; any
// other lets it through to the window, so its tooltip belongs to that part of the window.
TTTOOLINFOW toolOf(HWND label) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(label);
    if ((GetWindowLongPtrW(label, GWL_STYLE) & SS_NOTIFY) != 0) {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(label);
    } else {
        tool.uFlags = TTF_SUBCLASS;
        tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(label));
        GetWindowRect(label, &tool.rect);
        MapWindowPoints(nullptr, tool.hwnd, reinterpret_cast<POINT*>(&tool.rect), 2);
    }
    return tool;
}

} // namespace

CaptionStatic::CaptionStatic(const LabelRow& row, HWND parent, int id, int dpi, HWND tooltips)
    : row_(row)
    , tooltips_(tooltips)
    , back_(row.back) {
    // Only a label with a click handler takes clicks; the others let them through.
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | alignmentStyle(row.alignment) |
                        (session::eventOfControl(row.name) ? SS_NOTIFY : 0);
    hwnd_ = CreateWindowExW(0, L"STATIC", widen(row.caption).c_str(), style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    place(dpi);
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

CaptionStatic::~CaptionStatic() {
    if (IsWindow(hwnd_) != FALSE) {
        RemoveWindowSubclass(hwnd_, subclassProc, 1);
    }
}

void CaptionStatic::place(int dpi) {
    const PixelRect rect = pixelRect(row_.rect, dpi);
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    font_.reset(createJapaneseFont(pixelsOfPoints(row_.font.points, dpi), row_.font.bold));
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

std::string CaptionStatic::shownText() const {
    return layout_.text;
}

void CaptionStatic::show(const session::LabelLook& look) {
    SetWindowTextW(hwnd_, widen(look.caption).c_str());
    layout_ = look.layout;
    if (look.back != back_ || (look.back && !backBrush_)) {
        back_ = look.back;
        backBrush_.reset(back_ ? CreateSolidBrush(*back_) : nullptr);
    }
    showTooltip(look.tooltip);
    accessibleName_ = widen(look.accessibleName);
    accessibleDescription_ = widen(look.accessibleDescription);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// A label without a tooltip has no tool at all: an empty text would leave the last one showing.
void CaptionStatic::showTooltip(const std::string& text) {
    std::wstring tip = widen(text);
    TTTOOLINFOW tool = toolOf(hwnd_);
    tool.lpszText = tip.data();
    if (tip.empty() && hasTool_) {
        SendMessageW(tooltips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (!tip.empty()) {
        SendMessageW(tooltips_, hasTool_ ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                     reinterpret_cast<LPARAM>(&tool));
        if (hasTool_) { // the label may have moved with the display's scale
            SendMessageW(tooltips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    hasTool_ = !tip.empty();
}

TextExtent CaptionStatic::measure(std::string_view text, double pixelSize) const {
    HDC dc = GetDC(hwnd_);
    const TextExtent extent = measureText(dc, row_.font.bold, text, pixelSize);
    ReleaseDC(hwnd_, dc);
    return extent;
}

HBRUSH CaptionStatic::colours(HDC dc) const {
    SetTextColor(dc, row_.text ? *row_.text : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, back_ ? *back_ : GetSysColor(COLOR_BTNFACE));
    return backBrush_ ? backBrush_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

void CaptionStatic::paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(hwnd_)));
    FillRect(dc, &client, brush);
    drawText(dc, row_.font.bold, layout_.text, layout_.pixelSize, layout_.x, layout_.baseline);
    EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK CaptionStatic::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR /*id*/, DWORD_PTR self) {
    auto* label = reinterpret_cast<CaptionStatic*>(self);
    return guardedMessage(hwnd, [&]() -> LRESULT {
        if (message == WM_PAINT) {
            label->paint();
            return 0;
        }
        if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
            return accessibleObjectWithName(hwnd, wParam, label->accessibleName_,
                                            label->accessibleDescription_);
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    });
}

} // namespace quorvel::ui::win32
