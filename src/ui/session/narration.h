#pragma once

#include "app/form1.h"
#include "ui/session/event_table.h"

#include <string>
#include <string_view>

// What a screen-reader user hears, so that what a sighted user reads in the window is heard too:
// the active field and what it holds, the operator, the result, read as a Japanese speaker reads
// them. Every binding speaks the same words.
namespace quorvel::session {

// What is announced after a key: what its button announces, nothing for a key the window ignores.
[[nodiscard]] Narration narrationAfterKey(int virtualKey);

// The words, from the window as it stands after the event; empty when there is nothing to say
// (no operator chosen, no result on display).
[[nodiscard]] std::string narrationText(Narration narration, Form1& form);

// A label's caption as it is read out: 「空」 for nothing, the sign as 「マイナス」, the operator
// as the word for it.
[[nodiscard]] std::string spokenCaption(LabelId label, std::string_view caption);

} // namespace quorvel::session
