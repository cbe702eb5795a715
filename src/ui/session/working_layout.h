#pragma once

#include "ui/controls/caption_fit.h"
#include "ui/session/working_lines.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where each text and fraction bar of the working is drawn, decided once for every binding: the
// caption in a column on the left, the numbers stacked (numerator over a bar over denominator)
// and words wrapped to the width the window may take. On a narrow screen the caption goes above
// its numbers, and numbers that still do not fit go on to the next row: nothing is shortened.
namespace quorvel::session {

// The working's face at one pixel size, as the binding's font engine measures it.
struct WorkingFont {
    double pixelSize = 16;
    std::function<ui::TextExtent(std::string_view text, double pixelSize)> measure;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A run of text, drawn left-aligned and centred vertically in its box.
struct Ink {
    std::string text;
    PixelRect box;
};

// One line of the working, in coordinates from its own top left corner.
struct LaidOutLine {
    int height = 0;
    std::vector<Ink> ink;        // in reading order
    std::vector<PixelRect> bars; // fraction bars, filled in the text colour
};

struct WorkingLayout {
    int width = 0; // of the widest line, padding included
    std::vector<LaidOutLine> lines;
    [[nodiscard]] int height() const;
};

[[nodiscard]] WorkingLayout layOutWorking(const std::vector<WorkingLine>& lines,
                                          const WorkingFont& font, int maxWidth);

// The working's size, in points: readable on a phone without zooming.
inline constexpr double kWorkingPoints = 12;

// How wide the working's lines may run on a screen so wide, in its pixels: wide enough for every
// step on a desktop (48 em), and 4 em short of the screen on a small one, where lines wrap.
[[nodiscard]] int workingTextWidth(int screenWidth, double pixelSize);

// How tall the list of steps is where the screen leaves it at most `available` pixels: all of
// it where there is room, else as many whole steps as fit, so that none is cut at the bottom and
// the list scrolls to the rest.
[[nodiscard]] int workingListHeight(const WorkingLayout& layout, int available);

} // namespace quorvel::session
