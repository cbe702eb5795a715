#pragma once

#include "ui/qt/announcer.h"
#include "ui/qt/caption_label.h"
#include "ui/qt/virtual_key.h"
#include "ui/session/native_window.h"
#include "ui/session/session.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QDialog;
class QMessageBox;
class QRadioButton;

namespace quorvel::ui {

// The calculator window on Qt Widgets: creates the controls from their tables, translates the
// user's clicks and keys for the session, and draws what the session tells it to.
class MainWindow : public QMainWindow, public session::NativeWindow {
    Q_OBJECT
public:
    MainWindow();

    [[nodiscard]] const Form1& form() const { return session_.form(); }
    [[nodiscard]] session::Session& session() { return session_; }
    [[nodiscard]] CaptionLabel* label(LabelId id) const;
    [[nodiscard]] QWidget* line(LineId id) const;

    // session::NativeWindow
    [[nodiscard]] session::LabelDisplay labelDisplay() const override;
    void showLabel(LabelId id, const session::LabelLook& look) override;
    void setLineVisible(LineId id, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    [[nodiscard]] session::ModalEnd messageBox(std::string_view text, std::string_view title,
                                               MessageIcon icon) override;
    [[nodiscard]] session::ModalEnd showDialog(const session::DialogDescription& dialog) override;
    void copyText(std::string_view text) override;
    void unload() override;
    void announce(std::string_view text) override;
    [[nodiscard]] std::string focusedControl() const override;
    void focusControl(std::string_view name) override;

signals:
    // Emitted with the box already built and just before it runs modally; text is the program's
    // own text, before its carriage returns became line breaks for display.
    void messageBoxAboutToShow(QMessageBox* box, const QString& text);
    // Emitted with a secondary window (the working) built and just before it runs modally.
    void dialogAboutToShow(QDialog* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createLabels(QWidget* client);
    void createLines(QWidget* client);
    void createButtons(QWidget* client);
    void createDisplayModeGroup(QWidget* client);
    void createMenu();
    void applyTabOrder();
    void installKeyPreview();
    void openMenuBarByKeyboard();

    NativeKeyCodes nativeKeyCodes_;
    QWidget* client_ = nullptr;
    std::array<CaptionLabel*, 13> labels_{}; // by label number; [0] unused
    std::array<QWidget*, 4> lines_{};        // by line number; [0] unused
    std::unique_ptr<Announcer> announcer_;
    session::Session session_{*this};
};

} // namespace quorvel::ui
