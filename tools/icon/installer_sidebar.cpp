#include "installer_sidebar.h"

#include "icon_drawing.h"

#include <cstddef>

namespace quorvel::icon {
namespace {

constexpr int kIconSize = 128;
constexpr int kIconTop = 40;
constexpr Rgba kTop{0xF4, 0xFF, 0xF4, 255};
constexpr Rgba kBottom{0xC0, 0xFF, 0xC0, 255}; // the icon's card

std::uint8_t mix(std::uint8_t from, std::uint8_t to, int step, int steps) {
    return static_cast<std::uint8_t>(from + ((to - from) * step / steps));
}

Rgba over(Rgba picture, Rgba ground) {
    const auto channel = [&picture](std::uint8_t front, std::uint8_t back) {
        return static_cast<std::uint8_t>(((front * picture.a) + (back * (255 - picture.a)) + 127) /
                                         255);
    };
    return {channel(picture.r, ground.r), channel(picture.g, ground.g),
            channel(picture.b, ground.b), 255};
}

} // namespace

std::vector<Rgba> drawInstallerSidebar() {
    const Image icon = drawIcon(kIconSize);
    const int iconLeft = (kSidebarWidth - kIconSize) / 2;
    std::vector<Rgba> pixels;
    pixels.reserve(static_cast<std::size_t>(kSidebarWidth) * kSidebarHeight);
    for (int y = 0; y < kSidebarHeight; ++y) {
        const int last = kSidebarHeight - 1;
        const Rgba ground{mix(kTop.r, kBottom.r, y, last), mix(kTop.g, kBottom.g, y, last),
                          mix(kTop.b, kBottom.b, y, last), 255};
        for (int x = 0; x < kSidebarWidth; ++x) {
            const bool onIcon = x >= iconLeft && x < iconLeft + kIconSize && y >= kIconTop &&
                                y < kIconTop + kIconSize;
            pixels.push_back(onIcon ? over(icon.at(x - iconLeft, y - kIconTop), ground) : ground);
        }
    }
    return pixels;
}

} // namespace quorvel::icon
