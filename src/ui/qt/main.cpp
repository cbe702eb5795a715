#include "ui/qt/guarded_application.h"
#include "ui/qt/main_window.h"

int main(int argc, char* argv[]) {
    quorvel::ui::GuardedApplication app(argc, argv);
    // Wayland's app id, so that docks and the desktop match the window to its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    quorvel::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
