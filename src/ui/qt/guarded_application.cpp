#include "ui/qt/guarded_application.h"

#include "app/toolkit.h"
#include "ui/qt/box_icon.h"
#include "ui/qt/qt_text.h"

#include <QMessageBox>

namespace quorvel::ui {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!faulted_) {
            faulted_ = true;
            QMessageBox box(QMessageBox::Critical, toQString(ErrorBoxTitle), toQString(FaultText));
            drawIconForItsDisplay(box);
            box.exec();
        }
        exit(3);
        return true;
    }
}

} // namespace quorvel::ui
