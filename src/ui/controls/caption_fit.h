#pragma once

#include "ui/controls/control_tables.h"

#include <functional>
#include <string>
#include <string_view>

// How a label's caption is placed in its fixed box. A caption that fits is drawn as designed;
// one that does not is drawn whole at a smaller size, or, below a legible floor, visibly
// shortened. Neither a digit nor the bottom of a glyph is ever cut silently by the label's edge.
namespace quorvel::ui {

// A run of text in the label's face and weight at one pixel size, drawn from the origin. The ink
// is the box of the drawn glyphs, relative to the origin on the baseline (negative above it and
// to its left); the ascent is where a line aligned to the top of the label puts its baseline.
struct TextExtent {
    double advance = 0;
    double inkLeft = 0;
    double inkTop = 0;
    double inkRight = 0;
    double inkBottom = 0;
    double ascent = 0;
};

// Measures UTF-8 text at a pixel size; each binding measures with its own font engine.
using MeasureText = std::function<TextExtent(std::string_view text, double pixelSize)>;

struct CaptionBox {
    double width = 0;
    double height = 0;
    Alignment alignment = Alignment::Left;
    double designPixelSize = 0; // the designed face size on this display
    double floorPixelSize = 0;  // the smallest size still legible on this display
};

struct CaptionLayout {
    std::string text;       // the caption, or its beginning followed by an ellipsis
    double pixelSize = 0;   // the size it is drawn at
    double x = 0;           // left end of its advance, from the label's left edge
    double baseline = 0;    // from the label's top edge
    bool asDesigned = true; // designed size on a line aligned to the top: the toolkit draws it
    bool shortened = false; // an ellipsis stands for the digits that did not fit
};

// The legible floor: 9 pixels at 96 dots per inch, scaled with the display.
double legibleFloorPixels(double dotsPerInch);

CaptionLayout fitCaption(std::string_view caption, const CaptionBox& box,
                         const MeasureText& measure);

} // namespace quorvel::ui
