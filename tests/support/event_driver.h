#pragma once

#include "app/form1.h"
#include "memory_toolkit.h"

#include <cstdint>
#include <memory>
#include <string>

// Drives Form1 on the in-memory window with one user event per byte and checks, after each, what
// must hold whatever the user did. Shared by the random-input test and the fuzz target.
namespace quorvel::testing {

class EventDriver {
public:
    EventDriver();

    // Performs the event the byte stands for. Exit events end nothing here: the window is
    // created afresh, as when the user starts the program again.
    void perform(std::uint8_t code);

    // An empty text when every invariant holds, else what is broken.
    [[nodiscard]] std::string brokenInvariant() const;

    [[nodiscard]] std::uint64_t completedCalculations() const { return completed_; }

private:
    void restart();
    void calculate(bool fromKey);

    MemoryToolkit* ui_ = nullptr;
    std::unique_ptr<MemoryToolkit> toolkit_;
    std::unique_ptr<Form1> form_;
    std::string lastCheck_;
    std::uint64_t completed_ = 0;
};

} // namespace quorvel::testing
