#pragma once

#include "entry/virtual_keys.h"

#include <QKeyEvent>

#include <QString>
#include <optional>

namespace quorvel::ui {

// Where a key event's native codes come from, which decides how they are read.
enum class NativeKeyCodes : std::uint8_t {
    None,    // offscreen, QTest: only Qt's key and modifiers
    X11,     // xcb and Wayland: X keycodes and keysyms
    Windows, // the native virtual key already is the code wanted
};

[[nodiscard]] NativeKeyCodes nativeKeyCodesOf(const QString& platformName);

// What of a key event the translation looks at.
struct KeyFacts {
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
};

[[nodiscard]] KeyFacts keyFactsOf(const QKeyEvent& event);

// The Windows virtual-key code the same physical key gives, or 0 for a key Windows has no code
// for. Main-row digits are told by their position, not by the character Shift or the
// layout puts on them; keypad keys are told apart from the same characters on the main keyboard.
[[nodiscard]] int windowsVirtualKey(const KeyFacts& key, NativeKeyCodes native);

} // namespace quorvel::ui
