#include "ui/web/page_description.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/faces.h"
#include "ui/controls/geometry.h"
#include "ui/controls/json.h"
#include "ui/controls/phone_layout.h"
#include "ui/session/event_table.h"

#include <array>
#include <cstdio>
#include <span>

namespace quorvel::ui::web {
namespace {

// CSS pixels are pixels at 96 dpi.
constexpr int kCssDpi = 96;

std::string px(int twips) {
    return std::to_string(pixelsOf(twips, kCssDpi));
}

std::string field(std::string_view key, const std::string& value) {
    return jsonString(key) + ":" + value;
}

std::string rect(const Rect& r) {
    return field("left", px(r.left)) + "," + field("top", px(r.top)) + "," +
           field("width", px(r.width)) + "," + field("height", px(r.height));
}

std::string number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

std::string font(const FontChoice& choice) {
    return field("points", number(choice.points)) + "," +
           field("bold", choice.bold ? "true" : "false");
}

std::string optionalColour(const std::optional<Colour>& colour) {
    return colour ? jsonString(cssColour(*colour)) : "null";
}

// The event a click on the control runs, by its number; null for a control without a handler.
std::string event(std::string_view control) {
    const auto click = session::eventOfControl(control);
    return click ? std::to_string(static_cast<int>(*click)) : "null";
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

template <typename Row, typename Write> std::string array(std::span<const Row> rows, Write write) {
    std::string out = "[";
    for (const Row& row : rows) {
        out += (out.size() > 1 ? ",{" : "{") + write(row) + "}";
    }
    return out + "]";
}

std::string label(const LabelRow& row) {
    return field("name", jsonString(row.name)) + "," + field("caption", jsonString(row.caption)) +
           "," + rect(row.rect) + "," + font(row.font) + "," +
           field("back", optionalColour(row.back)) + "," +
           field("color", optionalColour(row.text)) + "," +
           field("align", jsonString(alignment(row.alignment))) + "," +
           field("click", event(row.name)) + "," +
           field("description", jsonString(row.description));
}

std::string line(const LineRow& row) {
    const PixelRect bar = barRect(row, kCssDpi);
    return field("name", jsonString(row.name)) + "," + field("left", std::to_string(bar.left)) +
           "," + field("top", std::to_string(bar.top)) + "," +
           field("width", std::to_string(bar.width)) + "," +
           field("height", std::to_string(bar.height));
}

std::string button(const ButtonRow& row) {
    return field("name", jsonString(row.name)) + "," + field("caption", jsonString(row.caption)) +
           "," + rect(row.rect) + "," + font(row.font) + "," + field("click", event(row.name)) +
           "," + field("description", jsonString(row.description));
}

std::string option(const OptionRow& row) {
    return field("name", jsonString(row.name)) + "," + field("caption", jsonString(row.caption)) +
           "," + rect(row.rect) + "," + field("selected", row.selected ? "true" : "false") + "," +
           field("click", event(row.name)) + "," +
           field("description", jsonString(row.description));
}

std::string menuCommand(const MenuCommandRow& row) {
    return field("name", jsonString(row.name)) + "," + field("caption", jsonString(row.caption)) +
           "," + field("click", event(row.name));
}

std::string frame(const FrameRow& row) {
    return "{" + field("name", jsonString(row.name)) + "," +
           field("caption", jsonString(row.caption)) + "," + rect(row.rect) + "," +
           field("description", jsonString(row.description)) + "}";
}

std::string tabOrderNames() {
    std::string out = "[";
    for (const std::string_view name : tabOrder()) {
        out += (out.size() > 1 ? "," : "") + jsonString(name);
    }
    return out + "]";
}

// The faces as a CSS font-family list, the generic family last.
std::string cssFaces() {
    std::string out;
    for (const std::string_view face : japaneseFaces()) {
        out += "\"" + std::string(face) + "\", ";
    }
    return out + "sans-serif";
}

// The layout for a phone held upright: which display row each field stands in, where each row
// starts in the designed window, and the keys' places for a 320-pixel screen.
std::string phone() {
    std::string display = "[";
    for (const PhoneDisplayRow& row : phoneDisplay()) {
        display += (display.size() > 1 ? ",{" : "{") + field("name", jsonString(row.name)) + "," +
                   field("row", std::to_string(row.row)) + "}";
    }
    std::string keys = "[";
    for (const PhoneKey& key : phoneKeys()) {
        keys += (keys.size() > 1 ? ",{" : "{") + field("name", jsonString(key.name)) + "," +
                field("left", std::to_string(key.left)) + "," +
                field("top", std::to_string(key.top)) + "," +
                field("width", std::to_string(key.width)) + "," +
                field("height", std::to_string(key.height)) + "}";
    }
    return "{" + field("width", std::to_string(kPhoneReferenceWidth)) + "," +
           field("rowStarts", "[" + px(kPhoneRowStartTwips[0]) + "," + px(kPhoneRowStartTwips[1]) +
                                  "," + px(kPhoneRowStartTwips[2]) + "]") +
           "," + field("display", display + "]") + "," + field("keys", keys + "]") + "}";
}

} // namespace

std::string cssColour(Colour colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02X%02X%02X", colour & 0xFFU, (colour >> 8) & 0xFFU,
                  (colour >> 16) & 0xFFU);
    return text.data();
}

std::string pageDescription() {
    return "{" + field("face", jsonString(cssFaces())) + "," +
           field("width", px(kClientWidthTwips)) + "," + field("height", px(kClientHeightTwips)) +
           "," + field("labels", array(labelTable(), label)) + "," +
           field("lines", array(lineTable(), line)) + "," +
           field("buttons", array(buttonTable(), button)) + "," +
           field("frame", frame(displayModeFrame())) + "," +
           field("options", array(optionTable(), option)) + "," +
           field("menu", array(menuTable(), menuCommand)) + "," +
           field("tabOrder", tabOrderNames()) + "," + field("phone", phone()) + "}";
}

} // namespace quorvel::ui::web
