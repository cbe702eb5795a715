// The working window over the real window, offscreen: reached from the menu by the keyboard, read
// step by step with the arrow keys, copied, closed with Escape back to the button the user was on;
// and nothing in it is cut short. With QUORVEL_SCREENSHOT_DIR set it saves pictures of itself.
#include "ui/qt/described_dialog.h"
#include "ui/qt/main_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace quorvel::ui {
namespace {

class WorkingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    void click(const char* name) {
        QTest::mouseClick(window_.findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

    void clickAll(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            click(name);
        }
    }

    // 1 1/2 ＋ 2/3 = 2 1/6
    void calculateOneAndAHalfPlusTwoThirds() {
        clickAll({"Command5", "Command20", "Command5", "Command19", "Command6", "Command14",
                  "Command20", "Command6", "Command19", "Command7", "Command1"});
    }

    // Opens the working from the menu by the keyboard (Alt, Right, Right, Enter) and runs inside
    // once the window is active; inside must close it.
    void whileOpen(const std::function<void(QDialog&)>& inside) {
        QObject::connect(&window_, &MainWindow::dialogAboutToShow, &window_,
                         [&inside](QDialog* working) {
                             QTimer::singleShot(0, working, [working, &inside] {
                                 ASSERT_TRUE(QTest::qWaitFor([working] {
                                     return QApplication::activeWindow() == working;
                                 }));
                                 inside(*working);
                             });
                         });
        for (const Qt::Key key : {Qt::Key_Alt, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}) {
            QTest::keyClick(window_.windowHandle(), key);
        }
        QApplication::processEvents();
    }

    static std::string focusedStep(QDialog& working) {
        auto* steps = working.findChild<QListWidget*>(QStringLiteral("WorkingSteps"));
        QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(steps)->focusChild();
        return focus != nullptr ? focus->text(QAccessible::Name).toStdString() : std::string();
    }

    static void saveScreenshot(QDialog& working, const char* name) {
        const QByteArray directory = qgetenv("QUORVEL_SCREENSHOT_DIR");
        if (!directory.isEmpty()) {
            working.grab().save(QString::fromLocal8Bit(directory) + QLatin1Char('/') +
                                QString::fromLatin1(name));
        }
    }

    MainWindow window_;
};

TEST_F(WorkingWindowTest, ArrowKeysReadTheStepsAndEscapeGivesTheFocusBack) {
    calculateOneAndAHalfPlusTwoThirds();
    std::vector<std::string> heard;
    whileOpen([&heard](QDialog& working) {
        saveScreenshot(working, "working-one-and-a-half-qt.png");
        heard.push_back(focusedStep(working));
        QTest::keyClick(working.windowHandle(), Qt::Key_Down);
        heard.push_back(focusedStep(working));
        QTest::keyClick(working.windowHandle(), Qt::Key_End);
        heard.push_back(focusedStep(working));
        QTest::keyClick(working.windowHandle(), Qt::Key_Escape);
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"問題 1と2分の1 たす 3分の2",
                                               "仮分数に直す 一つ目の数は 2分の3",
                                               "小数で表すと 2.1(6)（6 がくり返す）"}));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Command1");
}

TEST_F(WorkingWindowTest, CopyGivesTheWorkingAndCtrlCTheAnswerAsPlainText) {
    calculateOneAndAHalfPlusTwoThirds();
    QTest::keyClick(window_.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "2 1/6");
    QString byCtrlC;
    QString byCtrlCOnAButton;
    QString saidAfterCopy;
    whileOpen([&](QDialog& working) {
        // Ctrl+C on the list and on a button copies what コピー copies.
        QTest::keyClick(working.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        byCtrlC = QApplication::clipboard()->text();
        QApplication::clipboard()->clear();
        auto* copy = working.findChild<QPushButton*>(QStringLiteral("WorkingCopy"));
        copy->setFocus();
        QTest::keyClick(working.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        byCtrlCOnAButton = QApplication::clipboard()->text();
        QApplication::clipboard()->clear();
        QTest::mouseClick(copy, Qt::LeftButton);
        // A screen-reader user hears that the copy was made, from the working window.
        saidAfterCopy = QAccessible::queryAccessibleInterface(
                            working.findChild<QWidget*>(QStringLiteral("announcement")))
                            ->text(QAccessible::Name);
        working.reject();
    });
    const std::string steps =
        "問題: 1 1/2 ＋ 2/3\n仮分数に直す: 3/2\n仮分数に直す: 2/3\n通分する: 9/6 と 4/6\n"
        "分子を足す: 13/6\n帯分数に直す: 2 1/6\n答え: 2 1/6\n"
        "小数で表す: 2.1(6)（6 がくり返す）\n";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), steps);
    EXPECT_EQ(byCtrlC.toStdString(), steps);
    EXPECT_EQ(byCtrlCOnAButton.toStdString(), steps);
    EXPECT_EQ(saidAfterCopy.toStdString(), "途中式をコピーしました");
    // The window's own keys are unchanged: Ctrl+C left the fields as they were.
    EXPECT_EQ(window_.form().vars().TN, 4);
}

// 1/2147483647 － 1 = -2147483646/2147483647: every digit is drawn, inside the window.
TEST_F(WorkingWindowTest, ATenDigitAnswerIsDrawnWhole) {
    clickAll({"Command20", "Command5", "Command19", "Command6", "Command5", "Command8", "Command11",
              "Command8", "Command12", "Command7", "Command10", "Command8", "Command11",
              "Command15", "Command20", "Command5", "Command19", "Command5", "Command1"});
    QStringList drawn;
    int overhang = std::numeric_limits<int>::min();
    whileOpen([&](QDialog& working) {
        saveScreenshot(working, "working-ten-digits-qt.png");
        auto* steps = working.findChild<QListWidget*>(QStringLiteral("WorkingSteps"));
        const QFontMetrics metrics(steps->font());
        for (int row = 0; row < steps->count(); ++row) {
            const QStringList texts =
                steps->item(row)->data(DescribedDialog::DrawnRole).toStringList();
            drawn << texts;
            for (const QString& text : texts) {
                overhang = std::max(overhang,
                                    metrics.horizontalAdvance(text) - steps->viewport()->width());
            }
        }
        working.reject();
    });
    EXPECT_TRUE(drawn.contains(QStringLiteral("2147483646")));
    EXPECT_TRUE(drawn.contains(QStringLiteral("2147483647")));
    EXPECT_LT(overhang, 0);
}

} // namespace
} // namespace quorvel::ui
