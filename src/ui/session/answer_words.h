#pragma once

#include "arith/working.h"
#include "learning/answer_check.h"

#include <string>

// What 答え合わせ says about a pupil's answer: one sentence or two, written in the window and
// read by a screen reader alike, in words a pupil in 5年 or 6年 understands.
namespace quorvel::session {

[[nodiscard]] std::string verdictWords(const learning::AnswerCheck& check, const Working& working);

} // namespace quorvel::session
