#pragma once

#include "app/events.h"
#include "app/toolkit.h"
#include "arith/working.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

// The window-level variables. They live exactly as long as the window.
struct FormVariables {
    std::int32_t L = 0;  // last LCM, or the result denominator of × and ÷
    std::int32_t G = 0;  // last GCD
    std::int16_t TN = 0; // code of the active entry field, 1 ... 6
    std::int16_t KN = 0; // operator code: 0 none, 1 ＋, 2 －, 3 ×, 4 ÷
    std::string IMK;     // scratch text of the entry operations
};

// The calculator window: its variables, its routines and one handler per user action. The
// controls themselves belong to the toolkit; Form1 reaches them only through Toolkit.
class Form1 {
public:
    explicit Form1(Toolkit& toolkit)
        : toolkit_(toolkit) {}

    // The one dispatch point: runs the handler of the event. A run-time error ends the handler
    // where it arises and is presented to the user here; the window goes on running.
    void handle(Event event);
    void handleKeyDown(std::int16_t keyCode, std::int16_t shift);

    [[nodiscard]] Toolkit& toolkit() { return toolkit_; }
    [[nodiscard]] FormVariables& vars() { return vars_; }
    [[nodiscard]] const FormVariables& vars() const { return vars_; }
    // The working of the last calculation, as it went.
    [[nodiscard]] const Working& working() const { return working_; }

    // The window-level routines.
    std::int32_t GCD(std::int32_t M, std::int32_t N);
    std::int32_t LCM(std::int32_t M, std::int32_t N);
    void AKS();

private:
    template <typename Handler> void guarded(Handler&& handler);
    void runEvent(Event event);
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void calculate(Stage& stage, std::optional<LabelId>& field);

    Toolkit& toolkit_;
    FormVariables vars_;
    Working working_;
};

} // namespace quorvel
