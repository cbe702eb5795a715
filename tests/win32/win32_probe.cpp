// win32-probe: reads the running calculator and its program file from outside, through the
// Windows API only, for the tests under Wine.
//   win32-probe labels             the captions of Label1 ... Label12 and the focused control's id
//   win32-probe boxes              how many message boxes the calculator has open
//   win32-probe wait-box MS        waits for a message box and prints its title and text
//   win32-probe version FILE       the version resource of FILE
//   win32-probe icon FILE          whether FILE's icon loads, and its size
//   win32-probe shortcut FILE      the target and the icon of a shell shortcut (.lnk)
//   win32-probe wait-window MS     waits for the calculator's window to open
//   win32-probe close              sends the calculator's window the close command
//   win32-probe command ID         sends the calculator a menu or button command by its id
//   win32-probe answer-box         answers the calculator's open message box with OK
//   win32-probe texts MS TITLE     waits for a window whose title starts with TITLE and prints
//                                  the texts of its visible controls, one a line, then each
//                                  text that does not fit its control as "clipped: TEXT" and
//                                  "measured N", the number of texts measured
//   win32-probe press TITLE ID     presses the button ID of the window whose title starts so
//   win32-probe run-registered NAME  runs the command line of the installed-programs entry's
//                                  value NAME as Windows does, waits, and ends with its status
#include <windows.h>

#include "probe_files.h"
#include "utf8_text.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

std::wstring wide(const char* text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length > 0 ? length - 1 : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), length);
    return out;
}

HWND calculator() {
    return FindWindowW(L"QuorvelCalculator", nullptr);
}

struct BoxSearch {
    DWORD thread;
    int count;
    HWND first;
};

BOOL CALLBACK countBoxes(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    std::array<wchar_t, 16> windowClass{};
    GetClassNameW(hwnd, windowClass.data(), static_cast<int>(windowClass.size()));
    if (std::wcscmp(windowClass.data(), L"#32770") == 0 && IsWindowVisible(hwnd) != FALSE) {
        if (search->count++ == 0) {
            search->first = hwnd;
        }
    }
    return TRUE;
}

BoxSearch openBoxes() {
    BoxSearch search{GetWindowThreadProcessId(calculator(), nullptr), 0, nullptr};
    EnumThreadWindows(search.thread, countBoxes, reinterpret_cast<LPARAM>(&search));
    return search;
}

int labels() {
    HWND window = calculator();
    if (window == nullptr) {
        std::puts("no calculator window");
        return 1;
    }
    for (int n = 1; n <= 12; ++n) {
        std::array<wchar_t, 1024> text{};
        GetWindowTextW(GetDlgItem(window, 100 + n), text.data(), static_cast<int>(text.size()));
        std::printf("Label%d=%s\n", n, utf8(text.data()).c_str());
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    std::printf("focus=%d\n", info.hwndFocus != nullptr ? GetDlgCtrlID(info.hwndFocus) : 0);
    return 0;
}

int waitBox(int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        const BoxSearch boxes = openBoxes();
        if (boxes.count > 0) {
            std::array<wchar_t, 256> title{};
            std::array<wchar_t, 1024> text{};
            GetWindowTextW(boxes.first, title.data(), static_cast<int>(title.size()));
            // The message of a message box is the static text with id 0xFFFF.
            GetDlgItemTextW(boxes.first, 0xFFFF, text.data(), static_cast<int>(text.size()));
            std::printf("title=%s\ntext=%s\n", utf8(title.data()).c_str(),
                        utf8(text.data()).c_str());
            return 0;
        }
        Sleep(50);
    }
    std::puts("no box");
    return 1;
}

struct TitleSearch {
    std::wstring prefix;
    HWND found;
};

BOOL CALLBACK findTitled(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<TitleSearch*>(data);
    std::array<wchar_t, 256> title{};
    GetWindowTextW(hwnd, title.data(), static_cast<int>(title.size()));
    if (IsWindowVisible(hwnd) != FALSE &&
        std::wstring_view(title.data()).starts_with(search->prefix)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK printText(HWND hwnd, LPARAM /*data*/) {
    std::array<wchar_t, 512> text{};
    if (IsWindowVisible(hwnd) != FALSE &&
        GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())) > 0) {
        std::printf("%s\n", utf8(text.data()).c_str());
    }
    return TRUE;
}

