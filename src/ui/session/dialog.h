#pragma once

#include "ui/session/working_lines.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A secondary window of the calculator, described once for every binding and drawn by each with
// its native controls. From the top: a line of text, a row of entry fields (with a check box
// before them), a reply the window's check writes, a list of lines (each drawn as the working's
// layout places it and read as its sentence) and a row of buttons; a part the description leaves
// empty is not drawn. The first field, or else the list, has the focus first; the arrow keys,
// Home and End move through the list; Tab goes round the controls and never leaves the window;
// Enter presses the default button, or else the button with the focus; Escape does what the
// description says; Ctrl+C anywhere in the window copies what Copy copies, where a button copies.
namespace quorvel::session {

// The form's measures, the same on every binding: an entry field shows six digits (longer numbers
// scroll within it), and the reply has room for the longest verdict, five lines of 24 characters.
inline constexpr int kFieldShownDigits = 6;
inline constexpr int kReplyEms = 24;
inline constexpr int kReplyLines = 5;

// What a button of a secondary window does: the description says, every binding carries it out.
enum class DialogCommand : std::uint8_t {
    Copy,             // puts the window's text on the clipboard; the window stays open
    Close,            // closes the window; the calculator takes input again
    Check,            // the reply becomes what check() says of the fields; it is said at once
    CloseThenWorking, // closes the window; the working window opens in its place
    CloseThenPick,    // closes the window; the line chosen in the list is used
    CopyLine,         // puts the text of the line chosen in the list on the clipboard
};

struct DialogButton {
    std::string name; // the control's name, the same on every binding
    std::string caption;
    DialogCommand command;
    std::string said; // said once the command is done (a copy made); "" for nothing
};

// A short entry field; its caption stands before it and is its accessible name.
struct DialogField {
    std::string name;
    std::string caption;
    int maxLength = 0;
};

// What the user has put in the fields: the check box, and each field's text in order.
struct DialogEntries {
    bool checked = false;
    std::vector<std::string> fields;
};

struct DialogDescription {
    std::string name; // the window's name
    std::string title;

    std::string textName;  // the line of text at the top; "" for none
    std::string text;      // as drawn
    std::string textSaid;  // as a screen reader reads it
    std::string checkName; // the check box before the fields; "" for none
    std::string checkCaption;
    std::vector<DialogField> fields;
    std::string replyName; // the reply below the fields; "" for none
    std::string reply;     // as the window opens; drawn and said alike
    // What Check writes in the reply for the fields as they are.
    std::function<std::string(const DialogEntries&)> check;

    std::string listName;           // the list's control name; "" for no list
    std::string listAccessibleName; // what a screen reader calls the list
    std::vector<WorkingLine> lines;
    std::vector<std::string> lineTexts; // what CopyLine copies of each line; none for none

    std::vector<DialogButton> buttons; // in tab order, after everything else
    std::string defaultButton;         // the button Enter presses anywhere; "" for none
    DialogCommand escape = DialogCommand::Close;
    std::string clipboardText; // what Copy and Ctrl+C put on the clipboard
    // Called once the window has closed with CloseThenWorking or CloseThenPick, with the line
    // chosen in the list (0 for the first, or when there is no list).
    std::function<void(DialogCommand command, std::size_t line)> closed;

    [[nodiscard]] bool copies() const;
    // What is said once the command is done, from the first button that gives it.
    [[nodiscard]] std::string saidAfter(DialogCommand command) const;
};

// The working window (途中式) of a calculation.
[[nodiscard]] DialogDescription workingDialog(const Working& working);

// 答え合わせ: the pupil writes an answer to the problem whose working this is, and 確かめる says
// whether it is right. openWorking opens the working of the problem in its place.
[[nodiscard]] DialogDescription checkDialog(const Working& problem,
                                            std::function<void()> openWorking);

// 履歴: the calculations made, newest first, each a line of the list. 選ぶ (and Enter) hands the
// chosen line to closed with CloseThenPick; 途中式 with CloseThenWorking.
[[nodiscard]] DialogDescription
historyDialog(const std::vector<Working>& calculations,
              std::function<void(DialogCommand command, std::size_t line)> closed);

} // namespace quorvel::session
