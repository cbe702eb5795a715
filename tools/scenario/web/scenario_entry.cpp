// The scenario runner's entry points in a test build of the page, behind window.quorvelScenario
// (scenario.js): each scenario gets a fresh window, as at start-up, with a transcript listening.
#include "ui/web/page_window.h"
#include "web_driver.h"

#include <emscripten.h>

#include <memory>
#include <string>

namespace {

struct Run {
    std::unique_ptr<quorvel::scenario::WebScenario> scenario;
    std::string reply; // text handed back to the script; valid until the next call
};

Run& run() {
    static Run theRun;
    return theRun;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void qv_scenario_begin() {
    auto& window = quorvel::ui::web::pageWindow();
    run().scenario.reset();
    window.reset();
    window = std::make_unique<quorvel::ui::web::WebWindow>();
    run().scenario = std::make_unique<quorvel::scenario::WebScenario>(*window);
}

EMSCRIPTEN_KEEPALIVE const char* qv_scenario_step(const char* line) {
    Run& r = run();
    r.reply = r.scenario->hasEnded() ? std::string() : r.scenario->step(line);
    return r.reply.c_str();
}

EMSCRIPTEN_KEEPALIVE int qv_scenario_ended() {
    return run().scenario->hasEnded() ? 1 : 0;
}

// The transcript so far; the window stays as the scenario left it.
EMSCRIPTEN_KEEPALIVE const char* qv_scenario_finish() {
    Run& r = run();
    r.reply = r.scenario->finish();
    r.scenario.reset();
    return r.reply.c_str();
}

} // extern "C"
