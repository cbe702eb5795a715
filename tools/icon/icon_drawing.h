#pragma once

#include "image_files.h"

#include <string>

// The program's icon as shapes on a 32-unit square: a green card with a dark green edge, 1 over 2
// with a black fraction bar. Drawn for each size rather than scaled from the 32-pixel picture,
// so edges stay sharp and strokes keep their weight, and written as SVG from the same shapes.
namespace quorvel::icon {

[[nodiscard]] Image drawIcon(int size);
[[nodiscard]] std::string iconSvg();

} // namespace quorvel::icon
