#pragma once

#include "driver.h"
#include "transcript.h"

#include <string>

namespace quorvel::ui::web {
class WebWindow;
}

namespace quorvel::scenario {

// The scenario runner inside the page. A user's action on the page has to go through the
// browser's event loop (and may open a box that the handler waits for), so the driver does not
// act itself: it tells the page's script what to do next, as one JSON object, and the script
// does it with real DOM events and waits for the handler before playing the next line.
class WebDriver final : public Driver, private TranscriptObserver {
public:
    WebDriver(ui::web::WebWindow& window, Transcript& transcript);
    ~WebDriver() override;
    WebDriver(const WebDriver&) = delete;
    WebDriver& operator=(const WebDriver&) = delete;
    WebDriver(WebDriver&&) = delete;
    WebDriver& operator=(WebDriver&&) = delete;

    // The action asked for by the line just played, "" for none.
    [[nodiscard]] std::string takeAction();
    // Writes the working windows and the checks the page read during the last action to the
    // transcript.
    void reportWorking();

    void click(const std::string& name) override;
    void chooseMenuCommand(const std::string& name) override;
    void pressKey(int virtualKey, bool shift, bool ctrl, bool alt) override;
    void close() override;
    [[nodiscard]] WindowState state() override;
    void wait(int milliseconds) override;
    void settle() override {}
    void plantFault() override { armFault(); }
    void checkAnswer(bool negative, const std::array<std::string, 3>& answer) override;
    void openHistory(int pick) override;

private:
    void boxOpening(std::string_view text, std::string_view title, MessageIcon icon) override;

    ui::web::WebWindow& window_;
    Transcript& transcript_;
    std::string action_;
};

// One run of window.quorvelScenario: a fresh window, its transcript and its driver.
class WebScenario {
public:
    explicit WebScenario(ui::web::WebWindow& window);
    // Plays one line; returns the action the page must perform for it, "" for none.
    std::string step(const std::string& line);
    [[nodiscard]] bool hasEnded() const { return transcript_.hasEnded(); }
    // The transcript, once what the last action showed is in it.
    [[nodiscard]] const std::string& finish();

private:
    std::string output_;
    Transcript transcript_{[this](const std::string& line) { output_ += line + '\n'; }};
    WebDriver driver_;
};

} // namespace quorvel::scenario
