#include "ui/qt/main_window.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/qt/box_icon.h"
#include "ui/qt/described_dialog.h"
#include "ui/qt/fonts.h"
#include "ui/qt/information_box_accessible.h"
#include "ui/qt/menu_bar_style.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/widgets.h"

#include "quorvel.xpm"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

namespace quorvel::ui {
namespace {

// Qt scales whole windows for high-density screens itself: the layout is in 96-dpi pixels.
constexpr int kLayoutDpi = 96;

QRect toQRect(const Rect& r) {
    const PixelRect p = pixelRect(r, kLayoutDpi);
    return {p.left, p.top, p.width, p.height};
}

// An option group is entered by Tab on its selected button, as on every desktop: only the
// selected one is a tab stop, the other still takes the focus when clicked.
void followSelectionWithTabStop(QRadioButton* option) {
    const auto update = [option](bool checked) {
        option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    };
    update(option->isChecked());
    QObject::connect(option, &QRadioButton::toggled, option, update);
}

} // namespace

MainWindow::MainWindow()
    : nativeKeyCodes_(nativeKeyCodesOf(QGuiApplication::platformName())) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(kWindowCaption));
    // Built from the picture compiled in: reading it from a file or resource would make Qt load
    // every image-format plugin to find a reader, which costs start-up time.
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(quorvel_icon))));
    setFont(japaneseFont(kWindowPoints, false));
    exposeInformationBoxesAsDialogs();

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(pixelsOf(kClientWidthTwips, kLayoutDpi),
                          pixelsOf(kClientHeightTwips, kLayoutDpi));
    setCentralWidget(client_);

    createLines(client_);
    createLabels(client_);
    createButtons(client_);
    createDisplayModeGroup(client_);
    createMenu();
    applyTabOrder();
    // The window keeps the size its client area and menu bar need.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    announcer_ = makeAnnouncer(client_);
    installKeyPreview();
    session_.start();
}

void MainWindow::createLabels(QWidget* client) {
    for (const LabelRow& row : labelTable()) {
        auto* label = new ClickableLabel(row, client);
        label->setGeometry(toQRect(row.rect));
        connect(label, &ClickableLabel::clicked, this,
                [this, name = row.name] { session_.activate(name); });
        labels_.at(static_cast<std::size_t>(row.id)) = label;
    }
}

void MainWindow::createLines(QWidget* client) {
    for (const LineRow& row : lineTable()) {
        auto* bar = new FractionBar(client);
        bar->setObjectName(toQString(row.name));
        const PixelRect r = barRect(row, kLayoutDpi);
        bar->setGeometry(r.left, r.top, r.width, r.height);
        lines_.at(static_cast<std::size_t>(row.id)) = bar;
    }
}

void MainWindow::createButtons(QWidget* client) {
    for (const ButtonRow& row : buttonTable()) {
        auto* button = new QPushButton(toQString(row.caption), client);
        button->setObjectName(toQString(row.name));
        button->setGeometry(toQRect(row.rect));
        // No button answers Enter as a default button would.
        button->setAutoDefault(false);
        button->setAccessibleName(toQString(accessibleNameOf(row)));
        button->setAccessibleDescription(toQString(row.description));
        if (row.font.points > 0) {
            button->setFont(japaneseFont(row.font.points, row.font.bold));
        }
        connect(button, &QPushButton::clicked, this,
                [this, name = row.name] { session_.activate(name); });
    }
}

void MainWindow::createDisplayModeGroup(QWidget* client) {
    const FrameRow& frameRow = displayModeFrame();
    auto* frame = new QGroupBox(toQString(frameRow.caption), client);
    frame->setObjectName(toQString(frameRow.name));
    frame->setGeometry(toQRect(frameRow.rect));
    frame->setAccessibleDescription(toQString(frameRow.description));
    for (const OptionRow& row : optionTable()) {
        auto* option = new GroupOption(toQString(row.caption), frame);
        option->setObjectName(toQString(row.name));
        option->setGeometry(toQRect(row.rect));
        option->setChecked(row.selected);
        option->setAccessibleDescription(toQString(row.description));
        followSelectionWithTabStop(option);
        // Whenever the user chooses the option: by a click, by the arrow keys, or through the
        // toggle action that assistive technology offers (which toggles without a click). A click
        // on the option already chosen would rewrite nothing, so it need not run the handler.
        connect(option, &QRadioButton::toggled, this, [this, name = row.name](bool chosen) {
            if (chosen) {
                session_.activate(name);
            }
        });
    }
}

