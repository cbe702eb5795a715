#pragma once

#include "image_files.h"

#include <vector>

// The picture down the left of the installer's welcome and finish pages: the program's icon on a
// pale green field that deepens towards the bottom, in the size the pages are designed for.
namespace quorvel::icon {

inline constexpr int kSidebarWidth = 164;
inline constexpr int kSidebarHeight = 314;

// Row by row from the top, opaque.
[[nodiscard]] std::vector<Rgba> drawInstallerSidebar();

} // namespace quorvel::icon
