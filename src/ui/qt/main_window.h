#pragma once

#include "app/form1.h"
#include "app/toolkit.h"
#include "ui/controls/narration.h"
#include "ui/qt/announcer.h"
#include "ui/qt/caption_label.h"
#include "ui/qt/virtual_key.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QMessageBox;
class QRadioButton;

namespace quorvel::ui {

class FractionBar;

// The calculator window on Qt Widgets: creates the controls from their tables, forwards their
// events to Form1 and carries out Form1's toolkit operations on the real widgets.
class MainWindow : public QMainWindow, public Toolkit {
    Q_OBJECT
public:
    MainWindow();

    [[nodiscard]] const Form1& form() const { return form_; }

    // Toolkit
    [[nodiscard]] std::string caption(LabelId id) const override;
    void setCaption(LabelId id, std::string_view text) override;
    void setBackColour(LabelId id, Colour colour) override;
    void setLineVisible(LineId id, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
    void unload() override;
    void runtimeErrorRaised(RuntimeErrorKind kind) override;

    [[nodiscard]] CaptionLabel* label(LabelId id) const;
    [[nodiscard]] QWidget* line(LineId id) const;

signals:
    // Emitted with the box already built and just before it runs modally; text is the program's
    // own text, before its carriage returns became line breaks for display.
    void messageBoxAboutToShow(QMessageBox* box, const QString& text);
    void runtimeErrorReported(quorvel::RuntimeErrorKind kind);
    void unloaded();

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
    // Runs the handler of a user event, then tells a screen-reader user what changed.
    void handleUserEvent(Event event);
    void narrate(Narration narration, int boxesBefore);

    Form1 form_{*this};
    NativeKeyCodes nativeKeyCodes_;
    std::array<CaptionLabel*, 13> labels_{}; // by label number; [0] unused
    std::array<QWidget*, 4> lines_{};        // by line number; [0] unused
    std::array<QRadioButton*, 2> options_{}; // Option5, Option6
    std::unique_ptr<Announcer> announcer_;
    int boxesShown_ = 0; // message boxes shown so far: a box speaks for itself
};

} // namespace quorvel::ui
