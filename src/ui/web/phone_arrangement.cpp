#include "ui/web/phone_arrangement.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/controls/phone_layout.h"
#include "ui/web/css_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel::ui::web {
namespace {

constexpr double kMargin = 8;
// The display is never zoomed more than this, so that the keys keep room.
constexpr double kMostZoom = 2;
// Rows far enough apart that a field of one and a field of the next are a finger apart too.
constexpr double kRowGap = 16;
constexpr double kReadoutHeight = 20;
constexpr double kReadoutSpace = 24;
constexpr double kOptionHeight = 44;
// The keys' grid is never larger than a large phone's.
constexpr double kMostKeyUnit = static_cast<double>(kPhoneBreakpoint) / kPhoneReferenceWidth;

// A display control's designed place: a label's rectangle, or a bar's.
PixelRect designed(std::string_view name) {
    for (const LabelRow& row : labelTable()) {
        if (row.name == name) {
            return pixelRect(row.rect, kCssDpi);
        }
    }
    for (const LineRow& row : lineTable()) {
        if (row.name == name) {
            return barRect(row, kCssDpi);
        }
    }
    return {};
}

struct DisplayItem {
    std::string_view name;
    int row;
    PixelRect rect;
};

// The display's rows joined two into one (the operands side by side) or not.
struct Rows {
    bool joined;
    [[nodiscard]] int rowOf(const DisplayItem& item) const {
        return joined && item.row > 0 ? item.row - 1 : item.row;
    }
    [[nodiscard]] double start(const DisplayItem& item) const {
        const int designedRow = joined && item.row == 1 ? 0 : item.row;
        return pixelsOf(kPhoneRowStartTwips.at(static_cast<std::size_t>(designedRow)), kCssDpi);
    }
    [[nodiscard]] int count() const { return joined ? 2 : 3; }
};

double rowsWidth(const std::vector<DisplayItem>& items, const Rows& rows) {
    double width = 0;
    for (const DisplayItem& item : items) {
        width = std::max(width, item.rect.left + item.rect.width - rows.start(item));
    }
    return width;
}

// The smallest distance between the centres of two fields (the larger of across and down).
double closestFields(const std::vector<DisplayItem>& items) {
    const auto isField = [](const DisplayItem& item) {
        return eventOfControl(item.name).has_value();
    };
    double closest = std::numeric_limits<double>::infinity();
    for (const DisplayItem& a : items) {
        for (const DisplayItem& b : items) {
            if (&a == &b || !isField(a) || !isField(b)) {
                continue;
            }
            const double across =
                std::abs(a.rect.left + a.rect.width / 2.0 - b.rect.left - b.rect.width / 2.0);
            const double down =
                std::abs(a.rect.top + a.rect.height / 2.0 - b.rect.top - b.rect.height / 2.0);
            closest = std::min(closest, std::max(across, down));
        }
    }
    return closest;
}

// How the display is drawn in a width: its rows joined two into one where the operands' fields
// then stand a finger apart, else three, no larger than a finger needs, so that more of the keys
// fit.
struct DisplayFit {
    Rows rows;
    double zoom;
    double closest; // between two fields' centres, unzoomed
};

DisplayFit fitDisplay(const std::vector<DisplayItem>& items, double closest, double width) {
    const Rows joined{true};
    const double zoom = std::min(width / rowsWidth(items, joined), kMostZoom);
    if (zoom * closest >= kFinger) {
        return {joined, zoom, closest};
    }
    const Rows apart{false};
    return {apart, std::min(width / rowsWidth(items, apart), (kFinger + 0.5) / closest), closest};
}

// Places the display's controls from the arrangement's top left corner; returns its bottom.
double placeDisplay(PhoneArrangement& out, const std::vector<DisplayItem>& items,
                    const DisplayFit& fit, double margin) {
    int top = std::numeric_limits<int>::max();
    int bottom = 0;
    for (const DisplayItem& item : items) {
        top = std::min(top, item.rect.top);
        bottom = std::max(bottom, item.rect.top + item.rect.height);
    }
    const double rowHeight = bottom - top;
    const double zoom = fit.zoom;
    for (const DisplayItem& item : items) {
        const double x = margin + (item.rect.left - fit.rows.start(item)) * zoom;
        const double y =
            margin + (fit.rows.rowOf(item) * (rowHeight + kRowGap) + item.rect.top - top) * zoom;
        out.display.push_back({item.name,
                               {x / zoom, y / zoom, static_cast<double>(item.rect.width),
                                static_cast<double>(item.rect.height)},
                               zoom});
    }
    return margin + (fit.rows.count() * (rowHeight + kRowGap) - kRowGap) * zoom;
}

// The height of the keys' grid at one pixel a unit.
double keysHeight() {
    double end = 0;
    for (const PhoneKey& key : phoneKeys()) {
        end = std::max(end, static_cast<double>(key.top + key.height));
    }
    return end;
}

// The smallest scale of the keys' grid at which its lowest key is a finger's height.
double leastKeyUnit() {
    double lowest = std::numeric_limits<double>::infinity();
    for (const PhoneKey& key : phoneKeys()) {
        lowest = std::min(lowest, static_cast<double>(key.height));
    }
    return kFinger / lowest;
}

// Places the keys' grid at `unit` pixels a unit from (left, top); returns its bottom.
double placeKeys(PhoneArrangement& out, double unit, double left, double top) {
    double end = top;
    for (const PhoneKey& key : phoneKeys()) {
        const PlacedRect place{left + key.left * unit, top + key.top * unit, key.width * unit,
                               key.height * unit};
        out.keys.push_back({key.name, place, 1});
        end = std::max(end, place.top + place.height);
        if (key.name == displayModeFrame().name) {
            // The two options side by side inside it.
            const double half = key.width * unit / 2;
            const auto options = optionTable();
            for (std::size_t i = 0; i < options.size(); ++i) {
                out.options.push_back(
                    {options[i].name,
                     {8 + static_cast<double>(i) * half, 14 * unit, half - 16, kOptionHeight},
                     1});
            }
        }
    }
    return end;
}

} // namespace

