#pragma once

#include "driver.h"

#include <windows.h>

namespace quorvel::ui::win32 {
class CalculatorWindow;
}

namespace quorvel::scenario {

// Drives the calculator window on Win32 with input messages posted to the control under the
// mouse or with the keyboard focus, run through the same loop as the program's own: the key
// preview, the dialog manager, dispatch.
class Win32Driver final : public Driver, private TranscriptObserver {
public:
    Win32Driver(ui::win32::CalculatorWindow& window, Transcript& transcript);
    ~Win32Driver() override;
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;
    Win32Driver(Win32Driver&&) = delete;
    Win32Driver& operator=(Win32Driver&&) = delete;

    void click(const std::string& name) override;
    void chooseMenuCommand(const std::string& name) override;
    void pressKey(int virtualKey, bool shift, bool ctrl, bool alt) override;
    void close() override;
    [[nodiscard]] WindowState state() override;
    void wait(int milliseconds) override;
    void settle() override;
    void plantFault() override { armFault(); }
    void checkAnswer(bool negative, const std::array<std::string, 3>& answer) override;
    void openHistory(int pick) override;

private:
    void boxOpening(std::string_view text, std::string_view title, MessageIcon icon) override;
    void workingOpening() override;
    [[nodiscard]] HWND controlUnder(POINT screen) const;
    [[nodiscard]] HWND keyboardTarget() const;

    ui::win32::CalculatorWindow& window_;
    Transcript& transcript_;
    bool quit_ = false;
    HWINEVENTHOOK liveRegionHook_ = nullptr;
};

} // namespace quorvel::scenario
