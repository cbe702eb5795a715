#include "key_events.h"

namespace quorvel::scenario {

std::optional<QtKeyPress> qtKeyForVirtualKey(int vk) {
    const auto plain = [](int key) {
        return QtKeyPress{static_cast<Qt::Key>(key), Qt::NoModifier};
    };
    const auto keypad = [](int key) {
        return QtKeyPress{static_cast<Qt::Key>(key), Qt::KeypadModifier};
    };
    if (vk >= 48 && vk <= 57) {
        return plain(Qt::Key_0 + (vk - 48));
    }
    if (vk >= 96 && vk <= 105) {
        return keypad(Qt::Key_0 + (vk - 96));
    }
    if (vk >= 65 && vk <= 90) {
        return plain(Qt::Key_A + (vk - 65));
    }
    if (vk >= 112 && vk <= 123) {
        return plain(Qt::Key_F1 + (vk - 112));
    }
    switch (vk) {
    case 8:
        return plain(Qt::Key_Backspace);
    case 9:
        return plain(Qt::Key_Tab);
    case 13:
        return plain(Qt::Key_Return);
    case 27:
        return plain(Qt::Key_Escape);
    case 32:
        return plain(Qt::Key_Space);
    case 33:
        return plain(Qt::Key_PageUp);
    case 34:
        return plain(Qt::Key_PageDown);
    case 35:
        return plain(Qt::Key_End);
    case 36:
        return plain(Qt::Key_Home);
    case 37:
        return plain(Qt::Key_Left);
    case 38:
        return plain(Qt::Key_Up);
    case 39:
        return plain(Qt::Key_Right);
    case 40:
        return plain(Qt::Key_Down);
    case 45:
        return plain(Qt::Key_Insert);
    case 46:
        return plain(Qt::Key_Delete);
    case 106:
        return keypad(Qt::Key_Asterisk);
    case 107:
        return keypad(Qt::Key_Plus);
    case 109:
        return keypad(Qt::Key_Minus);
    case 110:
        return keypad(Qt::Key_Period);
    case 111:
        return keypad(Qt::Key_Slash);
    case 146:
        return keypad(Qt::Key_Equal);
    case 186:
        return plain(Qt::Key_Semicolon);
    case 187:
        return plain(Qt::Key_Equal);
    case 188:
        return plain(Qt::Key_Comma);
    case 189:
        return plain(Qt::Key_Minus);
    case 190:
        return plain(Qt::Key_Period);
    case 191:
        return plain(Qt::Key_Slash);
    default:
        return std::nullopt;
    }
}

} // namespace quorvel::scenario
