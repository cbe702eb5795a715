#include "ui/qt/menu_bar_style.h"

#include <QApplication>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace quorvel::ui {

// A proxy of the application's own style, so the bar looks as the rest of the desktop does.
MenuBarStyle::MenuBarStyle()
    : QProxyStyle(QApplication::style()->name()) {}

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item != nullptr && widget != nullptr && widget->hasFocus() &&
        item->state.testFlag(State_Selected)) {
        QStyleOptionMenuItem reached = *item;
        reached.state |= State_Sunken;
        QProxyStyle::drawControl(element, &reached, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace quorvel::ui
