#include "ui/qt/main_window.h"

#include "entry/entry_field.h"
#include "ui/controls/control_tables.h"
#include "ui/qt/fonts.h"
#include "ui/qt/widgets.h"

#include "quorvel.xpm"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

namespace quorvel::ui {
namespace {

constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

QRect pixelRect(const Rect& r) {
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

QColor toQColor(Colour c) {
    return {static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8U) & 0xFFU),
            static_cast<int>((c >> 16U) & 0xFFU)};
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void applyFont(QWidget* widget, const FontChoice& font) {
    if (font.points > 0) {
        widget->setFont(japaneseFont(font.points, font.bold));
    }
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

QString descriptionOf(LabelId id) {
    for (const LabelRow& row : labelTable()) {
        if (row.id == id) {
            return toQString(row.description);
        }
    }
    return {};
}

} // namespace

MainWindow::MainWindow()
    : nativeKeyCodes_(nativeKeyCodesOf(QGuiApplication::platformName())) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvel"));
    // Built from the picture compiled in: reading it from a file or resource would make Qt load
    // every image-format plugin to find a reader, which costs start-up time.
    setWindowIcon(QIcon(QPixmap::fromImage(QImage(quorvel_icon))));
    setFont(japaneseFont(9, false));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(kClientWidthTwips), px(kClientHeightTwips));
    setCentralWidget(client);

    createLines(client);
    createLabels(client);
    createButtons(client);
    createDisplayModeGroup(client);
    createMenu();
    applyTabOrder();
    // The window keeps the size its client area and menu bar need.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    announcer_ = makeAnnouncer(client);
    installKeyPreview();
    form_.handle(Event::Form_Load);
    findChild<QPushButton*>(QStringLiteral("Command2"))->setFocus();
}

void MainWindow::createLabels(QWidget* client) {
    for (const LabelRow& row : labelTable()) {
        auto* label = new ClickableLabel(toQString(row.caption), row.alignment, client);
        label->setObjectName(toQString(row.name));
        label->setGeometry(pixelRect(row.rect));
        label->setAlignment(toQtAlignment(row.alignment));
        applyFont(label, row.font);
        QPalette palette = label->palette();
        if (row.back) {
            palette.setColor(QPalette::Window, toQColor(*row.back));
            label->setAutoFillBackground(true);
        }
        if (row.text) {
            palette.setColor(QPalette::WindowText, toQColor(*row.text));
        }
        label->setPalette(palette);
        // The accessible name stays the caption, so a screen reader reads the value; the
        // description says what the label is.
        label->setAccessibleDescription(toQString(row.description));
        if (row.click) {
            connect(label, &ClickableLabel::clicked, this,
                    [this, event = *row.click] { handleUserEvent(event); });
        }
        labels_.at(static_cast<std::size_t>(row.id)) = label;
    }
}

void MainWindow::createLines(QWidget* client) {
    for (const LineRow& row : lineTable()) {
        auto* bar = new FractionBar(client);
        bar->setObjectName(toQString(row.name));
        bar->setGeometry(px(row.x1), px(row.y1), px(row.x2 - row.x1) + 1, px(row.y2 - row.y1) + 1);
        lines_.at(static_cast<std::size_t>(row.id)) = bar;
    }
}

void MainWindow::createButtons(QWidget* client) {
    for (const ButtonRow& row : buttonTable()) {
        auto* button = new QPushButton(toQString(row.caption), client);
        button->setObjectName(toQString(row.name));
        button->setGeometry(pixelRect(row.rect));
        // No button answers Enter as a default button would.
        button->setAutoDefault(false);
        button->setAccessibleDescription(toQString(row.description));
        applyFont(button, row.font);
        connect(button, &QPushButton::clicked, this,
                [this, event = row.click] { handleUserEvent(event); });
    }
}

