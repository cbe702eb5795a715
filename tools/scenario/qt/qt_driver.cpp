#include "qt_driver.h"

#include "key_events.h"

#include "app/form1.h"
#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

namespace quorvel::scenario {
namespace {

// Where a click on the control lands: its centre, or for an option button whose centre lies
// outside its clickable area, a point inside its caption.
QPoint clickPoint(QWidget* widget) {
    const QPoint centre = widget->rect().center();
    auto* option = qobject_cast<QRadioButton*>(widget);
    if (option == nullptr) {
        return centre;
    }
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect clickable =
        option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option);
    if (clickable.contains(centre)) {
        return centre;
    }
    return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).center();
}

Colour toColour(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8U) |
           (static_cast<Colour>(colour.blue()) << 16U);
}

} // namespace

QtDriver::QtDriver(ui::MainWindow& window, Transcript& transcript)
    : window_(window)
    , transcript_(transcript) {
    connect(&window_, &ui::MainWindow::messageBoxAboutToShow, this, &QtDriver::answerMessageBox);
    connect(&window_, &ui::MainWindow::runtimeErrorReported, this,
            [this](RuntimeErrorKind kind) { transcript_.runtimeError(kind); });
    connect(&window_, &ui::MainWindow::unloaded, this, [this] { transcript_.ended(); });
}

void QtDriver::click(const std::string& name) {
    auto* control = window_.findChild<QWidget*>(QString::fromStdString(name));
    if (control == nullptr) {
        return;
    }
    // Deliver the click to whatever the window has at that point, as a real mouse would.
    const QPoint inWindow = control->mapTo(&window_, clickPoint(control));
    QWidget* target = window_.childAt(inWindow);
    if (target == nullptr) {
        target = &window_;
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&window_, inWindow));
}

void QtDriver::chooseMenuCommand(const std::string& name) {
    auto* action = window_.findChild<QAction*>(QString::fromStdString(name));
    QMenuBar* bar = window_.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(action).center());
}

void QtDriver::pressKey(int virtualKey, bool shift, bool ctrl, bool alt) {
    const auto press = qtKeyForVirtualKey(virtualKey);
    if (!press) {
        return;
    }
    Qt::KeyboardModifiers modifiers = press->modifiers;
    modifiers.setFlag(Qt::ShiftModifier, shift);
    modifiers.setFlag(Qt::ControlModifier, ctrl);
    modifiers.setFlag(Qt::AltModifier, alt);
    // Through the window system interface, so the key reaches the focused widget the way a
    // platform key event does.
    QTest::keyClick(window_.windowHandle(), press->key, modifiers);
}

void QtDriver::close() {
    // The close command the window manager sends.
    QCloseEvent event;
    QApplication::sendEvent(window_.windowHandle(), &event);
}

void QtDriver::answerMessageBox(QMessageBox* box, const QString& text) {
    transcript_.message(box->windowTitle().toStdString(), text.toStdString(),
                        box->icon() == QMessageBox::Critical ? MessageIcon::Error
                                                             : MessageIcon::Information);
    QTimer::singleShot(0, box,
                       [box] { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); });
}

WindowState QtDriver::state() {
    WindowState state;
    for (int n = 1; n <= 12; ++n) {
        state.captions.at(static_cast<std::size_t>(n - 1)) =
            window_.label(static_cast<LabelId>(n))->text().toStdString();
    }
    for (int n = 7; n <= 12; ++n) {
        state.fieldColours.at(static_cast<std::size_t>(n - 7)) =
            toColour(window_.label(static_cast<LabelId>(n))->palette().color(QPalette::Window));
    }
    state.line3Visible = window_.line(LineId::Line3)->isVisibleTo(&window_);
    state.option6Selected = window_.optionSelected(OptionId::Option6);
    state.takeVariables(window_.form().vars());
    const QWidget* focus = QApplication::focusWidget();
    state.focus = focus != nullptr ? focus->objectName().toStdString() : std::string();
    return state;
}

void QtDriver::wait(int milliseconds) {
    QTest::qWait(milliseconds);
}

void QtDriver::settle() {
    QApplication::processEvents();
}

} // namespace quorvel::scenario