// Whether the texts of a window of another program fit their controls, measured inside that
// program by text-fit-hook.dll, which lies beside the probe; prints its report.
int printTextFit(HWND window) {
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring hookPath(path.data());
    hookPath.erase(hookPath.find_last_of(L'\\') + 1).append(L"text-fit-hook.dll");
    HMODULE hookLibrary = LoadLibraryW(hookPath.c_str());
    const auto hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(hookLibrary, "textFitHook")));
    using ReportPath = void (*)(DWORD, wchar_t*, DWORD);
    const auto reportPath = reinterpret_cast<ReportPath>(
        reinterpret_cast<void*>(GetProcAddress(hookLibrary, "textFitReportPath")));
    if (hook == nullptr || reportPath == nullptr) {
        std::puts("unmeasured: no text-fit-hook.dll");
        return 1;
    }
    reportPath(GetCurrentProcessId(), path.data(), static_cast<DWORD>(path.size()));
    DeleteFileW(path.data());
    HHOOK installed = SetWindowsHookExW(WH_GETMESSAGE, hook, hookLibrary,
                                        GetWindowThreadProcessId(window, nullptr));
    PostMessageW(window, RegisterWindowMessageW(L"QuorvelTextFit"), GetCurrentProcessId(), 0);
    int status = 1;
    for (int waited = 0; waited <= 5000 && status != 0; waited += 50) {
        Sleep(50);
        if (FILE* file = _wfopen(path.data(), L"rb")) {
            std::array<char, 4096> chunk{};
            for (std::size_t got = 0;
                 (got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0;) {
                std::fwrite(chunk.data(), 1, got, stdout);
            }
            std::fclose(file);
            DeleteFileW(path.data());
            status = 0;
        }
    }
    if (status != 0) {
        std::puts("unmeasured: the window did not answer");
    }
    UnhookWindowsHookEx(installed);
    return status;
}

// The texts a user reads on a window of another program (an installer's page).
int texts(int milliseconds, const std::wstring& prefix) {
    for (int waited = 0; waited <= milliseconds; waited += 100) {
        TitleSearch search{prefix, nullptr};
        EnumWindows(findTitled, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            Sleep(500); // the page's controls are filled in after the window shows
            EnumChildWindows(search.found, printText, 0);
            return printTextFit(search.found);
        }
        Sleep(100);
    }
    std::puts("no window");
    return 1;
}

// The command line the list of installed programs (or a package manager) runs for the program's
// entry, run as they run it: as it stands, waiting for it to end.
int runRegistered(const std::wstring& name) {
    std::array<wchar_t, 1024> command{};
    auto size = static_cast<DWORD>(command.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE,
                     L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvel",
                     name.c_str(), RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, command.data(),
                     &size) != ERROR_SUCCESS) {
        std::puts("no such value");
        return 1;
    }
    std::printf("%s\n", utf8(command.data()).c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        std::puts("did not start");
        return 1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

int waitWindow(int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (calculator() != nullptr) {
            std::puts("window");
            return 0;
        }
        Sleep(50);
    }
    std::puts("no window");
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "labels" && argc == 2) {
        return labels();
    }
    if (command == "boxes" && argc == 2) {
        std::printf("%d\n", openBoxes().count);
        return 0;
    }
    if (command == "wait-box" && argc == 3) {
        return waitBox(std::atoi(argv[2]));
    }
    if (command == "version" && argc == 3) {
        return version(wide(argv[2]));
    }
    if (command == "icon" && argc == 3) {
        return icon(wide(argv[2]));
    }
    if (command == "shortcut" && argc == 3) {
        return shortcut(wide(argv[2]));
    }
    if (command == "wait-window" && argc == 3) {
        return waitWindow(std::atoi(argv[2]));
    }
    if (command == "close" && argc == 2) {
        PostMessageW(calculator(), WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "press" && argc == 4) {
        // A button of another program's window, by its control id, as a click sends it.
        TitleSearch search{wide(argv[2]), nullptr};
        EnumWindows(findTitled, reinterpret_cast<LPARAM>(&search));
        PostMessageW(search.found, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0);
        return search.found != nullptr ? 0 : 1;
    }
    if (command == "texts" && argc == 4) {
        return texts(std::atoi(argv[2]), wide(argv[3]));
    }
    if (command == "run-registered" && argc == 3) {
        return runRegistered(wide(argv[2]));
    }
    if (command == "answer-box" && argc == 2) {
        PostMessageW(openBoxes().first, WM_COMMAND, IDOK, 0);
        return 0;
    }
    if (command == "command" && argc == 3) {
        // A menu command or button by its control id, as a click on it sends it.
        PostMessageW(calculator(), WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0);
        return 0;
    }
    std::fputs("usage: win32-probe labels | boxes | wait-box MS | version FILE | icon FILE |\n"
               "                   shortcut FILE | wait-window MS | close | command ID |\n"
               "                   answer-box | texts MS TITLE | press TITLE ID |\n"
               "                   run-registered NAME\n",
               stderr);
    return 2;
}