void MainWindow::createDisplayModeGroup(QWidget* client) {
    const FrameRow& frameRow = displayModeFrame();
    auto* frame = new QGroupBox(toQString(frameRow.caption), client);
    frame->setObjectName(toQString(frameRow.name));
    frame->setGeometry(pixelRect(frameRow.rect));
    frame->setAccessibleDescription(toQString(frameRow.description));
    for (const OptionRow& row : optionTable()) {
        auto* option = new GroupOption(toQString(row.caption), frame);
        option->setObjectName(toQString(row.name));
        option->setGeometry(pixelRect(row.rect));
        option->setChecked(row.selected);
        option->setAccessibleDescription(toQString(row.description));
        followSelectionWithTabStop(option);
        // Whenever the user chooses the option: by a click, by the arrow keys, or through the
        // toggle action that assistive technology offers (which toggles without a click). A click
        // on the option already chosen would rewrite nothing, so it need not run the handler.
        connect(option, &QRadioButton::toggled, this, [this, event = row.click](bool chosen) {
            if (chosen) {
                handleUserEvent(event);
            }
        });
        options_.at(row.id == OptionId::Option5 ? 0 : 1) = option;
    }
}

void MainWindow::createMenu() {
    for (const MenuCommandRow& row : menuTable()) {
        QAction* action = menuBar()->addAction(toQString(row.caption));
        action->setObjectName(toQString(row.name));
        connect(action, &QAction::triggered, this,
                [this, event = row.click] { handleUserEvent(event); });
    }
}

void MainWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const std::string_view name : tabOrder()) {
        auto* widget = findChild<QWidget*>(toQString(name));
        if (widget == nullptr || qobject_cast<QLabel*>(widget) != nullptr ||
            qobject_cast<QGroupBox*>(widget) != nullptr) {
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

std::string MainWindow::caption(LabelId id) const {
    return label(id)->text().toStdString();
}

void MainWindow::setCaption(LabelId id, std::string_view text) {
    label(id)->setCaption(toQString(text));
}

void MainWindow::setBackColour(LabelId id, Colour colour) {
    CaptionLabel* target = label(id);
    QPalette palette = target->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    target->setPalette(palette);
    target->setAutoFillBackground(true);
    // The active field is shown by its colour alone; assistive technology hears it instead.
    const QString description = descriptionOf(id);
    target->setAccessibleDescription(
        colour == ActiveFieldColor ? description + QStringLiteral("（入力中）") : description);
}

void MainWindow::setLineVisible(LineId id, bool visible) {
    line(id)->setVisible(visible);
}

bool MainWindow::optionSelected(OptionId option) const {
    return options_.at(option == OptionId::Option5 ? 0 : 1)->isChecked();
}

void MainWindow::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
    const QString programText = toQString(text);
    // The program separates lines with a carriage return alone; the box breaks on line feeds.
    QString shown = programText;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    toQString(title), shown, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // A box is a window of its own and inherits nothing: give it the window's Japanese face.
    box.setFont(font());
    ++boxesShown_;
    emit messageBoxAboutToShow(&box, programText);
    box.exec();
    // Give the keyboard back to the calculator even where no window manager does so, so typing
    // goes on into the field that was active, with the focus where it was.
    activateWindow();
}

void MainWindow::handleUserEvent(Event event) {
    const int boxesBefore = boxesShown_;
    form_.handle(event);
    narrate(narrationAfter(event), boxesBefore);
}

void MainWindow::narrate(Narration narration, int boxesBefore) {
    if (boxesShown_ != boxesBefore || !isVisible()) {
        return;
    }
    const std::string text = narrationText(narration, form_);
    if (!text.empty()) {
        announcer_->announce(toQString(text));
    }
}

void MainWindow::unload() {
    close();
}

void MainWindow::runtimeErrorRaised(RuntimeErrorKind kind) {
    emit runtimeErrorReported(kind);
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
        const int vk = windowsVirtualKey(keyFactsOf(key), nativeKeyCodes_);
        int shift = 0;
        shift |= key.modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
        shift |= key.modifiers().testFlag(Qt::ControlModifier) ? 2 : 0;
        shift |= key.modifiers().testFlag(Qt::AltModifier) ? 4 : 0;
        const int boxesBefore = boxesShown_;
        form_.handleKeyDown(static_cast<std::int16_t>(vk), static_cast<std::int16_t>(shift));
        narrate(narrationAfterKey(vk), boxesBefore);
    }
    // The key is never consumed: the focused control still receives it.
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing is never refused: the program ends with the window, nothing is asked or saved.
    event->accept();
    emit unloaded();
}

} // namespace quorvel::ui
