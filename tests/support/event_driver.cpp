#include "event_driver.h"

#include "entry/entry_field.h"
#include "entry/operator_choice.h"
#include "exact_fraction.h"

#include <array>

namespace quorvel::testing {
namespace {

// Keys worth pressing: every code the window answers to, and some it must ignore.
constexpr std::array<std::int16_t, 23> kKeys{48, 49,  53,  57, 96, 97, 101, 105, 106, 107, 109, 111,
                                             46, 146, 146, 13, 8,  27, 189, 187, 191, 0,   255};

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "", digits, "-" and digits; a lone "-" only where a sign may stand alone.
bool validFieldText(std::string_view text, bool signAllowed, bool loneSignAllowed) {
    if (text.empty()) {
        return true;
    }
    if (text.front() == '-') {
        return signAllowed && ((text.size() == 1 && loneSignAllowed) || isDigits(text.substr(1)));
    }
    return isDigits(text);
}

Int128 parse(const std::string& digits) {
    Int128 v = 0;
    for (const char c : digits) {
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

EventDriver::EventDriver() {
    restart();
}

void EventDriver::restart() {
    toolkit_ = std::make_unique<MemoryToolkit>();
    ui_ = toolkit_.get();
    form_ = std::make_unique<Form1>(*toolkit_);
    form_->handle(Event::Form_Load);
}

void EventDriver::calculate(bool fromKey) {
    MemoryToolkit& ui = *ui_;
    const OperandText first{ui.caption(LabelId::Label9), ui.caption(LabelId::Label8),
                            ui.caption(LabelId::Label7)};
    const OperandText second{ui.caption(LabelId::Label12), ui.caption(LabelId::Label11),
                             ui.caption(LabelId::Label10)};
    const std::int16_t kn = form_->vars().KN;
    ui.messages.clear();
    ui.runtimeErrors.clear();
    if (fromKey) {
        form_->handleKeyDown(146, 0);
    } else {
        form_->handle(Event::Command1_Click);
    }
    lastCheck_.clear();
    if (!ui.runtimeErrors.empty()) {
        return;
    }
    const std::string shown = ui.caption(LabelId::Label5) + "|" + ui.caption(LabelId::Label6) +
                              "|" + ui.caption(LabelId::Label2) + "/" + ui.caption(LabelId::Label1);
    if (!ui.messages.empty()) {
        if (shown != "||/") {
            lastCheck_ = "a refused calculation left a result: " + shown;
        }
        return;
    }
    const auto expected = exactMixedResult(first, kn, second);
    if (!expected) {
        lastCheck_ = "a calculation of invalid operands completed: " + shown;
        return;
    }
    ExpectedDisplay e = *expected;
    if (ui.improperMode && e.line3 && !e.whole.empty()) {
        e.numerator = decimal(parse(e.whole) * parse(e.denominator) + parse(e.numerator));
        e.whole.clear();
    }
    const std::string wanted = e.sign + "|" + e.whole + "|" + e.numerator + "/" + e.denominator;
    if (shown != wanted || ui.lineVisible(LineId::Line3) != e.line3) {
        lastCheck_ = "shown " + shown + ", exact " + wanted;
    }
    ++completed_;
}

void EventDriver::perform(std::uint8_t code) {
    lastCheck_.clear();
    ui_->messages.clear();
    ui_->runtimeErrors.clear();
    const int c = code % 64;
    if (c < 10) {
        form_->handle(static_cast<Event>(static_cast<int>(Event::Command4_Click) + c));
    } else if (c < 14) {
        form_->handle(static_cast<Event>(static_cast<int>(Event::Command14_Click) + c - 10));
    } else if (c < 20) {
        form_->handle(static_cast<Event>(static_cast<int>(Event::Label7_Click) + c - 14));
    } else if (c < 24) {
        form_->handle(static_cast<Event>(static_cast<int>(Event::Command18_Click) + c - 20));
    } else if (c == 24 || (c >= 33 && c < 36)) {
        // Erasing often keeps the numbers short enough for calculations to complete.
        form_->handle(Event::Command22_Click);
    } else if (c == 25) {
        // Clearing everything is kept rare (one byte value in 256), or few calculations would
        // ever find all their fields filled.
        form_->handle(code == 25 ? Event::Command2_Click : Event::Command20_Click);
    } else if (c == 26) {
        form_->handle(Event::Command24_Click);
    } else if (c == 27 || c == 28) {
        calculate(c == 28);
    } else if (c == 29 || c == 30) {
        // The selection moves before the click handler runs.
        ui_->improperMode = c == 30;
        form_->handle(c == 30 ? Event::Option6_Click : Event::Option5_Click);
    } else if (c == 31) {
        form_->handle(Event::FileBer_Click);
    } else if (c == 32) {
        if (code == 32 || code == 96) {
            form_->handle(code == 32 ? Event::Command3_Click : Event::FileExit_Click);
        } else {
            form_->handle(Event::FileBer_Click);
        }
        if (ui_->unloaded) {
            restart();
        }
    } else if (c < 41) {
        form_->handle(static_cast<Event>(static_cast<int>(Event::Command5_Click) + c - 36));
    } else {
        form_->handleKeyDown(kKeys.at(static_cast<std::size_t>(c - 41)),
                             static_cast<std::int16_t>(code >> 6U));
    }
}

std::string EventDriver::brokenInvariant() const {
    if (!lastCheck_.empty()) {
        return lastCheck_;
    }
    const MemoryToolkit& ui = *ui_;
    const FormVariables& vars = form_->vars();
    if (vars.TN < 1 || vars.TN > 6) {
        return "TN is " + std::to_string(vars.TN);
    }
    for (std::int16_t code = 1; code <= 6; ++code) {
        const Colour colour = ui.backColour(*EntryFieldLabel(code));
        if (colour != (code == vars.TN ? ActiveFieldColor : IdleFieldColor)) {
            return "field " + std::to_string(code) + " has the wrong colour with TN " +
                   std::to_string(vars.TN);
        }
    }
    if (vars.KN < 0 || vars.KN > 4 || ui.caption(LabelId::Label3) != OperatorSymbol(vars.KN)) {
        return "Label3 '" + ui.caption(LabelId::Label3) + "' with KN " + std::to_string(vars.KN);
    }
    const auto check = [&ui](LabelId label, bool sign, bool lone) {
        return validFieldText(ui.caption(label), sign, lone);
    };
    if (!check(LabelId::Label7, false, false) || !check(LabelId::Label10, false, false) ||
        !check(LabelId::Label8, true, false) || !check(LabelId::Label11, true, false) ||
        !check(LabelId::Label9, true, true) || !check(LabelId::Label12, true, true)) {
        return "an entry field holds an invalid text";
    }
    const std::string sign = ui.caption(LabelId::Label5);
    if ((!sign.empty() && sign != "-") || ui.caption(LabelId::Label4) != "=") {
        return "the sign or the equals label is wrong";
    }
    for (const LabelId label : {LabelId::Label6, LabelId::Label2, LabelId::Label1}) {
        if (!validFieldText(ui.caption(label), false, false)) {
            return "a result field holds more than digits";
        }
    }
    return {};
}

} // namespace quorvel::testing
