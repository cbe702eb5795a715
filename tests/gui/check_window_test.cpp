// 答え合わせ and 履歴 over the real window, offscreen, by the keyboard alone: reached from the
// menu, the answer typed field by field, Enter for 確かめる, the verdict written and said, the
// working one button away, and Escape back to where the user was. The window goes on showing what
// it showed: a pupil can check an answer before the calculator gives it. With
// QUORVEL_SCREENSHOT_DIR set it saves a picture of itself.
#include "ui/qt/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvel::ui {
namespace {

std::string focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName().toStdString() : std::string();
}

std::string text(QDialog& window, const char* label) {
    return window.findChild<QLabel*>(QLatin1String(label))->text().toStdString();
}

std::string said(QDialog& window) {
    auto* announcement = window.findChild<QWidget*>(QStringLiteral("announcement"));
    return QAccessible::queryAccessibleInterface(announcement)
        ->text(QAccessible::Name)
        .toStdString();
}

class CheckWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        // Each secondary window, in the order they open, once it is active.
        QObject::connect(&window_, &MainWindow::dialogAboutToShow, &window_, [this](QDialog* d) {
            QTimer::singleShot(0, d, [this, d] {
                ASSERT_TRUE(QTest::qWaitFor([d] { return QApplication::activeWindow() == d; }));
                ASSERT_FALSE(insides_.empty());
                const auto inside = insides_.front();
                insides_.erase(insides_.begin());
                inside(*d);
            });
        });
    }

    void clickAll(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QTest::mouseClick(window_.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
        }
    }

    static void key(QDialog& window, Qt::Key k) { QTest::keyClick(window.windowHandle(), k); }
    // Typed into the field with the focus.
    static void type(const char* digits) {
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(digits));
    }

    // A menu command by the keyboard: Alt, then Right to its place (答え合わせ the fifth), Enter.
    void openByKeyboard(int place = 5) {
        QTest::keyClick(window_.windowHandle(), Qt::Key_Alt);
        for (int i = 1; i < place; ++i) {
            QTest::keyClick(window_.windowHandle(), Qt::Key_Right);
        }
        QTest::keyClick(window_.windowHandle(), Qt::Key_Return);
        QApplication::processEvents();
    }

    std::vector<std::function<void(QDialog&)>> insides_;
    MainWindow window_;
};

TEST_F(CheckWindowTest, ThePupilChecksByKeyboardAndSeesTheWorkingOfTheProblem) {
    // 1/2 ＋ 1/3, not calculated yet; the user was last on 3.
    clickAll({"Command20", "Command5", "Command19", "Command6", "Command14", "Command20",
              "Command5", "Command19", "Command7"});
    std::vector<std::string> trail;
    std::vector<std::string> steps;
    insides_.emplace_back([&](QDialog& check) {
        EXPECT_EQ(check.windowTitle().toStdString(), "答え合わせ");
        EXPECT_EQ(text(check, "CheckProblem"), "問題: 1/2 ＋ 1/3");
        trail.push_back(focusName());
        key(check, Qt::Key_Tab);
        trail.push_back(focusName());
        type("2");
        key(check, Qt::Key_Tab);
        type("5");
        key(check, Qt::Key_Return); // 確かめる, from a field
        trail.push_back(text(check, "CheckVerdict"));
        trail.push_back(said(check));
        // Corrected in place: Shift+Tab back to the numerator, its digit replaced.
        QTest::keyClick(check.windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
        key(check, Qt::Key_Backspace);
        type("5");
        key(check, Qt::Key_Tab);
        key(check, Qt::Key_Backspace);
        type("6");
        key(check, Qt::Key_Return);
        trail.push_back(said(check));
        const QByteArray directory = qgetenv("QUORVEL_SCREENSHOT_DIR");
        if (!directory.isEmpty()) {
            check.grab().save(QString::fromLocal8Bit(directory) + QStringLiteral("/check-qt.png"));
        }
        // 途中式: three Tabs on from the denominator (確かめる, then 途中式), and Space.
        key(check, Qt::Key_Tab);
        key(check, Qt::Key_Tab);
        trail.push_back(focusName());
        key(check, Qt::Key_Space);
    });
    insides_.emplace_back([&](QDialog& working) {
        auto* list = working.findChild<QListWidget*>(QStringLiteral("WorkingSteps"));
        for (int row = 0; row < list->count(); ++row) {
            steps.push_back(list->item(row)->text().toStdString());
        }
        key(working, Qt::Key_Escape);
    });
    openByKeyboard();
    ASSERT_TRUE(QTest::qWaitFor([this] { return insides_.empty(); }));
    QApplication::processEvents();
    const std::string denominatorsAdded = "答えがちがいます。分母どうしも足していませんか。分母は通"
                                          "分してそろえ、分子だけを足します。";
    EXPECT_EQ(trail, (std::vector<std::string>{"CheckWhole", "CheckNumerator", denominatorsAdded,
                                               denominatorsAdded, "正解です。", "CheckWorking"}));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "問題 2分の1 たす 3分の1");
    EXPECT_EQ(steps.at(steps.size() - 2), "答え 6分の5");
    // The window itself still shows no answer, and the focus is back on 3.
    EXPECT_TRUE(window_.label(LabelId::Label2)->text().isEmpty());
    EXPECT_EQ(focusName(), "Command7");
}

