#pragma once

#include "ui/controls/caption_fit.h"

#include <windows.h>

#include <string_view>

namespace quorvel::ui::win32 {

// The window's Japanese face, "ＭＳ Ｐゴシック" with the Shift-JIS character set, at a size in
// pixels (rounded to whole pixels, the only sizes GDI has).
HFONT createJapaneseFont(double pixels, bool bold);

// The extent of UTF-8 text in the face at a pixel size, measured on dc: advance from GDI's text
// extent, ink from the glyphs' black boxes, both in the face's own proportions.
TextExtent measureText(HDC dc, bool bold, std::string_view text, double pixels);

// Draws UTF-8 text in the face at a pixel size from a point on its baseline, each character
// where measureText puts it.
void drawText(HDC dc, bool bold, std::string_view text, double pixels, double x, double baseline);

// Selects a GDI object into a DC for the lifetime of the scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object)
        : dc_(dc)
        , previous_(SelectObject(dc, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    Selected(Selected&&) = delete;
    Selected& operator=(Selected&&) = delete;
    ~Selected() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace quorvel::ui::win32
