// What a screen reader reads for a Windows control, asked through Active Accessibility as a
// screen reader asks. The scenario runner and the Windows tests both read through it.
#pragma once

#include <windows.h>

#include <string>

namespace quorvel::scenario::win32 {

struct AccessibleReading {
    std::string name;
    std::string description;
};

// The control itself (CHILDID_SELF) or one of its items; empty texts where it answers nothing.
AccessibleReading accessibleReading(HWND control, LONG child);

} // namespace quorvel::scenario::win32
