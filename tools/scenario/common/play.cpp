#include "driver.h"

#include "script.h"

#include <istream>
#include <stdexcept>

namespace quorvel::scenario {

void TranscriptObserver::handlerRunning() {
    if (faultArmed_) {
        faultArmed_ = false;
        throw std::logic_error("a fault planted by the scenario");
    }
}

bool playLine(const std::string& text, Driver& driver, Transcript& transcript) {
    const ScenarioLine line = readScenarioLine(text);
    switch (line.kind) {
    case ScenarioLine::Kind::Blank:
        return false;
    case ScenarioLine::Kind::Bad:
        transcript.badLine(line.text);
        break;
    case ScenarioLine::Kind::Click:
        driver.click(line.name);
        break;
    case ScenarioLine::Kind::Menu:
        driver.chooseMenuCommand(line.name);
        break;
    case ScenarioLine::Kind::Key:
        driver.pressKey(line.virtualKey, line.shift, line.ctrl, line.alt);
        break;
    case ScenarioLine::Kind::Close:
        driver.close();
        break;
    case ScenarioLine::Kind::Dump:
        transcript.state(driver.state());
        break;
    case ScenarioLine::Kind::Sleep:
        driver.wait(line.milliseconds);
        break;
    case ScenarioLine::Kind::Fault:
        driver.plantFault();
        break;
    case ScenarioLine::Kind::History:
        driver.openHistory(line.pick);
        break;
    case ScenarioLine::Kind::Check:
        driver.checkAnswer(line.negative, line.answer);
        break;
    }
    return true;
}

void play(std::istream& input, Driver& driver, Transcript& transcript) {
    std::string text;
    while (!transcript.hasEnded() && std::getline(input, text)) {
        if (playLine(text, driver, transcript)) {
            driver.settle();
        }
    }
}

} // namespace quorvel::scenario
