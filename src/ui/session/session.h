#pragma once

#include "app/events.h"
#include "app/form1.h"
#include "app/toolkit.h"
#include "entry/virtual_keys.h"
#include "ui/session/event_table.h"
#include "ui/session/native_window.h"

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The calculator as the user meets it, the same on every platform: it owns Form1, takes the
// user's clicks, keys and menu commands from a binding, runs each through Form1's one dispatch
// point, and decides what the window then shows and says: how each label is drawn, its tooltip
// and accessible name, what is announced, and where the focus goes after a box.
namespace quorvel::session {

class Session final : private Toolkit {
public:
    explicit Session(NativeWindow& window);

    // Shows every label, runs the load step and puts the focus on 全て消す.
    void start();
    // The last of the window's controls to have had the focus.
    [[nodiscard]] std::string_view lastFocus() const { return lastFocus_; }
    // A click on a control or a menu command; a control without a handler does nothing.
    void activate(std::string_view control);
    void activate(Event event);
    void keyDown(VirtualKey key, Modifiers modifiers);
    // The window's close command: it ends like 終了.
    void close();
    // Lays every label out again, after the display or its fonts changed.
    void relayout();
    // The box or working window that the binding left open (ModalEnd::StillOpen) has closed.
    void modalClosed();
    // One observer at a time; nullptr for none.
    void observe(SessionObserver* observer) { observer_ = observer; }

    [[nodiscard]] bool ended() const { return ended_; }
    [[nodiscard]] const Form1& form() const { return form_; }

private:
    struct LabelState {
        std::string caption;
        std::optional<Colour> back;
    };

    // Toolkit: what Form1 does to the window.
    [[nodiscard]] std::string caption(LabelId label) const override;
    void setCaption(LabelId label, std::string_view text) override;
    void setBackColour(LabelId label, Colour colour) override;
    void setLineVisible(LineId line, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
    void unload() override;
    void runtimeErrorRaised(RuntimeErrorKind kind) override;

    template <typename Work> void guard(Work&& work);
    void fault();
    template <typename Handler> void run(Narration narration, Handler&& handler);
    template <typename Show> void modal(Show&& show);
    void showNextModal();
    void release();
    void showWorking();
    void showWorkingOf(Working working);
    void showCheck();
    void showHistory();
    void remember(const Working& working);
    void copyAnswer();
    void show(LabelId label);
    void rememberFocus();
    [[nodiscard]] bool choosesAgain(Event event);
    [[nodiscard]] LabelState& state(LabelId label);
    [[nodiscard]] const LabelState& state(LabelId label) const;

    NativeWindow& window_;
    SessionObserver* observer_ = nullptr;
    std::array<LabelState, 12> labels_; // Label1 ... Label12
    std::string lastFocus_;             // the last of the window's controls to have the focus
    std::string_view chosenOption_;     // the display-mode option chosen now
    int boxesShown_ = 0;
    // Boxes asked for by the running handler, shown in turn once it has ended. Until the last has
    // closed, the window goes on showing what it showed when the first was asked for.
    std::vector<std::function<ModalEnd()>> pendingModals_;
    std::bitset<13> heldLabels_;                   // by label number
    std::array<std::optional<bool>, 4> heldLines_; // by line number
    std::string focusAfterModal_;
    std::vector<Working> history_; // the calculations made, oldest first; in memory only
    std::function<void()> afterModals_;
    bool boxOpen_ = false;      // asked for or open: the window takes no input
    bool modalShowing_ = false; // on the screen now
    bool endAfterModal_ = false;
    bool faulting_ = false;
    bool ended_ = false;
    Form1 form_{*this};
};

} // namespace quorvel::session
