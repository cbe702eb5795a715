#include "ui/qt/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Wayland's app id, so that docks and the desktop match the window to its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    quorvel::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
