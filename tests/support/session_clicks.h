#pragma once

#include "ui/session/session.h"

#include <initializer_list>

namespace quorvel::testing {

// Clicks on the window's controls, one after another, through the session.
inline void click(session::Session& session, std::initializer_list<const char*> controls) {
    for (const char* control : controls) {
        session.activate(control);
    }
}

} // namespace quorvel::testing
