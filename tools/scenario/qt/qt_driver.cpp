#include "qt_driver.h"

#include "key_press.h"

#include "app/form1.h"
#include "ui/qt/described_dialog.h"
#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <utility>

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

// The colour the widget paints at a point, rendered as it would be on screen.
QColor paintedAt(QWidget* widget, QPoint point) {
    return widget->grab(QRect(point, QSize(1, 1))).toImage().pixelColor(0, 0);
}

std::string accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name).toStdString()
                                 : std::string();
}

// What the label draws: its own text when laid out as designed, else the fitted text.
std::string shownText(const ui::CaptionLabel& label) {
    const ui::CaptionLayout& layout = label.captionLayout();
    return layout.asDesigned ? label.text().toStdString() : layout.text;
}

} // namespace

QtDriver::QtDriver(ui::MainWindow& window, Transcript& transcript)
    : TranscriptObserver(transcript)
    , window_(window)
    , transcript_(transcript) {
    connect(&window_, &ui::MainWindow::messageBoxAboutToShow, this, &QtDriver::answerMessageBox);
    connect(&window_, &ui::MainWindow::dialogAboutToShow, this, &QtDriver::readDialog);
    window_.session().observe(this);
    // A screen reader hears the notification object each time it is shown: listen there.
    announcement_ = window_.findChild<QWidget*>(QStringLiteral("announcement"));
    if (announcement_ != nullptr) {
        announcement_->installEventFilter(this);
    }
}

QtDriver::~QtDriver() {
    window_.session().observe(nullptr);
}

bool QtDriver::eventFilter(QObject* watched, QEvent* event) {
    if (watched == announcement_ && event->type() == QEvent::Show) {
        announced_.push_back(accessibleName(announcement_));
    }
    return QObject::eventFilter(watched, event);
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
    const auto press = qtKeyFor(virtualKey);
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

void QtDriver::checkAnswer(bool negative, const std::array<std::string, 3>& answer) {
    checkNegative_ = negative;
    checkAnswer_ = answer;
    chooseMenuCommand("CheckAnswer");
}

void QtDriver::readDialog(QDialog* dialog) {
    if (dialog->objectName() == QLatin1String("CheckWindow")) {
        answerCheck(dialog);
    } else if (dialog->objectName() == QLatin1String("HistoryWindow")) {
        answerHistory(dialog);
    } else {
        readWorking(dialog);
    }
}

void QtDriver::openHistory(int pick) {
    historyPick_ = pick;
    chooseMenuCommand("History");
}

// Reports the entries as drawn and read, or chooses one by the keyboard.
void QtDriver::answerHistory(QDialog* history) {
    QTimer::singleShot(0, history, [this, history] {
        (void)QTest::qWaitFor([history] { return QApplication::activeWindow() == history; });
        auto* entries = history->findChild<QListWidget*>(QStringLiteral("HistoryEntries"));
        // The first entry becomes current once the list has had the keyboard a moment.
        (void)QTest::qWaitFor([entries] { return entries->currentRow() == 0; });
        if (historyPick_ > 0) {
            for (int i = 1; i < historyPick_; ++i) {
                QTest::keyClick(history->windowHandle(), Qt::Key_Down);
            }
            QTest::keyClick(history->windowHandle(), Qt::Key_Return);
            return;
        }
        PerceivedWorking perceived;
        perceived.title = history->windowTitle().toStdString();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(entries);
        for (int row = 0; row < entries->count(); ++row) {
            PerceivedStep entry;
            for (const QString& text :
                 entries->item(row)->data(ui::DescribedDialog::DrawnRole).toStringList()) {
                entry.drawn.push_back(text.toStdString());
            }
            entry.said = list->child(row)->text(QAccessible::Name).toStdString();
            perceived.steps.push_back(entry);
        }
        transcript_.history(perceived);
        QTest::keyClick(history->windowHandle(), Qt::Key_Escape);
    });
}

// Types the answer into 答え合わせ as a user would, presses 確かめる, reads what it then shows and
// says, and closes it with Escape.
void QtDriver::answerCheck(QDialog* check) {
    QTimer::singleShot(0, check, [this, check] {
        (void)QTest::qWaitFor([check] { return QApplication::activeWindow() == check; });
        if (checkNegative_) {
            auto* sign = check->findChild<QCheckBox*>(QStringLiteral("CheckNegative"));
            sign->setFocus(Qt::TabFocusReason);
            QTest::keyClick(check->windowHandle(), Qt::Key_Space);
        }
        const std::array<const char*, 3> fields{"CheckWhole", "CheckNumerator", "CheckDenominator"};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto* field = check->findChild<QLineEdit*>(QLatin1String(fields.at(i)));
            field->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(field, QString::fromStdString(checkAnswer_.at(i)));
        }
        QTest::mouseClick(check->findChild<QPushButton*>(QStringLiteral("CheckRun")),
                          Qt::LeftButton);
        PerceivedCheck perceived;
        perceived.problem =
            check->findChild<QLabel*>(QStringLiteral("CheckProblem"))->text().toStdString();
        perceived.drawn =
            check->findChild<QLabel*>(QStringLiteral("CheckVerdict"))->text().toStdString();
        perceived.said = accessibleName(check->findChild<QWidget*>(QStringLiteral("announcement")));
        transcript_.check(perceived);
        QTest::keyClick(check->windowHandle(), Qt::Key_Escape);
    });
}

