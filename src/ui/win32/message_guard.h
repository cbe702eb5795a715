#pragma once

#include "app/toolkit.h"
#include "ui/win32/text.h"

#include <windows.h>

namespace quorvel::ui::win32 {

// Runs a window procedure's work so that no C++ exception crosses into Windows, which cannot
// unwind through its own frames. The calculation's run-time errors are caught and shown where
// they arise, and the session tells of any other fault in its handlers; what is left, a fault in
// the window's own code, means the program can no longer be trusted: it says so, in the words the
// session uses, and ends, rather than go on in a state nobody knows.
template <typename Handle> LRESULT guardedMessage(HWND hwnd, Handle&& handle) noexcept {
    try {
        return handle();
    } catch (...) {
        MessageBoxW(hwnd, widen(FaultText).c_str(), widen(ErrorBoxTitle).c_str(),
                    MB_OK | MB_ICONERROR);
        ExitProcess(3);
    }
}

} // namespace quorvel::ui::win32
