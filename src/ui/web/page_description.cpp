#include "ui/web/page_description.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/faces.h"
#include "ui/controls/geometry.h"
#include "ui/controls/json.h"
#include "ui/web/css_units.h"
#include "ui/web/window_fit.h"

#include <array>
#include <cmath>
#include <span>

namespace quorvel::ui::web {
namespace {

// CSS pixels are pixels at 96 dpi.

int px(int twips) {
    return pixelsOf(twips, kCssDpi);
}

void rect(JsonWriter& json, const Rect& r) {
    json.key("left").value(px(r.left)).key("top").value(px(r.top));
    json.key("width").value(px(r.width)).key("height").value(px(r.height));
}

void font(JsonWriter& json, const FontChoice& choice) {
    json.key("points").hundredths(pointsOf(choice)).key("bold").boolean(choice.bold);
}

void optionalColour(JsonWriter& json, const std::optional<Colour>& colour) {
    if (colour) {
        json.value(cssColour(*colour));
    } else {
        json.null();
    }
}

// The event a click on the control runs, by its number; null for a control without a handler.
void event(JsonWriter& json, std::string_view control) {
    json.key("click");
    if (const auto click = eventOfControl(control)) {
        json.value(static_cast<int>(*click));
    } else {
        json.null();
    }
}

std::string_view alignment(Alignment a) {
    switch (a) {
    case Alignment::Left:
        break;
    case Alignment::Right:
        return "right";
    case Alignment::Centre:
        return "center";
    }
    return "left";
}

// The name and caption every control row starts with.
void named(JsonWriter& json, std::string_view name, std::string_view caption) {
    json.key("name").value(name).key("caption").value(caption);
}

template <typename Row, typename Write>
void array(JsonWriter& json, std::string_view key, std::span<const Row> rows, Write write) {
    json.key(key).beginArray();
    for (const Row& row : rows) {
        json.beginObject();
        write(json, row);
        json.end();
    }
    json.end();
}

void label(JsonWriter& json, const LabelRow& row) {
    named(json, row.name, row.caption);
    rect(json, row.rect);
    font(json, row.font);
    json.key("back");
    optionalColour(json, row.back);
    json.key("color");
    optionalColour(json, row.text);
    json.key("align").value(alignment(row.alignment));
    event(json, row.name);
    json.key("description").value(row.description);
}

void line(JsonWriter& json, const LineRow& row) {
    const PixelRect bar = barRect(row, kCssDpi);
    json.key("name").value(row.name).key("left").value(bar.left).key("top").value(bar.top);
    json.key("width").value(bar.width).key("height").value(bar.height);
}

void button(JsonWriter& json, const ButtonRow& row) {
    named(json, row.name, row.caption);
    rect(json, row.rect);
    font(json, row.font);
    event(json, row.name);
    json.key("accessibleName").value(accessibleNameOf(row));
    json.key("description").value(row.description);
}

void option(JsonWriter& json, const OptionRow& row) {
    named(json, row.name, row.caption);
    rect(json, row.rect);
    json.key("selected").boolean(row.selected);
    event(json, row.name);
    json.key("description").value(row.description);
}

void menuCommand(JsonWriter& json, const MenuCommandRow& row) {
    named(json, row.name, row.caption);
    event(json, row.name);
}

void frame(JsonWriter& json, const FrameRow& row) {
    json.key("frame").beginObject();
    named(json, row.name, row.caption);
    rect(json, row.rect);
    json.key("description").value(row.description).end();
}

void tabOrderNames(JsonWriter& json) {
    json.key("tabOrder").beginArray();
    for (const std::string_view name : tabOrder()) {
        json.value(name);
    }
    json.end();
}

// The faces as a CSS font-family list, the generic family last.
std::string cssFaces() {
    std::string out;
    for (const std::string_view face : japaneseFaces()) {
        out += "\"" + std::string(face) + "\", ";
    }
    return out + "sans-serif";
}

} // namespace

std::string cssColour(Colour colour) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string text = "#";
    for (const unsigned shift : {0U, 8U, 16U}) {
        const unsigned byte = (colour >> shift) & 0xFFU;
        text += kHex.at(byte >> 4U);
        text += kHex.at(byte & 0xFU);
    }
    return text;
}

std::string pageDescription() {
    JsonWriter json;
    json.beginObject().key("title").value(kWindowCaption).key("face").value(cssFaces());
    json.key("width").value(px(kClientWidthTwips)).key("height").value(px(kClientHeightTwips));
    json.key("windowFrame").beginObject().key("border").hundredths(kPageFrame.border);
    json.key("titleBar")
        .hundredths(kPageFrame.titleBar)
        .key("menuBar")
        .hundredths(kPageFrame.menuBar);
    json.key("menuRule").hundredths(kPageFrame.menuRule).end();
    array(json, "labels", labelTable(), label);
    array(json, "lines", lineTable(), line);
    array(json, "buttons", buttonTable(), button);
    frame(json, displayModeFrame());
    array(json, "options", optionTable(), option);
    array(json, "menu", menuTable(), menuCommand);
    tabOrderNames(json);
    // A tab cannot close itself: what stands in the window's place once it has ended.
    json.key("ended").value("計算機を終了しました。").key("again").value("もう一度使う");
    json.key("fault").value(FaultText).end();
    return json.text();
}

} // namespace quorvel::ui::web