// Reads the working window once it is on screen, then closes it with Escape as a user would.
void QtDriver::readWorking(QDialog* working) {
    QTimer::singleShot(0, working, [this, working] {
        // What a user meets first is where the focus is once the window is active.
        (void)QTest::qWaitFor([working] { return QApplication::activeWindow() == working; });
        PerceivedWorking perceived;
        perceived.title = working->windowTitle().toStdString();
        auto* steps = working->findChild<QListWidget*>(QStringLiteral("WorkingSteps"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(steps);
        for (int row = 0; row < steps->count(); ++row) {
            const QListWidgetItem* item = steps->item(row);
            PerceivedStep step;
            step.kind = item->data(ui::DescribedDialog::KindRole).toString().toStdString();
            for (const QString& text : item->data(ui::DescribedDialog::DrawnRole).toStringList()) {
                step.drawn.push_back(text.toStdString());
            }
            step.said = list->child(row)->text(QAccessible::Name).toStdString();
            perceived.steps.push_back(step);
        }
        for (const QPushButton* button : working->findChildren<QPushButton*>()) {
            perceived.buttons.push_back(button->text().toStdString());
        }
        QAccessibleInterface* focus = list->focusChild();
        perceived.focus = focus != nullptr && QApplication::focusWidget() == steps
                              ? focus->text(QAccessible::Name).toStdString()
                              : std::string();
        transcript_.working(perceived);
        QTest::keyClick(working->windowHandle(), Qt::Key_Escape);
    });
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
        // The bottom-left pixel: the field's background, below the baseline of its digits.
        ui::CaptionLabel* field = window_.label(static_cast<LabelId>(n));
        state.fieldColours.at(static_cast<std::size_t>(n - 7)) =
            toColour(paintedAt(field, QPoint(0, field->height() - 1)));
    }
    for (int n = 1; n <= 12; ++n) {
        ui::CaptionLabel* label = window_.label(static_cast<LabelId>(n));
        state.labels.at(static_cast<std::size_t>(n - 1)) = {
            shownText(*label), label->toolTip().toStdString(), accessibleName(label)};
    }
    state.announced = std::exchange(announced_, {});
    // The bar is drawn when the window paints the bar's colour there, not its background.
    QWidget* bar = window_.line(LineId::Line3);
    QWidget* client = window_.centralWidget();
    state.line3Visible =
        paintedAt(client, bar->geometry().topLeft()) != client->palette().color(QPalette::Window);
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
