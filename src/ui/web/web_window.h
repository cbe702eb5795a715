#pragma once

#include "ui/session/native_window.h"
#include "ui/session/session.h"

#include <optional>
#include <string>
#include <string_view>

// The calculator window on a web page: the controls are elements that the page's script builds
// from the control tables, and this class draws on them what the session tells it. A message box
// is a modal <dialog>, open until the user answers it; the session holds the window back until
// then, as a desktop box does.
namespace quorvel::ui::web {

class WebWindow final : public session::NativeWindow {
public:
    // Builds the page's window, runs the load step and puts the focus on 全て消す.
    WebWindow();
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;
    WebWindow(WebWindow&&) = delete;
    WebWindow& operator=(WebWindow&&) = delete;

    [[nodiscard]] session::Session& session() { return session_; }
    [[nodiscard]] const Form1& form() const { return session_.form(); }

    // The secondary window open on the page: what its check says of the fields (the check box
    // and the fields' texts), and its closing by a command its description is to hear of.
    [[nodiscard]] std::string checkDialog(std::string_view entriesJson) const;
    void dialogClosing(session::DialogCommand command, std::size_t line);

    // session::NativeWindow
    [[nodiscard]] session::LabelDisplay labelDisplay() const override;
    void showLabel(LabelId label, const session::LabelLook& look) override;
    void setLineVisible(LineId line, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    [[nodiscard]] session::ModalEnd messageBox(std::string_view text, std::string_view title,
                                               MessageIcon icon) override;
    [[nodiscard]] session::ModalEnd showDialog(const session::DialogDescription& dialog) override;
    void copyText(std::string_view text) override;
    void unload() override;
    void announce(std::string_view text) override;
    [[nodiscard]] std::string focusedControl() const override;
    void focusControl(std::string_view name) override;

private:
    bool ended_ = false;
    std::optional<session::DialogDescription> openDialog_;
    session::Session session_{*this};
};

} // namespace quorvel::ui::web
