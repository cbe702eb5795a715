#pragma once

#include <windows.h>

#include <oleacc.h>

namespace quorvel::ui::win32 {

// The functions of OLE32, OLEAUT32 and OLEACC the window uses, for a screen reader only.
// They are loaded when a screen reader first asks for a control or the first announcement is
// made, not before WinMain: loading the three libraries costs more start-up time than all the
// window's controls, and most sessions never use them.
struct AccessibilityApi {
    HRESULT(WINAPI* coCreateInstance)
    (REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID iid, LPVOID* out);
    HRESULT(WINAPI* createStdAccessibleObject)(HWND hwnd, LONG objectId, REFIID iid, void** out);
    LRESULT(WINAPI* lresultFromObject)(REFIID iid, WPARAM wParam, LPUNKNOWN object);
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR* text, UINT length);
};

// The functions, loaded on the first call, with COM initialised on the calling thread, and kept
// for the process's life (the objects they make run code from the libraries); null where a
// library or a function is missing.
const AccessibilityApi* accessibilityApi();

} // namespace quorvel::ui::win32
