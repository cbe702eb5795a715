#pragma once

#include <windows.h>

#include <commctrl.h>

namespace quorvel::ui::win32 {

// The window's one tooltip control, made when the first tooltip is given: most sessions never
// shorten a number, and under Wine every control made before the window appears delays it. It
// goes with its owner window.
class TooltipControl {
public:
    TooltipControl(HWND owner, HINSTANCE instance)
        : owner_(owner)
        , instance_(instance) {}

    // Null until a tooltip has been given.
    [[nodiscard]] HWND handle() const { return hwnd_; }

    HWND made() {
        if (hwnd_ == nullptr) {
            hwnd_ = CreateWindowExW(
                WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, instance_, nullptr);
        }
        return hwnd_;
    }

private:
    HWND owner_;
    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
};

} // namespace quorvel::ui::win32
