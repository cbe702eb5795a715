#include "ui/web/web_window.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/json.h"
#include "ui/web/css_units.h"
#include "ui/web/page_bridge.h"
#include "ui/web/page_description.h"

#include <emscripten.h>

#include <algorithm>
#include <array>

namespace quorvel::ui::web {
namespace {

// The working's text in CSS pixels, which are pixels at 96 dpi.
constexpr double kWorkingPixels = pixelsOfPoints(session::kWorkingPoints, kCssDpi);

void rectJson(JsonWriter& json, const session::PixelRect& r) {
    json.value(r.x).value(r.y).value(r.width).value(r.height);
}

std::string_view commandName(session::DialogCommand command) {
    switch (command) {
    case session::DialogCommand::Copy:
        return "copy";
    case session::DialogCommand::Check:
        return "check";
    case session::DialogCommand::CloseThenWorking:
        return "working";
    case session::DialogCommand::CloseThenPick:
        return "pick";
    case session::DialogCommand::CopyLine:
        return "copy-line";
    case session::DialogCommand::Close:
        break;
    }
    return "close";
}

// The window's description, its lines laid out, for dialog.js.
std::string dialogJson(const session::DialogDescription& page, const session::WorkingLayout& layout,
                       double pixelSize) {
    JsonWriter json;
    json.beginObject().key("name").value(page.name).key("title").value(page.title);
    json.key("listName").value(page.listName);
    json.key("listAccessibleName").value(page.listAccessibleName);
    json.key("buttons").beginArray();
    for (const session::DialogButton& button : page.buttons) {
        json.beginObject().key("name").value(button.name).key("caption").value(button.caption);
        json.key("command").value(commandName(button.command)).key("said").value(button.said);
        json.end();
    }
    json.end().key("escape").value(commandName(page.escape));
    json.key("defaultButton").value(page.defaultButton).key("copies").boolean(page.copies());
    json.key("textName").value(page.textName).key("text").value(page.text);
    json.key("textSaid").value(page.textSaid);
    json.key("checkName").value(page.checkName).key("checkCaption").value(page.checkCaption);
    json.key("fields").beginArray();
    for (const session::DialogField& field : page.fields) {
        json.beginObject().key("name").value(field.name).key("caption").value(field.caption);
        json.key("maxLength").value(field.maxLength).end();
    }
    json.end().key("fieldDigits").value(session::kFieldShownDigits);
    json.key("replyName").value(page.replyName).key("reply").value(page.reply);
    json.key("replyEms").value(session::kReplyEms).key("replyLines").value(session::kReplyLines);
    json.key("clipboard").value(page.clipboardText);
    json.key("lineTexts").beginArray();
    for (const std::string& text : page.lineTexts) {
        json.value(text);
    }
    json.end();
    json.key("pixelSize").hundredths(pixelSize).key("width").value(layout.width);
    json.key("lines").beginArray();
    for (std::size_t i = 0; i < page.lines.size(); ++i) {
        const session::LaidOutLine& line = layout.lines.at(i);
        json.beginObject().key("kind").value(session::kindName(page.lines[i].kind));
        json.key("said").value(page.lines[i].sentence).key("height").value(line.height);
        json.key("ink").beginArray();
        for (const session::Ink& ink : line.ink) {
            json.beginArray().value(ink.text);
            rectJson(json, ink.box);
            json.end();
        }
        json.end().key("bars").beginArray();
        for (const session::PixelRect& bar : line.bars) {
            json.beginArray();
            rectJson(json, bar);
            json.end();
        }
        json.end().end();
    }
    json.end().end();
    return json.text();
}

} // namespace

WebWindow::WebWindow() {
    qv_build_page(pageDescription().c_str());
    session_.start();
}

WebWindow::~WebWindow() {
    qv_remove_page();
}

session::LabelDisplay WebWindow::labelDisplay() const {
    return {kCssDpi, kCssDpi, [](LabelId id, std::string_view run, double pixelSize) {
                std::array<double, 6> m{};
                qv_measure(std::string(labelRow(id).name).c_str(), std::string(run).c_str(),
                           pixelSize, m.data());
                return TextExtent{m[0], m[1], m[2], m[3], m[4], m[5]};
            }};
}

void WebWindow::showLabel(LabelId label, const session::LabelLook& look) {
    const CaptionLayout& layout = look.layout;
    qv_show_label(std::string(labelRow(label).name).c_str(), look.caption.c_str(),
                  layout.text.c_str(), layout.pixelSize, layout.x, layout.baseline,
                  layout.asDesigned ? 1 : 0, look.back ? cssColour(*look.back).c_str() : "",
                  look.tooltip.c_str(), look.accessibleName.c_str(),
                  look.accessibleDescription.c_str(),
                  look.typingReadout ? look.typingReadout->c_str() : nullptr);
}

void WebWindow::setLineVisible(LineId line, bool visible) {
    qv_set_line_visible(std::string(lineRow(line).name).c_str(), visible ? 1 : 0);
}

bool WebWindow::optionSelected(OptionId option) const {
    return qv_option_selected(std::string(optionRow(option).name).c_str()) != 0;
}

// A box on the page is a <dialog> that stays open after the call; the page tells the session when
// the user has closed it.
session::ModalEnd WebWindow::messageBox(std::string_view text, std::string_view title,
                                        MessageIcon icon) {
    qv_message_box(std::string(text).c_str(), std::string(title).c_str(),
                   icon == MessageIcon::Error ? 1 : 0);
    return session::ModalEnd::StillOpen;
}

session::ModalEnd WebWindow::showDialog(const session::DialogDescription& dialog) {
    // At the scale the window is drawn at.
    const double pixelSize = kWorkingPixels * qv_window_scale();
    const session::WorkingFont font{pixelSize, [](std::string_view text, double size) {
                                        std::array<double, 6> m{};
                                        qv_measure("", std::string(text).c_str(), size, m.data());
                                        return TextExtent{m[0], m[1], m[2], m[3], m[4], m[5]};
                                    }};
    openDialog_ = dialog;
    qv_show_dialog(dialogJson(dialog,
                              session::layOutWorking(
                                  dialog.lines, font,
                                  session::workingTextWidth(qv_viewport_width(), pixelSize)),
                              pixelSize)
                       .c_str());
    return session::ModalEnd::StillOpen;
}

// The page hands over the fields as three texts and the check box, separated by U+001F.
std::string WebWindow::checkDialog(std::string_view entriesJson) const {
    if (!openDialog_ || !openDialog_->check) {
        return {};
    }
    session::DialogEntries entries;
    std::size_t start = 0;
    bool first = true;
    while (start <= entriesJson.size()) {
        const std::size_t end = std::min(entriesJson.find('\x1f', start), entriesJson.size());
        const std::string_view part = entriesJson.substr(start, end - start);
        if (first) {
            entries.checked = part == "1";
            first = false;
        } else {
            entries.fields.emplace_back(part);
        }
        start = end + 1;
    }
    return openDialog_->check(entries);
}

void WebWindow::dialogClosing(session::DialogCommand command, std::size_t line) {
    if (openDialog_ && openDialog_->closed) {
        const auto closed = openDialog_->closed;
        closed(command, line);
    }
}

void WebWindow::copyText(std::string_view text) {
    qv_copy_text(std::string(text).c_str());
}

void WebWindow::unload() {
    if (ended_) {
        return;
    }
    ended_ = true;
    qv_end_page();
}

void WebWindow::announce(std::string_view text) {
    qv_announce(std::string(text).c_str());
}

std::string WebWindow::focusedControl() const {
    std::array<char, 32> focus{};
    qv_read_focus(focus.data(), static_cast<int>(focus.size()));
    return focus.data();
}

void WebWindow::focusControl(std::string_view name) {
    qv_focus(std::string(name).c_str());
}

} // namespace quorvel::ui::web