TEST_F(CheckWindowTest, EscapeClosesItAndNothingTypedThereReachesTheCalculator) {
    clickAll({"Command20", "Command5", "Command19", "Command6"});
    insides_.emplace_back([&](QDialog& check) {
        type("7");
        key(check, Qt::Key_Escape);
    });
    openByKeyboard();
    ASSERT_TRUE(QTest::qWaitFor([this] { return insides_.empty(); }));
    QApplication::processEvents();
    EXPECT_EQ(window_.label(LabelId::Label7)->text().toStdString(), "2");
    EXPECT_EQ(window_.label(LabelId::Label9)->text().toStdString(), "");
    EXPECT_EQ(focusName(), "Command6");
}

// 履歴 by the keyboard alone: Alt and → to it, ↓ to the older calculation, Enter: it is back in
// the fields and calculated.
TEST_F(CheckWindowTest, TheHistoryGivesAnOlderCalculationBackByKeyboard) {
    clickAll({"Command20", "Command5",  "Command19", "Command6",  "Command14", "Command20",
              "Command5",  "Command19", "Command7",  "Command1",  "Command2",  "Command20",
              "Command7",  "Command19", "Command8",  "Command16", "Command20", "Command6",
              "Command19", "Command7",  "Command1",  "Command2"});
    std::vector<std::string> entries;
    insides_.emplace_back([&](QDialog& history) {
        auto* list = history.findChild<QListWidget*>(QStringLiteral("HistoryEntries"));
        for (int row = 0; row < list->count(); ++row) {
            entries.push_back(list->item(row)->text().toStdString());
        }
        ASSERT_TRUE(QTest::qWaitFor([list] { return list->currentRow() == 0; }));
        const QByteArray directory = qgetenv("QUORVEL_SCREENSHOT_DIR");
        if (!directory.isEmpty()) {
            history.grab().save(QString::fromLocal8Bit(directory) +
                                QStringLiteral("/history-qt.png"));
        }
        key(history, Qt::Key_Down);
        key(history, Qt::Key_Return);
    });
    openByKeyboard(6);
    ASSERT_TRUE(QTest::qWaitFor([this] { return insides_.empty(); }));
    QApplication::processEvents();
    EXPECT_EQ(entries, (std::vector<std::string>{"4分の3 かける 3分の2 は 2分の1",
                                                 "2分の1 たす 3分の1 は 6分の5"}));
    EXPECT_EQ(window_.label(LabelId::Label8)->text().toStdString(), "1");
    EXPECT_EQ(window_.label(LabelId::Label3)->text().toStdString(), "＋");
    EXPECT_EQ(window_.label(LabelId::Label2)->text().toStdString(), "5");
    EXPECT_EQ(window_.label(LabelId::Label1)->text().toStdString(), "6");
}

} // namespace
} // namespace quorvel::ui
