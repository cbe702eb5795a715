#pragma once

#include "ui/web/phone_arrangement.h"

#include <optional>
#include <string>

// How the window meets the screen the page is shown on: the designed window scaled as a whole
// (a desktop as designed, a large screen larger), or the phone arrangement, on a phone held
// upright and on any touch screen where the scaled window would give a finger a target under
// 44 pixels (a phone on its side, a tablet). Every size is in CSS pixels.
namespace quorvel::ui::web {

// The designed window's frame round its client area as the page draws it, in CSS pixels: known
// here, so that the page never has to lay the window out to learn its size.
struct PageFrame {
    double border = 1;
    double titleBar = 24;
    double menuBar = 20;
    double menuRule = 1; // the line below the menu bar
};
inline constexpr PageFrame kPageFrame{};

// The designed window's size at scale 1, its frame included.
[[nodiscard]] double designedWindowWidth();
[[nodiscard]] double designedWindowHeight();

struct Viewport {
    int width = 0; // the page's viewport
    int height = 0;
    int clientWidth = 0; // the viewport without a scroll bar
    bool coarsePointer = false;
};

// The phone layout's menu bar, a finger's height.
inline constexpr double kPhoneMenuBarHeight = 44;

struct WindowFit {
    std::optional<PhoneArrangement> phone; // else the designed window
    double scale = 1;                      // of the designed window; 1 for the phone layout
    double left = 0;                       // where the window stands in the viewport
    double top = 0;
};

// The smallest thing a finger taps in the designed window at scale 1: a field's height.
[[nodiscard]] double smallestDesignedTarget();

[[nodiscard]] WindowFit fitWindow(const Viewport& viewport);

// What the page applies: {"phone":false,"left":…,"top":…,"scale":…}, or the phone arrangement
// with its place and its menu bar's height.
[[nodiscard]] std::string windowLayoutJson(const WindowFit& fit);

} // namespace quorvel::ui::web
