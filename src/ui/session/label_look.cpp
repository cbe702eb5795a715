#include "ui/session/label_look.h"

#include "entry/entry_field.h"
#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/session/narration.h"

namespace quorvel::session {
namespace {

// A font engine may size a face a hair away from the size asked for.
constexpr double kSizeTolerance = 0.01;

ui::CaptionBox boxOf(const ui::LabelRow& row, const LabelDisplay& display) {
    const ui::PixelRect rect = ui::pixelRect(row.rect, display.layoutDotsPerInch);
    return {static_cast<double>(rect.width), static_cast<double>(rect.height), row.alignment,
            ui::pixelsOfPoints(ui::pointsOf(row.font), display.fontDotsPerInch),
            ui::legibleFloorPixels(display.fontDotsPerInch)};
}

} // namespace

LabelLook lookOf(LabelId label, std::string_view caption, std::optional<Colour> back,
                 const LabelDisplay& display) {
    const ui::LabelRow& row = ui::labelRow(label);
    const ui::CaptionBox box = boxOf(row, display);
    LabelLook look;
    look.caption = std::string(caption);
    look.back = back;
    look.layout = ui::fitCaption(caption, box, [&display, label](std::string_view text, double px) {
        return display.measure(label, text, px);
    });
    look.reduced =
        look.layout.shortened || look.layout.pixelSize < box.designPixelSize - kSizeTolerance;
    // The tooltip gives the whole value of a field drawn smaller or shortened; the "=" sign, the
    // one label created with its text, is never a value.
    if (look.reduced && row.caption.empty()) {
        look.tooltip = look.caption;
    }
    // Named by what it is and what it holds, so an empty field is not a nameless control and a
    // field holding 1 does not sound like the digit key 1; the active field says so, as its
    // colour shows it.
    look.accessibleName = std::string(row.description) + " " + spokenCaption(label, caption) +
                          (back == ActiveFieldColor ? "（入力中）" : "");
    look.accessibleDescription = std::string(row.description);
    if (back == ActiveFieldColor) {
        look.typingReadout = look.tooltip.empty() ? std::string() : look.accessibleName;
    }
    return look;
}

} // namespace quorvel::session
