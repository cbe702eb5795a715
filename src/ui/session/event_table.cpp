#include "ui/session/event_table.h"

#include "ui/controls/control_tables.h"

namespace quorvel::session {
namespace {

constexpr int kFirstLabelId = 100;
constexpr int kNoId = 0xFFFF;

} // namespace

int controlIdOf(std::string_view control) {
    if (const auto event = ui::eventOfControl(control)) {
        return eventRowOf(*event)->id;
    }
    for (const ui::LabelRow& row : ui::labelTable()) {
        if (row.name == control) {
            return kFirstLabelId + static_cast<int>(row.id);
        }
    }
    return kNoId;
}

} // namespace quorvel::session
