#pragma once

#include <windows.h>

namespace quorvel::ui::win32 {

// Runs a window procedure's work so that no C++ exception crosses into Windows, which cannot
// unwind through its own frames. The calculation's run-time errors are caught and shown where
// they arise; anything else means the program can no longer be trusted: it says so in Japanese
// and ends, rather than go on in a state nobody knows.
template <typename Handle> LRESULT guardedMessage(HWND hwnd, Handle&& handle) noexcept {
    try {
        return handle();
    } catch (...) {
        MessageBoxW(hwnd, L"予期しないエラーが発生したため、Quorvel を終了します。", L"Quorvel",
                    MB_OK | MB_ICONERROR);
        ExitProcess(3);
    }
}

} // namespace quorvel::ui::win32
