#include "icon_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace quorvel::icon {
namespace {

constexpr double kUnits = 32; // the designed picture's size, in which the shapes are given
constexpr int kSamples = 8;   // per pixel and direction: 64 samples give each pixel its coverage

struct Point {
    double x = 0;
    double y = 0;
};

enum class Kind { Card, Polygon, Stroke };

struct Shape {
    Kind kind;
    Rgba colour;
    std::vector<Point> points; // the polygon's corners or the stroke's path
    double inset = 0;          // a card: its distance from the picture's edge
    double radius = 0;         // a card: its corners' radius; a stroke: half its width
};

constexpr Rgba kEdge{0x20, 0x60, 0x20, 255};
constexpr Rgba kCard{0xC0, 0xFF, 0xC0, 255};
constexpr Rgba kNumerator{0x00, 0x00, 0xA0, 255};
constexpr Rgba kBar{0x00, 0x00, 0x00, 255};
constexpr Rgba kDenominator{0xA0, 0x00, 0x00, 255};

// The edge is one unit wide at 32 pixels and never thinner than a pixel.
std::vector<Shape> shapes(double edge) {
    return {
        {Kind::Card, kEdge, {}, 0, 1.5},
        {Kind::Card, kCard, {}, edge, std::max(0.5, 1.5 - edge)},
        {Kind::Polygon,
         kNumerator,
         {{14, 4},
          {16, 4},
          {16, 12},
          {18, 12},
          {18, 13},
          {12, 13},
          {12, 12},
          {14, 12},
          {14, 7},
          {12, 7}}},
        {Kind::Polygon, kBar, {{5, 15}, {25, 15}, {25, 17}, {5, 17}}},
        {Kind::Stroke,
         kDenominator,
         {{12.1, 21}, {12.7, 20}, {14, 19.5}, {15.3, 20}, {15.9, 21}, {15.7, 22.2}, {12.1, 26.3}},
         0,
         0.95},
        {Kind::Polygon, kDenominator, {{11.15, 26.3}, {17, 26.3}, {17, 28}, {11.15, 28}}},
    };
}

bool insideCard(const Shape& card, Point p) {
    const double low = card.inset;
    const double high = kUnits - card.inset;
    if (p.x < low || p.x > high || p.y < low || p.y > high) {
        return false;
    }
    // Within a corner's square, inside its quarter circle only.
    const double cx = std::clamp(p.x, low + card.radius, high - card.radius);
    const double cy = std::clamp(p.y, low + card.radius, high - card.radius);
    return std::hypot(p.x - cx, p.y - cy) <= card.radius;
}

bool insidePolygon(const std::vector<Point>& corners, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[i];
        const Point b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + ((b.x - a.x) * (p.y - a.y) / (b.y - a.y))) {
            inside = !inside;
        }
    }
    return inside;
}

double distanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double t =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool insideStroke(const Shape& stroke, Point p) {
    for (std::size_t i = 1; i < stroke.points.size(); ++i) {
        if (distanceToSegment(p, stroke.points[i - 1], stroke.points[i]) <= stroke.radius) {
            return true;
        }
    }
    return false;
}

bool inside(const Shape& shape, Point p) {
    switch (shape.kind) {
    case Kind::Card:
        return insideCard(shape, p);
    case Kind::Polygon:
        return insidePolygon(shape.points, p);
    case Kind::Stroke:
        return insideStroke(shape, p);
    }
    return false;
}

// One shape's coverage over what is drawn already, in premultiplied colour.
struct Premultiplied {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;

    void over(Rgba colour, double coverage) {
        r = colour.r * coverage + r * (1 - coverage);
        g = colour.g * coverage + g * (1 - coverage);
        b = colour.b * coverage + b * (1 - coverage);
        a = coverage + a * (1 - coverage);
    }
    [[nodiscard]] Rgba rgba() const {
        if (a <= 0) {
            return {};
        }
        const auto channel = [](double v) {
            return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
        };
        return {channel(r / a), channel(g / a), channel(b / a), channel(a * 255)};
    }
};

std::string number(double v) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", v);
    return text.data();
}

std::string hex(Rgba c) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02X%02X%02X", c.r, c.g, c.b);
    return text.data();
}

std::string pointList(const std::vector<Point>& points) {
    std::string out;
    for (const Point& p : points) {
        out += (out.empty() ? "" : " ") + number(p.x) + "," + number(p.y);
    }
    return out;
}

// The straight edges moved onto the size's pixel grid, so that the card's edge, the bar and the
// numerator's stem are whole pixels wide, not a blur between two.
std::vector<Shape> onPixelGrid(std::vector<Shape> picture, double unitsPerPixel) {
    const auto snap = [unitsPerPixel](double v) {
        return std::round(v / unitsPerPixel) * unitsPerPixel;
    };
    for (Shape& shape : picture) {
        if (shape.kind == Kind::Stroke) {
            continue;
        }
        shape.inset = snap(shape.inset);
        for (Point& p : shape.points) {
            p = {snap(p.x), snap(p.y)};
        }
    }
    return picture;
}

} // namespace

Image drawIcon(int size) {
    const double unitsPerPixel = kUnits / size;
    const std::vector<Shape> picture =
        onPixelGrid(shapes(std::max(1.0, unitsPerPixel)), unitsPerPixel);
    Image image{size, {}};
    image.pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Premultiplied pixel;
            for (const Shape& shape : picture) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        const Point p{(x + (sx + 0.5) / kSamples) * unitsPerPixel,
                                      (y + (sy + 0.5) / kSamples) * unitsPerPixel};
                        hits += inside(shape, p) ? 1 : 0;
                    }
                }
                pixel.over(shape.colour, static_cast<double>(hits) / (kSamples * kSamples));
            }
            image.pixels.push_back(pixel.rgba());
        }
    }
    return image;
}

std::string iconSvg() {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 32 32\" "
                      "width=\"32\" height=\"32\">\n";
    for (const Shape& shape : shapes(1)) {
        switch (shape.kind) {
        case Kind::Card:
            svg += "  <rect x=\"" + number(shape.inset) + "\" y=\"" + number(shape.inset) +
                   "\" width=\"" + number(kUnits - 2 * shape.inset) + "\" height=\"" +
                   number(kUnits - 2 * shape.inset) + "\" rx=\"" + number(shape.radius) +
                   "\" fill=\"" + hex(shape.colour) + "\"/>\n";
            break;
        case Kind::Polygon:
            svg += "  <polygon points=\"" + pointList(shape.points) + "\" fill=\"" +
                   hex(shape.colour) + "\"/>\n";
            break;
        case Kind::Stroke:
            svg += "  <polyline points=\"" + pointList(shape.points) +
                   "\" fill=\"none\" stroke=\"" + hex(shape.colour) + "\" stroke-width=\"" +
                   number(2 * shape.radius) +
                   "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
            break;
        }
    }
    return svg + "</svg>\n";
}

} // namespace quorvel::icon
