#include "ui/qt/described_dialog.h"

#include "ui/qt/announcer.h"
#include "ui/qt/dialog_form.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvel::ui {
namespace {

// How long a screen reader takes over a new window before it reads what has the focus.
constexpr int kSettleMs = 400;

// Draws a line of the working as the layout places it, on the list's own selection background.
class LineDelegate : public QStyledItemDelegate {
public:
    LineDelegate(const session::WorkingLayout& layout, QObject* parent)
        : QStyledItemDelegate(parent)
        , layout_(layout) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                           option.widget);
        const session::LaidOutLine& line = layout_.lines.at(static_cast<std::size_t>(index.row()));
        const QColor ink = option.state.testFlag(QStyle::State_Selected)
                               ? option.palette.color(QPalette::HighlightedText)
                               : option.palette.color(QPalette::Text);
        painter->save();
        painter->translate(option.rect.topLeft());
        painter->setPen(ink);
        painter->setFont(option.font);
        for (const session::Ink& text : line.ink) {
            const QRect box(text.box.x, text.box.y, text.box.width + 2, text.box.height);
            painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                              toQString(text.text));
        }
        for (const session::PixelRect& bar : line.bars) {
            painter->fillRect(QRect(bar.x, bar.y, bar.width, bar.height), ink);
        }
        painter->restore();
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                                 const QModelIndex& index) const override {
        return {layout_.width, layout_.lines.at(static_cast<std::size_t>(index.row())).height};
    }

private:
    const session::WorkingLayout& layout_;
};

} // namespace

