#pragma once

#include <string>
#include <string_view>
#include <vector>

// The window on a phone held upright, arranged for the screen's width from the phone layout's
// tables (ui/controls/phone_layout.h): the display in two rows where the operands' fields then
// stand a finger apart, else three, zoomed to the width; the keys in their grid scaled with it;
// the options side by side in their frame; a line for a shortened field's whole value. Every
// place is in CSS pixels; the page only applies them.
namespace quorvel::ui::web {

// Narrower than this and taller than wide is a phone held upright.
inline constexpr int kPhoneBreakpoint = 560;

struct PlacedRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A control's place; a zoomed control's place is in its own, zoomed, pixels.
struct PlacedControl {
    std::string_view name;
    PlacedRect rect;
    double zoom = 1;
};

struct PhoneArrangement {
    std::vector<PlacedControl> display; // labels and bars, zoomed
    std::vector<PlacedControl> keys;    // buttons and the display-mode group
    std::vector<PlacedControl> options; // inside the group
    PlacedRect readout;
    double width = 0;
    double height = 0; // of the client area; the page scrolls where it is taller than the screen
};

[[nodiscard]] bool laysOutForPhone(int viewportWidth, int viewportHeight);
[[nodiscard]] PhoneArrangement arrangeForPhone(int width);

// What the page applies for a viewport: {"phone":false}, or the arrangement.
[[nodiscard]] std::string windowLayoutJson(int viewportWidth, int viewportHeight, int clientWidth);

} // namespace quorvel::ui::web
