#pragma once

#include <Qt>

#include <optional>

namespace quorvel::scenario {

struct QtKeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The key event a platform without native codes delivers for the key whose Windows virtual-key
// code is vk: keypad keys carry KeypadModifier, digits stay digits whatever modifiers are held.
std::optional<QtKeyPress> qtKeyForVirtualKey(int vk);

} // namespace quorvel::scenario
