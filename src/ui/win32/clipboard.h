#pragma once

#include <windows.h>

#include <string_view>

namespace quorvel::ui::win32 {

// Puts UTF-8 text on the clipboard as Unicode text, its line ends as Windows writes them.
void copyToClipboard(HWND owner, std::string_view utf8);

} // namespace quorvel::ui::win32
