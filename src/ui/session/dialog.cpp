#include "ui/session/dialog.h"

namespace quorvel::session {

DialogDescription workingDialog(const Working& working) {
    DialogDescription dialog;
    dialog.name = "DescribedWindow";
    dialog.title = "途中式";
    dialog.listName = "WorkingSteps";
    dialog.listAccessibleName = "途中式の各段階";
    dialog.lines = workingLines(working);
    dialog.buttons = {{"WorkingCopy", "コピー", DialogCommand::Copy},
                      {"WorkingClose", "閉じる", DialogCommand::Close}};
    dialog.clipboardText = workingPlainText(dialog.lines);
    return dialog;
}

} // namespace quorvel::session
