#pragma once

#include <optional>
#include <string>
#include <string_view>

// A browser names a key by where it is on the keyboard (KeyboardEvent.code) and by what it types
// (KeyboardEvent.key); the calculator's keyboard map speaks Windows virtual-key codes. keyCode
// cannot tell them apart: keypad = and the main row's = both give 187.
namespace quorvel::ui::web {

// The virtual-key code a Windows keyboard gives for the key, 0 for a key the calculator never
// sees. A keypad key with NumLock off types its navigation key and gives that key's code, as on
// Windows (keypad 7 → Home, keypad . → Delete).
[[nodiscard]] int virtualKeyOf(std::string_view code, std::string_view key);

struct BrowserKey {
    std::string code;
    std::string key;
};

// The key a browser reports for the virtual-key code, NumLock on; what a scenario presses.
[[nodiscard]] std::optional<BrowserKey> browserKeyOf(int virtualKey);

} // namespace quorvel::ui::web
