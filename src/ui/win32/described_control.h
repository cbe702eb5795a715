#pragma once

#include <windows.h>

#include <string_view>

namespace quorvel::ui::win32 {

// Gives a native button or option the name and description the shared tables give it, as the
// other programs give them: a screen reader asking for the control hears the name, then the
// description.
void describeControl(HWND control, std::string_view name, std::string_view description);

} // namespace quorvel::ui::win32
