#pragma once

#include "ui/win32/message_guard.h"

#include <windows.h>

namespace quorvel::ui::win32 {

// The window procedure of a window that a C++ object owns. The object, passed as
// CreateWindowExW's last argument, is attached in WM_NCCREATE, before any other message, and
// from then on handles every message through the guard. The owner befriends this procedure for
// its hwnd_ and handleMessage.
template <typename Owner>
LRESULT CALLBACK ownedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (owner == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return guardedMessage(hwnd, [&] { return owner->handleMessage(message, wParam, lParam); });
}

} // namespace quorvel::ui::win32
