#include "image_files.h"

#include <array>
#include <cstddef>
#include <utility>

namespace quorvel::icon {
namespace {

void appendBe32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void appendLe16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8U));
}

void appendLe32(Bytes& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

std::uint32_t crc32(const Bytes& data, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return ~crc;
}

void appendChunk(Bytes& png, const char* type, const Bytes& data) {
    appendBe32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    appendBe32(png, crc32(png, start));
}

// Bits written least significant first, as deflate packs them.
class BitWriter {
public:
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            bit((value >> i) & 1U);
        }
    }
    // A Huffman code goes most significant bit first.
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            bit((value >> i) & 1U);
        }
    }
    Bytes finish() { return std::move(out_); }

private:
    void bit(std::uint32_t b) {
        if (used_ == 0) {
            out_.push_back(0);
        }
        out_.back() |= static_cast<std::uint8_t>(b << used_);
        used_ = (used_ + 1) % 8;
    }
    Bytes out_;
    int used_ = 0;
};

// A literal or length symbol in deflate's fixed Huffman code.
void fixedSymbol(BitWriter& out, int symbol) {
    if (symbol < 144) {
        out.code(static_cast<std::uint32_t>(0x30 + symbol), 8);
    } else if (symbol < 256) {
        out.code(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    } else if (symbol < 280) {
        out.code(static_cast<std::uint32_t>(symbol - 256), 7);
    } else {
        out.code(static_cast<std::uint32_t>(0xC0 + symbol - 280), 8);
    }
}

void fixedMatch(BitWriter& out, int length, int distance) {
    constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                              15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                              67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    constexpr std::array<int, 30> kDistanceBase{
        1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
        193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    int l = 28;
    while (kLengthBase.at(static_cast<std::size_t>(l)) > length) {
        --l;
    }
    fixedSymbol(out, 257 + l);
    out.bits(static_cast<std::uint32_t>(length - kLengthBase.at(static_cast<std::size_t>(l))),
             kLengthExtra.at(static_cast<std::size_t>(l)));
    int d = 29;
    while (kDistanceBase.at(static_cast<std::size_t>(d)) > distance) {
        --d;
    }
    out.code(static_cast<std::uint32_t>(d), 5);
    out.bits(static_cast<std::uint32_t>(distance - kDistanceBase.at(static_cast<std::size_t>(d))),
             d < 4 ? 0 : d / 2 - 1);
}

// A zlib stream in one fixed-Huffman block. An icon repeats itself along each row and from row
// to row, so matches one pixel back and one row back are all the compression it needs.
Bytes zlibCompressed(const Bytes& data, int rowBytes) {
    BitWriter out;
    out.bits(1, 1); // the last block
    out.bits(1, 2); // fixed Huffman codes
    std::size_t i = 0;
    while (i < data.size()) {
        int bestLength = 0;
        int bestDistance = 0;
        for (const int distance : {4, rowBytes}) {
            if (static_cast<std::size_t>(distance) > i) {
                continue;
            }
            int length = 0;
            while (length < 258 && i + static_cast<std::size_t>(length) < data.size() &&
                   data[i + static_cast<std::size_t>(length)] ==
                       data[i + static_cast<std::size_t>(length) -
                            static_cast<std::size_t>(distance)]) {
                ++length;
            }
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
            }
        }
        if (bestLength >= 3) {
            fixedMatch(out, bestLength, bestDistance);
            i += static_cast<std::size_t>(bestLength);
        } else {
            fixedSymbol(out, data[i]);
            ++i;
        }
    }
    fixedSymbol(out, 256); // end of block
    Bytes stream{0x78, 0x01};
    const Bytes block = out.finish();
    stream.insert(stream.end(), block.begin(), block.end());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521U;
        b = (b + a) % 65521U;
    }
    appendBe32(stream, (b << 16U) | a);
    return stream;
}

void appendBitmapHeader(Bytes& out, int size, int bitsPerPixel, std::uint32_t imageBytes,
                        std::uint32_t paletteSize) {
    appendLe32(out, 40); // BITMAPINFOHEADER, height doubled for the mask
    appendLe32(out, static_cast<std::uint32_t>(size));
    appendLe32(out, static_cast<std::uint32_t>(size * 2));
    appendLe16(out, 1);
    appendLe16(out, static_cast<std::uint32_t>(bitsPerPixel));
    appendLe32(out, 0);
    appendLe32(out, imageBytes);
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, paletteSize);
    appendLe32(out, 0);
}

