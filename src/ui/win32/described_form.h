#pragma once

#include "ui/session/dialog.h"
#include "ui/win32/announcer.h"

#include <windows.h>

#include <string_view>
#include <vector>

namespace quorvel::ui::win32 {

// The upper part of a secondary window on Win32, made from its description: the line of text,
// the check box and the entry fields in a row, each field after its caption (which a screen
// reader takes as its name), and the reply below them, which is said when it changes.
class DescribedForm {
public:
    static constexpr int kTextId = 90;
    static constexpr int kCheckId = 91;
    static constexpr int kReplyId = 92;
    // The fields' ids, in the description's order.
    static constexpr int kFirstFieldId = 94;

    // Creates the controls in parent from its client point (left, top).
    DescribedForm(HWND parent, HINSTANCE instance, HFONT font, int dpi,
                  const session::DialogDescription& dialog, int left, int top,
                  Announcer& announcer);

    // The room the controls take.
    [[nodiscard]] SIZE size() const { return size_; }
    [[nodiscard]] session::DialogEntries entries() const;
    void showReply(std::string_view text);
    // The control the window's focus starts on; null for none.
    [[nodiscard]] HWND firstField() const;

private:
    HWND check_ = nullptr;
    std::vector<HWND> fields_;
    HWND reply_ = nullptr;
    Announcer& announcer_;
    SIZE size_{0, 0};
};

} // namespace quorvel::ui::win32
