#pragma once

#include "app/toolkit.h"

#include <string>

// The window's controls as the page builds them: the same tables as the desktop programs, turned
// into one JSON object with CSS pixels (twips / 15), CSS colours and event numbers.
namespace quorvel::ui::web {

// &HBBGGRR as CSS writes it, "#RRGGBB".
[[nodiscard]] std::string cssColour(Colour colour);

[[nodiscard]] std::string pageDescription();

} // namespace quorvel::ui::web
