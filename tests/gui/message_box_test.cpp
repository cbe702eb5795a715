// Message boxes over the real window, offscreen: they speak in the window's Japanese face.
#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
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

} // namespace
} // namespace quorvel::ui
