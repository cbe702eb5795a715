#pragma once

#include "app/events.h"
#include "entry/virtual_keys.h"

#include <optional>

namespace quorvel {

// The keyboard map: every key that does something, with the button whose operation it performs.
// A key press runs exactly that button's operation; every other key code is ignored, and the key
// is never consumed.
struct KeyRow {
    VirtualKey key;
    Event sameAs;
};

// The button whose operation the key performs, or nothing for a key the window ignores.
[[nodiscard]] std::optional<Event> ButtonOfKey(std::int16_t keyCode);

} // namespace quorvel
