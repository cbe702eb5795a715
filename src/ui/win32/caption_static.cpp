#include "ui/win32/caption_static.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
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

CaptionStatic::CaptionStatic(const LabelRow& row, HWND parent, int id, int dpi, HFONT font,
                             TooltipControl& tooltips)
    : row_(row)
    , tooltips_(tooltips)
    , back_(row.back)
    , caption_(widen(row.caption)) {
    // Only a label with a click handler takes clicks; the others let them through. Each starts a
    // group of its own for the dialog manager, as every control but the options after the first.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX |
                        alignmentStyle(row.alignment) | (row.click ? SS_NOTIFY : 0);
    const PixelRect r = pixelRect(row.rect, dpi);
    hwnd_ = CreateWindowExW(0, L"STATIC", caption_.c_str(), style, r.left, r.top, r.width, r.height,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                            nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

CaptionStatic::~CaptionStatic() {
    if (IsWindow(hwnd_) != FALSE) {
        RemoveWindowSubclass(hwnd_, subclassProc, 1);
    }
}

void CaptionStatic::place(int dpi, HFONT font) {
    const PixelRect rect = pixelRect(row_.rect, dpi);
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (hasTool_) { // the tool's area moves with the label
        TTTOOLINFOW tool = toolOf(hwnd_);
        SendMessageW(tooltips_.handle(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

std::string CaptionStatic::shownText() const {
    return layout_.text;
}

void CaptionStatic::show(const session::LabelLook& look) {
    std::wstring caption = widen(look.caption);
    if (caption != caption_) {
        caption_ = std::move(caption);
        SetWindowTextW(hwnd_, caption_.c_str());
    }
    layout_ = look.layout;
    if (look.back != back_ || (look.back && !backBrush_)) {
        back_ = look.back;
        backBrush_.reset(back_ ? CreateSolidBrush(*back_) : nullptr);
    }
    showTooltip(look.tooltip);
    std::wstring name = widen(look.accessibleName);
    std::wstring description = widen(look.accessibleDescription);
    if (name != accessibleName_ || description != accessibleDescription_) {
        accessibleName_ = std::move(name);
        accessibleDescription_ = std::move(description);
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// A label without a tooltip has no tool at all: an empty text would leave the last one showing.
void CaptionStatic::showTooltip(const std::string& text) {
    std::wstring tip = widen(text);
    if (tip == tooltip_) {
        return;
    }
    tooltip_ = std::move(tip);
    TTTOOLINFOW tool = toolOf(hwnd_);
    tool.lpszText = tooltip_.data();
    if (tooltip_.empty()) {
        SendMessageW(tooltips_.handle(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltips_.made(), hasTool_ ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0,
                     reinterpret_cast<LPARAM>(&tool));
    }
    hasTool_ = !tooltip_.empty();
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
