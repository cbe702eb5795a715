#include "ui/web/window_fit.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/controls/json.h"
#include "ui/web/css_units.h"

#include <algorithm>
#include <cmath>

namespace quorvel::ui::web {
namespace {

// Room left round the scaled window.
constexpr double kScreenMargin = 16;
// Larger than this the window would only look coarse.
constexpr double kMostScale = 3;

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

double designedWindowWidth() {
    return pixelsOf(kClientWidthTwips, kCssDpi) + 2 * kPageFrame.border;
}

double designedWindowHeight() {
    return pixelsOf(kClientHeightTwips, kCssDpi) + kPageFrame.titleBar + kPageFrame.menuBar +
           kPageFrame.menuRule + 2 * kPageFrame.border;
}

double smallestDesignedTarget() {
    double smallest = kFinger;
    const auto take = [&smallest](const Rect& r) {
        const PixelRect p = pixelRect(r, kCssDpi);
        smallest =
            std::min({smallest, static_cast<double>(p.width), static_cast<double>(p.height)});
    };
    for (const LabelRow& row : labelTable()) {
        if (row.click.has_value()) {
            take(row.rect);
        }
    }
    for (const ButtonRow& row : buttonTable()) {
        take(row.rect);
    }
    for (const OptionRow& row : optionTable()) {
        take(row.rect);
    }
    return smallest;
}

WindowFit fitWindow(const Viewport& viewport) {
    WindowFit fit;
    const double width = designedWindowWidth();
    const double height = designedWindowHeight();
    fit.scale = std::max(0.1, std::min({kMostScale, (viewport.width - kScreenMargin) / width,
                                        (viewport.height - kScreenMargin) / height}));
    const bool upright = viewport.width < kPhoneBreakpoint && viewport.height > viewport.width;
    const bool tooSmallForAFinger =
        viewport.coarsePointer && fit.scale * smallestDesignedTarget() < kFinger;
    if (upright || tooSmallForAFinger) {
        fit.phone =
            arrangeForPhone(viewport.clientWidth,
                            static_cast<int>(std::floor(viewport.height - kPhoneMenuBarHeight)));
        fit.scale = 1;
        fit.left = (viewport.clientWidth - fit.phone->width) / 2;
        return fit;
    }
    fit.left = std::max(0.0, (viewport.width - width * fit.scale) / 2);
    fit.top = std::max(0.0, (viewport.height - height * fit.scale) / 2);
    return fit;
}

std::string windowLayoutJson(const WindowFit& fit) {
    JsonWriter json;
    json.beginObject().key("phone").boolean(fit.phone.has_value());
    json.key("left").hundredths(fit.left).key("top").hundredths(fit.top);
    if (!fit.phone) {
        json.key("scale").hundredths(fit.scale);
    } else {
        const PhoneArrangement& phone = *fit.phone;
        json.key("menuBar").hundredths(kPhoneMenuBarHeight);
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
