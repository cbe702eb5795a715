#include "ui/win32/calculator_window.h"

#include "ui/controls/control_tables.h"
#include "ui/win32/fonts.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace quorvel::ui::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuorvelCalculator";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Control ids follow the names: LabelN 100 + N, CommandN 200 + N, Frame2 and the options 300 + N,
// the menu commands 401 and 402. They stay clear of IDOK (1) and IDCANCEL (2), which the dialog
// manager sends for Enter and Escape: the window has no default or cancel button, so those do
// nothing.
int controlIdOf(std::string_view name) {
    if (name == "FileExit") {
        return 401;
    }
    if (name == "FileBer") {
        return 402;
    }
    const std::size_t digits = name.find_first_of("0123456789");
    const std::string_view kind = name.substr(0, digits);
    const int number = std::stoi(std::string(name.substr(digits)));
    const int base = kind == "Label" ? 100 : kind == "Command" ? 200 : 300;
    return base + number;
}
constexpr int kAnnouncementId = 500;
constexpr double kDefaultFontPoints = 9;

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW; // replaced per window once it exists
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
    registerWindowClass(instance);

    RECT frame{0, 0, px(kClientWidthTwips), px(kClientHeightTwips)};
    AdjustWindowRectEx(&frame, kWindowStyle, TRUE, 0);
    hwnd_ = CreateWindowExW(0, kWindowClass, L"Quorvel", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            instance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowProc));
    createMenu();
    // The menu bar may take more than one line on a narrow frame: keep the client area exact.
    RECT client{};
    GetClientRect(hwnd_, &client);
    SetWindowPos(hwnd_, nullptr, 0, 0,
                 frame.right - frame.left + px(kClientWidthTwips) - client.right,
                 frame.bottom - frame.top + px(kClientHeightTwips) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    createControls();
    form_.handle(Event::Form_Load);
}

CalculatorWindow::~CalculatorWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    labels_.clear();
    for (HFONT font : fonts_) {
        DeleteObject(font);
    }
}

int CalculatorWindow::px(int twips) const {
    return MulDiv(twips, dpi_, 1440);
}

void CalculatorWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(control("Command2"));
}

HWND CalculatorWindow::createChild(const wchar_t* windowClass, std::string_view caption,
                                   DWORD style, const Rect& rect, int id) {
    return CreateWindowExW(0, windowClass, widen(caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                           px(rect.left), px(rect.top), px(rect.width), px(rect.height), hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

void CalculatorWindow::createControls() {
    defaultFont_ = createJapaneseFont(pixelsOfPoints(kDefaultFontPoints, dpi_), false);
    fonts_.push_back(defaultFont_);
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                nullptr, instance_, nullptr);
    createLabels();
    createButtons();
    createDisplayModeGroup();
    applyTabOrder();
    announcer_ = std::make_unique<Announcer>(hwnd_, instance_, kAnnouncementId);
}

void CalculatorWindow::createLabels() {
    for (const LabelRow& row : labelTable()) {
        const int id = controlIdOf(row.name);
        auto label = std::make_unique<CaptionStatic>(row, hwnd_, id, dpi_, tooltips_);
        controls_.push_back({row.name, label->handle(), id, row.click});
        labels_.push_back(std::move(label));
    }
}

void CalculatorWindow::createButtons() {
    for (const ButtonRow& row : buttonTable()) {
        const int id = controlIdOf(row.name);
        HWND button = createChild(L"BUTTON", row.caption, BS_PUSHBUTTON | WS_TABSTOP, row.rect, id);
        HFONT font = defaultFont_;
        if (row.font.points > 0) {
            font = createJapaneseFont(pixelsOfPoints(row.font.points, dpi_), row.font.bold);
            fonts_.push_back(font);
        }
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls_.push_back({row.name, button, id, row.click});
    }
}

void CalculatorWindow::createDisplayModeGroup() {
    const FrameRow& frameRow = displayModeFrame();
    const int frameId = controlIdOf(frameRow.name);
    HWND frame = createChild(L"BUTTON", frameRow.caption, BS_GROUPBOX, frameRow.rect, frameId);
    SendMessageW(frame, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_), FALSE);
    controls_.push_back({frameRow.name, frame, frameId, std::nullopt});
    for (const OptionRow& row : optionTable()) {
        // The options are children of the window, placed inside the frame: a group box passes no
        // notifications on.
        const Rect inWindow{frameRow.rect.left + row.rect.left, frameRow.rect.top + row.rect.top,
                            row.rect.width, row.rect.height};
        const int id = controlIdOf(row.name);
        HWND option = createChild(L"BUTTON", row.caption, BS_AUTORADIOBUTTON, inWindow, id);
        SendMessageW(option, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_), FALSE);
        SendMessageW(option, BM_SETCHECK, row.selected ? BST_CHECKED : BST_UNCHECKED, 0);
        controls_.push_back({row.name, option, id, row.click});
    }
    followSelectionWithTabStop();
}

void CalculatorWindow::createMenu() {
    HMENU bar = CreateMenu();
    for (const MenuCommandRow& row : menuTable()) {
        const int id = controlIdOf(row.name);
        AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(id), widen(row.caption).c_str());
        controls_.push_back({row.name, nullptr, id, row.click});
    }
    SetMenu(hwnd_, bar);
}

void CalculatorWindow::applyTabOrder() {
    // The dialog manager moves the focus in z-order: stack the controls in the tab order. Each
    // control starts a group of its own but the second option, so the arrow keys move within the
    // display-mode group only.
    HWND previous = HWND_TOP;
    for (const std::string_view name : tabOrder()) {
        HWND hwnd = control(name);
        if (hwnd == nullptr) {
            continue;
        }
        if (name != "Option6") {
            SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) | WS_GROUP);
        }
        SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = hwnd;
    }
}

