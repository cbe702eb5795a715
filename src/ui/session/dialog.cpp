#include "ui/session/dialog.h"

#include "learning/answer_check.h"
#include "ui/session/answer_words.h"
#include "ui/session/history_line.h"

#include <algorithm>
#include <utility>

namespace quorvel::session {
namespace {

// A part of a pupil's answer holds at most the ten digits of a 32-bit number.
constexpr int kAnswerDigits = 10;

// The answer as the fields hold it: the check box is its sign.
learning::PupilAnswer pupilAnswer(const DialogEntries& entries) {
    learning::PupilAnswer answer;
    answer.negative = entries.checked;
    const auto field = [&entries](std::size_t i) {
        return i < entries.fields.size() ? entries.fields[i] : std::string();
    };
    answer.whole = field(0);
    answer.numerator = field(1);
    answer.denominator = field(2);
    return answer;
}

} // namespace

bool DialogDescription::copies() const {
    return std::any_of(buttons.begin(), buttons.end(), [](const DialogButton& button) {
        return button.command == DialogCommand::Copy;
    });
}

std::string DialogDescription::saidAfter(DialogCommand command) const {
    const auto button =
        std::find_if(buttons.begin(), buttons.end(),
                     [command](const DialogButton& b) { return b.command == command; });
    return button != buttons.end() ? button->said : std::string();
}

DialogDescription
historyDialog(const std::vector<Working>& calculations,
              std::function<void(DialogCommand command, std::size_t line)> closed) {
    DialogDescription dialog;
    dialog.name = "HistoryWindow";
    dialog.title = "履歴";
    dialog.listName = "HistoryEntries";
    dialog.listAccessibleName = "これまでの計算";
    for (const Working& calculation : calculations) {
        dialog.lines.push_back(calculationLine(calculation));
        std::string text = workingPlainText({dialog.lines.back()});
        dialog.lineTexts.push_back(text.substr(0, text.size() - 1));
        dialog.clipboardText += text;
    }
    if (dialog.lines.empty()) {
        dialog.lines.push_back(
            {LineKind::Nothing, "", {}, {}, "まだ計算していません。", "まだ計算していません。"});
    }
    dialog.buttons = {
        {"HistoryPick", "選ぶ", DialogCommand::CloseThenPick, ""},
        {"HistoryWorking", "途中式", DialogCommand::CloseThenWorking, ""},
        {"HistoryCopy", "コピー", DialogCommand::CopyLine, "この計算をコピーしました"},
        {"HistoryCopyAll", "全てコピー", DialogCommand::Copy, "履歴をコピーしました"},
        {"HistoryClose", "閉じる", DialogCommand::Close, ""}};
    dialog.defaultButton = "HistoryPick";
    dialog.closed = std::move(closed);
    return dialog;
}

DialogDescription workingDialog(const Working& working) {
    DialogDescription dialog;
    dialog.name = "DescribedWindow";
    dialog.title = "途中式";
    dialog.listName = "WorkingSteps";
    dialog.listAccessibleName = "途中式の各段階";
    dialog.lines = workingLines(working);
    dialog.buttons = {{"WorkingCopy", "コピー", DialogCommand::Copy, "途中式をコピーしました"},
                      {"WorkingClose", "閉じる", DialogCommand::Close, ""}};
    dialog.clipboardText = workingPlainText(dialog.lines);
    return dialog;
}

DialogDescription checkDialog(const Working& problem, std::function<void()> openWorking) {
    DialogDescription dialog;
    dialog.name = "CheckWindow";
    dialog.title = "答え合わせ";
    // The problem as the working's first line shows and says it, unless nothing is entered.
    const std::vector<WorkingLine> lines = workingLines(problem);
    const bool entered = problem.operatorCode != 0 ||
                         std::any_of(problem.entry.begin(), problem.entry.end(),
                                     [](const std::string& entry) { return !entry.empty(); });
    dialog.textName = "CheckProblem";
    if (!entered) {
        dialog.text = "問題: まだ入力されていません";
        dialog.textSaid = "問題 まだ入力されていません";
    } else if (!lines.empty() && lines.front().kind == LineKind::Problem) {
        std::string text = workingPlainText({lines.front()});
        text.pop_back(); // its line end
        dialog.text = std::move(text);
        dialog.textSaid = lines.front().sentence;
    }
    dialog.checkName = "CheckNegative";
    dialog.checkCaption = "マイナス";
    dialog.fields = {{"CheckWhole", "整数部分", kAnswerDigits},
                     {"CheckNumerator", "分子", kAnswerDigits},
                     {"CheckDenominator", "分母", kAnswerDigits}};
    dialog.replyName = "CheckVerdict";
    dialog.reply = "答えを書いて「確かめる」を押してください。";
    dialog.check = [problem](const DialogEntries& entries) {
        return verdictWords(learning::checkAnswer(problem, pupilAnswer(entries)), problem);
    };
    dialog.buttons = {{"CheckRun", "確かめる", DialogCommand::Check, ""},
                      {"CheckWorking", "途中式", DialogCommand::CloseThenWorking, ""},
                      {"CheckClose", "閉じる", DialogCommand::Close, ""}};
    dialog.defaultButton = "CheckRun";
    dialog.closed = [openWorking = std::move(openWorking)](DialogCommand command, std::size_t) {
        if (command == DialogCommand::CloseThenWorking && openWorking) {
            openWorking();
        }
    };
    return dialog;
}

} // namespace quorvel::session
