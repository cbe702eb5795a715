#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvel::ui::win32 {

// Answers WM_GETOBJECT for a control whose accessible name and description are not its window
// text: the system's own accessible object for the control, with the name and description
// replaced, and the names of its items (a list box's, counted from 1) where given. Works where
// the property services do not (Wine), and on every Windows.
LRESULT accessibleObjectWithName(HWND control, WPARAM wParam, const std::wstring& name,
                                 const std::wstring& description,
                                 const std::vector<std::wstring>& itemNames = {});

} // namespace quorvel::ui::win32
