#include "ui/qt/working_dialog.h"

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

WorkingDialog::WorkingDialog(const session::WorkingPage& page, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("WorkingWindow"));
    setWindowTitle(toQString(page.title));
    setFont(japaneseFont(session::kWorkingPoints, false));

    const QFont face = font();
    const QRect screen =
        (parent != nullptr ? parent->screen() : QApplication::primaryScreen())->availableGeometry();
    const double pixelSize = QFontInfo(face).pixelSize();
    session::WorkingFont workingFont{
        pixelSize, [&face](std::string_view text, double) {
            const QFontMetricsF metrics(face);
            return TextExtent{
                metrics.horizontalAdvance(toQString(text)), 0, 0, 0, 0, metrics.ascent()};
        }};
    layout_ = session::layOutWorking(page.lines, workingFont,
                                     session::workingTextWidth(screen.width(), pixelSize));

    steps_ = new QListWidget(this);
    steps_->setObjectName(QStringLiteral("WorkingSteps"));
    steps_->setAccessibleName(toQString(page.listName));
    steps_->setItemDelegate(new LineDelegate(layout_, steps_));
    steps_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    steps_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const session::WorkingLine& line = page.lines[i];
        auto* item = new QListWidgetItem(toQString(line.sentence), steps_);
        item->setData(KindRole, toQString(session::kindName(line.kind)));
        QStringList drawn;
        for (const session::Ink& ink : layout_.lines[i].ink) {
            drawn << toQString(ink.text);
        }
        item->setData(DrawnRole, drawn);
        item->setToolTip(QString());
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy =
        buttons->addButton(toQString(page.copyButton), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("WorkingCopy"));
    copy->setAutoDefault(false);
    QPushButton* close =
        buttons->addButton(toQString(page.closeButton), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("WorkingClose"));
    close->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &WorkingDialog::copyWorking);
    // Ctrl+C copies what コピー copies, wherever the focus is in the window; the list would
    // otherwise copy the sentence of the current step alone.
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    copyKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copyKey, &QShortcut::activated, this, &WorkingDialog::copyWorking);
    plainText_ = toQString(page.plainText);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(steps_);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    // The list takes every step where the screen has room for it below the title bar and above
    // the buttons, else as many whole steps as fit.
    const int frame = 2 * steps_->frameWidth();
    const QMargins margins = column->contentsMargins();
    const int chrome = style()->pixelMetric(QStyle::PM_TitleBarHeight) + margins.top() +
                       margins.bottom() + column->spacing() + buttons->sizeHint().height() + frame;
    steps_->setMinimumWidth(layout_.width + frame +
                            steps_->verticalScrollBar()->sizeHint().width());
    steps_->setMinimumHeight(session::workingListHeight(layout_, screen.height() - chrome) + frame);

    steps_->setFocus(Qt::OtherFocusReason);
    steps_->installEventFilter(this);
}

void WorkingDialog::copyWorking() {
    QApplication::clipboard()->setText(plainText_);
}

bool WorkingDialog::eventFilter(QObject* watched, QEvent* event) {
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

void WorkingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The keyboard goes to the steps at once, even where no window manager activates a new
    // window; once the window is on screen, where activation can be asked for.
    QTimer::singleShot(0, this, [this] {
        activateWindow();
        steps_->setFocus(Qt::ActiveWindowFocusReason);
    });
}

} // namespace quorvel::ui
