#pragma once

#include <windows.h>

namespace quorvel::ui::win32 {

// A length designed in pixels at 96 dpi, on a display of dpi.
[[nodiscard]] inline int scaled(int pixelsAt96, int dpi) {
    return MulDiv(pixelsAt96, dpi, 96);
}

} // namespace quorvel::ui::win32
