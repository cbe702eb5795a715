// The page's entry points: the script forwards the user's events here. The window lives from
// start-up until the page goes.
#include "ui/web/key_codes.h"
#include "ui/web/page_window.h"
#include "ui/web/window_fit.h"

#include <emscripten.h>

#include <string>

namespace quorvel::ui::web {

std::unique_ptr<WebWindow>& pageWindow() {
    static std::unique_ptr<WebWindow> window;
    return window;
}

} // namespace quorvel::ui::web

using quorvel::ui::web::pageWindow;

extern "C" {

EMSCRIPTEN_KEEPALIVE void qv_event(int event) {
    pageWindow()->session().activate(static_cast<quorvel::Event>(event));
}

// Where the window and its controls stand for the viewport, as JSON, until the next call.
EMSCRIPTEN_KEEPALIVE const char* qv_window_layout(int viewportWidth, int viewportHeight,
                                                  int clientWidth, int coarsePointer) {
    static std::string layout;
    const quorvel::ui::web::WindowFit fit = quorvel::ui::web::fitWindow(
        {viewportWidth, viewportHeight, clientWidth, coarsePointer != 0});
    layout = quorvel::ui::web::windowLayoutJson(fit);
    return layout.c_str();
}

// What the open window's check says of its fields: "1" or "0" for the check box, then each
// field's text, separated by U+001F. Kept until the next call.
EMSCRIPTEN_KEEPALIVE const char* qv_dialog_check(const char* entries) {
    static std::string reply;
    reply = pageWindow()->checkDialog(entries);
    return reply.c_str();
}

// The open window is closing for the working (pick 0) or for its chosen line (pick 1), the line
// chosen in its list then; what follows happens once it has closed.
EMSCRIPTEN_KEEPALIVE void qv_dialog_closing(int pick, int line) {
    pageWindow()->dialogClosing(pick != 0 ? quorvel::session::DialogCommand::CloseThenPick
                                          : quorvel::session::DialogCommand::CloseThenWorking,
                                static_cast<std::size_t>(line < 0 ? 0 : line));
}

EMSCRIPTEN_KEEPALIVE void qv_modal_closed() {
    pageWindow()->session().modalClosed();
}

EMSCRIPTEN_KEEPALIVE void qv_key_down(const char* code, const char* key, int shift, int ctrl,
                                      int alt) {
    const int virtualKey = quorvel::ui::web::virtualKeyOf(code, key);
    if (virtualKey != 0) {
        pageWindow()->session().keyDown(static_cast<quorvel::VirtualKey>(virtualKey),
                                        {shift != 0, ctrl != 0, alt != 0});
    }
}

} // extern "C"

int main() {
    pageWindow() = std::make_unique<quorvel::ui::web::WebWindow>();
    return 0;
}
