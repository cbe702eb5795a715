// The yardstick for the Windows program's start-up: the barest Win32 window, with one static
// control and a menu bar of three commands, as the plain API makes it.
#include <windows.h>

namespace {

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
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"終了");
    AppendMenuW(bar, MF_STRING, 2, L"全て消す");
    AppendMenuW(bar, MF_STRING, 3, L"版");
    HWND hwnd = CreateWindowExW(0, L"BareWindow", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 440, 340, nullptr, bar, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"1", WS_CHILD | WS_VISIBLE, 20, 20, 40, 20, hwnd, nullptr,
                    instance, nullptr);
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
