#pragma once

#include "app/events.h"
#include "app/toolkit.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The window's controls as data: one row per control with all that is known of it (its place,
// caption, font, what it is for, the event it raises, its tab index and its place on a phone),
// positions and sizes in twips as the layout was drawn (15 twips make one pixel at 96 dpi),
// colours as &HBBGGRR.
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

// Which row of a phone's display a label or bar stands in: the first operand with the operator,
// the second operand, or = with the answer.
enum class PhoneRow : std::uint8_t { First, Second, Answer };

struct LabelRow {
    LabelId id;
    std::string_view name;
    std::string_view caption;
    Rect rect;
    FontChoice font;
    std::optional<Colour> back;
    std::optional<Colour> text;
    Alignment alignment;
    std::optional<Event> click; // an entry field's: clicking it makes it the active field
    int tab;                    // its tab index; a label never takes the focus
    PhoneRow phone;
    std::string_view description; // what it is, for assistive technology
};

struct LineRow {
    LineId id;
    std::string_view name;
    int x1;
    int y1;
    int x2;
    int y2;
    PhoneRow phone;
};

// A button's or the frame's place among a phone's keys, in CSS pixels of a grid for a screen
// kPhoneReferenceWidth wide.
using PhoneKeyPlace = Rect;

struct ButtonRow {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    FontChoice font;
    Event click;
    int tab;
    PhoneKeyPlace phone;
    std::string_view description;
};

struct FrameRow {
    std::string_view name;
    std::string_view caption;
    Rect rect;
    int tab; // held, never taken: the focus goes to its options
    PhoneKeyPlace phone;
    std::string_view description;
};

// Option buttons stand inside the frame; their rectangles are relative to it, and on a phone
// they stand side by side in the frame's key.
struct OptionRow {
    OptionId id;
    std::string_view name;
    std::string_view caption;
    Rect rect;
    bool selected;
    Event click;
    int tab;
    std::string_view description;
};

struct MenuCommandRow {
    std::string_view name;
    std::string_view caption;
    Event click;
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
// The event a control or menu command raises when it is used; none for one that reacts to
// nothing (the answer's labels, the frame, the bars).
std::optional<Event> eventOfControl(std::string_view name);

} // namespace quorvel::ui
