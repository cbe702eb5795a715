// Message boxes over the real window, offscreen: they speak in the window's Japanese face, and
// give the focus back where the user was.
#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quorvel::ui {
namespace {

TEST(MessageBox, UsesTheWindowsJapaneseFace) {
    MainWindow window;
    window.show();
    QString boxFamily;
    QObject::connect(&window, &MainWindow::messageBoxAboutToShow, &window,
                     [&boxFamily](QMessageBox* box, const QString& /*text*/) {
                         boxFamily = QFontInfo(box->font()).family();
                         QTimer::singleShot(0, box,
                                            [box] { box->button(QMessageBox::Ok)->click(); });
                     });
    // 計算 with nothing entered opens the box of the missing fields.
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_FALSE(boxFamily.isEmpty());
    EXPECT_EQ(boxFamily, QFontInfo(window.font()).family());
}

// The menu reached from the keyboard, as a keyboard or screen-reader user reaches it: Alt, Right
// to バージョン情報, Enter. Once the box is closed the focus is back on the button the user was on,
// not on the menu bar, and Tab goes on from there.
TEST(MessageBox, FromTheMenuByKeyboardGivesTheFocusBackToTheButton) {
    MainWindow window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QObject::connect(&window, &MainWindow::messageBoxAboutToShow, &window,
                     [](QMessageBox* box, const QString& /*text*/) {
                         QTimer::singleShot(0, box,
                                            [box] { box->button(QMessageBox::Ok)->click(); });
                     });
    auto* operatorButton = window.findChild<QPushButton*>(QStringLiteral("Command14"));
    QTest::mouseClick(operatorButton, Qt::LeftButton);
    for (const Qt::Key key : {Qt::Key_Alt, Qt::Key_Right, Qt::Key_Return}) {
        QTest::keyClick(window.windowHandle(), key);
    }
    QApplication::processEvents();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Command14");
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Command15");
}

// On a display of two or more device pixels to the pixel, the box's icon is drawn for it, not a
// small picture enlarged (run at 2× by window.scale_2x). With QUORVEL_SCREENSHOT_DIR set it saves
// a picture of the box.
TEST(MessageBox, ItsIconHasAPixelForEveryDevicePixel) {
    MainWindow window;
    window.show();
    QPixmap icon;
    QObject::connect(&window, &MainWindow::messageBoxAboutToShow, &window,
                     [&icon](QMessageBox* box, const QString& /*text*/) {
                         QTimer::singleShot(0, box, [box, &icon] {
                             const auto* label =
                                 box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
                             if (label != nullptr) {
                                 icon = label->pixmap();
                             }
                             const QByteArray directory = qgetenv("QUORVEL_SCREENSHOT_DIR");
                             if (!directory.isEmpty()) {
                                 box->grab().save(QString::fromLocal8Bit(directory) +
                                                  QStringLiteral("/message-box.png"));
                             }
                             box->button(QMessageBox::Ok)->click();
                         });
                     });
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    ASSERT_FALSE(icon.isNull());
    EXPECT_DOUBLE_EQ(icon.devicePixelRatio(), window.devicePixelRatioF());
}

} // namespace
} // namespace quorvel::ui
