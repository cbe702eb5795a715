#pragma once

#include "app/events.h"
#include "app/form1.h"

#include <cstdint>
#include <string>

// What a screen-reader user hears after a user event, so that what a sighted user reads in the
// fields is heard too: the active field and what it holds, the operator, or the result, read as a
// Japanese speaker reads them. Every binding speaks the same words.
namespace quorvel::ui {

enum class Narration : std::uint8_t { None, ActiveField, Operator, Result };

[[nodiscard]] Narration narrationAfter(Event event);
[[nodiscard]] Narration narrationAfterKey(int virtualKey);

// The words, from the window as it stands after the event; empty when there is nothing to say
// (no operator chosen, no result on display).
[[nodiscard]] std::string narrationText(Narration narration, Form1& form);

} // namespace quorvel::ui
