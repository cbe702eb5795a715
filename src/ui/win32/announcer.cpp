#include "ui/win32/announcer.h"

#include "ui/win32/accessibility_api.h"
#include "ui/win32/text.h"

namespace quorvel::ui::win32 {
namespace {

// The property services, and UI Automation's LiveSetting property with its value Polite
// (UIAutomationClient.h, which mingw-w64 does not ship). Defined here rather than taken from
// libuuid, whose one object would bring every GUID it knows into the program, 40 KB.
constexpr GUID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr int kPolite = 1;

// Where the system has no property services (older Windows, Wine), the control still changes
// its text and raises the event; only the live-region mark is missing.
void markAsLiveRegion(HWND control) {
    const AccessibilityApi* api = accessibilityApi();
    if (api == nullptr) {
        return;
    }
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(api->coCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                        kIAccPropServices, reinterpret_cast<void**>(&services)))) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              kLiveSettingProperty, polite);
        services->Release();
    }
}

} // namespace

Announcer::Announcer(HWND parent, HINSTANCE instance, int id)
    : control_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 1, 1,
                               parent, nullptr, instance, nullptr)) {
    SetWindowLongPtrW(control_, GWLP_ID, id);
}

void Announcer::announce(std::string_view message) {
    // Marked before the first message only: the mark needs COM, which most sessions never load.
    if (!marked_) {
        markAsLiveRegion(control_);
        marked_ = true;
    }
    SetWindowTextW(control_, widen(message).c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control_, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace quorvel::ui::win32
