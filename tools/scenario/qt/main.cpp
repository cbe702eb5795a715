// quorvel-scenario: runs a text scenario against the real calculator window on Qt's offscreen
// platform and prints what the window shows and says as JSON lines. A test tool.
#include "driver.h"
#include "qt_driver.h"

#include "ui/qt/guarded_application.h"
#include "ui/qt/main_window.h"

#include <QTest>

#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    quorvel::ui::GuardedApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2) {
        std::cerr << "usage: quorvel-scenario [SCENARIO-FILE]\n";
        return 2;
    }
    std::ifstream file;
    if (arguments.size() == 2) {
        file.open(arguments.at(1).toStdString());
        if (!file) {
            std::cerr << "quorvel-scenario: cannot read " << arguments.at(1).toStdString() << '\n';
            return 2;
        }
    }
    std::istream& input = arguments.size() == 2 ? file : std::cin;

    quorvel::ui::MainWindow window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::cerr << "quorvel-scenario: the window did not become active\n";
        return 1;
    }
    quorvel::scenario::Transcript transcript([](const std::string& line) {
        std::cout << line << '\n' << std::flush;
    });
    quorvel::scenario::QtDriver driver(window, transcript);
    quorvel::scenario::play(input, driver, transcript);
    return 0;
}
