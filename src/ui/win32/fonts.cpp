#include "ui/win32/fonts.h"

#include "ui/win32/text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel::ui::win32 {

double pixelsOfPoints(double points, int dpi) {
    return points * dpi / 72.0;
}

HFONT createJapaneseFont(double pixels, bool bold) {
    // A negative height asks for the character height (the em), as a point size does.
    return CreateFontW(-static_cast<int>(std::lround(pixels)), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"ＭＳ Ｐゴシック");
}

TextExtent measureText(HDC dc, bool bold, std::string_view text, double pixels) {
    HFONT font = createJapaneseFont(pixels, bold);
    TextExtent extent;
    {
        const Selected selected(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        extent.ascent = metrics.tmAscent;
        const std::wstring wide = widen(text);
        SIZE size{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        extent.advance = size.cx;

        constexpr MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        double pen = 0;
        double left = std::numeric_limits<double>::max();
        double right = std::numeric_limits<double>::lowest();
        double top = std::numeric_limits<double>::max();
        double bottom = std::numeric_limits<double>::lowest();
        for (const wchar_t c : wide) {
            GLYPHMETRICS glyph{};
            if (GetGlyphOutlineW(dc, c, GGO_METRICS, &glyph, 0, nullptr, &kIdentity) == GDI_ERROR) {
                continue;
            }
            left = std::min(left, pen + glyph.gmptGlyphOrigin.x);
            right = std::max(right, pen + glyph.gmptGlyphOrigin.x + glyph.gmBlackBoxX);
            top = std::min(top, -static_cast<double>(glyph.gmptGlyphOrigin.y));
            bottom =
                std::max(bottom, -static_cast<double>(glyph.gmptGlyphOrigin.y) + glyph.gmBlackBoxY);
            pen += glyph.gmCellIncX;
        }
        if (left <= right) {
            extent.inkLeft = left;
            extent.inkRight = right;
            extent.inkTop = top;
            extent.inkBottom = bottom;
        }
    }
    DeleteObject(font);
    return extent;
}

} // namespace quorvel::ui::win32
