#pragma once

#include "app/toolkit.h"
#include "ui/controls/caption_fit.h"

#include <functional>
#include <optional>
#include <string>

// How one label looks and what it says: everything a binding needs to show it, decided once for
// every binding.
namespace quorvel::session {

// What a binding's display offers the caption rule: the dots per inch its controls are placed at,
// those its fonts are sized at, and its font engine.
struct LabelDisplay {
    int layoutDotsPerInch = 96;
    double fontDotsPerInch = 96;
    // Measures a run of the label's face and weight at a pixel size.
    std::function<ui::TextExtent(LabelId, std::string_view text, double pixelSize)> measure;
};

struct LabelLook {
    std::string caption;        // the whole text, as the program wrote it
    ui::CaptionLayout layout;   // how it is drawn: size, place, "…" when shortened
    std::optional<Colour> back; // none: the window's background
    bool reduced = false;       // drawn smaller than designed, or shortened
    std::string tooltip;        // the whole caption when it is not drawn whole as designed
    std::string accessibleName; // what a screen reader reads for it
    std::string accessibleDescription;
    // Only for the field being typed into: the whole value where the field shows it shortened,
    // else empty. A display with room for one line under the fields (the phone page) shows it.
    std::optional<std::string> typingReadout;
};

// The label with this caption and back colour, laid out on the display.
[[nodiscard]] LabelLook lookOf(LabelId label, std::string_view caption, std::optional<Colour> back,
                               const LabelDisplay& display);

} // namespace quorvel::session
