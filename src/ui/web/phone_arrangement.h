#pragma once

#include <string_view>
#include <vector>

// The window on a phone or another touch screen (ui/web/window_fit.h), arranged from the phone
// layout's tables (ui/controls/phone_layout.h) for the room there is: the display in two rows
// where the operands' fields then stand a finger apart, else three, zoomed to its width; the
// keys in their grid; the options side by side in their frame; a line for a shortened field's
// whole value. Held upright, the display is above the keys; on its side, beside them, the keys as
// large as the height allows. Every place is in CSS pixels; the page only applies them.
namespace quorvel::ui::web {

// Narrower than this and taller than wide is a phone held upright; the arrangement is never wider.
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
    double width = 0;  // of the client area, never wider than it was given
    double height = 0; // the page scrolls where it is taller than the screen
};

// For a client area `width` wide with `height` below the menu bar.
[[nodiscard]] PhoneArrangement arrangeForPhone(int width, int height);

} // namespace quorvel::ui::web
