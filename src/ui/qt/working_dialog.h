#pragma once

#include "ui/session/working_layout.h"

#include <QDialog>

class QListWidget;

namespace quorvel::ui {

// The working window on Qt Widgets: the steps as a list the arrow keys move through, each drawn
// as laid out for every binding and read as its sentence, with コピー and 閉じる. Escape closes it.
class WorkingDialog : public QDialog {
    Q_OBJECT
public:
    // Item data: the line's kind name, and the texts drawn, in reading order.
    static constexpr int KindRole = Qt::UserRole + 1;
    static constexpr int DrawnRole = Qt::UserRole + 2;

    WorkingDialog(const session::WorkingPage& page, QWidget* parent);

    [[nodiscard]] QListWidget* steps() const { return steps_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copyWorking();

    QListWidget* steps_ = nullptr;
    QString plainText_;
    session::WorkingLayout layout_;
    bool stepAnnounced_ = false;
};

} // namespace quorvel::ui
