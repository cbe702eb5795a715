#include "ui/win32/described_control.h"

#include "ui/win32/message_guard.h"
#include "ui/win32/named_accessible.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <string>

namespace quorvel::ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;

std::wstring windowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CALLBACK describedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR data) {
    return guardedMessage(hwnd, [&]() -> LRESULT {
        if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
            const auto* description = reinterpret_cast<const std::string_view*>(data);
            return accessibleObjectWithName(hwnd, wParam, windowText(hwnd), widen(*description));
        }
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(hwnd, describedProc, kSubclassId);
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    });
}

} // namespace

void describeControl(HWND control, const std::string_view& description) {
    SetWindowSubclass(control, describedProc, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(&description));
}

} // namespace quorvel::ui::win32
