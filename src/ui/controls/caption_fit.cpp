#include "ui/controls/caption_fit.h"

#include <algorithm>
#include <cmath>

namespace quorvel::ui {
namespace {

constexpr std::string_view kEllipsis = "…";
// Fractions of a pixel that rounding in the font engine may add to a measure.
constexpr double kSlack = 0.01;
// The size search stops when the interval is this small.
constexpr double kSizeStep = 0.25;
// The designed face's ascent, in ems (ＭＳ Ｐゴシック's, 220 of 256; IPAPGothic's is 0.88), and how
// far another face's may be from it and still be drawn on its own line.
constexpr double kDesignedAscentEm = 0.859;
constexpr double kAscentToleranceEm = 0.06;

// Where a line aligned to the label's top puts its baseline: the face's own ascent, as the toolkit
// draws it, unless that is far from the designed face's. Noto Sans CJK's line is a third taller
// (ascent 1.16 em): on it, the operator and ＝ would sit below the fraction bars and the digits on
// their fields' bottom edge, so the text goes where the designed face has it.
double topBaseline(const TextExtent& extent, double pixelSize) {
    const double designed = kDesignedAscentEm * pixelSize;
    return std::abs(extent.ascent - designed) <= kAscentToleranceEm * pixelSize ? extent.ascent
                                                                                : designed;
}

// From the leftmost to the rightmost pixel the text covers, its ink or its advance.
double span(const TextExtent& extent) {
    return std::max(extent.advance, extent.inkRight) - std::min(0.0, extent.inkLeft);
}

bool fitsWidth(const TextExtent& extent, const CaptionBox& box) {
    return span(extent) <= box.width + kSlack;
}

bool fitsHeight(const TextExtent& extent, const CaptionBox& box) {
    return extent.inkBottom - extent.inkTop <= box.height + kSlack;
}

// Where the toolkit's own alignment puts the text: by its advance.
double designedX(const TextExtent& extent, const CaptionBox& box) {
    switch (box.alignment) {
    case Alignment::Right:
        return box.width - extent.advance;
    case Alignment::Centre:
        return (box.width - extent.advance) / 2;
    case Alignment::Left:
        break;
    }
    return 0;
}

// The same alignment applied to everything the text covers, so no ink crosses an edge.
double inkKeepingX(const TextExtent& extent, const CaptionBox& box) {
    const double leftOverhang = -std::min(0.0, extent.inkLeft);
    switch (box.alignment) {
    case Alignment::Right:
        return box.width - std::max(extent.advance, extent.inkRight);
    case Alignment::Centre:
        return (box.width - span(extent)) / 2 + leftOverhang;
    case Alignment::Left:
        break;
    }
    return leftOverhang;
}

bool inkInside(const TextExtent& extent, double x, double baseline, const CaptionBox& box) {
    return x + extent.inkLeft >= -kSlack && x + extent.inkRight <= box.width + kSlack &&
           baseline + extent.inkTop >= -kSlack &&
           baseline + extent.inkBottom <= box.height + kSlack;
}

// The line aligned to the top of the label, moved no further than needed to keep the ink inside
// it: a face whose line is taller than the label (a large ascent) would otherwise lose the
// bottom of every glyph.
double inkKeepingBaseline(const TextExtent& extent, double pixelSize, const CaptionBox& box) {
    double baseline = topBaseline(extent, pixelSize);
    if (baseline + extent.inkBottom > box.height) {
        baseline = box.height - extent.inkBottom;
    }
    if (baseline + extent.inkTop < 0) {
        baseline = -extent.inkTop;
    }
    return baseline;
}

CaptionLayout placed(std::string text, const TextExtent& extent, double pixelSize,
                     const CaptionBox& box) {
    CaptionLayout layout;
    layout.text = std::move(text);
    layout.pixelSize = pixelSize;
    layout.x = inkKeepingX(extent, box);
    layout.baseline = inkKeepingBaseline(extent, pixelSize, box);
    layout.asDesigned = false;
    return layout;
}

// Length of the UTF-8 sequence that ends just before position end.
std::size_t lastCodePointLength(std::string_view text, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0U) == 0x80U) {
        --start;
    }
    return end - start;
}

} // namespace

double legibleFloorPixels(double dotsPerInch) {
    return 9.0 * dotsPerInch / 96.0;
}

CaptionLayout fitCaption(std::string_view caption, const CaptionBox& box,
                         const MeasureText& measure) {
    if (caption.empty()) {
        return {};
    }
    const TextExtent designed = measure(caption, box.designPixelSize);
    const double x = designedX(designed, box);
    if (topBaseline(designed, box.designPixelSize) == designed.ascent &&
        inkInside(designed, x, designed.ascent, box)) {
        CaptionLayout layout;
        layout.text = std::string(caption);
        layout.pixelSize = box.designPixelSize;
        layout.x = x;
        layout.baseline = designed.ascent;
        return layout;
    }
    if (fitsWidth(designed, box) && fitsHeight(designed, box)) {
        // It fits at the designed size, but the face's line is unlike the designed face's or
        // taller than the label, or a glyph reaches past the side: the same size, placed by
        // the program.
        return placed(std::string(caption), designed, box.designPixelSize, box);
    }

    // The largest size between the floor and the design that fits, found by halving.
    const double floor = std::min(box.floorPixelSize, box.designPixelSize);
    const TextExtent atFloor = measure(caption, floor);
    if (fitsWidth(atFloor, box) && fitsHeight(atFloor, box)) {
        double low = floor;
        TextExtent lowExtent = atFloor;
        double high = box.designPixelSize;
        while (high - low > kSizeStep) {
            const double middle = (low + high) / 2;
            const TextExtent extent = measure(caption, middle);
            if (fitsWidth(extent, box) && fitsHeight(extent, box)) {
                low = middle;
                lowExtent = extent;
            } else {
                high = middle;
            }
        }
        return placed(std::string(caption), lowExtent, low, box);
    }

    // Not even the floor takes it whole: keep the beginning (the sign and the leading digits)
    // and show with an ellipsis that the rest is missing.
    std::string kept(caption);
    while (!kept.empty()) {
        kept.resize(kept.size() - lastCodePointLength(kept, kept.size()));
        std::string shown = kept + std::string(kEllipsis);
        const TextExtent extent = measure(shown, floor);
        if (fitsWidth(extent, box) || kept.empty()) {
            CaptionLayout layout = placed(std::move(shown), extent, floor, box);
            layout.shortened = true;
            return layout;
        }
    }
    return {};
}

} // namespace quorvel::ui
