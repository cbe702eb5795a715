#pragma once

#include "app/events.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Every user event with its control id on Windows and what a screen-reader user hears after it.
// The control or menu command that raises each is in its own row, with the window's controls.
namespace quorvel::session {

// What is said after an event: nothing, the active field, the operator chosen, the result, or
// the first operand and the field the typing goes on in, or that there is no answer to use.
enum class Narration : std::uint8_t { None, ActiveField, Operator, Result, FirstOperand, NoAnswer };

struct EventRow {
    Event event;
    int id; // control id on Windows: LabelN 100 + N, CommandN 200 + N, the options 300 + N,
            // menu commands from 401 on
    Narration announces;
};

// clang-format off
inline constexpr std::array kEventTable{
//  event                               id   announces
    EventRow{Event::Form_Load,           0,   Narration::None},
    EventRow{Event::Command1_Click,      201, Narration::Result},
    EventRow{Event::Command2_Click,      202, Narration::ActiveField},
    EventRow{Event::Command3_Click,      203, Narration::None},
    EventRow{Event::Command4_Click,      204, Narration::ActiveField},
    EventRow{Event::Command5_Click,      205, Narration::ActiveField},
    EventRow{Event::Command6_Click,      206, Narration::ActiveField},
    EventRow{Event::Command7_Click,      207, Narration::ActiveField},
    EventRow{Event::Command8_Click,      208, Narration::ActiveField},
    EventRow{Event::Command9_Click,      209, Narration::ActiveField},
    EventRow{Event::Command10_Click,     210, Narration::ActiveField},
    EventRow{Event::Command11_Click,     211, Narration::ActiveField},
    EventRow{Event::Command12_Click,     212, Narration::ActiveField},
    EventRow{Event::Command13_Click,     213, Narration::ActiveField},
    EventRow{Event::Command14_Click,     214, Narration::Operator},
    EventRow{Event::Command15_Click,     215, Narration::Operator},
    EventRow{Event::Command16_Click,     216, Narration::Operator},
    EventRow{Event::Command17_Click,     217, Narration::Operator},
    EventRow{Event::Command18_Click,     218, Narration::ActiveField},
    EventRow{Event::Command19_Click,     219, Narration::ActiveField},
    EventRow{Event::Command20_Click,     220, Narration::ActiveField},
    EventRow{Event::Command21_Click,     221, Narration::ActiveField},
    EventRow{Event::Command22_Click,     222, Narration::ActiveField},
    EventRow{Event::Command24_Click,     224, Narration::ActiveField},
    EventRow{Event::Label7_Click,        107, Narration::ActiveField},
    EventRow{Event::Label8_Click,        108, Narration::ActiveField},
    EventRow{Event::Label9_Click,        109, Narration::ActiveField},
    EventRow{Event::Label10_Click,       110, Narration::ActiveField},
    EventRow{Event::Label11_Click,       111, Narration::ActiveField},
    EventRow{Event::Label12_Click,       112, Narration::ActiveField},
    EventRow{Event::Option5_Click,       305, Narration::Result},
    EventRow{Event::Option6_Click,       306, Narration::Result},
    EventRow{Event::FileExit_Click,      401, Narration::None},
    EventRow{Event::FileBer_Click,       402, Narration::None},
    EventRow{Event::ViewWorking_Click,   403, Narration::None},
    EventRow{Event::UseAnswer_Click,     404, Narration::FirstOperand},
    EventRow{Event::CheckAnswer_Click,   405, Narration::None},
    EventRow{Event::History_Click,       406, Narration::None},
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

// Each event has one row, and no two rows share an id.
[[nodiscard]] constexpr bool eventTableIsConsistent() {
    for (std::size_t i = 0; i < kEventTable.size(); ++i) {
        for (std::size_t j = i + 1; j < kEventTable.size(); ++j) {
            const EventRow& a = kEventTable.at(i);
            const EventRow& b = kEventTable.at(j);
            if (a.event == b.event || (a.id != 0 && a.id == b.id)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(eventTableIsConsistent(), "an event or id appears twice");

} // namespace quorvel::session
