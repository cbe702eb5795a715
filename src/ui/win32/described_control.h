#pragma once

#include <windows.h>

#include <string_view>

namespace quorvel::ui::win32 {

// Gives a native button or option the description its table carries, as the other programs give
// it: a screen reader asking for the control hears its caption as its name, then the
// description. The description is kept by reference: it must outlive the control, as a table
// row's does.
void describeControl(HWND control, const std::string_view& description);

} // namespace quorvel::ui::win32