DescribedDialog::DescribedDialog(const session::DialogDescription& dialog, QWidget* parent)
    : QDialog(parent)
    , dialog_(dialog)
    , clipboardText_(toQString(dialog.clipboardText))
    , escape_(dialog.escape) {
    setObjectName(toQString(dialog.name));
    setWindowTitle(toQString(dialog.title));
    setFont(japaneseFont(session::kWorkingPoints, false));

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    if (!dialog.textName.empty() || !dialog.fields.empty() || !dialog.replyName.empty()) {
        form_ = new DialogForm(dialog, this);
        column->addWidget(form_);
    }
    // The reply and a copy made are said from this window, which has the screen reader's
    // attention.
    announcer_ = makeAnnouncer(this);
    auto* buttons = new QDialogButtonBox(this);
    for (const session::DialogButton& row : dialog.buttons) {
        QPushButton* button =
            buttons->addButton(toQString(row.caption), row.command == session::DialogCommand::Close
                                                           ? QDialogButtonBox::RejectRole
                                                           : QDialogButtonBox::ActionRole);
        button->setObjectName(toQString(row.name));
        // Enter presses the default button, or else the button with the focus.
        button->setAutoDefault(false);
        button->setDefault(row.name == dialog.defaultButton);
        connect(button, &QPushButton::clicked, this,
                [this, command = row.command] { carryOut(command); });
    }
    if (dialog.copies()) {
        // Ctrl+C copies what Copy copies, wherever the focus is in the window; the list would
        // otherwise copy the sentence of the current line alone.
        auto* copyKey = new QShortcut(QKeySequence::Copy, this);
        copyKey->setContext(Qt::WidgetWithChildrenShortcut);
        connect(copyKey, &QShortcut::activated, this,
                [this] { carryOut(session::DialogCommand::Copy); });
    }
    if (!dialog.listName.empty()) {
        addList(dialog, column);
    }
    column->addWidget(buttons);
    if (steps_ != nullptr) {
        // The list takes every step where the screen has room for it below the title bar and
        // above the buttons, else as many whole steps as fit.
        const QRect screen = (parent != nullptr ? parent->screen() : QApplication::primaryScreen())
                                 ->availableGeometry();
        const int frame = 2 * steps_->frameWidth();
        const QMargins margins = column->contentsMargins();
        const int chrome = style()->pixelMetric(QStyle::PM_TitleBarHeight) + margins.top() +
                           margins.bottom() + column->spacing() + buttons->sizeHint().height() +
                           frame;
        steps_->setMinimumHeight(session::workingListHeight(layout_, screen.height() - chrome) +
                                 frame);
    }
    if (QWidget* first = firstFocus()) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

DescribedDialog::~DescribedDialog() = default;

void DescribedDialog::say(const std::string& text) {
    if (!text.empty()) {
        announcer_->announce(toQString(text));
    }
}

std::size_t DescribedDialog::chosenLine() const {
    return steps_ != nullptr && steps_->currentRow() > 0
               ? static_cast<std::size_t>(steps_->currentRow())
               : 0;
}

void DescribedDialog::addList(const session::DialogDescription& dialog, QLayout* column) {
    const QFont face = font();
    const QRect screen =
        (parentWidget() != nullptr ? parentWidget()->screen() : QApplication::primaryScreen())
            ->availableGeometry();
    const double pixelSize = QFontInfo(face).pixelSize();
    session::WorkingFont workingFont{
        pixelSize, [&face](std::string_view text, double) {
            const QFontMetricsF metrics(face);
            return TextExtent{
                metrics.horizontalAdvance(toQString(text)), 0, 0, 0, 0, metrics.ascent()};
        }};
    layout_ = session::layOutWorking(dialog.lines, workingFont,
                                     session::workingTextWidth(screen.width(), pixelSize));

    steps_ = new QListWidget(this);
    steps_->setObjectName(toQString(dialog.listName));
    steps_->setAccessibleName(toQString(dialog.listAccessibleName));
    steps_->setItemDelegate(new LineDelegate(layout_, steps_));
    steps_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    steps_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (std::size_t i = 0; i < dialog.lines.size(); ++i) {
        const session::WorkingLine& line = dialog.lines[i];
        auto* item = new QListWidgetItem(toQString(line.sentence), steps_);
        item->setData(KindRole, toQString(session::kindName(line.kind)));
        QStringList drawn;
        for (const session::Ink& ink : layout_.lines[i].ink) {
            drawn << toQString(ink.text);
        }
        item->setData(DrawnRole, drawn);
        item->setToolTip(QString());
    }
    steps_->setMinimumWidth(layout_.width + 2 * steps_->frameWidth() +
                            steps_->verticalScrollBar()->sizeHint().width());
    steps_->installEventFilter(this);
    column->addWidget(steps_);
}

QWidget* DescribedDialog::firstFocus() const {
    if (form_ != nullptr && form_->firstField() != nullptr) {
        return form_->firstField();
    }
    return steps_;
}

void DescribedDialog::carryOut(session::DialogCommand command) {
    switch (command) {
    case session::DialogCommand::Copy:
        QApplication::clipboard()->setText(clipboardText_);
        say(dialog_.saidAfter(command));
        return;
    case session::DialogCommand::Close:
        QDialog::reject();
        return;
    case session::DialogCommand::Check: {
        const QString reply = toQString(dialog_.check(form_->entries()));
        form_->showReply(reply);
        announcer_->announce(reply);
        return;
    }
    case session::DialogCommand::CloseThenWorking:
    case session::DialogCommand::CloseThenPick:
        closedWith_ = command;
        QDialog::reject();
        return;
    case session::DialogCommand::CopyLine:
        if (chosenLine() < dialog_.lineTexts.size()) {
            QApplication::clipboard()->setText(toQString(dialog_.lineTexts[chosenLine()]));
            say(dialog_.saidAfter(command));
        }
        return;
    }
}

void DescribedDialog::reject() {
    carryOut(escape_);
}

bool DescribedDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == steps_ && event->type() == QEvent::FocusIn && !stepAnnounced_) {
        stepAnnounced_ = true;
        // The first step becomes current once the list has the keyboard, so that a screen
        // reader reads the step, not only the list.
        QTimer::singleShot(kSettleMs, steps_, [this] {
            if (steps_->currentRow() <= 0) { // unless the user has moved on already
                steps_->setCurrentRow(-1);
                steps_->setCurrentRow(0);
            }
        });
    }
    return QDialog::eventFilter(watched, event);
}

void DescribedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The keyboard goes to the steps at once, even where no window manager activates a new
    // window; once the window is on screen, where activation can be asked for.
    QTimer::singleShot(0, this, [this] {
        activateWindow();
        if (QWidget* first = firstFocus()) {
            first->setFocus(Qt::ActiveWindowFocusReason);
        }
    });
}

} // namespace quorvel::ui
