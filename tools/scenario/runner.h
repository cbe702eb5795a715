#pragma once

#include <QObject>

#include <iosfwd>
#include <string>

class QMessageBox;
class QWidget;

namespace quorvel::ui {
class MainWindow;
}

namespace quorvel::scenario {

// Drives the real calculator window from scenario lines and prints what happens as JSON lines.
class Runner : public QObject {
    Q_OBJECT
public:
    Runner(ui::MainWindow& window, std::ostream& out);

    // Runs one scenario line; false once the window has been unloaded.
    bool runLine(const std::string& line);

private:
    bool click(const std::string& name);
    bool chooseMenuCommand(const std::string& name);
    bool pressKey(const std::string& arguments);
    void closeWindow();
    void dump();
    void answerMessageBox(QMessageBox* box, const QString& text);
    void print(const std::string& json);

    ui::MainWindow& window_;
    std::ostream& out_;
    bool ended_ = false;
};

} // namespace quorvel::scenario
