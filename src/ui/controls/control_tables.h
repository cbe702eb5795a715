#pragma once

#include "app/toolkit.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The window's controls as data: one row per control, positions and sizes in twips as the
// layout was drawn (15 twips make one pixel at 96 dpi), colours as &HBBGGRR.
namespace quorvel::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 6480;
inline constexpr int kClientHeightTwips = 4395;
// The window's caption, in its title bar (and what a screen reader calls the window).
inline constexpr std::string_view kWindowCaption = "Quorvel";

// Points and weight of a font that names the window's Japanese face; 0 points means the
// window's default font.
struct FontChoice {
    double points = 0;
    bool bold = false;
};

inline constexpr double kPointsPerInch = 72;
// The window's own font, which a control whose row names no size is drawn in.
inline constexpr double kWindowPoints = 9;

[[nodiscard]] constexpr double pointsOf(const FontChoice& font) {
    return font.points > 0 ? font.points : kWindowPoints;
}

[[nodiscard]] constexpr double pixelsOfPoints(double points, double dotsPerInch) {
    return points * dotsPerInch / kPointsPerInch;
}

enum class Alignment : std::uint8_t { Left, Right, Centre };

struct Rect {
    int left;
    int top;
    int width;
    int height;
};

struct LabelRow {
    LabelId id;
    std::string_view name;
    std::string_view caption;
    Rect rect;
    FontChoice font;
    std::optional<Colour> back;
    std::optional<Colour> text;
    Alignment alignment;
    std::string_view description; // what it is, for assistive technology
};

struct LineRow {
    LineId id;
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
};

struct ButtonRow {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    FontChoice font;
    std::string_view description;
};

struct FrameRow {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    std::string_view description;
};

// Option buttons stand inside the frame; their rectangles are relative to it.
struct OptionRow {
    OptionId id;
    std::string_view name;
    std::string_view caption;
    Rect rect;
    bool selected;
    std::string_view description;
};

struct MenuCommandRow {
    std::string_view name;
    std::string_view caption;
};

std::span<const LabelRow> labelTable();
const LabelRow& labelRow(LabelId id);
std::span<const LineRow> lineTable();
const LineRow& lineRow(LineId id);
const OptionRow& optionRow(OptionId id);
std::span<const ButtonRow> buttonTable();
// What a screen reader reads as a button's name: its caption, and after an operator's symbol the
// word it is read as (「÷ わる」), since a symbol alone is read as a character's name or not at
// all.
std::string accessibleNameOf(const ButtonRow& row);
const FrameRow& displayModeFrame();
std::span<const OptionRow> optionTable();
std::span<const MenuCommandRow> menuTable();
// Control names by tab index; labels and the frame hold an index but never take the focus.
std::span<const std::string_view> tabOrder();

} // namespace quorvel::ui
