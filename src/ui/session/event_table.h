#pragma once

#include "app/events.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Every user event with the control or menu command that raises it, its control id on Windows
// and what a screen-reader user hears after it. The dispatch, the narration, the scenario reader
// and the Windows program all read this one table.
namespace quorvel::session {

// What is announced after an event: the active field with what it holds, the operator chosen
// (and the field that typing now goes to), or the result.
// What is said after an event: nothing, the active field, the operator chosen, the result, or
// the first operand and the field the typing goes on in, or that there is no answer to use.
enum class Narration : std::uint8_t { None, ActiveField, Operator, Result, FirstOperand, NoAnswer };

struct EventRow {
    Event event;
    std::string_view control; // the control or menu command; "" for the load step
    int id;                   // control id on Windows: LabelN 100 + N, CommandN 200 + N,
                              // the options 300 + N, menu commands from 401 on
    Narration announces;
};

// clang-format off
inline constexpr std::array kEventTable{
//  event                        control       id   announces
    EventRow{Event::Form_Load,       "",           0,   Narration::None},
    EventRow{Event::Command1_Click,  "Command1",   201, Narration::Result},
    EventRow{Event::Command2_Click,  "Command2",   202, Narration::ActiveField},
    EventRow{Event::Command3_Click,  "Command3",   203, Narration::None},
    EventRow{Event::Command4_Click,  "Command4",   204, Narration::ActiveField},
    EventRow{Event::Command5_Click,  "Command5",   205, Narration::ActiveField},
    EventRow{Event::Command6_Click,  "Command6",   206, Narration::ActiveField},
    EventRow{Event::Command7_Click,  "Command7",   207, Narration::ActiveField},
    EventRow{Event::Command8_Click,  "Command8",   208, Narration::ActiveField},
    EventRow{Event::Command9_Click,  "Command9",   209, Narration::ActiveField},
    EventRow{Event::Command10_Click, "Command10",  210, Narration::ActiveField},
    EventRow{Event::Command11_Click, "Command11",  211, Narration::ActiveField},
    EventRow{Event::Command12_Click, "Command12",  212, Narration::ActiveField},
    EventRow{Event::Command13_Click, "Command13",  213, Narration::ActiveField},
    EventRow{Event::Command14_Click, "Command14",  214, Narration::Operator},
    EventRow{Event::Command15_Click, "Command15",  215, Narration::Operator},
    EventRow{Event::Command16_Click, "Command16",  216, Narration::Operator},
    EventRow{Event::Command17_Click, "Command17",  217, Narration::Operator},
    EventRow{Event::Command18_Click, "Command18",  218, Narration::ActiveField},
    EventRow{Event::Command19_Click, "Command19",  219, Narration::ActiveField},
    EventRow{Event::Command20_Click, "Command20",  220, Narration::ActiveField},
    EventRow{Event::Command21_Click, "Command21",  221, Narration::ActiveField},
    EventRow{Event::Command22_Click, "Command22",  222, Narration::ActiveField},
    EventRow{Event::Command24_Click, "Command24",  224, Narration::ActiveField},
    EventRow{Event::Label7_Click,    "Label7",     107, Narration::ActiveField},
    EventRow{Event::Label8_Click,    "Label8",     108, Narration::ActiveField},
    EventRow{Event::Label9_Click,    "Label9",     109, Narration::ActiveField},
    EventRow{Event::Label10_Click,   "Label10",    110, Narration::ActiveField},
    EventRow{Event::Label11_Click,   "Label11",    111, Narration::ActiveField},
    EventRow{Event::Label12_Click,   "Label12",    112, Narration::ActiveField},
    EventRow{Event::Option5_Click,   "Option5",    305, Narration::Result},
    EventRow{Event::Option6_Click,   "Option6",    306, Narration::Result},
    EventRow{Event::FileExit_Click,  "FileExit",   401, Narration::None},
    EventRow{Event::FileBer_Click,   "FileBer",    402, Narration::None},
    EventRow{Event::ViewWorking_Click, "ViewWorking", 403, Narration::None},
    EventRow{Event::UseAnswer_Click, "UseAnswer",  404, Narration::FirstOperand},
    EventRow{Event::CheckAnswer_Click, "CheckAnswer", 405, Narration::None},
    EventRow{Event::History_Click, "History", 406, Narration::None},
};
// clang-format on

[[nodiscard]] constexpr const EventRow* eventRowOf(Event event) {
    for (const EventRow& row : kEventTable) {
        if (row.event == event) {
            return &row;
        }
    }
    return nullptr;
}

[[nodiscard]] constexpr std::optional<Event> eventOfControl(std::string_view control) {
    for (const EventRow& row : kEventTable) {
        if (!control.empty() && row.control == control) {
            return row.event;
        }
    }
    return std::nullopt;
}

[[nodiscard]] constexpr std::optional<Event> eventOfId(int id) {
    for (const EventRow& row : kEventTable) {
        if (id != 0 && row.id == id) {
            return row.event;
        }
    }
    return std::nullopt;
}

// A control's id on Windows: its event's, else for a label 100 + its number (so it can be read
// from outside), else 0xFFFF, the id nothing refers to.
[[nodiscard]] int controlIdOf(std::string_view control);

[[nodiscard]] constexpr Narration narrationAfter(Event event) {
    const EventRow* row = eventRowOf(event);
    return row != nullptr ? row->announces : Narration::None;
}

// Each event has one row, and no two rows share a control or an id.
[[nodiscard]] constexpr bool eventTableIsConsistent() {
    for (std::size_t i = 0; i < kEventTable.size(); ++i) {
        for (std::size_t j = i + 1; j < kEventTable.size(); ++j) {
            const EventRow& a = kEventTable.at(i);
            const EventRow& b = kEventTable.at(j);
            if (a.event == b.event || (!a.control.empty() && a.control == b.control) ||
                (a.id != 0 && a.id == b.id)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(eventTableIsConsistent(), "an event, control or id appears twice");

} // namespace quorvel::session
