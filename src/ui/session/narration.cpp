#include "ui/session/narration.h"

#include "entry/entry_field.h"
#include "entry/keyboard.h"
#include "entry/operator_choice.h"
#include "ui/controls/control_tables.h"

namespace quorvel::session {
namespace {

std::string spokenNumber(std::string_view text) {
    if (text.empty()) {
        return "空";
    }
    if (text.front() != '-') {
        return std::string(text);
    }
    return text.size() == 1 ? "マイナス" : "マイナス " + std::string(text.substr(1));
}

std::string activeField(Form1& form) {
    const auto label = EntryFieldLabel(form.vars().TN);
    if (!label) {
        return {};
    }
    return std::string(ui::labelRow(*label).description) + " " +
           spokenNumber(form.toolkit().caption(*label));
}

// 「計算記号 たす、二つ目の数の整数部分 空」: choosing an operator also moves the typing on.
std::string chosenOperator(Form1& form) {
    const std::string_view word = OperatorWord(form.vars().KN);
    if (word.empty()) {
        return {};
    }
    const std::string spoken = "計算記号 " + std::string(word);
    const std::string field = activeField(form);
    return field.empty() ? spoken : spoken + "、" + field;
}

// 「答え 3と12分の11」, 「答え マイナス 12分の47」, 「答え 5」.
std::string result(Form1& form) {
    const Toolkit& window = form.toolkit();
    const std::string whole = window.caption(LabelId::Label6);
    const std::string numerator = window.caption(LabelId::Label2);
    const std::string denominator = window.caption(LabelId::Label1);
    if (whole.empty() && numerator.empty()) {
        return {};
    }
    std::string spoken = "答え ";
    if (window.caption(LabelId::Label5) == "-") {
        spoken += "マイナス ";
    }
    spoken += whole;
    if (!numerator.empty()) {
        spoken += (whole.empty() ? "" : "と") + denominator + "分の" + numerator;
    }
    return spoken;
}

// 「一つ目の数 2と6分の1、二つ目の数の整数部分 空」: the first operand as its fields hold it, and
// where the typing goes on.
std::string firstOperand(Form1& form) {
    const Toolkit& window = form.toolkit();
    const std::string whole = window.caption(LabelId::Label9);
    std::string spoken = "一つ目の数 ";
    if (whole == "-") {
        spoken += "マイナス ";
    } else if (!whole.empty()) {
        spoken += spokenNumber(whole) + "と";
    }
    spoken += spokenNumber(window.caption(LabelId::Label7)) + "分の" +
              spokenNumber(window.caption(LabelId::Label8));
    const std::string field = activeField(form);
    return field.empty() ? spoken : spoken + "、" + field;
}

} // namespace

Narration narrationAfterKey(int virtualKey) {
    const auto button = ButtonOfKey(static_cast<std::int16_t>(virtualKey));
    return button ? narrationAfter(*button) : Narration::None;
}

std::string narrationText(Narration narration, Form1& form) {
    switch (narration) {
    case Narration::ActiveField:
        return activeField(form);
    case Narration::Operator:
        return chosenOperator(form);
    case Narration::Result:
        return result(form);
    case Narration::FirstOperand:
        return firstOperand(form);
    case Narration::NoAnswer:
        return "使える答えがありません";
    case Narration::None:
        break;
    }
    return {};
}

std::string spokenCaption(LabelId label, std::string_view caption) {
    if (label == LabelId::Label3 && OperatorOfSymbol(caption) != OperatorNone) {
        return std::string(OperatorWord(OperatorOfSymbol(caption)));
    }
    return spokenNumber(caption);
}

} // namespace quorvel::session
