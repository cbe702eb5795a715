#pragma once

#include "ui/session/native_window.h"
#include "ui/session/session.h"
#include "ui/win32/announcer.h"
#include "ui/win32/caption_static.h"
#include "ui/win32/gdi_object.h"
#include "ui/win32/tooltip_control.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::ui::win32 {

// The calculator window on the plain Win32 API: creates the controls from their tables,
// translates their notifications and the keys for the session, and draws what it is told.
class CalculatorWindow final : public session::NativeWindow {
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
    [[nodiscard]] const Form1& form() const { return session_.form(); }
    [[nodiscard]] session::Session& session() { return session_; }

    // Every message of the thread passes here before it is dispatched: the window previews each
    // key press of its own once, before the focused control sees it, then the dialog manager
    // gives Tab, the arrow keys and Space their usual meaning. True when the message is done.
    bool preTranslate(MSG& message);

    // For the scenario runner: controls by name, the labels, the tooltips, the bars.
    [[nodiscard]] HWND control(std::string_view name) const;
    [[nodiscard]] std::string nameOf(HWND control) const;
    [[nodiscard]] const CaptionStatic& label(LabelId id) const;
    [[nodiscard]] HWND tooltips() const { return tooltips_.handle(); }
    [[nodiscard]] RECT lineRect(LineId id) const;

    // session::NativeWindow
    [[nodiscard]] session::LabelDisplay labelDisplay() const override;
    void showLabel(LabelId id, const session::LabelLook& look) override;
    void setLineVisible(LineId id, bool visible) override;
    [[nodiscard]] bool optionSelected(OptionId option) const override;
    [[nodiscard]] session::ModalEnd messageBox(std::string_view text, std::string_view title,
                                               MessageIcon icon) override;
    [[nodiscard]] session::ModalEnd showDialog(const session::DialogDescription& dialog) override;
    void copyText(std::string_view text) override;
    void unload() override;
    void announce(std::string_view text) override;
    [[nodiscard]] std::string focusedControl() const override;
    void focusControl(std::string_view name) override;

private:
    struct NamedControl {
        std::string_view name;
        HWND hwnd;
        int id;
    };

    template <typename Owner>
    friend LRESULT CALLBACK ownedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onCommand(int id);
    LRESULT onControlColour(HDC dc, HWND control, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void onActivate(WPARAM wParam);
    void onDestroy();

    void createControls();
    void createControl(std::string_view name);
    void createMenu();
    HWND createChild(const wchar_t* windowClass, std::string_view caption, DWORD style,
                     const Rect& rect, int id, FontChoice font);
    [[nodiscard]] HFONT fontOf(FontChoice choice);
    void placeControls();
    void fitClientArea();
    void onDpiChanged(int dpi, const RECT& suggested);
    [[nodiscard]] CaptionStatic& label(LabelId id);
    void followSelectionWithTabStop();
    [[nodiscard]] int px(int twips) const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    TooltipControl tooltips_{nullptr, nullptr};
    int dpi_ = 96;
    // The buttons', the frame's and the options' fonts at the present DPI, by size and weight.
    std::vector<std::pair<FontChoice, Font>> fonts_;
    std::array<std::unique_ptr<CaptionStatic>, 13> labels_; // by label number; [0] unused
    std::vector<NamedControl> controls_;
    std::array<bool, 4> lineVisible_{false, true, true, true}; // by line number
    HWND focusBeforeDeactivation_ = nullptr;
    std::unique_ptr<Announcer> announcer_;
    session::Session session_{*this};
};

} // namespace quorvel::ui::win32
