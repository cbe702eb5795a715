#include "runner.h"

#include "json.h"
#include "key_events.h"

#include "app/form1.h"
#include "ui/qt/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdio>
#include <ostream>
#include <regex>
#include <sstream>

namespace quorvel::scenario {
namespace {

bool isClickable(const std::string& name) {
    static const std::regex names(
        R"(Command([1-9]|1[0-9]|2[0-24])|Label([1-9]|1[0-2])|Option[56]|Frame2)");
    return std::regex_match(name, names);
}

// Where a click on the control lands: its centre, or for an option button whose centre lies
// outside its clickable area, a point inside its caption.
QPoint clickPoint(QWidget* widget) {
    const QPoint centre = widget->rect().center();
    auto* option = qobject_cast<QRadioButton*>(widget);
    if (option == nullptr) {
        return centre;
    }
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect clickable =
        option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &style, option);
    if (clickable.contains(centre)) {
        return centre;
    }
    return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option).center();
}

std::string colourText(const QColor& colour) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "&H%02X%02X%02X", colour.blue(), colour.green(),
                  colour.red());
    return text.data();
}

std::string trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r\n");
    return line.substr(first, last - first + 1);
}

} // namespace

Runner::Runner(ui::MainWindow& window, std::ostream& out)
    : window_(window)
    , out_(out) {
    connect(&window_, &ui::MainWindow::messageBoxAboutToShow, this, &Runner::answerMessageBox);
    connect(&window_, &ui::MainWindow::runtimeErrorReported, this, [this](RuntimeErrorKind kind) {
        print(std::string(R"({"error": )") +
              jsonString(kind == RuntimeErrorKind::Overflow ? "overflow" : "division by zero") +
              "}");
    });
    connect(&window_, &ui::MainWindow::unloaded, this, [this] {
        if (!ended_) {
            ended_ = true;
            print(R"({"ended": true})");
        }
    });
}

void Runner::print(const std::string& json) {
    out_ << json << '\n' << std::flush;
}

bool Runner::runLine(const std::string& rawLine) {
    const std::string line = trimmed(rawLine);
    if (line.empty() || line.front() == '#') {
        return !ended_;
    }
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::string argument;
    std::getline(words >> std::ws, argument);

    bool understood = false;
    if (command == "click") {
        understood = click(argument);
    } else if (command == "menu") {
        understood = chooseMenuCommand(argument);
    } else if (command == "key") {
        understood = pressKey(argument);
    } else if (command == "close" && argument.empty()) {
        closeWindow();
        understood = true;
    } else if (command == "dump" && argument.empty()) {
        dump();
        understood = true;
    } else if (command == "sleep") {
        // Lets real input from outside (an X server under test) arrive for so many milliseconds.
        char* end = nullptr;
        const long ms = std::strtol(argument.c_str(), &end, 10);
        understood = !argument.empty() && *end == '\0' && ms >= 0 && ms <= 60000;
        if (understood) {
            QTest::qWait(static_cast<int>(ms));
        }
    }
    if (!understood) {
        print(std::string(R"({"bad_line": )") + jsonString(line) + "}");
    }
    // What the event loop would do before the user's next action: deliver what is pending.
    QApplication::processEvents();
    return !ended_;
}

bool Runner::click(const std::string& name) {
    if (!isClickable(name)) {
        return false;
    }
    auto* control = window_.findChild<QWidget*>(QString::fromStdString(name));
    if (control == nullptr) {
        return false;
    }
    // Deliver the click to whatever the window has at that point, as a real mouse would.
    const QPoint inWindow = control->mapTo(&window_, clickPoint(control));
    QWidget* target = window_.childAt(inWindow);
    if (target == nullptr) {
        target = &window_;
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&window_, inWindow));
    return true;
}

bool Runner::chooseMenuCommand(const std::string& name) {
    if (name != "FileExit" && name != "FileBer") {
        return false;
    }
    auto* action = window_.findChild<QAction*>(QString::fromStdString(name));
    QMenuBar* bar = window_.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(action).center());
    return true;
}

bool Runner::pressKey(const std::string& arguments) {
    std::istringstream words(arguments);
    int vk = -1;
    if (!(words >> vk)) {
        return false;
    }
    const auto press = qtKeyForVirtualKey(vk);
    if (!press) {
        return false;
    }
    Qt::KeyboardModifiers modifiers = press->modifiers;
    std::string modifier;
    while (words >> modifier) {
        if (modifier == "shift") {
            modifiers |= Qt::ShiftModifier;
        } else if (modifier == "ctrl") {
            modifiers |= Qt::ControlModifier;
        } else if (modifier == "alt") {
            modifiers |= Qt::AltModifier;
        } else {
            return false;
        }
    }
    // Through the window system interface, so the key reaches the focused widget the way a
    // platform key event does.
    QTest::keyClick(window_.windowHandle(), press->key, modifiers);
    return true;
}

void Runner::closeWindow() {
    // The close command the window manager sends.
    QCloseEvent event;
    QApplication::sendEvent(window_.windowHandle(), &event);
}

void Runner::answerMessageBox(QMessageBox* box, const QString& text) {
    const char* icon = box->icon() == QMessageBox::Critical ? "error" : "information";
    print(std::string(R"({"message": {"title": )") + jsonString(box->windowTitle().toStdString()) +
          R"(, "text": )" + jsonString(text.toStdString()) + R"(, "icon": )" + jsonString(icon) +
          "}}");
    QTimer::singleShot(0, box,
                       [box] { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); });
}

void Runner::dump() {
    std::string json = R"({"state": {"captions": {)";
    for (int n = 1; n <= 12; ++n) {
        const QLabel* label = window_.label(static_cast<LabelId>(n));
        json += (n > 1 ? ", " : "") + jsonString("Label" + std::to_string(n)) + ": " +
                jsonString(label->text().toStdString());
    }
    json += R"(}, "colors": {)";
    for (int n = 7; n <= 12; ++n) {
        const QLabel* label = window_.label(static_cast<LabelId>(n));
        json += (n > 7 ? ", " : "") + jsonString("Label" + std::to_string(n)) + ": " +
                jsonString(colourText(label->palette().color(QPalette::Window)));
    }
    const FormVariables& vars = window_.form().vars();
    const QWidget* focus = QApplication::focusWidget();
    json += R"(}, "Line3": )";
    json += window_.line(LineId::Line3)->isVisibleTo(&window_) ? "true" : "false";
    json += R"(, "Option6": )";
    json += window_.optionSelected(OptionId::Option6) ? "true" : "false";
    json += R"(, "TN": )" + std::to_string(vars.TN);
    json += R"(, "KN": )" + std::to_string(vars.KN);
    json += R"(, "L": )" + std::to_string(vars.L);
    json += R"(, "G": )" + std::to_string(vars.G);
    json += R"(, "IMK": )" + jsonString(vars.IMK);
    json += R"(, "focus": )" +
            jsonString(focus != nullptr ? focus->objectName().toStdString() : std::string());
    json += "}}";
    print(json);
}

} // namespace quorvel::scenario