PhoneArrangement arrangeForPhone(int width, int height) {
    std::vector<DisplayItem> items;
    for (const PhoneDisplayRow& row : phoneDisplay()) {
        items.push_back({row.name, row.row, designed(row.name)});
    }
    const double closest = closestFields(items);
    PhoneArrangement out;
    out.width = width;
    if (width > height) {
        // On its side: the keys as large as the height allows, but never under a finger, and
        // the display beside them, if its fields can stand a finger apart there.
        const double unit =
            std::clamp((height - 2 * kMargin) / keysHeight(), leastKeyUnit(), kMostKeyUnit);
        const double keysWidth = kPhoneReferenceWidth * unit;
        const double displayWidth = width - keysWidth - 3 * kMargin;
        const DisplayFit fit = fitDisplay(items, closest, displayWidth);
        if (fit.zoom * fit.closest >= kFinger) {
            const double readoutTop = placeDisplay(out, items, fit, kMargin) + kMargin;
            out.readout = {kMargin, readoutTop, displayWidth, kReadoutHeight};
            const double keysEnd = placeKeys(out, unit, kMargin + displayWidth + kMargin, kMargin);
            out.height = std::max(readoutTop + kReadoutHeight, keysEnd) + kMargin;
            return out;
        }
    }
    // Upright, or too narrow for side by side: one above the other, no wider than a large phone.
    width = std::min(width, kPhoneBreakpoint);
    out.width = width;
    const DisplayFit fit = fitDisplay(items, closest, width - 2 * kMargin);
    const double readoutTop = placeDisplay(out, items, fit, kMargin) + kMargin;
    out.readout = {kMargin, readoutTop, width - 2 * kMargin, kReadoutHeight};
    const double unit = std::min(width / static_cast<double>(kPhoneReferenceWidth), kMostKeyUnit);
    const double inset = (width - kPhoneReferenceWidth * unit) / 2;
    out.height = placeKeys(out, unit, inset, readoutTop + kReadoutSpace) + kMargin;
    return out;
}

} // namespace quorvel::ui::web
