#pragma once

#include "ui/session/dialog.h"
#include "ui/session/working_layout.h"
#include "ui/win32/described_form.h"
#include "ui/win32/gdi_object.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvel::ui::win32 {

// A secondary window on Win32, made from its description: a modal window owned by the
// calculator, with the lines as an owner-drawn list box (its items' texts are the sentences a
// screen reader reads) and the buttons. The list box moves through the lines with the arrow keys.
class DescribedWindow {
public:
    static constexpr wchar_t kWindowClass[] = L"QuorvelDescribed";
    static constexpr int kStepsId = 100;
    // The buttons' ids, in the description's order.
    static constexpr int kFirstButtonId = 101;
    static constexpr int kAnnouncementId = 99;

    DescribedWindow(HINSTANCE instance, HWND owner, int dpi,
                    const session::DialogDescription& dialog);
    DescribedWindow(const DescribedWindow&) = delete;
    DescribedWindow& operator=(const DescribedWindow&) = delete;
    DescribedWindow(DescribedWindow&&) = delete;
    DescribedWindow& operator=(DescribedWindow&&) = delete;
    ~DescribedWindow();

    // Runs the window modally; returns once the user has closed it.
    void run();

    // The window's object, for the scenario runner; null for another window.
    [[nodiscard]] static const DescribedWindow* of(HWND hwnd);
    // The texts a step draws, in reading order, and the kind of line it is.
    [[nodiscard]] std::vector<std::string> drawn(int step) const;
    [[nodiscard]] std::string kind(int step) const;
    // The width the steps were laid out in, in pixels.
    [[nodiscard]] int contentWidth() const { return layout_.width; }
    [[nodiscard]] HWND handle() const { return hwnd_; }
    // The command that closed the window, when its description is to hear of it, and the line
    // chosen in the list then.
    [[nodiscard]] std::optional<session::DialogCommand> closedWith() const { return closedWith_; }
    [[nodiscard]] std::size_t chosenLine() const;

private:
    template <typename Owner>
    friend LRESULT CALLBACK ownedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK stepsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    SIZE createList(HINSTANCE instance, int left, int top, RECT area, int below);
    [[nodiscard]] int enterTarget() const;
    void say(const std::string& text);
    void drawStep(const DRAWITEMSTRUCT& item) const;
    void carryOut(session::DialogCommand command);

    HWND owner_;
    int dpi_;
    double pixels_;
    const session::DialogDescription& dialog_;
    session::WorkingLayout layout_;
    HWND hwnd_ = nullptr;
    HWND steps_ = nullptr;
    std::optional<Announcer> announcer_; // says the reply and a copy made
    std::optional<DescribedForm> form_;
    Font font_;
    std::vector<std::wstring> sentences_; // what a screen reader reads for each step
    bool open_ = false;
    std::optional<session::DialogCommand> closedWith_;
};

} // namespace quorvel::ui::win32
