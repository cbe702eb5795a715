#pragma once

#include "ui/session/working_layout.h"
#include "ui/win32/gdi_object.h"

#include <windows.h>

#include <string>
#include <vector>

namespace quorvel::ui::win32 {

// The working window on Win32: a modal window owned by the calculator, with the steps as an
// owner-drawn list box (its items' texts are the sentences a screen reader reads), コピー and
// 閉じる. The list box moves through the steps with the arrow keys; Escape closes.
class WorkingWindow {
public:
    static constexpr wchar_t kWindowClass[] = L"QuorvelWorking";
    static constexpr int kStepsId = 100;
    static constexpr int kCopyId = 101;

    WorkingWindow(HINSTANCE instance, HWND owner, int dpi, const session::WorkingPage& page);
    WorkingWindow(const WorkingWindow&) = delete;
    WorkingWindow& operator=(const WorkingWindow&) = delete;
    WorkingWindow(WorkingWindow&&) = delete;
    WorkingWindow& operator=(WorkingWindow&&) = delete;
    ~WorkingWindow();

    // Runs the window modally; returns once the user has closed it.
    void run();

    // The window's object, for the scenario runner; null for another window.
    [[nodiscard]] static const WorkingWindow* of(HWND hwnd);
    // The texts a step draws, in reading order, and the kind of line it is.
    [[nodiscard]] std::vector<std::string> drawn(int step) const;
    [[nodiscard]] std::string kind(int step) const;
    // The width the steps were laid out in, in pixels.
    [[nodiscard]] int contentWidth() const { return layout_.width; }
    [[nodiscard]] HWND handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK stepsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void drawStep(const DRAWITEMSTRUCT& item) const;
    void close();

    HWND owner_;
    int dpi_;
    double pixels_;
    const session::WorkingPage& page_;
    session::WorkingLayout layout_;
    HWND hwnd_ = nullptr;
    HWND steps_ = nullptr;
    Font font_;
    std::vector<std::wstring> sentences_; // what a screen reader reads for each step
    bool open_ = false;
};

} // namespace quorvel::ui::win32
