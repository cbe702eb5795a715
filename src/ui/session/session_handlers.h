#pragma once

// How the session runs a handler and asks for a box or a window: the definitions of its member
// templates, for the session's own source files only.
#include "ui/session/narration.h"
#include "ui/session/session.h"

#include <utility>

namespace quorvel::session {

// The one place where every fault ends up, whatever handler or binding call raised it. A run-time
// error of the calculation never gets here: Form1 presents it and the window goes on.
template <typename Work> void Session::guard(Work&& work) {
    try {
        work();
    } catch (...) {
        fault();
    }
}

// Runs a handler through Form1's dispatch point, then tells a screen-reader user what changed,
// unless a box has spoken for itself or the window has gone. While a box is open the window
// takes no input.
template <typename Handler> void Session::run(Narration narration, Handler&& handler) {
    if (boxOpen_ || ended_) {
        return;
    }
    guard([&] {
        rememberFocus();
        const int boxesBefore = boxesShown_;
        if (observer_ != nullptr) {
            observer_->handlerRunning();
        }
        handler();
        remember(form_.working());
        if (ended_ || boxesShown_ != boxesBefore) {
            return;
        }
        const std::string text = narrationText(narration, form_);
        if (!text.empty()) {
            window_.announce(text);
        }
    });
    showNextModal();
}

// A box or the working window, asked for by the running handler: it opens once the handler has
// ended, the main window takes no input while it is open, and the focus then goes back to the
// control the user was on.
template <typename Show> void Session::modal(Show&& show) {
    if (!boxOpen_) {
        rememberFocus();
        focusAfterModal_ = lastFocus_;
    }
    ++boxesShown_;
    boxOpen_ = true;
    pendingModals_.emplace_back(std::forward<Show>(show));
}

} // namespace quorvel::session
