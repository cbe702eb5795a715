#pragma once

#include <array>
#include <span>
#include <string_view>

namespace quorvel::ui {

// The window laid out for a phone held upright: the same controls, in the same tab order, placed
// for a thumb. The fields, the bars and the signs keep their designed shapes (their captions
// are fitted to them) and are zoomed to the screen's width in rows: the first operand with the
// operator, the second operand, then = and the answer. Where the screen is wide enough for the
// fields to stand a finger apart, the two operands share one row. The buttons, the display-mode
// group and 終了 stand in a grid of large targets, given in CSS pixels for a screen 320 pixels
// wide and scaled with the screen.
struct PhoneDisplayRow {
    std::string_view name;
    int row; // 0: the first operand and the operator; 1: the second operand; 2: = and the answer
};

struct PhoneKey {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kPhoneReferenceWidth = 320;
// Where each row of the display starts in the designed window, in twips.
inline constexpr std::array kPhoneRowStartTwips{240, 2280, 3840};

[[nodiscard]] std::span<const PhoneDisplayRow> phoneDisplay();
[[nodiscard]] std::span<const PhoneKey> phoneKeys();

} // namespace quorvel::ui
