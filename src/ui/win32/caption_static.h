#pragma once

#include "app/toolkit.h"
#include "ui/controls/caption_fit.h"
#include "ui/controls/control_tables.h"

#include <windows.h>

#include <optional>
#include <string>

namespace quorvel::ui::win32 {

// One label of the window: a STATIC control that draws a caption fitting its box as the
// standard control does (alignment, no prefix processing, colours through WM_CTLCOLORSTATIC),
// and draws one that does not fit itself, by the shared rule: whole at a smaller size, or
// shortened with an ellipsis, the full caption then in its tooltip.
class CaptionStatic {
public:
    CaptionStatic(const LabelRow& row, HWND parent, int id, int dpi, HWND tooltips);
    CaptionStatic(const CaptionStatic&) = delete;
    CaptionStatic& operator=(const CaptionStatic&) = delete;
    CaptionStatic(CaptionStatic&&) = delete;
    CaptionStatic& operator=(CaptionStatic&&) = delete;
    ~CaptionStatic();

    [[nodiscard]] HWND handle() const { return hwnd_; }
    [[nodiscard]] const LabelRow& row() const { return row_; }
    [[nodiscard]] const std::string& caption() const { return caption_; }
    [[nodiscard]] const CaptionLayout& layout() const { return layout_; }
    [[nodiscard]] std::optional<Colour> backColour() const { return back_; }

    void setCaption(std::string_view caption);
    void setBackColour(Colour colour);
    // Answers WM_CTLCOLORSTATIC for this label.
    HBRUSH colours(HDC dc) const;

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void paintFitted();
    void refit();

    const LabelRow& row_;
    HWND hwnd_ = nullptr;
    HWND tooltips_ = nullptr;
    int dpi_;
    double designPixels_;
    HFONT font_ = nullptr;
    std::string caption_;
    std::optional<Colour> back_;
    HBRUSH backBrush_ = nullptr;
    CaptionLayout layout_;
};

} // namespace quorvel::ui::win32
