#pragma once

#include <cstdint>
#include <vector>

// PNG, ICO and BMP files from RGBA pictures, standard library only.
namespace quorvel::icon {

using Bytes = std::vector<std::uint8_t>;

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A square picture, row by row from the top.
struct Image {
    int size = 0;
    std::vector<Rgba> pixels;

    [[nodiscard]] const Rgba& at(int x, int y) const {
        return pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(size)) +
                      static_cast<std::size_t>(x)];
    }
};

// A picture of at most 16 colours, kept as palette indices, for the 16-colour icon entry.
struct PalettedImage {
    int size = 0;
    std::vector<Rgba> palette;
    std::vector<std::uint8_t> indices;

    [[nodiscard]] Image image() const;
};

[[nodiscard]] Bytes pngOf(const Image& image);

// An icon file of several pictures: the paletted one as a 4-bit bitmap, the small ones as 32-bit
// bitmaps, the large ones as PNG.
[[nodiscard]] Bytes icoOf(const PalettedImage& sixteenColours, const std::vector<Image>& others);

// An opaque picture of any shape, row by row from the top, as a 24-bit Windows bitmap file (the
// installer's page pictures).
[[nodiscard]] Bytes bmpOf(int width, int height, const std::vector<Rgba>& pixels);

} // namespace quorvel::icon
