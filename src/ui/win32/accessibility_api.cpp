#include "ui/win32/accessibility_api.h"

namespace quorvel::ui::win32 {
namespace {

// GetProcAddress returns every function as FARPROC; the cast goes through void (*)(), the one
// function type the compiler lets stand for any other.
template <typename Function> bool load(HMODULE library, const char* name, Function*& function) {
    const FARPROC found = library != nullptr ? GetProcAddress(library, name) : nullptr;
    function = reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
    return function != nullptr;
}

// Only from the system's own folder, never from the program's or the current one.
HMODULE systemLibrary(const wchar_t* name) {
    return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// Loaded on the window's thread, which COM must know before an object can be handed to a screen
// reader or a property set.
bool loadAll(AccessibilityApi& api) {
    HMODULE ole = systemLibrary(L"ole32.dll");
    HMODULE automation = systemLibrary(L"oleaut32.dll");
    HMODULE accessibility = systemLibrary(L"oleacc.dll");
    HRESULT(WINAPI * initialize)(LPVOID reserved, DWORD concurrency) = nullptr;
    return load(ole, "CoInitializeEx", initialize) &&
           SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED)) &&
           load(ole, "CoCreateInstance", api.coCreateInstance) &&
           load(accessibility, "CreateStdAccessibleObject", api.createStdAccessibleObject) &&
           load(accessibility, "LresultFromObject", api.lresultFromObject) &&
           load(automation, "SysAllocStringLen", api.sysAllocStringLen);
}

} // namespace

const AccessibilityApi* accessibilityApi() {
    static AccessibilityApi api{};
    static const bool loaded = loadAll(api);
    return loaded ? &api : nullptr;
}

} // namespace quorvel::ui::win32
