// text-fit-hook: loaded by win32-probe into another program's window thread, where it measures
// each push button's and static's text in the control's own font. A font belongs to the process
// that made it, so this cannot be measured from outside.
//
// The probe hooks the thread's message retrieval, posts the window the registered message
// "QuorvelTextFit" with the probe's process id, and reads the report this writes: a line
// "clipped: TEXT" for each text that does not fit its control, then "measured N".
#include <windows.h>

#include "utf8_text.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

struct Report {
    std::string lines;
    int measured = 0;
};

// Whether the control's text is drawn whole within it: a button's on one line inside its raised
// edge and its focus rectangle's margin, a static's wrapped at its width.
bool clipped(HWND hwnd, const wchar_t* text, bool button) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int margin = button ? 2 * (GetSystemMetrics(SM_CXEDGE) + 1) : 0;
    RECT needed{0, 0, client.right - margin, 0};
    HDC dc = GetDC(hwnd);
    auto* const font = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    auto* const previous = SelectObject(dc, font);
    DrawTextW(dc, text, -1, &needed,
              DT_CALCRECT | (button ? DT_SINGLELINE : DT_WORDBREAK | DT_EDITCONTROL));
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    return needed.right - needed.left > client.right - margin || needed.bottom > client.bottom;
}

BOOL CALLBACK measure(HWND hwnd, LPARAM data) {
    auto* report = reinterpret_cast<Report*>(data);
    std::array<wchar_t, 512> text{};
    if (IsWindowVisible(hwnd) == FALSE ||
        GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())) == 0) {
        return TRUE;
    }
    std::array<wchar_t, 32> kind{};
    GetClassNameW(hwnd, kind.data(), static_cast<int>(kind.size()));
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const bool button =
        lstrcmpiW(kind.data(), L"Button") == 0 &&
        ((style & BS_TYPEMASK) == BS_PUSHBUTTON || (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    const bool label = lstrcmpiW(kind.data(), L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT;
    if (!button && !label) {
        return TRUE;
    }
    ++report->measured;
    if (clipped(hwnd, text.data(), button)) {
        report->lines += "clipped: " + utf8(text.data()) + "\n";
    }
    return TRUE;
}

} // namespace

// The report's file, named by the probe's process id so that two probes never share one.
extern "C" __declspec(dllexport) void textFitReportPath(DWORD probe, wchar_t* path, DWORD size) {
    std::array<wchar_t, MAX_PATH> directory{};
    GetTempPathW(static_cast<DWORD>(directory.size()), directory.data());
    _snwprintf(path, size, L"%lsquorvel-text-fit-%lu.txt", directory.data(), probe);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK
    textFitHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT request = RegisterWindowMessageW(L"QuorvelTextFit");
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == request) {
        Report report;
        EnumChildWindows(message->hwnd, measure, reinterpret_cast<LPARAM>(&report));
        report.lines += "measured " + std::to_string(report.measured) + "\n";
        std::array<wchar_t, MAX_PATH> path{};
        textFitReportPath(static_cast<DWORD>(message->wParam), path.data(),
                          static_cast<DWORD>(path.size()));
        const std::wstring partial = std::wstring(path.data()) + L".part";
        if (FILE* file = _wfopen(partial.c_str(), L"wb")) {
            std::fwrite(report.lines.data(), 1, report.lines.size(), file);
            std::fclose(file);
            MoveFileExW(partial.c_str(), path.data(), MOVEFILE_REPLACE_EXISTING);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
