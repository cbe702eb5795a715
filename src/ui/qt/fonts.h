#pragma once

#include <QFont>

namespace quorvel::ui {

// The window's Japanese face at the given size. The window asks for "ＭＳ Ｐゴシック"; fontconfig
// knows no alias for it, so the metric-compatible IPAPGothic stands in where it is missing, then
// the other proportional gothic faces (ui/controls/faces.h).
[[nodiscard]] QFont japaneseFont(double points, bool bold);

} // namespace quorvel::ui
