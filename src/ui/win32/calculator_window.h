#pragma once

#include "app/form1.h"
#include "app/toolkit.h"
#include "ui/controls/narration.h"
#include "ui/win32/announcer.h"
#include "ui/win32/caption_static.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ui::win32 {

// The calculator window on the plain Win32 API: creates the controls from their tables, forwards
// their notifications to Form1 and carries out Form1's toolkit operations on the real controls.
class CalculatorWindow final : public Toolkit {
public:
    explicit CalculatorWindow(HINSTANCE instance);
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;
    CalculatorWindow(CalculatorWindow&&) = delete;
    CalculatorWindow& operator=(CalculatorWindow&&) = delete;
    ~CalculatorWindow() override;

    // Shows the window with the keyboard focus on 全て消す.
    void show(int showCommand);
    [[nodiscard]] HWND handle() const { return hwnd_; }
    [[nodiscard]] bool unloaded() const { return hwnd_ == nullptr; }
    [[nodiscard]] const Form1& form() const { return form_; }

    // Every message of the thread passes here before it is dispatched: the window previews each
    // key press of its own once, before the focused control sees it, then the dialog manager
    // gives Tab, the arrow keys and Space their usual meaning. True when the message is done.
    bool preTranslate(MSG& message);

    // For the scenario runner: controls by name, and what the window draws.
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] std::string nameOf(HWND control) const;
    [[nodiscard]] Colour backColour(LabelId id) const;
    [[nodiscard]] bool lineVisible(LineId id) const;
    [[nodiscard]] int menuCommandId(std::string_view name) const;
    // The control through which screen readers hear what each user event changed.
    [[nodiscard]] HWND announcement() const { return announcer_->handle(); }

    // Told just before a message box opens (the text as the program wrote it), before a
    // run-time error is presented, and when the window has been unloaded.
    std::function<void(std::string_view, std::string_view, MessageIcon)> messageBoxOpening;
    std::function<void(RuntimeErrorKind)> runtimeErrorReported;
    std::function<void()> windowUnloaded;

    // Toolkit
    [[nodiscard]] std::string caption(LabelId id) const override;
    void setCaption(LabelId id, std::string_view text) override;
    void setBackColour(LabelId id, Colour colour) override;
    void setLineVisible(LineId id, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override;
    void unload() override;
    void runtimeErrorRaised(RuntimeErrorKind kind) override;

private:
    struct NamedControl {
        std::string_view name;
        HWND hwnd;
        int id;
        std::optional<Event> click;
    };

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id);
    LRESULT onControlColour(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void onActivate(WPARAM wParam);
    void onDestroy();

    void createControls();
    void createLabels();
    void createButtons();
    void createDisplayModeGroup();
    void createMenu();
    void applyTabOrder();
    HWND createChild(const wchar_t* windowClass, std::string_view caption, DWORD style,
                     const Rect& rect, int id);
    [[nodiscard]] CaptionStatic& label(LabelId id) const;
    [[nodiscard]] RECT lineRect(LineId id) const;
    void followSelectionWithTabStop();
    void narrate(Narration narration, int boxesBefore);
    [[nodiscard]] int px(int twips) const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND tooltips_ = nullptr;
    int dpi_ = 96;
    HFONT defaultFont_ = nullptr;
    std::vector<HFONT> fonts_;
    std::vector<std::unique_ptr<CaptionStatic>> labels_;
    std::vector<NamedControl> controls_;
    std::array<bool, 4> lineVisible_{false, true, true, true}; // by line number
    HWND focusBeforeDeactivation_ = nullptr;
    std::unique_ptr<Announcer> announcer_;
    int boxesShown_ = 0;
    Form1 form_{*this};
};

} // namespace quorvel::ui::win32
