#pragma once

#include "app/form1.h"

#include <cstdint>

namespace quorvel {

// Windows virtual-key codes the calculator answers to.
inline constexpr std::int16_t VkDelete = 46;
inline constexpr std::int16_t Vk0 = 48;
inline constexpr std::int16_t Vk9 = 57;
inline constexpr std::int16_t VkNumpad0 = 96;
inline constexpr std::int16_t VkNumpad9 = 105;
inline constexpr std::int16_t VkMultiply = 106;
inline constexpr std::int16_t VkAdd = 107;
inline constexpr std::int16_t VkSubtract = 109;
inline constexpr std::int16_t VkDivide = 111;
inline constexpr std::int16_t VkKeypadEqual = 146; // VK_OEM_NEC_EQUAL

// The window's key preview: maps one key-down to the operation of the matching button.
// Every other key code is ignored. The key is never consumed.
void KeyDown(Form1& form, std::int16_t keyCode);

} // namespace quorvel
