#pragma once

#include "ui/session/native_window.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quorvel::testing {

// A binding kept in memory under the session: it records what it is told to show and say, and
// answers each message box at once. Its font is a fixed-width one: every character is 8 pixels
// wide at 16 pixels, in proportion at other sizes.
class MemoryWindow : public session::NativeWindow {
public:
    struct Box {
        std::string text;
        std::string title;
        std::string focusWhileOpen; // where the focus was when the box opened
    };

    MemoryWindow() { lines.fill(true); }

    [[nodiscard]] session::LabelDisplay labelDisplay() const override {
        return {96, 96, [](LabelId, std::string_view text, double pixelSize) {
                    const double width = static_cast<double>(text.size()) * pixelSize / 2;
                    return ui::TextExtent{width, 0, -pixelSize * 0.7, width, 0, pixelSize * 0.8};
                }};
    }
    void showLabel(LabelId label, const session::LabelLook& look) override {
        looks.at(static_cast<std::size_t>(label)) = look;
    }
    void setLineVisible(LineId line, bool visible) override {
        lines.at(static_cast<std::size_t>(line)) = visible;
    }
    [[nodiscard]] bool optionSelected(OptionId option) const override {
        return (option == OptionId::Option6) == improperMode;
    }
    [[nodiscard]] session::ModalEnd messageBox(std::string_view text, std::string_view title,
                                               MessageIcon /*icon*/) override {
        boxes.push_back({std::string(text), std::string(title), focus});
        return opened();
    }
    [[nodiscard]] session::ModalEnd showDialog(const session::DialogDescription& dialog) override {
        workings.push_back(dialog);
        return opened();
    }
    void copyText(std::string_view text) override { clipboard = std::string(text); }
    void unload() override { unloaded = true; }
    void announce(std::string_view text) override { announced.emplace_back(text); }
    [[nodiscard]] std::string focusedControl() const override { return focus; }
    void focusControl(std::string_view name) override { focus = std::string(name); }

    [[nodiscard]] session::ModalEnd opened() {
        focus.clear(); // the box has the keyboard now
        if (duringBox) {
            duringBox();
        }
        return boxesStayOpen ? session::ModalEnd::StillOpen : session::ModalEnd::Closed;
    }

    [[nodiscard]] const session::LabelLook& look(LabelId label) const {
        return looks.at(static_cast<std::size_t>(label));
    }

    std::function<void()> duringBox; // what happens while a box is open
    // Boxes stay open after the call, as on a web page, until the test closes them.
    bool boxesStayOpen = false;
    bool improperMode = false; // 仮分数 selected
    bool unloaded = false;
    std::string focus; // "" when the focus is on none of the window's controls
    std::vector<Box> boxes;
    std::vector<session::DialogDescription> workings;
    std::string clipboard;
    std::vector<std::string> announced;
    std::array<session::LabelLook, 13> looks{};
    std::array<bool, 4> lines{};
};

} // namespace quorvel::testing
