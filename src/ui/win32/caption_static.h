#pragma once

#include "app/toolkit.h"
#include "ui/controls/caption_fit.h"
#include "ui/controls/control_tables.h"
#include "ui/session/label_look.h"
#include "ui/win32/gdi_object.h"
#include "ui/win32/tooltip_control.h"

#include <windows.h>

#include <optional>
#include <string>

namespace quorvel::ui::win32 {

// One label of the window: a STATIC control that shows what the session tells it. It draws its
// caption itself, at the size and place the caption rule chose, in the colours it answers to
// WM_CTLCOLORSTATIC; its window text stays the whole caption. Its tooltip and accessible name
// come with the look.
class CaptionStatic {
public:
    // Made in its place and font; `font` stays the window's, shared by labels of one size.
    CaptionStatic(const LabelRow& row, HWND parent, int id, int dpi, HFONT font,
                  TooltipControl& tooltips);
    CaptionStatic(const CaptionStatic&) = delete;
    CaptionStatic& operator=(const CaptionStatic&) = delete;
    CaptionStatic(CaptionStatic&&) = delete;
    CaptionStatic& operator=(CaptionStatic&&) = delete;
    ~CaptionStatic();

    [[nodiscard]] HWND handle() const { return hwnd_; }
    [[nodiscard]] const LabelRow& row() const { return row_; }
    // What the control draws now: its text, or the fitted text.
    [[nodiscard]] std::string shownText() const;

    // Takes its place and font at the display's dots per inch.
    void place(int dpi, HFONT font);
    void show(const session::LabelLook& look);
    [[nodiscard]] TextExtent measure(std::string_view text, double pixelSize) const;
    // Answers WM_CTLCOLORSTATIC for this label.
    HBRUSH colours(HDC dc) const;

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void paint();
    void showTooltip(const std::string& text);

    const LabelRow& row_;
    HWND hwnd_ = nullptr;
    TooltipControl& tooltips_;
    std::optional<Colour> back_;
    Brush backBrush_;
    CaptionLayout layout_;
    bool hasTool_ = false;
    // What was last given, so that showing the same look again asks nothing of the system:
    // under Wine every call on a control is a round trip to its server.
    std::wstring caption_;
    std::wstring tooltip_;
    std::wstring accessibleName_;
    std::wstring accessibleDescription_;
};

} // namespace quorvel::ui::win32
