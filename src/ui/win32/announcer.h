#pragma once

#include <windows.h>

#include <string_view>

namespace quorvel::ui::win32 {

// Speaks a short message through the screen reader (Narrator, NVDA): a one-pixel static control
// marked as a polite live region, whose text is replaced and announced with
// EVENT_OBJECT_LIVEREGIONCHANGED. The live-region mark is set before the first message.
class Announcer {
public:
    Announcer(HWND parent, HINSTANCE instance, int id);
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    Announcer(Announcer&&) = delete;
    Announcer& operator=(Announcer&&) = delete;
    ~Announcer() = default;

    void announce(std::string_view message);

private:
    HWND control_;
    bool marked_ = false;
};

} // namespace quorvel::ui::win32
