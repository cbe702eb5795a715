#pragma once

#include "app/toolkit.h"
#include "ui/session/dialog.h"
#include "ui/session/label_look.h"
#include "ui/session/working_layout.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the session asks of a binding: the window's own operations on its real controls, and
// "show this label like this". Everything the user perceives is decided by the session; the
// binding draws it and reports what the user did.
namespace quorvel::session {

// Whether a box or the working window has been closed by the time the binding's call returns (a
// desktop's modal loop), or is still open: the binding then calls Session::modalClosed when the
// user closes it (a web page, which cannot wait inside a handler).
enum class ModalEnd : std::uint8_t { Closed, StillOpen };

class NativeWindow {
public:
    NativeWindow() = default;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;
    NativeWindow(NativeWindow&&) = delete;
    NativeWindow& operator=(NativeWindow&&) = delete;
    virtual ~NativeWindow() = default;

    // The display the labels are laid out on.
    [[nodiscard]] virtual LabelDisplay labelDisplay() const = 0;
    // Draws the label as told: its text as laid out, back colour, tooltip and accessible texts.
    virtual void showLabel(LabelId label, const LabelLook& look) = 0;
    virtual void setLineVisible(LineId line, bool visible) = 0;
    [[nodiscard]] virtual bool optionSelected(OptionId option) const = 0;
    // A modal box, shown once the handler that asked for it has ended. Lines are separated by
    // "\r" alone.
    [[nodiscard]] virtual ModalEnd messageBox(std::string_view text, std::string_view title,
                                              MessageIcon icon) = 0;
    // Modal like a box: a secondary window, drawn as described with the binding's own controls.
    // The binding lays the lines out with layOutWorking for its font and screen.
    [[nodiscard]] virtual ModalEnd showDialog(const DialogDescription& dialog) = 0;
    // Puts plain text on the clipboard.
    virtual void copyText(std::string_view text) = 0;
    // Closes the window; the program ends once the running handler returns.
    virtual void unload() = 0;
    // Says a short message to assistive technology at once.
    virtual void announce(std::string_view text) = 0;
    // The control with the keyboard focus by its name, "" when it is none of the window's
    // controls (the menu bar, another window).
    [[nodiscard]] virtual std::string focusedControl() const = 0;
    virtual void focusControl(std::string_view name) = 0;
};

// What a test watches for besides what the window shows: a box about to open (with the text as
// the program wrote it), a run-time error about to be presented, the end of the window.
class SessionObserver {
public:
    SessionObserver() = default;
    SessionObserver(const SessionObserver&) = delete;
    SessionObserver& operator=(const SessionObserver&) = delete;
    SessionObserver(SessionObserver&&) = delete;
    SessionObserver& operator=(SessionObserver&&) = delete;
    virtual ~SessionObserver() = default;

    virtual void boxOpening(std::string_view /*text*/, std::string_view /*title*/,
                            MessageIcon /*icon*/) {}
    virtual void runtimeError(RuntimeErrorKind /*kind*/) {}
    // The working window is about to open.
    virtual void workingOpening() {}
    // The history window is about to open.
    virtual void historyOpening() {}
    // A handler of the window is about to run (a test can make it fail here).
    virtual void handlerRunning() {}
    virtual void ended() {}
};

} // namespace quorvel::session
