#include "ui/win32/clipboard.h"

#include "ui/win32/text.h"

#include <cstring>
#include <string>

namespace quorvel::ui::win32 {

void copyToClipboard(HWND owner, std::string_view utf8) {
    std::wstring text;
    for (const wchar_t c : widen(utf8)) {
        if (c == L'\n') {
            text += L'\r';
        }
        text += c;
    }
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    if (void* target = GlobalLock(memory); target != nullptr) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    if (OpenClipboard(owner) == FALSE) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

} // namespace quorvel::ui::win32
