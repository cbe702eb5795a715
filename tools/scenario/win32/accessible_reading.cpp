#include "accessible_reading.h"

#include "ui/win32/text.h"

#include <oleacc.h>

namespace quorvel::scenario::win32 {
namespace {

// A BSTR property read into UTF-8, freeing what the control allocated.
template <typename Getter> std::string textOf(Getter get) {
    BSTR text = nullptr;
    if (FAILED(get(&text)) || text == nullptr) {
        return {};
    }
    std::string narrowed = ui::win32::narrow(text);
    SysFreeString(text);
    return narrowed;
}

} // namespace

AccessibleReading accessibleReading(HWND control, LONG child) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return {};
    }
    VARIANT which{};
    which.vt = VT_I4;
    which.lVal = child;
    AccessibleReading reading{
        textOf([&](BSTR* text) { return accessible->get_accName(which, text); }),
        textOf([&](BSTR* text) { return accessible->get_accDescription(which, text); })};
    accessible->Release();
    return reading;
}

} // namespace quorvel::scenario::win32