// The AND mask: a bit set where the picture is transparent, rows bottom-up.
void appendMask(Bytes& out, const Image& image) {
    const int rowBytes = ((image.size + 31) / 32) * 4;
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < image.size; ++x) {
            if (image.at(x, y).a == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes fourBitBitmap(const PalettedImage& picture) {
    constexpr std::uint32_t kPaletteSize = 16;
    Bytes out;
    const int size = picture.size;
    const int maskBytes = ((size + 31) / 32) * 4 * size;
    appendBitmapHeader(out, size, 4, static_cast<std::uint32_t>(size / 2 * size + maskBytes),
                       kPaletteSize);
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        const Rgba c = i < picture.palette.size() ? picture.palette[i] : Rgba{};
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const auto index = [&picture, size](int x, int y) {
        return picture.indices[(static_cast<std::size_t>(y) * static_cast<std::size_t>(size)) +
                               static_cast<std::size_t>(x)];
    };
    for (int y = size - 1; y >= 0; --y) { // bottom-up rows
        for (int x = 0; x < size; x += 2) {
            out.push_back(static_cast<std::uint8_t>((index(x, y) << 4U) | index(x + 1, y)));
        }
    }
    appendMask(out, picture.image());
    return out;
}

Bytes thirtyTwoBitBitmap(const Image& image) {
    Bytes out;
    const int size = image.size;
    const int maskBytes = ((size + 31) / 32) * 4 * size;
    appendBitmapHeader(out, size, 32, static_cast<std::uint32_t>(size * size * 4 + maskBytes), 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgba c = image.at(x, y);
            out.insert(out.end(), {c.b, c.g, c.r, c.a});
        }
    }
    appendMask(out, image);
    return out;
}

// From this size up the entries are PNG, as Windows Vista and later read them: a 32-bit bitmap
// of 128 × 128 alone would be 64 KiB in the program file.
constexpr int kSmallestPng = 48;

} // namespace

Image PalettedImage::image() const {
    Image out{size, {}};
    out.pixels.reserve(indices.size());
    for (const std::uint8_t i : indices) {
        out.pixels.push_back(palette[i]);
    }
    return out;
}

Bytes pngOf(const Image& image) {
    Bytes raw;
    for (int y = 0; y < image.size; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < image.size; ++x) {
            const Rgba c = image.at(x, y);
            raw.insert(raw.end(), {c.r, c.g, c.b, c.a});
        }
    }
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBe32(header, static_cast<std::uint32_t>(image.size));
    appendBe32(header, static_cast<std::uint32_t>(image.size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibCompressed(raw, 1 + image.size * 4));
    appendChunk(png, "IEND", {});
    return png;
}

Bytes icoOf(const PalettedImage& sixteenColours, const std::vector<Image>& others) {
    struct Entry {
        int size;
        std::uint32_t colours;
        std::uint32_t bitsPerPixel;
        Bytes data;
    };
    std::vector<Entry> entries;
    entries.push_back({sixteenColours.size, 16, 4, fourBitBitmap(sixteenColours)});
    for (const Image& image : others) {
        entries.push_back({image.size, 0, 32,
                           image.size >= kSmallestPng ? pngOf(image) : thirtyTwoBitBitmap(image)});
    }
    Bytes out;
    appendLe16(out, 0); // ICONDIR
    appendLe16(out, 1);
    appendLe16(out, static_cast<std::uint32_t>(entries.size()));
    auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& e : entries) { // ICONDIRENTRY; 0 stands for 256
        out.push_back(static_cast<std::uint8_t>(e.size >= 256 ? 0 : e.size));
        out.push_back(static_cast<std::uint8_t>(e.size >= 256 ? 0 : e.size));
        out.push_back(static_cast<std::uint8_t>(e.colours));
        out.push_back(0);
        appendLe16(out, 1);
        appendLe16(out, e.bitsPerPixel);
        appendLe32(out, static_cast<std::uint32_t>(e.data.size()));
        appendLe32(out, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
    }
    for (const Entry& e : entries) {
        out.insert(out.end(), e.data.begin(), e.data.end());
    }
    return out;
}

Bytes bmpOf(int width, int height, const std::vector<Rgba>& pixels) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    const int rowBytes = ((width * 3) + 3) / 4 * 4;
    const auto imageBytes = static_cast<std::uint32_t>(rowBytes * height);
    Bytes out{'B', 'M'};
    appendLe32(out, kHeaders + imageBytes);
    appendLe32(out, 0);
    appendLe32(out, kHeaders);
    appendLe32(out, 40);
    appendLe32(out, static_cast<std::uint32_t>(width));
    appendLe32(out, static_cast<std::uint32_t>(height));
    appendLe16(out, 1);
    appendLe16(out, 24);
    appendLe32(out, 0);
    appendLe32(out, imageBytes);
    appendLe32(out, 2835); // 72 dpi, as pictures without a resolution are read
    appendLe32(out, 2835);
    appendLe32(out, 0);
    appendLe32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < width; ++x) {
            const Rgba& c = pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width)) +
                                   static_cast<std::size_t>(x)];
            out.insert(out.end(), {c.b, c.g, c.r});
        }
        out.resize(rowStart + static_cast<std::size_t>(rowBytes), 0);
    }
    return out;
}

} // namespace quorvel::icon
