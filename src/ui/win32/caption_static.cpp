#include "ui/win32/caption_static.h"

#include "ui/win32/fonts.h"
#include "ui/win32/text.h"

#include <commctrl.h>

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

int scaled(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

} // namespace

CaptionStatic::CaptionStatic(const LabelRow& row, HWND parent, int id, int dpi, HWND tooltips)
    : row_(row)
    , tooltips_(tooltips)
    , dpi_(dpi)
    , designPixels_(pixelsOfPoints(row.font.points, dpi))
    , caption_(row.caption)
    , back_(row.back) {
    // Only a label with a click handler takes clicks; the others let them through.
    const DWORD style = WS_CHILD | WS_VISIBLE | SS_NOPREFIX | alignmentStyle(row.alignment) |
                        (row.click ? SS_NOTIFY : 0);
    hwnd_ = CreateWindowExW(0, L"STATIC", widen(row.caption).c_str(), style,
                            scaled(row.rect.left, dpi), scaled(row.rect.top, dpi),
                            scaled(row.rect.width, dpi), scaled(row.rect.height, dpi), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    font_ = createJapaneseFont(designPixels_, row.font.bold);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (back_) {
        backBrush_ = CreateSolidBrush(*back_);
    }
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    refit();
}

CaptionStatic::~CaptionStatic() {
    if (IsWindow(hwnd_) != FALSE) {
        RemoveWindowSubclass(hwnd_, subclassProc, 1);
    }
    DeleteObject(font_);
    if (backBrush_ != nullptr) {
        DeleteObject(backBrush_);
    }
}

void CaptionStatic::setCaption(std::string_view caption) {
    caption_ = std::string(caption);
    SetWindowTextW(hwnd_, widen(caption).c_str());
    refit();
}

void CaptionStatic::setBackColour(Colour colour) {
    back_ = colour;
    if (backBrush_ != nullptr) {
        DeleteObject(backBrush_);
    }
    backBrush_ = CreateSolidBrush(colour);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH CaptionStatic::colours(HDC dc) const {
    SetTextColor(dc, row_.text ? *row_.text : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, back_ ? *back_ : GetSysColor(COLOR_BTNFACE));
    return backBrush_ != nullptr ? backBrush_ : GetSysColorBrush(COLOR_BTNFACE);
}

void CaptionStatic::refit() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    CaptionBox box;
    box.width = client.right;
    box.height = client.bottom;
    box.alignment = row_.alignment;
    box.designPixelSize = designPixels_;
    box.floorPixelSize = legibleFloorPixels(dpi_);
    HDC dc = GetDC(hwnd_);
    const bool bold = row_.font.bold;
    layout_ = fitCaption(caption_, box, [dc, bold](std::string_view text, double pixels) {
        return measureText(dc, bold, text, pixels);
    });
    ReleaseDC(hwnd_, dc);

    const bool reduced = layout_.shortened || layout_.pixelSize < designPixels_ - 0.01;
    const std::wstring tip = reduced ? widen(caption_) : std::wstring();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(hwnd_);
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CaptionStatic::paintFitted() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC,
                                                         reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(hwnd_)));
    FillRect(dc, &client, brush);
    HFONT font = createJapaneseFont(layout_.pixelSize, row_.font.bold);
    {
        const Selected selected(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        const std::wstring text = widen(layout_.text);
        TextOutW(dc, static_cast<int>(std::lround(layout_.x)),
                 static_cast<int>(std::lround(layout_.baseline)), text.c_str(),
                 static_cast<int>(text.size()));
    }
    DeleteObject(font);
    EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK CaptionStatic::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR /*id*/, DWORD_PTR self) {
    auto* label = reinterpret_cast<CaptionStatic*>(self);
    if (message == WM_PAINT && !label->layout_.asDesigned && !label->layout_.text.empty()) {
        label->paintFitted();
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace quorvel::ui::win32
