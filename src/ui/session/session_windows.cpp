// The session's secondary windows: the working, 答え合わせ and 履歴, and the history they read;
// and Ctrl+C, which copies the answer on display.
#include "entry/restore_problem.h"
#include "learning/problem_working.h"
#include "ui/session/session.h"
#include "ui/session/session_handlers.h"
#include "ui/session/working_lines.h"

#include <utility>

namespace quorvel::session {

// The working of the calculation on display, with its answer in the display mode chosen now.
void Session::showWorking() {
    showWorkingOf(form_.working());
}

void Session::showWorkingOf(Working working) {
    working.improperMode = window_.optionSelected(OptionId::Option6);
    modal([this, dialog = workingDialog(working)] {
        if (observer_ != nullptr) {
            observer_->workingOpening();
        }
        return window_.showDialog(dialog);
    });
}

// 答え合わせ for the problem in the fields, whether or not it has been calculated: the window
// goes on showing what it showed. Its 途中式 opens the working of that problem.
void Session::showCheck() {
    std::array<std::string, 6> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields.at(i) =
            state(static_cast<LabelId>(static_cast<std::size_t>(LabelId::Label7) + i)).caption;
    }
    const Working problem = learning::workingOfProblem(fields, form_.vars().KN);
    modal([this, dialog = checkDialog(problem, [this, problem] { showWorkingOf(problem); })] {
        return window_.showDialog(dialog);
    });
}

// A calculation that gave an answer joins the history, unless it is the newest one again.
void Session::remember(const Working& working) {
    if (!working.calculated || working.stop || working.steps.empty()) {
        return;
    }
    if (!history_.empty() && history_.back().entry == working.entry &&
        history_.back().operatorCode == working.operatorCode) {
        return;
    }
    history_.push_back(working);
}

// 履歴, newest first, with the answers in the display mode chosen now. 選ぶ puts the chosen problem
// back and calculates it once the window has closed; 途中式 opens its working in its place.
void Session::showHistory() {
    std::vector<Working> shown(history_.rbegin(), history_.rend());
    for (Working& working : shown) {
        working.improperMode = window_.optionSelected(OptionId::Option6);
    }
    auto closed = [this, shown](DialogCommand command, std::size_t line) {
        if (line >= shown.size()) {
            return;
        }
        if (command == DialogCommand::CloseThenWorking) {
            showWorkingOf(shown[line]);
        } else if (command == DialogCommand::CloseThenPick) {
            afterModals_ = [this, picked = shown[line]] {
                run(Narration::Result, [this, &picked] {
                    RestoreProblem(form_, picked.entry, picked.operatorCode);
                    form_.handle(Event::Command1_Click);
                });
            };
        }
    };
    modal([this, dialog = historyDialog(shown, std::move(closed))] {
        if (observer_ != nullptr) {
            observer_->historyOpening();
        }
        return window_.showDialog(dialog);
    });
}

// Ctrl+C copies the answer on display; the key means nothing else to the window.
void Session::copyAnswer() {
    const std::string answer =
        answerPlainText(state(LabelId::Label5).caption, state(LabelId::Label6).caption,
                        state(LabelId::Label2).caption, state(LabelId::Label1).caption);
    // A screen-reader user hears that the copy was made, or why nothing was copied.
    if (answer.empty()) {
        window_.announce("コピーする答えがありません");
        return;
    }
    window_.copyText(answer);
    window_.announce("答えをコピーしました");
}

} // namespace quorvel::session
