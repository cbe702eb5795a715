#include "entry/use_answer.h"

#include "entry/entry_field.h"
#include "entry/operator_choice.h"

#include <array>
#include <string>

namespace quorvel {

void UseAnswer(Form1& form) {
    Toolkit& ui = form.toolkit();
    const bool negative = ui.caption(LabelId::Label5) == "-";
    std::string whole = ui.caption(LabelId::Label6);
    std::string numerator = ui.caption(LabelId::Label2);
    std::string denominator = ui.caption(LabelId::Label1);
    if (whole.empty() && numerator.empty()) {
        return;
    }
    if (numerator.empty()) {
        numerator = "0";
        denominator = "1";
    }
    // The whole part carries the sign; "-" alone stands for a negative value under 1.
    if (negative) {
        whole = "-" + whole;
    }
    constexpr std::array kEmptied{LabelId::Label1,  LabelId::Label2, LabelId::Label3,
                                  LabelId::Label5,  LabelId::Label6, LabelId::Label10,
                                  LabelId::Label11, LabelId::Label12};
    for (const LabelId label : kEmptied) {
        ui.setCaption(label, "");
    }
    ui.setCaption(LabelId::Label9, whole);
    ui.setCaption(LabelId::Label8, numerator);
    ui.setCaption(LabelId::Label7, denominator);
    form.vars().KN = OperatorNone;
    ActivateField(form, EntryFieldWhole2);
}

} // namespace quorvel
