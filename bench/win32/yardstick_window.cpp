// The yardsticks for the Windows program's start-up, made with nothing but the plain API: a window
// with a menu bar of three commands and either one static control (ONE_STATIC) or the
// calculator's 39 native controls (12 statics, 23 push buttons, a group box, two options and the
// one-pixel static the screen reader's announcements go through), all in one shared font. The 39
// are built twice: with and without the calculator's manifest.
#include <windows.h>

#include <array>

namespace {

struct ControlKind {
    const wchar_t* windowClass;
    DWORD style;
    int count;
};

#ifdef ONE_STATIC
constexpr std::array kControls{ControlKind{L"STATIC", SS_NOPREFIX, 1}};
#else
constexpr std::array kControls{
    ControlKind{L"STATIC", SS_NOPREFIX, 12},
    ControlKind{L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 23},
    ControlKind{L"BUTTON", BS_GROUPBOX | WS_GROUP, 1},
    ControlKind{L"BUTTON", BS_AUTORADIOBUTTON, 2},
    ControlKind{L"STATIC", SS_NOPREFIX, 1},
};
#endif

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Yardstick";
    RegisterClassExW(&windowClass);
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"終了");
    AppendMenuW(bar, MF_STRING, 2, L"全て消す");
    AppendMenuW(bar, MF_STRING, 3, L"版");
    HWND hwnd = CreateWindowExW(0, L"Yardstick", L"Yardstick", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 440, 340, nullptr, bar, instance, nullptr);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
    int made = 0;
    for (const ControlKind& kind : kControls) {
        for (int i = 0; i < kind.count; ++i, ++made) {
            HWND control = CreateWindowExW(
                0, kind.windowClass, L"1", WS_CHILD | WS_VISIBLE | kind.style, 10 + (made % 8) * 50,
                10 + (made / 8) * 50, 40, 24, hwnd, nullptr, instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    return 0;
}
