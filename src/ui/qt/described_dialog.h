#pragma once

#include "ui/session/dialog.h"
#include "ui/session/working_layout.h"

#include <QDialog>

class QListWidget;

namespace quorvel::ui {

// A secondary window on Qt Widgets, made from its description: the lines as a list the arrow keys
// move through, each drawn as laid out for every binding and read as its sentence, then the
// buttons.
class DescribedDialog : public QDialog {
    Q_OBJECT
public:
    // Item data: the line's kind name, and the texts drawn, in reading order.
    static constexpr int KindRole = Qt::UserRole + 1;
    static constexpr int DrawnRole = Qt::UserRole + 2;

    DescribedDialog(const session::DialogDescription& dialog, QWidget* parent);

    [[nodiscard]] QListWidget* steps() const { return steps_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape.
    void reject() override;

private:
    void carryOut(session::DialogCommand command);

    QListWidget* steps_ = nullptr;
    QString clipboardText_;
    session::DialogCommand escape_;
    session::WorkingLayout layout_;
    bool stepAnnounced_ = false;
};

} // namespace quorvel::ui
