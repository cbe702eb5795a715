#pragma once

#include "ui/session/dialog.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quorvel::ui {

// The upper part of a secondary window, made from its description: the line of text, the check
// box and the entry fields in a row, each field after its caption, and the reply below them.
class DialogForm : public QWidget {
    Q_OBJECT
public:
    DialogForm(const session::DialogDescription& dialog, QWidget* parent);

    [[nodiscard]] session::DialogEntries entries() const;
    void showReply(const QString& text);
    // The control the window's focus starts on; null for none.
    [[nodiscard]] QWidget* firstField() const;

private:
    QCheckBox* check_ = nullptr;
    std::vector<QLineEdit*> fields_;
    QLabel* reply_ = nullptr;
};

} // namespace quorvel::ui
