#pragma once

#include "app/form1.h"
#include "app/toolkit.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel::scenario {

// The name of label `number` (1 … 12), as the window's tables give it: "Label7".
[[nodiscard]] std::string labelName(int number);

// What the user perceives of one label, read back from the real control.
struct PerceivedLabel {
    std::string shown;   // the text as drawn, with its "…" when shortened
    std::string tooltip; // "" for none
    std::string name;    // the accessible name a screen reader reads
};

// What a dump shows of the window: every binding reads the same things from its real controls.
struct WindowState {
    std::array<std::string, 12> captions; // Label1 ... Label12
    std::array<Colour, 6> fieldColours{}; // back colours of Label7 ... Label12
    bool line3Visible = false;
    bool option6Selected = false;
    int TN = 0;
    int KN = 0;
    std::int32_t L = 0;
    std::int32_t G = 0;
    std::string IMK;
    std::string focus; // name of the control with the keyboard focus, "" for none
    std::array<PerceivedLabel, 12> labels; // Label1 ... Label12
    std::vector<std::string> announced;    // said to assistive technology since the last dump

    // TN, KN, L, G and IMK as the window holds them.
    void takeVariables(const FormVariables& vars);
};

// One step of the working window as the user perceives it: its kind, the texts drawn in reading
// order, and the sentence a screen reader reads.
struct PerceivedStep {
    std::string kind;
    std::vector<std::string> drawn;
    std::string said;
};

struct PerceivedWorking {
    std::string title;
    std::vector<PerceivedStep> steps;
    std::vector<std::string> buttons;
    std::string focus; // what a screen reader reads for the focus when the window opens
};

// 答え合わせ as the user perceives it after 確かめる: the problem it shows, the verdict as drawn
// and as a screen reader said it.
struct PerceivedCheck {
    std::string problem;
    std::string drawn;
    std::string said;
};

// The runner's output: one JSON object per line, flushed at once, so a test reading it while the
// runner works sees each line as it happens.
class Transcript {
public:
    // Receives each line of JSON, without its line end, as soon as it is written.
    using LineSink = std::function<void(const std::string& line)>;

    explicit Transcript(LineSink sink)
        : sink_(std::move(sink)) {}

    void state(const WindowState& state);
    void message(std::string_view title, std::string_view text, MessageIcon icon);
    void runtimeError(RuntimeErrorKind kind);
    // The working window as it opened; each step with the integers it draws.
    void working(const PerceivedWorking& working);
    void check(const PerceivedCheck& check);
    // The history window as it opened: each entry with the integers it draws and what is said.
    void history(const PerceivedWorking& history);
    // The window has been unloaded; told once however often it is reported.
    void ended();
    void badLine(std::string_view line);
    [[nodiscard]] bool hasEnded() const { return ended_; }

private:
    void print(const std::string& json);

    LineSink sink_;
    bool ended_ = false;
};

} // namespace quorvel::scenario
