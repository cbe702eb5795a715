#pragma once

#include "ui/controls/control_tables.h"

// The layout is drawn in twips (1/1440 inch); a binding places its controls in pixels at its
// display's dots per inch. Every binding converts here, so all three round alike.
namespace quorvel::ui {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Twips to pixels, rounded to the nearest pixel (halves away from zero), as Windows' MulDiv does.
[[nodiscard]] constexpr int pixelsOf(int twips, int dotsPerInch) {
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    const long long half = scaled < 0 ? -720 : 720;
    return static_cast<int>((scaled + half) / 1440);
}

[[nodiscard]] constexpr PixelRect pixelRect(const Rect& r, int dotsPerInch) {
    return {pixelsOf(r.left, dotsPerInch), pixelsOf(r.top, dotsPerInch),
            pixelsOf(r.width, dotsPerInch), pixelsOf(r.height, dotsPerInch)};
}

// A fraction bar: one pixel wide, from its first end point to its last pixel inclusive.
[[nodiscard]] constexpr PixelRect barRect(const LineRow& row, int dotsPerInch) {
    const int left = pixelsOf(row.x1 < row.x2 ? row.x1 : row.x2, dotsPerInch);
    const int top = pixelsOf(row.y1 < row.y2 ? row.y1 : row.y2, dotsPerInch);
    const int right = pixelsOf(row.x1 < row.x2 ? row.x2 : row.x1, dotsPerInch);
    const int bottom = pixelsOf(row.y1 < row.y2 ? row.y2 : row.y1, dotsPerInch);
    return {left, top, right - left + 1, bottom - top + 1};
}

// An option button's rectangle in the window: the tables place it inside its frame.
[[nodiscard]] constexpr Rect inWindow(const OptionRow& option, const FrameRow& frame) {
    return {frame.rect.left + option.rect.left, frame.rect.top + option.rect.top, option.rect.width,
            option.rect.height};
}

} // namespace quorvel::ui
