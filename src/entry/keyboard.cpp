#include "entry/keyboard.h"

#include <array>

namespace quorvel {
namespace {

using enum Event;

// clang-format off
constexpr std::array kKeys{
//  key                          same as the button
    KeyRow{Vk0,                  Command4_Click},  // 0 ... 9 of the main keyboard
    KeyRow{Vk0 + 1,              Command5_Click},
    KeyRow{Vk0 + 2,              Command6_Click},
    KeyRow{Vk0 + 3,              Command7_Click},
    KeyRow{Vk0 + 4,              Command8_Click},
    KeyRow{Vk0 + 5,              Command9_Click},
    KeyRow{Vk0 + 6,              Command10_Click},
    KeyRow{Vk0 + 7,              Command11_Click},
    KeyRow{Vk0 + 8,              Command12_Click},
    KeyRow{Vk9,                  Command13_Click},
    KeyRow{VkNumpad0,            Command4_Click},  // keypad 0 ... 9
    KeyRow{VkNumpad0 + 1,        Command5_Click},
    KeyRow{VkNumpad0 + 2,        Command6_Click},
    KeyRow{VkNumpad0 + 3,        Command7_Click},
    KeyRow{VkNumpad0 + 4,        Command8_Click},
    KeyRow{VkNumpad0 + 5,        Command9_Click},
    KeyRow{VkNumpad0 + 6,        Command10_Click},
    KeyRow{VkNumpad0 + 7,        Command11_Click},
    KeyRow{VkNumpad0 + 8,        Command12_Click},
    KeyRow{VkNumpad9,            Command13_Click},
    KeyRow{VkMultiply,           Command16_Click}, // keypad *  ×
    KeyRow{VkAdd,                Command14_Click}, // keypad +  ＋
    KeyRow{VkSubtract,           Command15_Click}, // keypad -  －
    KeyRow{VkDivide,             Command17_Click}, // keypad /  ÷
    KeyRow{VkKeypadEqual,        Command1_Click},  // keypad =  計算
    KeyRow{VkDelete,             Command22_Click}, // Delete    一つ消す
};
// clang-format on

} // namespace

std::optional<Event> ButtonOfKey(std::int16_t keyCode) {
    for (const KeyRow& row : kKeys) {
        if (row.key == keyCode) {
            return row.sameAs;
        }
    }
    return std::nullopt;
}

} // namespace quorvel
