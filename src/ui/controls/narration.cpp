#include "ui/controls/narration.h"

#include "entry/entry_field.h"
#include "ui/controls/control_tables.h"

#include <array>

namespace quorvel::ui {
namespace {

std::string_view descriptionOf(LabelId id) {
    for (const LabelRow& row : labelTable()) {
        if (row.id == id) {
            return row.description;
        }
    }
    return {};
}

// A field's text as it is read out: 「空」 for nothing, the sign as 「マイナス」.
std::string spokenFieldText(const std::string& text) {
    if (text.empty()) {
        return "空";
    }
    if (text.front() != '-') {
        return text;
    }
    return text.size() == 1 ? "マイナス" : "マイナス " + text.substr(1);
}

std::string activeField(Form1& form) {
    const auto label = EntryFieldLabel(form.vars().TN);
    if (!label) {
        return {};
    }
    return std::string(descriptionOf(*label)) + " " +
           spokenFieldText(form.toolkit().caption(*label));
}

std::string chosenOperator(const Form1& form) {
    constexpr std::array<std::string_view, 4> kSpoken{"たす", "ひく", "かける", "わる"};
    const int kn = form.vars().KN;
    if (kn < 1 || kn > 4) {
        return {};
    }
    return "計算記号 " + std::string(kSpoken.at(static_cast<std::size_t>(kn - 1)));
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

} // namespace

Narration narrationAfter(Event event) {
    switch (event) {
    case Event::Command2_Click:
    case Event::Command4_Click:
    case Event::Command5_Click:
    case Event::Command6_Click:
    case Event::Command7_Click:
    case Event::Command8_Click:
    case Event::Command9_Click:
    case Event::Command10_Click:
    case Event::Command11_Click:
    case Event::Command12_Click:
    case Event::Command13_Click:
    case Event::Command18_Click:
    case Event::Command19_Click:
    case Event::Command20_Click:
    case Event::Command21_Click:
    case Event::Command22_Click:
    case Event::Command24_Click:
    case Event::Label7_Click:
    case Event::Label8_Click:
    case Event::Label9_Click:
    case Event::Label10_Click:
    case Event::Label11_Click:
    case Event::Label12_Click:
        return Narration::ActiveField;
    case Event::Command14_Click:
    case Event::Command15_Click:
    case Event::Command16_Click:
    case Event::Command17_Click:
        return Narration::Operator;
    case Event::Command1_Click:
    case Event::Option5_Click:
    case Event::Option6_Click:
        return Narration::Result;
    case Event::Form_Load:
    case Event::Command3_Click:
    case Event::FileExit_Click:
    case Event::FileBer_Click:
        break;
    }
    return Narration::None;
}

Narration narrationAfterKey(int vk) {
    if ((vk >= 48 && vk <= 57) || (vk >= 96 && vk <= 105) || vk == 46) {
        return Narration::ActiveField;
    }
    if (vk == 106 || vk == 107 || vk == 109 || vk == 111) {
        return Narration::Operator;
    }
    return vk == 146 ? Narration::Result : Narration::None;
}

std::string narrationText(Narration narration, Form1& form) {
    switch (narration) {
    case Narration::ActiveField:
        return activeField(form);
    case Narration::Operator:
        return chosenOperator(form);
    case Narration::Result:
        return result(form);
    case Narration::None:
        break;
    }
    return {};
}

} // namespace quorvel::ui
