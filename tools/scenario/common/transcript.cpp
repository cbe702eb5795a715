#include "transcript.h"

#include "ui/controls/control_tables.h"
#include "ui/controls/json.h"

#include <cstdio>

namespace quorvel::scenario {
using ui::jsonString;
namespace {

std::string colourText(Colour colour) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "&H%06X", static_cast<unsigned>(colour & 0xFFFFFFU));
    return text.data();
}

// The integers a step draws, in reading order: "-" before a number makes it negative. Words and
// decimals are not integers and are left out; the sentence carries them.
std::string integersDrawn(const std::vector<std::string>& drawn) {
    std::string json = "[";
    bool minus = false;
    bool first = true;
    for (const std::string& text : drawn) {
        const std::string_view digits =
            text.starts_with('-') ? std::string_view(text).substr(1) : std::string_view(text);
        if (text == "-") {
            minus = true;
            continue;
        }
        const bool integer =
            !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
        if (integer) {
            json += (first ? "" : ", ") + std::string(minus || text.starts_with('-') ? "-" : "") +
                    std::string(digits);
            first = false;
        }
        minus = false;
    }
    return json + "]";
}

} // namespace

std::string labelName(int number) {
    return std::string(ui::labelRow(static_cast<LabelId>(number)).name);
}

void WindowState::takeVariables(const FormVariables& vars) {
    TN = vars.TN;
    KN = vars.KN;
    L = vars.L;
    G = vars.G;
    IMK = vars.IMK;
}

void Transcript::print(const std::string& json) {
    sink_(json);
}

void Transcript::state(const WindowState& state) {
    std::string json = R"({"state": {"captions": {)";
    for (int n = 1; n <= 12; ++n) {
        json += (n > 1 ? ", " : "") + jsonString(labelName(n)) + ": " +
                jsonString(state.captions.at(static_cast<std::size_t>(n - 1)));
    }
    json += R"(}, "colors": {)";
    for (int n = 7; n <= 12; ++n) {
        json += (n > 7 ? ", " : "") + jsonString(labelName(n)) + ": " +
                jsonString(colourText(state.fieldColours.at(static_cast<std::size_t>(n - 7))));
    }
    json += R"(}, "Line3": )";
    json += state.line3Visible ? "true" : "false";
    json += R"(, "Option6": )";
    json += state.option6Selected ? "true" : "false";
    json += R"(, "TN": )" + std::to_string(state.TN);
    json += R"(, "KN": )" + std::to_string(state.KN);
    json += R"(, "L": )" + std::to_string(state.L);
    json += R"(, "G": )" + std::to_string(state.G);
    json += R"(, "IMK": )" + jsonString(state.IMK);
    json += R"(, "focus": )" + jsonString(state.focus);
    json += R"(, "shown": {)";
    for (int n = 1; n <= 12; ++n) {
        json += (n > 1 ? ", " : "") + jsonString(labelName(n)) + ": " +
                jsonString(state.labels.at(static_cast<std::size_t>(n - 1)).shown);
    }
    // Only the labels that have a tooltip: most have none.
    json += R"(}, "tooltips": {)";
    bool first = true;
    for (int n = 1; n <= 12; ++n) {
        const std::string& tooltip = state.labels.at(static_cast<std::size_t>(n - 1)).tooltip;
        if (!tooltip.empty()) {
            json += (first ? "" : ", ") + jsonString(labelName(n)) + ": " + jsonString(tooltip);
            first = false;
        }
    }
    json += R"(}, "names": {)";
    for (int n = 1; n <= 12; ++n) {
        json += (n > 1 ? ", " : "") + jsonString(labelName(n)) + ": " +
                jsonString(state.labels.at(static_cast<std::size_t>(n - 1)).name);
    }
    json += R"(}, "announced": [)";
    for (std::size_t i = 0; i < state.announced.size(); ++i) {
        json += (i > 0 ? ", " : "") + jsonString(state.announced.at(i));
    }
    json += "]}}";
    print(json);
}

void Transcript::message(std::string_view title, std::string_view text, MessageIcon icon) {
    print(std::string(R"({"message": {"title": )") + jsonString(title) + R"(, "text": )" +
          jsonString(text) + R"(, "icon": )" +
          jsonString(icon == MessageIcon::Error ? "error" : "information") + "}}");
}

void Transcript::working(const PerceivedWorking& working) {
    std::string json = R"({"working": {"title": )" + jsonString(working.title) + R"(, "focus": )" +
                       jsonString(working.focus) + R"(, "buttons": [)";
    for (std::size_t i = 0; i < working.buttons.size(); ++i) {
        json += (i > 0 ? ", " : "") + jsonString(working.buttons[i]);
    }
    json += R"(], "steps": [)";
    for (std::size_t i = 0; i < working.steps.size(); ++i) {
        const PerceivedStep& step = working.steps[i];
        json += std::string(i > 0 ? ", " : "") + R"({"kind": )" + jsonString(step.kind) +
                R"(, "numbers": )" + integersDrawn(step.drawn) + R"(, "said": )" +
                jsonString(step.said) + "}";
    }
    print(json + "]}}");
}

void Transcript::history(const PerceivedWorking& history) {
    std::string json =
        R"({"history": {"title": )" + jsonString(history.title) + R"(, "entries": [)";
    for (std::size_t i = 0; i < history.steps.size(); ++i) {
        const PerceivedStep& entry = history.steps[i];
        json += std::string(i > 0 ? ", " : "") + R"({"numbers": )" + integersDrawn(entry.drawn) +
                R"(, "said": )" + jsonString(entry.said) + "}";
    }
    print(json + "]}}");
}

void Transcript::check(const PerceivedCheck& check) {
    print(R"({"check": {"problem": )" + jsonString(check.problem) + R"(, "drawn": )" +
          jsonString(check.drawn) + R"(, "said": )" + jsonString(check.said) + "}}");
}

void Transcript::runtimeError(RuntimeErrorKind kind) {
    print(std::string(R"({"error": )") +
          jsonString(kind == RuntimeErrorKind::Overflow ? "overflow" : "division by zero") + "}");
}

void Transcript::ended() {
    if (!ended_) {
        ended_ = true;
        print(R"({"ended": true})");
    }
}

void Transcript::badLine(std::string_view line) {
    print(std::string(R"({"bad_line": )") + jsonString(line) + "}");
}

} // namespace quorvel::scenario
