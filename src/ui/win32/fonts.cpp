#include "ui/win32/fonts.h"

#include "ui/win32/gdi_object.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quorvel::ui::win32 {

HFONT createJapaneseFont(double pixels, bool bold) {
    // A negative height asks for the character height (the em), as a point size does.
    return CreateFontW(-static_cast<int>(std::lround(pixels)), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                       FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"ＭＳ Ｐゴシック");
}

namespace {

// Texts are measured at a large size and scaled down: at the small sizes a long number is drawn
// at, GDI rounds each glyph's advance to whole pixels (and a bold face made from a regular one
// gains a pixel per glyph), so a measure taken there fits fewer digits than the face's own
// proportions allow, and fewer than every other binding fits.
constexpr int kReferencePixels = 512;

// Where each character of the text starts, in pixels at the reference size; the last entry is the
// whole advance.
std::vector<int> referenceOffsets(HDC dc, const std::wstring& text) {
    std::vector<int> ends(text.size());
    SIZE size{};
    GetTextExtentExPointW(dc, text.c_str(), static_cast<int>(text.size()), 0, nullptr, ends.data(),
                          &size);
    std::vector<int> offsets{0};
    offsets.insert(offsets.end(), ends.begin(), ends.end());
    return offsets;
}

} // namespace

TextExtent measureText(HDC dc, bool bold, std::string_view text, double pixels) {
    const Font font(createJapaneseFont(kReferencePixels, bold));
    const double scale = pixels / kReferencePixels;
    TextExtent extent;
    {
        const Selected selected(dc, font.get());
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        extent.ascent = metrics.tmAscent * scale;
        const std::wstring wide = widen(text);
        if (wide.empty()) {
            return extent;
        }
        const std::vector<int> offsets = referenceOffsets(dc, wide);
        extent.advance = offsets.back() * scale;

        constexpr MAT2 kIdentity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        double left = std::numeric_limits<double>::max();
        double right = std::numeric_limits<double>::lowest();
        double top = std::numeric_limits<double>::max();
        double bottom = std::numeric_limits<double>::lowest();
        for (std::size_t i = 0; i < wide.size(); ++i) {
            GLYPHMETRICS glyph{};
            if (GetGlyphOutlineW(dc, wide[i], GGO_METRICS, &glyph, 0, nullptr, &kIdentity) ==
                GDI_ERROR) {
                continue;
            }
            const double pen = offsets.at(i);
            left = std::min(left, pen + glyph.gmptGlyphOrigin.x);
            right = std::max(right, pen + glyph.gmptGlyphOrigin.x + glyph.gmBlackBoxX);
            top = std::min(top, -static_cast<double>(glyph.gmptGlyphOrigin.y));
            bottom =
                std::max(bottom, -static_cast<double>(glyph.gmptGlyphOrigin.y) + glyph.gmBlackBoxY);
        }
        if (left <= right) {
            extent.inkLeft = left * scale;
            extent.inkRight = right * scale;
            extent.inkTop = top * scale;
            extent.inkBottom = bottom * scale;
        }
    }
    return extent;
}

void drawText(HDC dc, bool bold, std::string_view text, double pixels, double x, double baseline) {
    const std::wstring wide = widen(text);
    if (wide.empty()) {
        return;
    }
    // Each character where the measure put it, so the text covers exactly what was measured.
    std::vector<int> offsets;
    {
        const Font reference(createJapaneseFont(kReferencePixels, bold));
        const Selected selected(dc, reference.get());
        offsets = referenceOffsets(dc, wide);
    }
    const double scale = pixels / kReferencePixels;
    std::vector<INT> steps(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        steps.at(i) = static_cast<INT>(std::lround((x + offsets.at(i + 1) * scale)) -
                                       std::lround((x + offsets.at(i) * scale)));
    }
    const Font font(createJapaneseFont(pixels, bold));
    {
        const Selected selected(dc, font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
        ExtTextOutW(dc, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(baseline)),
                    0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), steps.data());
    }
}

} // namespace quorvel::ui::win32
