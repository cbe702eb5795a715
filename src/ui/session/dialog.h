#pragma once

#include "ui/session/working_lines.h"

#include <cstdint>
#include <string>
#include <vector>

// A secondary window of the calculator, described once for every binding and drawn by each with
// its native controls. It has a title, a list of lines (each drawn as the working's layout places
// it and read as its sentence) and a row of buttons. The list has the focus first, and the arrow
// keys, Home and End move through it; Tab goes round the list and the buttons and never leaves
// the window; Enter presses the button with the focus (there is no default button); Escape does
// what the description says; Ctrl+C anywhere in the window copies what Copy copies.
namespace quorvel::session {

// What a button of a secondary window does: the description says, every binding carries it out.
enum class DialogCommand : std::uint8_t {
    Copy,  // puts the window's text on the clipboard; the window stays open
    Close, // closes the window; the calculator takes input again
};

struct DialogButton {
    std::string name; // the control's name, the same on every binding
    std::string caption;
    DialogCommand command;
};

struct DialogDescription {
    std::string name; // the window's name
    std::string title;
    std::string listName;           // the list's control name
    std::string listAccessibleName; // what a screen reader calls the list
    std::vector<WorkingLine> lines;
    std::vector<DialogButton> buttons; // in tab order, after the list
    DialogCommand escape = DialogCommand::Close;
    std::string clipboardText; // what Copy and Ctrl+C put on the clipboard
};

// The working window (途中式) of a calculation.
[[nodiscard]] DialogDescription workingDialog(const Working& working);

} // namespace quorvel::session
