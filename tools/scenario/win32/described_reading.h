#pragma once

#include "transcript.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

// What the Windows runner does in the program's secondary windows. Each arms a timer that acts
// once the window is up, from inside the window's own modal loop, as a user there would.
namespace quorvel::scenario {

// The working window: read as a user perceives it, then closed with Escape.
void readWorkingOnceOpen(Transcript& transcript);

// 答え合わせ: the answer typed into its fields (the sign ticked when negative), 確かめる pressed,
// the verdict read as drawn and as heard (the newest of heard, taken out of it, since it was not
// said by the calculator), and the window closed with Escape.
void answerCheckOnceOpen(Transcript& transcript, bool negative,
                         const std::array<std::string, 3>& answer, std::vector<std::string>& heard);

// 履歴: its entries read and the window closed with Escape (pick 0), or the pick-th entry chosen
// with Down and Enter.
void answerHistoryOnceOpen(Transcript& transcript, int pick);

} // namespace quorvel::scenario
