#pragma once

namespace quorvel::ui {

// An information box (バージョン情報) is exposed as a dialog, not as an alert, which screen
// readers announce as a warning (Orca: 「警告」). Error boxes stay alerts.
void exposeInformationBoxesAsDialogs();

} // namespace quorvel::ui
