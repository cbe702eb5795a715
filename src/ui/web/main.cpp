// The page's entry points: the script forwards the user's events here. The window lives from
// start-up until the page goes; window.quorvelScenario replaces it with a fresh one for each
// scenario it plays.
#include "ui/web/key_codes.h"
#include "ui/web/web_window.h"
#include "web_driver.h"

#include <emscripten.h>

#include <memory>

namespace {

struct Page {
    std::unique_ptr<quorvel::ui::web::WebWindow> window;
    std::unique_ptr<quorvel::scenario::WebScenario> scenario;
    std::string reply; // text handed back to the script; valid until the next call
};

Page& page() {
    static Page thePage;
    return thePage;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void qv_event(int event) {
    page().window->session().activate(static_cast<quorvel::Event>(event));
}

EMSCRIPTEN_KEEPALIVE void qv_key_down(const char* code, const char* key, int shift, int ctrl,
                                      int alt) {
    const int virtualKey = quorvel::ui::web::virtualKeyOf(code, key);
    if (virtualKey != 0) {
        page().window->session().keyDown(static_cast<quorvel::VirtualKey>(virtualKey),
                                         {shift != 0, ctrl != 0, alt != 0});
    }
}

// A fresh window, as at start-up, with a scenario transcript listening to it.
EMSCRIPTEN_KEEPALIVE void qv_scenario_begin() {
    Page& p = page();
    p.scenario.reset();
    p.window.reset();
    p.window = std::make_unique<quorvel::ui::web::WebWindow>();
    p.scenario = std::make_unique<quorvel::scenario::WebScenario>(*p.window);
}

EMSCRIPTEN_KEEPALIVE const char* qv_scenario_step(const char* line) {
    Page& p = page();
    p.reply = p.scenario->hasEnded() ? std::string() : p.scenario->step(line);
    return p.reply.c_str();
}

EMSCRIPTEN_KEEPALIVE int qv_scenario_ended() {
    return page().scenario->hasEnded() ? 1 : 0;
}

// The transcript so far; the window stays as the scenario left it.
EMSCRIPTEN_KEEPALIVE const char* qv_scenario_finish() {
    Page& p = page();
    p.reply = p.scenario->finish();
    p.scenario.reset();
    return p.reply.c_str();
}

} // extern "C"

int main() {
    page().window = std::make_unique<quorvel::ui::web::WebWindow>();
    return 0;
}
