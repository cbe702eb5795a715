// make-icons: renders the program's icon, kept as an XPM, into the files that installing it
// needs: hicolor PNGs at several sizes (scaled without smoothing, so the pixels stay crisp), used
// by the Linux package and the web page, and, for Windows builds, a 32 × 32, 16-colour .ico.
// Standard library only, so that every build can run it, with or without Qt.
//   make-icons ICON.xpm OUTDIR
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;
};

// A paletted picture: one palette index per pixel, row by row from the top.
struct Picture {
    int size = 0;
    std::vector<Rgba> palette;
    std::vector<std::uint8_t> pixels;
};

// The quoted strings of an XPM file, in order.
std::vector<std::string> xpmStrings(const std::string& text) {
    std::vector<std::string> strings;
    std::size_t at = 0;
    while ((at = text.find('"', at)) != std::string::npos) {
        const std::size_t end = text.find('"', at + 1);
        if (end == std::string::npos) {
            break;
        }
        strings.push_back(text.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return strings;
}

std::optional<Rgba> colourOf(const std::string& value) {
    if (value == "None") {
        return Rgba{};
    }
    if (value.size() != 7 || value[0] != '#') {
        return std::nullopt;
    }
    const unsigned long rgb = std::stoul(value.substr(1), nullptr, 16);
    return Rgba{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb), 255};
}

// Reads a square XPM with one character per pixel and colours given as #RRGGBB or None.
std::optional<Picture> readXpm(const std::string& text) {
    const std::vector<std::string> strings = xpmStrings(text);
    if (strings.empty()) {
        return std::nullopt;
    }
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
    std::istringstream header(strings[0]);
    if (!(header >> width >> height >> colours >> charsPerPixel) || width != height ||
        charsPerPixel != 1 || colours < 1 || colours > 16 ||
        strings.size() !=
            1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    Picture picture{width, {}, {}};
    std::map<char, std::uint8_t> indexOf;
    for (int i = 0; i < colours; ++i) {
        const std::string& line = strings[1 + static_cast<std::size_t>(i)];
        const std::size_t c = line.find(" c ", 1);
        const std::optional<Rgba> colour =
            c == std::string::npos ? std::nullopt : colourOf(line.substr(c + 3));
        if (line.empty() || !colour) {
            return std::nullopt;
        }
        indexOf[line[0]] = static_cast<std::uint8_t>(i);
        picture.palette.push_back(*colour);
    }
    for (int y = 0; y < height; ++y) {
        const std::string& row =
            strings[1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(y)];
        if (row.size() != static_cast<std::size_t>(width)) {
            return std::nullopt;
        }
        for (const char c : row) {
            const auto found = indexOf.find(c);
            if (found == indexOf.end()) {
                return std::nullopt;
            }
            picture.pixels.push_back(found->second);
        }
    }
    return picture;
}

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

// A zlib stream in one fixed-Huffman block. A scaled icon repeats itself along each row and from
// row to row, so matches one pixel back and one row back are all the compression it needs.
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

// An RGBA PNG of the picture scaled to size × size by repeating pixels.
Bytes pngOf(const Picture& picture, int size) {
    Bytes raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < size; ++x) {
            const int sx = x * picture.size / size;
            const int sy = y * picture.size / size;
            const Rgba c = picture.palette[picture.pixels[(static_cast<std::size_t>(sy) *
                                                           static_cast<std::size_t>(picture.size)) +
                                                          static_cast<std::size_t>(sx)]];
            raw.insert(raw.end(), {c.r, c.g, c.b, c.a});
        }
    }
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBe32(header, static_cast<std::uint32_t>(size));
    appendBe32(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", zlibCompressed(raw, 1 + size * 4));
    appendChunk(png, "IEND", {});
    return png;
}

// A 4-bit paletted icon: the picture's colours form the palette, transparency goes to the mask.
Bytes icoOf(const Picture& picture) {
    const int size = picture.size;
    const int rowBytes = size / 2;
    const int maskRowBytes = ((size + 31) / 32) * 4;
    const int paletteSize = 16;
    const auto dataSize =
        static_cast<std::uint32_t>(40 + paletteSize * 4 + rowBytes * size + maskRowBytes * size);

    Bytes out;
    appendLe16(out, 0); // ICONDIR
    appendLe16(out, 1);
    appendLe16(out, 1);
    out.push_back(static_cast<std::uint8_t>(size)); // ICONDIRENTRY
    out.push_back(static_cast<std::uint8_t>(size));
    out.push_back(paletteSize);
    out.push_back(0);
    appendLe16(out, 1);
    appendLe16(out, 4);
    appendLe32(out, dataSize);
    appendLe32(out, 6 + 16);
    appendLe32(out, 40); // BITMAPINFOHEADER, height doubled for the mask
    appendLe32(out, static_cast<std::uint32_t>(size));
    appendLe32(out, static_cast<std::uint32_t>(size * 2));
    appendLe16(out, 1);
    appendLe16(out, 4);
    appendLe32(out, 0);
    appendLe32(out, static_cast<std::uint32_t>(rowBytes * size + maskRowBytes * size));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, paletteSize);
    appendLe32(out, 0);
    for (int i = 0; i < paletteSize; ++i) {
        const Rgba c = i < static_cast<int>(picture.palette.size())
                           ? picture.palette[static_cast<std::size_t>(i)]
                           : Rgba{};
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const auto index = [&picture, size](int x, int y) {
        return picture.pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(size)) +
                              static_cast<std::size_t>(x)];
    };
    for (int y = size - 1; y >= 0; --y) { // bottom-up rows
        for (int x = 0; x < size; x += 2) {
            out.push_back(static_cast<std::uint8_t>((index(x, y) << 4U) | index(x + 1, y)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if (picture.palette[index(x, y)].a == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool write(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons ICON.xpm OUTDIR\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::optional<Picture> icon = readXpm(text);
    if (!icon || icon->size != 32) {
        std::fprintf(stderr, "make-icons: %s is not a 32 x 32 picture of up to 16 colours\n",
                     argv[1]);
        return 1;
    }
    const std::filesystem::path out(argv[2]);
    for (const int size : {32, 48, 64, 128, 256}) {
        const std::filesystem::path dir =
            out / "hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::filesystem::create_directories(dir);
        if (!write(dir / "io.github.quorvel.Quorvel.png", pngOf(*icon, size))) {
            return 1;
        }
    }
    return write(out / "quorvel.ico", icoOf(*icon)) ? 0 : 1;
}
