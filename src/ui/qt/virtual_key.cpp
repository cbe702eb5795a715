#include "ui/qt/virtual_key.h"

namespace quorvel::ui {
namespace {

constexpr int kVkDelete = 46;
constexpr int kVk0 = 48;
constexpr int kVkNumpad0 = 96;
constexpr int kVkMultiply = 106;
constexpr int kVkAdd = 107;
constexpr int kVkSubtract = 109;
constexpr int kVkDivide = 111;
constexpr int kVkKeypadEqual = 146;

// X keycodes 10 ... 19 are the physical 1 ... 9, 0 row on every layout.
constexpr quint32 kX11Key1 = 10;
constexpr quint32 kX11Key0 = 19;

int fromX11(const KeyFacts& key) {
    if (key.nativeScanCode >= kX11Key1 && key.nativeScanCode < kX11Key0) {
        return kVk0 + 1 + static_cast<int>(key.nativeScanCode - kX11Key1);
    }
    if (key.nativeScanCode == kX11Key0) {
        return kVk0;
    }
    const quint32 keysym = key.nativeVirtualKey;
    if (keysym >= 0xffb0 && keysym <= 0xffb9) { // KP_0 ... KP_9, NumLock on
        return kVkNumpad0 + static_cast<int>(keysym - 0xffb0);
    }
    switch (keysym) {
    case 0xffaa:
        return kVkMultiply;
    case 0xffab:
        return kVkAdd;
    case 0xffad:
        return kVkSubtract;
    case 0xffaf:
        return kVkDivide;
    case 0xffbd: // KP_Equal, which Qt reports without KeypadModifier
        return kVkKeypadEqual;
    case 0xffff: // Delete
    case 0xff9f: // KP_Delete
        return kVkDelete;
    default:
        return 0;
    }
}

int fromQtKey(const KeyFacts& key) {
    const bool keypad = key.modifiers.testFlag(Qt::KeypadModifier);
    if (key.qtKey >= Qt::Key_0 && key.qtKey <= Qt::Key_9) {
        return (keypad ? kVkNumpad0 : kVk0) + (key.qtKey - Qt::Key_0);
    }
    if (key.qtKey == Qt::Key_Delete) {
        return kVkDelete;
    }
    if (!keypad) {
        return 0;
    }
    switch (key.qtKey) {
    case Qt::Key_Asterisk:
        return kVkMultiply;
    case Qt::Key_Plus:
        return kVkAdd;
    case Qt::Key_Minus:
        return kVkSubtract;
    case Qt::Key_Slash:
        return kVkDivide;
    case Qt::Key_Equal:
        return kVkKeypadEqual;
    default:
        return 0;
    }
}

} // namespace

NativeKeyCodes nativeKeyCodesOf(const QString& platformName) {
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"))) {
        return NativeKeyCodes::X11;
    }
    if (platformName == QLatin1String("windows")) {
        return NativeKeyCodes::Windows;
    }
    return NativeKeyCodes::None;
}

KeyFacts keyFactsOf(const QKeyEvent& event) {
    return {event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()};
}

int windowsVirtualKey(const KeyFacts& key, NativeKeyCodes native) {
    // Events made up inside the process (QTest, accessibility) carry no native codes.
    const bool hasNativeCodes = key.nativeScanCode != 0 || key.nativeVirtualKey != 0;
    if (native == NativeKeyCodes::X11 && hasNativeCodes) {
        return fromX11(key);
    }
    if (native == NativeKeyCodes::Windows && hasNativeCodes) {
        return static_cast<int>(key.nativeVirtualKey);
    }
    return fromQtKey(key);
}

} // namespace quorvel::ui
