#pragma once

#include "transcript.h"

#include "ui/session/native_window.h"

#include <array>
#include <iosfwd>
#include <string>

namespace quorvel::scenario {

// What a runner does to the real window of its binding. Message boxes, run-time errors and the
// end of the window are reported to the transcript by the driver as they happen; each box is
// answered with OK.
class Driver {
public:
    Driver() = default;
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    Driver(Driver&&) = delete;
    Driver& operator=(Driver&&) = delete;
    virtual ~Driver() = default;

    // A left click on the control where a real mouse would click it.
    virtual void click(const std::string& name) = 0;
    virtual void chooseMenuCommand(const std::string& name) = 0;
    // A key press and release delivered to the control with the focus, as the platform does.
    virtual void pressKey(int virtualKey, bool shift, bool ctrl, bool alt) = 0;
    // The close command a window manager sends.
    virtual void close() = 0;
    [[nodiscard]] virtual WindowState state() = 0;
    // Lets outside input arrive for so many milliseconds.
    virtual void wait(int milliseconds) = 0;
    // What the event loop would do before the user's next action: deliver what is pending.
    virtual void settle() = 0;
    // The next handler of the window throws, as a fault of the program would.
    virtual void plantFault() = 0;
    // Opens 答え合わせ from the menu, types the answer into its fields (whole part, numerator,
    // denominator) with the sign ticked when negative, presses 確かめる, reports what it says to
    // the transcript and closes the window with Escape.
    virtual void checkAnswer(bool negative, const std::array<std::string, 3>& answer) = 0;
    // Opens 履歴 from the menu. With pick 0 it reports the entries and closes the window with
    // Escape; else it moves to the pick-th entry (1 = the newest) with Down and presses Enter.
    virtual void openHistory(int pick) = 0;
};

// Writes what the session reports besides the window to the transcript: run-time errors and the
// end of the window. A driver that does not read its boxes from the real window writes them here
// too.
class TranscriptObserver : public session::SessionObserver {
public:
    explicit TranscriptObserver(Transcript& transcript)
        : transcript_(transcript) {}

    void runtimeError(RuntimeErrorKind kind) override { transcript_.runtimeError(kind); }
    void ended() override { transcript_.ended(); }
    void handlerRunning() override;

protected:
    void armFault() { faultArmed_ = true; }

private:
    Transcript& transcript_;
    bool faultArmed_ = false;
};

// Plays one scenario line; false for a blank line or a comment, which do nothing.
bool playLine(const std::string& text, Driver& driver, Transcript& transcript);

// Plays scenario lines from input against the driver until the input ends or the window has
// been unloaded.
void play(std::istream& input, Driver& driver, Transcript& transcript);

} // namespace quorvel::scenario
