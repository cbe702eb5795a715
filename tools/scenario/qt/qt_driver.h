#pragma once

#include "driver.h"

#include <QObject>

#include <array>
#include <string>
#include <vector>

class QDialog;
class QMessageBox;

namespace quorvel::ui {
class MainWindow;
}

namespace quorvel::scenario {

// Drives the calculator window on Qt Widgets with QTest's synthetic input, which goes through the
// window system interface as platform input does.
class QtDriver : public QObject, public Driver, private TranscriptObserver {
    Q_OBJECT
public:
    QtDriver(ui::MainWindow& window, Transcript& transcript);
    ~QtDriver() override;
    QtDriver(const QtDriver&) = delete;
    QtDriver& operator=(const QtDriver&) = delete;
    QtDriver(QtDriver&&) = delete;
    QtDriver& operator=(QtDriver&&) = delete;

    void click(const std::string& name) override;
    void chooseMenuCommand(const std::string& name) override;
    void pressKey(int virtualKey, bool shift, bool ctrl, bool alt) override;
    void close() override;
    [[nodiscard]] WindowState state() override;
    void wait(int milliseconds) override;
    void settle() override;
    void plantFault() override { armFault(); }
    void checkAnswer(bool negative, const std::array<std::string, 3>& answer) override;
    void openHistory(int pick) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answerMessageBox(QMessageBox* box, const QString& text);
    void readDialog(QDialog* dialog);
    void readWorking(QDialog* working);
    void answerCheck(QDialog* check);
    void answerHistory(QDialog* history);

    ui::MainWindow& window_;
    Transcript& transcript_;

    QWidget* announcement_ = nullptr;
    std::vector<std::string> announced_; // heard since the last dump
    bool checkNegative_ = false;         // the answer the next 答え合わせ is given
    std::array<std::string, 3> checkAnswer_;
    int historyPick_ = 0; // the entry the next 履歴 is to choose, 0 for none
};

} // namespace quorvel::scenario
