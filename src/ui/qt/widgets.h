#pragma once

#include "ui/qt/caption_label.h"

#include <QRadioButton>
#include <QWidget>

namespace quorvel::ui {

// A label that reports a click, a left button pressed and released over it, when it has a
// handler; the others let clicks through to what lies beneath.
class ClickableLabel : public CaptionLabel {
    Q_OBJECT
public:
    ClickableLabel(const LabelRow& row, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An option button of a group stacked top to bottom: Left and Right move the selection as Up and
// Down do, as in every desktop option group.
class GroupOption : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A straight horizontal fraction bar, one pixel wide, in the window's text colour.
class FractionBar : public QWidget {
    Q_OBJECT
public:
    explicit FractionBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quorvel::ui
