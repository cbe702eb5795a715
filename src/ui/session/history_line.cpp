#include "ui/session/history_line.h"

#include <algorithm>
#include <string_view>

namespace quorvel::session {

WorkingLine calculationLine(const Working& calculation) {
    const std::vector<WorkingLine> lines = workingLines(calculation);
    WorkingLine line{LineKind::Calculation, "", {}, {}, "", ""};
    const auto problem = std::find_if(lines.begin(), lines.end(), [](const WorkingLine& l) {
        return l.kind == LineKind::Problem;
    });
    const auto answer = std::find_if(lines.begin(), lines.end(), [](const WorkingLine& l) {
        return l.kind == LineKind::Answer;
    });
    if (problem == lines.end() || answer == lines.end() || answer->numbers.empty()) {
        return line;
    }
    line.numbers = problem->numbers;
    line.between = problem->between;
    line.numbers.push_back(answer->numbers.front());
    line.between.emplace_back("＝");
    // 「問題 …」 and 「答え …」 as one sentence.
    constexpr std::string_view kProblem = "問題 ";
    constexpr std::string_view kAnswer = "答え ";
    line.sentence = problem->sentence.substr(kProblem.size()) + " は " +
                    answer->sentence.substr(kAnswer.size());
    return line;
}

} // namespace quorvel::session
