// make-icons: the program's icon in every file that installing it needs. The 32 × 32 picture of
// 16 colours is the designed one, kept as an XPM; the other sizes are drawn for their size from
// the same picture's shapes (icon_drawing.cpp). It writes hicolor PNGs at 16 to 256 pixels and a
// scalable SVG for the Linux package and the web page, the Windows .ico with the same sizes, and
// the picture beside the Windows installer's welcome and finish pages.
// Standard library only. Its output is kept in the repository (resources/icons), so that a
// Windows or web build needs no build for the host first; a test checks it is up to date.
//   make-icons ICON.xpm OUTDIR
#include "icon_drawing.h"
#include "image_files.h"
#include "installer_sidebar.h"

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

using quorvel::icon::Bytes;
using quorvel::icon::Image;
using quorvel::icon::PalettedImage;
using quorvel::icon::Rgba;

constexpr const char* kAppId = "io.github.quorvel.Quorvel";
constexpr int kDesignedSize = 32;

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
std::optional<PalettedImage> readXpm(const std::string& text) {
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
    PalettedImage picture{width, {}, {}};
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
            picture.indices.push_back(found->second);
        }
    }
    return picture;
}

bool write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool write(const std::filesystem::path& file, const Bytes& bytes) {
    return write(file, std::string(bytes.begin(), bytes.end()));
}

std::filesystem::path appsDir(const std::filesystem::path& out, const std::string& size) {
    const std::filesystem::path dir = out / "hicolor" / size / "apps";
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons ICON.xpm OUTDIR\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::optional<PalettedImage> designed = readXpm(text);
    if (!designed || designed->size != kDesignedSize) {
        std::fprintf(stderr, "make-icons: %s is not a 32 x 32 picture of up to 16 colours\n",
                     argv[1]);
        return 1;
    }
    const std::filesystem::path out(argv[2]);
    std::vector<Image> drawn;
    bool written = true;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const Image image =
            size == kDesignedSize ? designed->image() : quorvel::icon::drawIcon(size);
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        written = written && write(appsDir(out, name) / (std::string(kAppId) + ".png"),
                                   quorvel::icon::pngOf(image));
        if (size != kDesignedSize) {
            drawn.push_back(image);
        }
    }
    written = written && write(appsDir(out, "scalable") / (std::string(kAppId) + ".svg"),
                               quorvel::icon::iconSvg());
    written = written && write(out / "quorvel.ico", quorvel::icon::icoOf(*designed, drawn));
    written = written && write(out / "installer-sidebar.bmp",
                               quorvel::icon::bmpOf(quorvel::icon::kSidebarWidth,
                                                    quorvel::icon::kSidebarHeight,
                                                    quorvel::icon::drawInstallerSidebar()));
    return written ? 0 : 1;
}
