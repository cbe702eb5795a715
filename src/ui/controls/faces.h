#pragma once

#include <span>
#include <string_view>

namespace quorvel::ui {

// The faces the window asks for, in order: the designed Japanese P-Gothic under both its names,
// then faces with the same proportional gothic design where it is missing. IPAPGothic has its
// metrics; the others are the proportional Japanese gothic faces Debian, macOS and iOS have.
// Never a fixed-width face: there × looks like x and － like the answer's -.
[[nodiscard]] std::span<const std::string_view> japaneseFaces();

} // namespace quorvel::ui
