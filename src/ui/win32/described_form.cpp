#include "ui/win32/described_form.h"

#include "ui/win32/dpi_scale.h"
#include "ui/win32/text.h"

#include <algorithm>
#include <string>

namespace quorvel::ui::win32 {
namespace {

// The text's width and the font's line height, in pixels.
SIZE extentOf(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ before = SelectObject(dc, font);
    SIZE extent{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, before);
    ReleaseDC(window, dc);
    return extent;
}

HWND child(HWND parent, HINSTANCE instance, HFONT font, const wchar_t* windowClass,
           const std::wstring& text, DWORD style, DWORD exStyle, RECT box, int id) {
    HWND control =
        CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left,
                        box.top, box.right - box.left, box.bottom - box.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

} // namespace

DescribedForm::DescribedForm(HWND parent, HINSTANCE instance, HFONT font, int dpi,
                             const session::DialogDescription& dialog, int left, int top,
                             Announcer& announcer)
    : announcer_(announcer) {
    const int gap = scaled(8, dpi);
    const int lineHeight = static_cast<int>(extentOf(parent, font, L"問").cy);
    const int fieldHeight = lineHeight + scaled(8, dpi);
    int y = top;
    int width = 0;
    if (!dialog.textName.empty()) {
        const std::wstring text = widen(dialog.text);
        const int textWidth = static_cast<int>(extentOf(parent, font, text).cx);
        child(parent, instance, font, L"STATIC", text, SS_NOPREFIX, 0,
              {left, y, left + textWidth, y + lineHeight}, kTextId);
        width = textWidth;
        y += lineHeight + gap;
    }
    int x = left;
    const int rowMiddle = y + fieldHeight / 2;
    if (!dialog.checkName.empty()) {
        const std::wstring caption = widen(dialog.checkCaption);
        const int boxWidth =
            GetSystemMetrics(SM_CXMENUCHECK) + scaled(6, dpi) + extentOf(parent, font, caption).cx;
        check_ =
            child(parent, instance, font, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX, 0,
                  {x, rowMiddle - lineHeight / 2 - 2, x + boxWidth, rowMiddle + lineHeight / 2 + 2},
                  kCheckId);
        x += boxWidth + gap;
    }
    const int fieldWidth =
        extentOf(parent, font, std::wstring(session::kFieldShownDigits, L'0')).cx + scaled(10, dpi);
    for (std::size_t i = 0; i < dialog.fields.size(); ++i) {
        const session::DialogField& described = dialog.fields[i];
        // The caption comes just before its field, so a screen reader names the field by it.
        const std::wstring caption = widen(described.caption);
        const int captionWidth = static_cast<int>(extentOf(parent, font, caption).cx);
        child(parent, instance, font, L"STATIC", caption, SS_NOPREFIX, 0,
              {x, rowMiddle - lineHeight / 2, x + captionWidth, rowMiddle + lineHeight / 2}, -1);
        x += captionWidth + scaled(4, dpi);
        HWND field = child(parent, instance, font, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL,
                           WS_EX_CLIENTEDGE, {x, y, x + fieldWidth, y + fieldHeight},
                           kFirstFieldId + static_cast<int>(i));
        SendMessageW(field, EM_SETLIMITTEXT, static_cast<WPARAM>(described.maxLength), 0);
        fields_.push_back(field);
        x += fieldWidth + gap;
    }
    if (check_ != nullptr || !fields_.empty()) {
        width = std::max(width, x - gap - left);
        y += fieldHeight + gap;
    }
    if (!dialog.replyName.empty()) {
        const int replyWidth = std::max(
            width,
            static_cast<int>(extentOf(parent, font, std::wstring(session::kReplyEms, L'あ')).cx));
        reply_ =
            child(parent, instance, font, L"STATIC", widen(dialog.reply), SS_NOPREFIX | SS_LEFT, 0,
                  {left, y, left + replyWidth, y + session::kReplyLines * lineHeight}, kReplyId);
        width = replyWidth;
        y += session::kReplyLines * lineHeight + gap;
    }
    size_ = {width, y - top};
}

session::DialogEntries DescribedForm::entries() const {
    session::DialogEntries entries;
    entries.checked = check_ != nullptr && SendMessageW(check_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (HWND field : fields_) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
        entries.fields.push_back(narrow(text));
    }
    return entries;
}

void DescribedForm::showReply(std::string_view text) {
    if (reply_ != nullptr) {
        SetWindowTextW(reply_, widen(text).c_str());
    }
    announcer_.announce(text);
}

HWND DescribedForm::firstField() const {
    return !fields_.empty() ? fields_.front() : check_;
}

} // namespace quorvel::ui::win32
