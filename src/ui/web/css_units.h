#pragma once

// The page's measures, for every rule of the web page that places or sizes what the user sees.
namespace quorvel::ui::web {

// CSS pixels are pixels at 96 dpi; the browser scales them for the screen.
inline constexpr int kCssDpi = 96;
// What a finger can be sure to hit: a target's least width and height, and the least distance
// between the centres of two fields.
inline constexpr double kFinger = 44;

} // namespace quorvel::ui::web
