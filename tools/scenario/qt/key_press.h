#pragma once

#include <QKeyEvent>

#include <optional>

namespace quorvel::scenario {

struct QtKeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// The key Qt reports for a virtual-key code, NumLock on: the one the binding translates back to
// that code.
[[nodiscard]] std::optional<QtKeyPress> qtKeyFor(int virtualKey);

} // namespace quorvel::scenario
