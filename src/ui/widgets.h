#pragma once

#include <QLabel>
#include <QWidget>

namespace quorvel::ui {

// A label that reports a click: a left button pressed and released over it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
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
