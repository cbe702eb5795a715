#include "ui/controls/control_tables.h"

#include "entry/operator_choice.h"
#include "ui/controls/control_rows.h"
#include "ui/session/event_table.h"

#include <algorithm>
#include <array>

namespace quorvel::ui {
namespace {

using namespace rows;

// Every control that takes a place in the window has exactly one place in the tab order, so no
// binding can leave one out; a control missing there, or named twice, stops the build.
static_assert(eachNamedOnce(kTabOrder, kLabels, kButtons, std::array{kFrame}, kOptions),
              "every label, button, option and the frame need exactly one place in the tab order");

// Every button, option and menu command has its event: a control added to the tables without one
// stops the build instead of doing nothing, or failing, at run time.
template <typename Rows> constexpr bool everyRowHasAnEvent(const Rows& rows) {
    return std::all_of(rows.begin(), rows.end(), [](const auto& row) {
        return session::eventOfControl(row.name).has_value();
    });
}
static_assert(everyRowHasAnEvent(kButtons), "a button without a row in the event table");
static_assert(everyRowHasAnEvent(kOptions), "an option without a row in the event table");
static_assert(everyRowHasAnEvent(kMenu), "a menu command without a row in the event table");

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

std::string accessibleNameOf(const ButtonRow& row) {
    const std::int16_t code = OperatorOfSymbol(row.caption);
    if (code == OperatorNone) {
        return std::string(row.caption);
    }
    return std::string(row.caption) + " " + std::string(OperatorWord(code));
}

} // namespace quorvel::ui
