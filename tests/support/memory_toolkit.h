#pragma once

#include "app/toolkit.h"

#include <array>
#include <string>
#include <vector>

namespace quorvel::testing {

// The window kept in memory: what the logic writes can be read back, message boxes are recorded
// and answered at once.
class MemoryToolkit : public Toolkit {
public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
    };

    MemoryToolkit() {
        captions_.at(4) = "=";
        backColours_.fill(0xFFFFFF);
        lineVisible_.fill(true);
    }

    [[nodiscard]] std::string caption(LabelId label) const override {
        return captions_.at(static_cast<std::size_t>(label));
    }
    void setCaption(LabelId label, std::string_view text) override {
        captions_.at(static_cast<std::size_t>(label)) = text;
    }
    void setBackColour(LabelId label, Colour colour) override {
        backColours_.at(static_cast<std::size_t>(label)) = colour;
        painted.push_back(label);
    }
    void setLineVisible(LineId line, bool visible) override {
        lineVisible_.at(static_cast<std::size_t>(line)) = visible;
    }
    [[nodiscard]] bool optionSelected(OptionId option) const override {
        return (option == OptionId::Option6) == improperMode;
    }
    void messageBox(std::string_view text, std::string_view title, MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(title), icon});
    }
    void unload() override { unloaded = true; }
    void runtimeErrorRaised(RuntimeErrorKind kind) override { runtimeErrors.push_back(kind); }

    [[nodiscard]] Colour backColour(LabelId label) const {
        return backColours_.at(static_cast<std::size_t>(label));
    }
    [[nodiscard]] bool lineVisible(LineId line) const {
        return lineVisible_.at(static_cast<std::size_t>(line));
    }

    bool improperMode = false; // 仮分数 selected
    bool unloaded = false;
    std::vector<LabelId> painted; // every back-colour write, in order
    std::vector<Message> messages;
    std::vector<RuntimeErrorKind> runtimeErrors;

private:
    std::array<std::string, 13> captions_{};
    std::array<Colour, 13> backColours_{};
    std::array<bool, 4> lineVisible_{};
};

} // namespace quorvel::testing
