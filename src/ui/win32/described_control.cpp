#include "ui/win32/described_control.h"

#include "ui/win32/message_guard.h"
#include "ui/win32/named_accessible.h"
#include "ui/win32/text.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace quorvel::ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;

// What the control answers a screen reader with; owned by its subclass.
struct Described {
    std::wstring name;
    std::wstring description;
};

LRESULT CALLBACK describedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR data) {
    return guardedMessage(hwnd, [&]() -> LRESULT {
        auto* described = reinterpret_cast<Described*>(data);
        if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
            return accessibleObjectWithName(hwnd, wParam, described->name, described->description);
        }
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(hwnd, describedProc, kSubclassId);
            delete described; // NOLINT(cppcoreguidelines-owning-memory): the subclass owns it
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    });
}

} // namespace

void describeControl(HWND control, std::string_view name, std::string_view description) {
    auto described = std::make_unique<Described>(Described{widen(name), widen(description)});
    if (SetWindowSubclass(control, describedProc, kSubclassId,
                          reinterpret_cast<DWORD_PTR>(described.get())) != FALSE) {
        described.release(); // NOLINT(bugprone-unused-return-value): the subclass owns it now
    }
}

} // namespace quorvel::ui::win32