void MainWindow::createMenu() {
    auto* style = new MenuBarStyle;
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    for (const MenuCommandRow& row : menuTable()) {
        QAction* action = menuBar()->addAction(toQString(row.caption));
        action->setObjectName(toQString(row.name));
        connect(action, &QAction::triggered, this,
                [this, name = row.name] { session_.activate(name); });
    }
}

void MainWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const std::string_view name : tabOrder()) {
        auto* widget = client_->findChild<QWidget*>(toQString(name));
        if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

CaptionLabel* MainWindow::label(LabelId id) const {
    return labels_.at(static_cast<std::size_t>(id));
}

QWidget* MainWindow::line(LineId id) const {
    return lines_.at(static_cast<std::size_t>(id));
}

session::LabelDisplay MainWindow::labelDisplay() const {
    return {kLayoutDpi, static_cast<double>(logicalDpiY()),
            [this](LabelId id, std::string_view text, double pixelSize) {
                return label(id)->measure(text, pixelSize);
            }};
}

void MainWindow::showLabel(LabelId id, const session::LabelLook& look) {
    label(id)->show(look);
}

void MainWindow::setLineVisible(LineId id, bool visible) {
    line(id)->setVisible(visible);
}

bool MainWindow::optionSelected(OptionId option) const {
    return client_->findChild<QRadioButton*>(toQString(optionRow(option).name))->isChecked();
}

session::ModalEnd MainWindow::messageBox(std::string_view text, std::string_view title,
                                         MessageIcon icon) {
    const QString programText = toQString(text);
    // The program separates lines with a carriage return alone; the box breaks on line feeds.
    QString shown = programText;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    toQString(title), shown, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // A box is a window of its own and inherits nothing: give it the window's Japanese face.
    box.setFont(font());
    drawIconForItsDisplay(box);
    emit messageBoxAboutToShow(&box, programText);
    box.exec();
    // Give the keyboard back to the calculator even where no window manager does so.
    activateWindow();
    return session::ModalEnd::Closed;
}

session::ModalEnd MainWindow::showDialog(const session::DialogDescription& dialog) {
    DescribedDialog window(dialog, this);
    emit dialogAboutToShow(&window);
    window.exec();
    activateWindow();
    if (const auto command = window.closedWith(); command && dialog.closed) {
        dialog.closed(*command, window.chosenLine());
    }
    return session::ModalEnd::Closed;
}

void MainWindow::copyText(std::string_view text) {
    QApplication::clipboard()->setText(toQString(text));
}

void MainWindow::unload() {
    close();
}

void MainWindow::announce(std::string_view text) {
    if (isVisible()) {
        announcer_->announce(toQString(text));
    }
}

std::string MainWindow::focusedControl() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !client_->isAncestorOf(focus)) {
        return {};
    }
    return focus->objectName().toStdString();
}

void MainWindow::focusControl(std::string_view name) {
    if (auto* control = client_->findChild<QWidget*>(toQString(name))) {
        control->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::installKeyPreview() {
    // Every key press of this window arrives once at its top-level QWindow, before the widget
    // dispatch hands it to the focused control (or to the window when nothing has the focus).
    // Previewing it there runs the handler exactly once per press, whatever happens to the
    // focus while the handler runs (a message box takes it and gives it back), and a key pressed
    // while a box is open goes to the box's own QWindow, never here.
    create();
    windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == windowHandle()) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const Qt::KeyboardModifiers held = key.modifiers();
        const auto virtualKey =
            static_cast<VirtualKey>(windowsVirtualKey(keyFactsOf(key), nativeKeyCodes_));
        session_.keyDown(virtualKey,
                         {held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::ControlModifier),
                          held.testFlag(Qt::AltModifier)});
        if (virtualKey == VkF10 && held == Qt::NoModifier && isVisible()) {
            openMenuBarByKeyboard();
        }
    }
    // The key is never consumed: the focused control still receives it.
    return QMainWindow::eventFilter(watched, event);
}

// F10 opens the menu bar on its first command, as Alt does and as F10 does on the other programs:
// the bar takes Alt pressed and released alone as that request.
void MainWindow::openMenuBarByKeyboard() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(this, &press);
    QApplication::sendEvent(this, &release);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing is never refused: the program ends with the window, nothing is asked or saved.
    session_.close();
    event->accept();
}

} // namespace quorvel::ui
