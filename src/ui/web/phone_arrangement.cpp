#include "ui/web/phone_arrangement.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/controls/json.h"
#include "ui/controls/phone_layout.h"
#include "ui/session/event_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quorvel::ui::web {
namespace {

constexpr int kCssDpi = 96;
constexpr double kMargin = 8;
// Between the centres of two fields a finger can tell apart.
constexpr double kFinger = 44;
// The display is never zoomed more than this, so that the keys keep room.
constexpr double kMostZoom = 2;
// Rows far enough apart that a field of one and a field of the next are a finger apart too.
constexpr double kRowGap = 16;
constexpr double kReadoutHeight = 20;
constexpr double kReadoutSpace = 24;
constexpr double kOptionHeight = 44;

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
        return pixelsOf(kPhoneRowStartTwips[designedRow], kCssDpi);
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
        return session::eventOfControl(item.name).has_value();
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

void rect(JsonWriter& json, const PlacedRect& r) {
    json.key("left").hundredths(r.left).key("top").hundredths(r.top);
    json.key("width").hundredths(r.width).key("height").hundredths(r.height);
}

void placed(JsonWriter& json, std::string_view key, const std::vector<PlacedControl>& controls) {
    json.key(key).beginArray();
    for (const PlacedControl& control : controls) {
        json.beginObject().key("name").value(control.name);
        rect(json, control.rect);
        json.key("zoom").hundredths(control.zoom).end();
    }
    json.end();
}

} // namespace

bool laysOutForPhone(int viewportWidth, int viewportHeight) {
    return viewportWidth < kPhoneBreakpoint && viewportHeight > viewportWidth;
}

PhoneArrangement arrangeForPhone(int width) {
    PhoneArrangement out;
    out.width = width;
    std::vector<DisplayItem> items;
    for (const PhoneDisplayRow& row : phoneDisplay()) {
        items.push_back({row.name, row.row, designed(row.name)});
    }
    const double closest = closestFields(items);
    Rows rows{true};
    double zoom = std::min((width - 2 * kMargin) / rowsWidth(items, rows), kMostZoom);
    if (zoom * closest < kFinger) {
        // One above the other, no larger than a finger needs, so that more of the keys fit.
        rows = Rows{false};
        zoom = std::min((width - 2 * kMargin) / rowsWidth(items, rows), (kFinger + 0.5) / closest);
    }
    int top = std::numeric_limits<int>::max();
    int bottom = 0;
    for (const DisplayItem& item : items) {
        top = std::min(top, item.rect.top);
        bottom = std::max(bottom, item.rect.top + item.rect.height);
    }
    const double rowHeight = bottom - top;
    for (const DisplayItem& item : items) {
        const double x = kMargin + (item.rect.left - rows.start(item)) * zoom;
        const double y =
            kMargin + (rows.rowOf(item) * (rowHeight + kRowGap) + item.rect.top - top) * zoom;
        out.display.push_back({item.name,
                               {x / zoom, y / zoom, static_cast<double>(item.rect.width),
                                static_cast<double>(item.rect.height)},
                               zoom});
    }
    double keysTop = kMargin + (rows.count() * (rowHeight + kRowGap) - kRowGap) * zoom + kMargin;
    out.readout = {kMargin, keysTop, width - 2 * kMargin, kReadoutHeight};
    keysTop += kReadoutSpace;

    const double unit =
        std::min(width, kPhoneBreakpoint) / static_cast<double>(kPhoneReferenceWidth);
    const double inset = (width - kPhoneReferenceWidth * unit) / 2;
    double end = keysTop;
    for (const PhoneKey& key : phoneKeys()) {
        const PlacedRect place{inset + key.left * unit, keysTop + key.top * unit, key.width * unit,
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
    out.height = end + kMargin;
    return out;
}

std::string windowLayoutJson(int viewportWidth, int viewportHeight, int clientWidth) {
    JsonWriter json;
    json.beginObject().key("phone").boolean(laysOutForPhone(viewportWidth, viewportHeight));
    if (laysOutForPhone(viewportWidth, viewportHeight)) {
        const PhoneArrangement phone = arrangeForPhone(clientWidth);
        placed(json, "display", phone.display);
        placed(json, "keys", phone.keys);
        placed(json, "options", phone.options);
        json.key("readout").beginObject();
        rect(json, phone.readout);
        json.end().key("width").hundredths(phone.width).key("height").hundredths(phone.height);
    }
    json.end();
    return json.text();
}

} // namespace quorvel::ui::web
