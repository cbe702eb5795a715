// The menu bar by the keyboard on the real window, offscreen: Alt and F10 open it on its first
// command, → moves on, and the command reached is drawn highlighted, as on the other programs.
#include "ui/qt/main_window.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace quorvel::ui {
namespace {

class MenuKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        plain_ = window_.menuBar()->grab().toImage();
    }

    void press(Qt::Key key) { QTest::keyClick(window_.windowHandle(), key); }

    [[nodiscard]] std::string active() const {
        const QAction* action = window_.menuBar()->activeAction();
        return action != nullptr ? action->objectName().toStdString() : std::string();
    }

    // Whether the command is drawn otherwise than when the bar is not in use.
    [[nodiscard]] bool drawnHighlighted(const char* name) const {
        QMenuBar* bar = window_.menuBar();
        const QRect place = bar->actionGeometry(bar->findChild<QAction*>(QLatin1String(name)));
        return bar->grab().toImage().copy(place) != plain_.copy(place);
    }

    MainWindow window_;
    QImage plain_;
};

TEST_F(MenuKeyboardTest, AltThenRightHighlightsTheSecondCommand) {
    press(Qt::Key_Alt);
    press(Qt::Key_Right);
    EXPECT_EQ(active(), "FileBer");
    EXPECT_TRUE(drawnHighlighted("FileBer"));
    EXPECT_FALSE(drawnHighlighted("FileExit"));
    const QByteArray directory = qgetenv("QUORVEL_SCREENSHOT_DIR");
    if (!directory.isEmpty()) {
        window_.menuBar()->grab().save(QString::fromLocal8Bit(directory) +
                                       QStringLiteral("/menu-keyboard-qt.png"));
    }
    press(Qt::Key_Escape);
}

TEST_F(MenuKeyboardTest, F10OpensTheBarOnItsFirstCommand) {
    press(Qt::Key_F10);
    EXPECT_EQ(active(), "FileExit");
    EXPECT_TRUE(drawnHighlighted("FileExit"));
    press(Qt::Key_Right);
    EXPECT_EQ(active(), "FileBer");
    press(Qt::Key_Escape);
}

} // namespace
} // namespace quorvel::ui