// An option group is entered by Tab on its selected button: only that one is a tab stop.
void CalculatorWindow::followSelectionWithTabStop() {
    for (const std::string_view name : {"Option5", "Option6"}) {
        HWND option = control(name);
        const bool selected = SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
        const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        SetWindowLongPtrW(option, GWL_STYLE, selected ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
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

int CalculatorWindow::menuCommandId(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const NamedControl& c) { return c.name == name; });
    return found != controls_.end() ? found->id : 0;
}

CaptionStatic& CalculatorWindow::label(LabelId id) const {
    for (const auto& label : labels_) {
        if (label->row().id == id) {
            return *label;
        }
    }
    return *labels_.front(); // every label id has its row
}

Colour CalculatorWindow::backColour(LabelId id) const {
    return label(id).backColour().value_or(GetSysColor(COLOR_BTNFACE));
}

bool CalculatorWindow::lineVisible(LineId id) const {
    return lineVisible_.at(static_cast<std::size_t>(id));
}

RECT CalculatorWindow::lineRect(LineId id) const {
    for (const LineRow& row : lineTable()) {
        if (row.id == id) {
            return {px(row.x1), px(row.y1), px(row.x2) + 1, px(row.y2) + 1};
        }
    }
    return {};
}

bool CalculatorWindow::preTranslate(MSG& message) {
    if (hwnd_ == nullptr) {
        return false;
    }
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown && (message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd) != FALSE)) {
        int shift = 0;
        shift |= GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
        shift |= GetKeyState(VK_CONTROL) < 0 ? 2 : 0;
        shift |= GetKeyState(VK_MENU) < 0 ? 4 : 0;
        const int boxesBefore = boxesShown_;
        form_.handleKeyDown(static_cast<std::int16_t>(message.wParam),
                            static_cast<std::int16_t>(shift));
        if (hwnd_ == nullptr) {
            return true;
        }
        narrate(narrationAfterKey(static_cast<int>(message.wParam)), boxesBefore);
    }
    // The key is not consumed: the focused control still receives it.
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT CALLBACK CalculatorWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    auto* self = reinterpret_cast<CalculatorWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handleMessage(hwnd, message, wParam, lParam);
}

LRESULT CalculatorWindow::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
                               message, wParam, lParam);
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_ACTIVATE:
        onActivate(wParam);
        return 0;
    case WM_DESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        onDestroy();
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void CalculatorWindow::onCommand(int id) {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const NamedControl& c) { return c.id == id; });
    if (found == controls_.end() || !found->click) {
        return;
    }
    const Event event = *found->click;
    if (event == Event::Option5_Click || event == Event::Option6_Click) {
        followSelectionWithTabStop();
    }
    const int boxesBefore = boxesShown_;
    form_.handle(event);
    narrate(narrationAfter(event), boxesBefore);
}

// One message per user event; none when a box has spoken for itself or the window has gone.
void CalculatorWindow::narrate(Narration narration, int boxesBefore) {
    if (hwnd_ == nullptr || boxesShown_ != boxesBefore) {
        return;
    }
    const std::string text = narrationText(narration, form_);
    if (!text.empty()) {
        announcer_->announce(text);
    }
}

LRESULT CalculatorWindow::onControlColour(HDC dc, HWND control, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    for (const auto& label : labels_) {
        if (label->handle() == control) {
            return reinterpret_cast<LRESULT>(label->colours(dc));
        }
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void CalculatorWindow::onPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    // The fraction bars: one pixel, solid, in the default line colour.
    for (const LineRow& row : lineTable()) {
        if (lineVisible(row.id)) {
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
    hwnd_ = nullptr;
    if (windowUnloaded) {
        windowUnloaded();
    }
    PostQuitMessage(0);
}

std::string CalculatorWindow::caption(LabelId id) const {
    return label(id).caption();
}

void CalculatorWindow::setCaption(LabelId id, std::string_view text) {
    label(id).setCaption(text);
}

void CalculatorWindow::setBackColour(LabelId id, Colour colour) {
    label(id).setBackColour(colour);
}

void CalculatorWindow::setLineVisible(LineId id, bool visible) {
    lineVisible_.at(static_cast<std::size_t>(id)) = visible;
    const RECT bar = lineRect(id);
    InvalidateRect(hwnd_, &bar, TRUE);
}

bool CalculatorWindow::optionSelected(OptionId option) const {
    return SendMessageW(control(option == OptionId::Option5 ? "Option5" : "Option6"), BM_GETCHECK,
                        0, 0) == BST_CHECKED;
}

void CalculatorWindow::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
    ++boxesShown_;
    if (messageBoxOpening) {
        messageBoxOpening(text, title, icon);
    }
    HWND focus = GetFocus();
    MessageBoxW(hwnd_, withWindowsLineBreaks(text).c_str(), widen(title).c_str(),
                MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION));
    // Give the keyboard back to the calculator even where no window manager does so, so typing
    // goes on into the field that was active, with the focus where it was.
    if (hwnd_ != nullptr) {
        SetForegroundWindow(hwnd_);
    }
    if (focus != nullptr && IsWindow(focus) != FALSE) {
        SetFocus(focus);
    }
}

void CalculatorWindow::unload() {
    DestroyWindow(hwnd_);
}

void CalculatorWindow::runtimeErrorRaised(RuntimeErrorKind kind) {
    if (runtimeErrorReported) {
        runtimeErrorReported(kind);
    }
}

} // namespace quorvel::ui::win32
