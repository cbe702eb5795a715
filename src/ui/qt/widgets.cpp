#include "ui/qt/widgets.h"

#include "ui/controls/control_tables.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quorvel::ui {

ClickableLabel::ClickableLabel(const LabelRow& row, QWidget* parent)
    : CaptionLabel(row, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !row.click.has_value());
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void GroupOption::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QKeyEvent vertical(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                       event->modifiers(), event->text(), event->isAutoRepeat());
    QRadioButton::keyPressEvent(&vertical);
    event->setAccepted(vertical.isAccepted());
}

FractionBar::FractionBar(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void FractionBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace quorvel::ui
