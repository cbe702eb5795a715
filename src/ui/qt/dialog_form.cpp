#include "ui/qt/dialog_form.h"

#include "ui/qt/qt_text.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quorvel::ui {

DialogForm::DialogForm(const session::DialogDescription& dialog, QWidget* parent)
    : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    if (!dialog.textName.empty()) {
        auto* text = new QLabel(toQString(dialog.text), this);
        text->setObjectName(toQString(dialog.textName));
        text->setAccessibleName(toQString(dialog.textSaid));
        text->setTextFormat(Qt::PlainText);
        column->addWidget(text);
    }
    auto* row = new QHBoxLayout;
    if (!dialog.checkName.empty()) {
        check_ = new QCheckBox(toQString(dialog.checkCaption), this);
        check_->setObjectName(toQString(dialog.checkName));
        row->addWidget(check_);
    }
    for (const session::DialogField& described : dialog.fields) {
        auto* caption = new QLabel(toQString(described.caption), this);
        auto* field = new QLineEdit(this);
        field->setObjectName(toQString(described.name));
        field->setAccessibleName(toQString(described.caption));
        field->setMaxLength(described.maxLength);
        field->setInputMethodHints(Qt::ImhDigitsOnly);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(
                                 QString(session::kFieldShownDigits, QLatin1Char('0'))) +
                             2 * field->fontMetrics().averageCharWidth());
        caption->setBuddy(field);
        row->addWidget(caption);
        row->addWidget(field);
        fields_.push_back(field);
    }
    row->addStretch();
    column->addLayout(row);
    if (!dialog.replyName.empty()) {
        reply_ = new QLabel(this);
        reply_->setObjectName(toQString(dialog.replyName));
        reply_->setTextFormat(Qt::PlainText);
        reply_->setWordWrap(true);
        reply_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        reply_->setFixedSize(
            fontMetrics().horizontalAdvance(QString(session::kReplyEms, QChar(0x3042))),
            session::kReplyLines * fontMetrics().lineSpacing());
        showReply(toQString(dialog.reply));
        column->addWidget(reply_);
    }
}

session::DialogEntries DialogForm::entries() const {
    session::DialogEntries entries;
    entries.checked = check_ != nullptr && check_->isChecked();
    for (const QLineEdit* field : fields_) {
        entries.fields.push_back(field->text().toStdString());
    }
    return entries;
}

void DialogForm::showReply(const QString& text) {
    if (reply_ != nullptr) {
        reply_->setText(text);
        reply_->setAccessibleName(text);
    }
}

QWidget* DialogForm::firstField() const {
    if (!fields_.empty()) {
        return fields_.front();
    }
    return check_;
}

} // namespace quorvel::ui
