#include "key_press.h"

#include "ui/qt/virtual_key.h"

namespace quorvel::scenario {
namespace {

bool translatesTo(int qtKey, Qt::KeyboardModifiers modifiers, int virtualKey) {
    return ui::windowsVirtualKey({qtKey, modifiers, 0, 0}, ui::NativeKeyCodes::None) == virtualKey;
}

} // namespace

// Searched among the printable keys and the named ones up to the F-keys.
std::optional<QtKeyPress> qtKeyFor(int virtualKey) {
    // A key of the main keyboard, else of the keypad.
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::KeypadModifier)}) {
        for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key) {
            if (translatesTo(key, modifiers, virtualKey)) {
                return QtKeyPress{static_cast<Qt::Key>(key), modifiers};
            }
        }
        for (int key = Qt::Key_Escape; key <= Qt::Key_F24; ++key) {
            if (translatesTo(key, modifiers, virtualKey)) {
                return QtKeyPress{static_cast<Qt::Key>(key), modifiers};
            }
        }
    }
    return std::nullopt;
}

} // namespace quorvel::scenario
