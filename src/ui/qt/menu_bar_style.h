#pragma once

#include <QProxyStyle>

namespace quorvel::ui {

// The menu bar's commands open no menu, and some styles (Fusion) draw a command highlighted
// only while its menu is open: reached by the keyboard (Alt or F10, then the arrow keys), the
// command would not show. This style draws the command the bar has reached as one with its
// menu open, while the bar has the keyboard.
class MenuBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    MenuBarStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace quorvel::ui
