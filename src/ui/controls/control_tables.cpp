#include "ui/controls/control_tables.h"

#include "entry/operator_choice.h"
#include "ui/controls/control_rows.h"
#include "ui/session/event_table.h"

#include <algorithm>
#include <array>

namespace quorvel::ui {
namespace {

using namespace rows;

// Every tab index is held by exactly one control, so no binding can leave a control out of the
// order or make it twice; a row with an index missing, repeated or out of range stops the build.
static_assert(std::none_of(kTabOrder.begin(), kTabOrder.end(),
                           [](std::string_view name) { return name.empty(); }),
              "every tab index 0 ... 37 needs exactly one label, button, option or the frame");

// How many controls and menu commands raise an event.
constexpr int raisersOf(Event event) {
    int raisers = 0;
    forEachClick(
        [&](std::string_view, std::optional<Event> click) { raisers += click == event ? 1 : 0; });
    return raisers;
}

// Every event but the load step is raised by exactly one control or menu command, and has its
// row (its id on Windows, what is said after it) in the event table: a control whose event is
// missing there, or shared with another, stops the build instead of failing at run time.
static_assert(
    [] {
        int clicks = 0;
        forEachClick([&](std::string_view, std::optional<Event> click) {
            clicks += click.has_value() ? 1 : 0;
        });
        return std::all_of(session::kEventTable.begin(), session::kEventTable.end(),
                           [](const session::EventRow& row) {
                               return raisersOf(row.event) ==
                                      (row.event == Event::Form_Load ? 0 : 1);
                           }) &&
               clicks + 1 == static_cast<int>(session::kEventTable.size());
    }(),
    "every event but the load step needs exactly one control and one row in the event table");

// The row of each label, by its number: every label has exactly one.
constexpr std::array<std::size_t, 13> kLabelRowIndex = [] {
    std::array<std::size_t, 13> index{};
    index.fill(kLabels.size());
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        index.at(static_cast<std::size_t>(kLabels.at(i).id)) = i;
    }
    return index;
}();
static_assert(
    [] {
        for (std::size_t n = 1; n < kLabelRowIndex.size(); ++n) {
            if (kLabelRowIndex.at(n) >= kLabels.size()) {
                return false;
            }
        }
        return kLabels.size() == kLabelRowIndex.size() - 1;
    }(),
    "every label Label1 ... Label12 needs exactly one row");

} // namespace

std::span<const LabelRow> labelTable() {
    return kLabels;
}
const LabelRow& labelRow(LabelId id) {
    return kLabels.at(kLabelRowIndex.at(static_cast<std::size_t>(id)));
}
// Lines and options are numbered from 1 and 5 in their tables' order.
static_assert(kLines.at(0).id == LineId::Line1 && kLines.at(2).id == LineId::Line3);
static_assert(kOptions.at(0).id == OptionId::Option5 && kOptions.at(1).id == OptionId::Option6);
const LineRow& lineRow(LineId id) {
    return kLines.at(static_cast<std::size_t>(id) - 1);
}
const OptionRow& optionRow(OptionId id) {
    return kOptions.at(static_cast<std::size_t>(id) - static_cast<std::size_t>(OptionId::Option5));
}
std::span<const LineRow> lineTable() {
    return kLines;
}
std::span<const ButtonRow> buttonTable() {
    return kButtons;
}
const FrameRow& displayModeFrame() {
    return kFrame;
}
std::span<const OptionRow> optionTable() {
    return kOptions;
}
std::span<const MenuCommandRow> menuTable() {
    return kMenu;
}
std::span<const std::string_view> tabOrder() {
    return kTabOrder;
}

std::optional<Event> eventOfControl(std::string_view name) {
    std::optional<Event> event;
    forEachClick([&](std::string_view control, std::optional<Event> click) {
        if (control == name) {
            event = click;
        }
    });
    return event;
}

std::string accessibleNameOf(const ButtonRow& row) {
    const std::int16_t code = OperatorOfSymbol(row.caption);
    if (code == OperatorNone) {
        return std::string(row.caption);
    }
    return std::string(row.caption) + " " + std::string(OperatorWord(code));
}

} // namespace quorvel::ui
