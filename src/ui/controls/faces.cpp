#include "ui/controls/faces.h"

#include <array>

namespace quorvel::ui {

std::span<const std::string_view> japaneseFaces() {
    static constexpr std::array<std::string_view, 7> kFaces{
        "ＭＳ Ｐゴシック",          "MS PGothic", "IPAPGothic",
        "Noto Sans CJK JP",         "VL PGothic", "TakaoPGothic",
        "Hiragino Kaku Gothic ProN"};
    return kFaces;
}

} // namespace quorvel::ui
