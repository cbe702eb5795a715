#include "ui/win32/calculator_window.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/geometry.h"
#include "ui/session/event_table.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/described_window.h"
#include "ui/win32/fonts.h"
#include "ui/win32/owned_window_proc.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <algorithm>

namespace quorvel::ui::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuorvelCalculator";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(QUORVEL_ICON_ID));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(QUORVEL_ICON_ID),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

} // namespace

CalculatorWindow::CalculatorWindow(HINSTANCE instance)
    : instance_(instance)
    , dpi_(screenDpi()) {
    INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX),
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&common);
    registerWindowClass(instance, &ownedWindowProc<CalculatorWindow>);

    RECT frame{0, 0, px(kClientWidthTwips), px(kClientHeightTwips)};
    AdjustWindowRectEx(&frame, kWindowStyle, TRUE, 0);
    // The window is attached to this object in WM_NCCREATE, before any other message.
    CreateWindowExW(0, kWindowClass, widen(kWindowCaption).c_str(), kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                    nullptr, instance, this);
    createMenu();
    fitClientArea();
    createControls();
    session_.start();
}

CalculatorWindow::~CalculatorWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (auto& label : labels_) {
        label.reset();
    }
}

// The client area exactly as designed at the present DPI, whatever the frame and the menu bar
// take (the menu bar may wrap onto a second line on a narrow frame).
void CalculatorWindow::fitClientArea() {
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    SetWindowPos(hwnd_, nullptr, 0, 0,
                 window.right - window.left + px(kClientWidthTwips) - client.right,
                 window.bottom - window.top + px(kClientHeightTwips) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a display of another scale: the window takes the place Windows suggests, then every
// control, font and caption is laid out again for the new DPI.
void CalculatorWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
    placeControls();
    session_.relayout();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

int CalculatorWindow::px(int twips) const {
    return pixelsOf(twips, dpi_);
}

void CalculatorWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    // The focus the session gave before the window was shown, which Windows does not keep.
    focusControl(session_.lastFocus());
}

HWND CalculatorWindow::control(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const NamedControl& c) { return c.name == name; });
    return found != controls_.end() ? found->hwnd : nullptr;
}

std::string CalculatorWindow::nameOf(HWND hwnd) const {
    const auto found =
        std::find_if(controls_.begin(), controls_.end(),
                     [hwnd](const NamedControl& c) { return c.hwnd != nullptr && c.hwnd == hwnd; });
    return found != controls_.end() ? std::string(found->name) : std::string();
}

const CaptionStatic& CalculatorWindow::label(LabelId id) const {
    return *labels_.at(static_cast<std::size_t>(id));
}

CaptionStatic& CalculatorWindow::label(LabelId id) {
    return *labels_.at(static_cast<std::size_t>(id));
}

RECT CalculatorWindow::lineRect(LineId id) const {
    const PixelRect r = barRect(lineRow(id), dpi_);
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

bool CalculatorWindow::preTranslate(MSG& message) {
    if (hwnd_ == nullptr) {
        return false;
    }
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown && (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd) != FALSE)) {
        session_.keyDown(
            static_cast<VirtualKey>(message.wParam),
            {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0});
        if (hwnd_ == nullptr) {
            return true;
        }
    }
    // The key is not consumed: the focused control still receives it.
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT CalculatorWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Clicks on buttons and options (BN_CLICKED), on labels (STN_CLICKED, also 0) and menu
        // commands; nothing else a control notifies has a handler.
        if (HIWORD(wParam) == 0) {
            onCommand(LOWORD(wParam));
        }
        return 0;
    case WM_CTLCOLORSTATIC:
        return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                               wParam, lParam);
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        session_.close();
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void CalculatorWindow::onCommand(int id) {
    const auto event = session::eventOfId(id);
    if (!event) {
        return;
    }
    followSelectionWithTabStop();
    session_.activate(*event);
}

LRESULT CalculatorWindow::onControlColour(HDC dc, HWND control, WPARAM wParam, LPARAM lParam) {
    for (const auto& label : labels_) {
        if (label != nullptr && label->handle() == control) {
            return reinterpret_cast<LRESULT>(label->colours(dc));
        }
    }
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, wParam, lParam);
}

void CalculatorWindow::onPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    // The fraction bars: one pixel, solid, in the default line colour.
    for (const LineRow& row : lineTable()) {
        if (lineVisible_.at(static_cast<std::size_t>(row.id))) {
            const RECT bar = lineRect(row.id);
            FillRect(dc, &bar, GetSysColorBrush(COLOR_WINDOWTEXT));
        }
    }
    EndPaint(hwnd_, &paint);
}

void CalculatorWindow::onActivate(WPARAM wParam) {
    // Give the focus back to the control that had it when the window was left, as a dialog does.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus) != FALSE) {
            focusBeforeDeactivation_ = focus;
        }
    } else if (focusBeforeDeactivation_ != nullptr && IsWindow(focusBeforeDeactivation_) != FALSE) {
        SetFocus(focusBeforeDeactivation_);
    }
}

void CalculatorWindow::onDestroy() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    PostQuitMessage(0);
}

session::LabelDisplay CalculatorWindow::labelDisplay() const {
    return {dpi_, static_cast<double>(dpi_),
            [this](LabelId id, std::string_view text, double pixelSize) {
                return label(id).measure(text, pixelSize);
            }};
}

void CalculatorWindow::showLabel(LabelId id, const session::LabelLook& look) {
    label(id).show(look);
}

void CalculatorWindow::setLineVisible(LineId id, bool visible) {
    lineVisible_.at(static_cast<std::size_t>(id)) = visible;
    const RECT bar = lineRect(id);
    InvalidateRect(hwnd_, &bar, TRUE);
}

bool CalculatorWindow::optionSelected(OptionId option) const {
    return SendMessageW(control(optionRow(option).name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

session::ModalEnd CalculatorWindow::messageBox(std::string_view text, std::string_view title,
                                               MessageIcon icon) {
    MessageBoxW(hwnd_, withWindowsLineBreaks(text).c_str(), widen(title).c_str(),
                MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION));
    // Give the keyboard back to the calculator even where no window manager does so.
    if (hwnd_ != nullptr) {
        SetForegroundWindow(hwnd_);
    }
    return session::ModalEnd::Closed;
}

session::ModalEnd CalculatorWindow::showDialog(const session::DialogDescription& dialog) {
    std::optional<session::DialogCommand> closedWith;
    std::size_t line = 0;
    {
        DescribedWindow window(instance_, hwnd_, dpi_, dialog);
        window.run();
        closedWith = window.closedWith();
        line = window.chosenLine();
    }
    if (closedWith && dialog.closed) {
        dialog.closed(*closedWith, line);
    }
    return session::ModalEnd::Closed;
}

void CalculatorWindow::copyText(std::string_view text) {
    copyToClipboard(hwnd_, text);
}

void CalculatorWindow::unload() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

void CalculatorWindow::announce(std::string_view text) {
    if (hwnd_ != nullptr) {
        announcer_->announce(text);
    }
}

std::string CalculatorWindow::focusedControl() const {
    return nameOf(GetFocus());
}

void CalculatorWindow::focusControl(std::string_view name) {
    // Before the window is shown, show() gives the focus: Windows does not keep it on a hidden
    // window, and under Wine giving it there activates the window, which takes longer than
    // making all its controls.
    if (IsWindowVisible(hwnd_) == FALSE) {
        return;
    }
    if (HWND target = control(name); target != nullptr) {
        SetFocus(target);
    }
}

} // namespace quorvel::ui::win32
