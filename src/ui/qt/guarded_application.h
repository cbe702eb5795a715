#pragma once

#include <QApplication>

namespace quorvel::ui {

// The application whose event dispatch lets no C++ exception through into Qt, which cannot
// unwind through its own frames. The session already tells of a fault in any of the window's
// handlers; what reaches here is a fault in Qt's own dispatch of the binding's code. The program
// can no longer be trusted: it says so, in the words the session uses, and ends.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

private:
    bool faulted_ = false;
};

} // namespace quorvel::ui
