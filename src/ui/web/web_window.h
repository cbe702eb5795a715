#pragma once

#include "app/events.h"
#include "app/form1.h"
#include "app/toolkit.h"
#include "ui/controls/narration.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// The calculator window on a web page: the controls are elements that the page's script builds
// from the control tables, and this class is the window's Toolkit over them. A message box is a
// modal <dialog>; the handler waits for it through Asyncify, as it waits for a desktop box.
namespace quorvel::ui::web {

class WebWindow final : public Toolkit {
public:
    // Builds the page's window, runs the load step and puts the focus on 全て消す.
    WebWindow();
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;
    WebWindow(WebWindow&&) = delete;
    WebWindow& operator=(WebWindow&&) = delete;

    // A click or a key press of the user, then what a screen reader says about it.
    void handleUserEvent(Event event);
    void handleKeyDown(int virtualKey, bool shift, bool ctrl, bool alt);
    // The browser's close command for the window: it ends like 終了.
    void close();

    [[nodiscard]] Form1& form() { return form_; }

    [[nodiscard]] std::string caption(LabelId label) const override;
    void setCaption(LabelId label, std::string_view text) override;
    void setBackColour(LabelId label, Colour colour) override;
    void setLineVisible(LineId line, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
    void unload() override;
    void runtimeErrorRaised(RuntimeErrorKind kind) override;

    // Observers for the scenario runner.
    std::function<void(std::string_view text, std::string_view title, MessageIcon icon)>
        messageBoxOpening;
    std::function<void(RuntimeErrorKind)> runtimeErrorReported;
    std::function<void()> windowUnloaded;

private:
    void showCaption(LabelId label);
    void narrate(Narration narration, int boxesBefore);

    Form1 form_{*this};
    std::array<std::string, 12> captions_;
    int boxesShown_ = 0;
    bool ended_ = false;
};

} // namespace quorvel::ui::web
