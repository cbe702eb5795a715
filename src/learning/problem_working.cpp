#include "learning/problem_working.h"

#include "app/form1.h"
#include "app/runtime_error.h"

namespace quorvel::learning {
namespace {

// A window that is never shown: it holds captions, and its boxes go unseen.
class AsideToolkit final : public Toolkit {
public:
    [[nodiscard]] std::string caption(LabelId label) const override {
        return captions_.at(static_cast<std::size_t>(label));
    }
    void setCaption(LabelId label, std::string_view text) override {
        captions_.at(static_cast<std::size_t>(label)) = std::string(text);
    }
    void setBackColour(LabelId /*label*/, Colour /*colour*/) override {}
    void setLineVisible(LineId /*line*/, bool /*visible*/) override {}
    [[nodiscard]] bool optionSelected(OptionId option) const override {
        return option == OptionId::Option5;
    }
    void messageBox(std::string_view /*text*/, std::string_view /*title*/,
                    MessageIcon /*icon*/) override {}
    void unload() override {}

private:
    std::array<std::string, 13> captions_; // by label number
};

} // namespace

Working workingOfProblem(const std::array<std::string, 6>& fields, std::int16_t operatorCode) {
    AsideToolkit toolkit;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        toolkit.setCaption(static_cast<LabelId>(static_cast<std::size_t>(LabelId::Label7) + i),
                           fields.at(i));
    }
    Form1 form(toolkit);
    form.vars().KN = operatorCode;
    try {
        form.AKS();
    } catch (const RuntimeError&) {
        // The working records where the calculation stopped and why.
    }
    return form.working();
}

} // namespace quorvel::learning
