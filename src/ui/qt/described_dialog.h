#pragma once

#include "ui/session/dialog.h"
#include "ui/session/working_layout.h"

#include <QDialog>

#include <memory>
#include <optional>

class QListWidget;

namespace quorvel::ui {

class Announcer;
class DialogForm;

// A secondary window on Qt Widgets, made from its description: the lines as a list the arrow keys
// move through, each drawn as laid out for every binding and read as its sentence, then the
// buttons.
class DescribedDialog : public QDialog {
    Q_OBJECT
public:
    // Item data: the line's kind name, and the texts drawn, in reading order.
    static constexpr int KindRole = Qt::UserRole + 1;
    static constexpr int DrawnRole = Qt::UserRole + 2;

    DescribedDialog(const session::DialogDescription& dialog, QWidget* parent);
    ~DescribedDialog() override;
    DescribedDialog(const DescribedDialog&) = delete;
    DescribedDialog& operator=(const DescribedDialog&) = delete;
    DescribedDialog(DescribedDialog&&) = delete;
    DescribedDialog& operator=(DescribedDialog&&) = delete;

    [[nodiscard]] QListWidget* steps() const { return steps_; }
    // The command that closed the window, when its description is to hear of it, and the line
    // chosen in the list then.
    [[nodiscard]] std::optional<session::DialogCommand> closedWith() const { return closedWith_; }
    [[nodiscard]] std::size_t chosenLine() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape.
    void reject() override;

private:
    void carryOut(session::DialogCommand command);
    void addList(const session::DialogDescription& dialog, QLayout* column);
    [[nodiscard]] QWidget* firstFocus() const;
    void say(const std::string& text);

    const session::DialogDescription& dialog_;
    DialogForm* form_ = nullptr;
    std::unique_ptr<Announcer> announcer_;
    QListWidget* steps_ = nullptr;
    QString clipboardText_;
    session::DialogCommand escape_;
    session::WorkingLayout layout_;
    bool stepAnnounced_ = false;
    std::optional<session::DialogCommand> closedWith_;
};

} // namespace quorvel::ui
