#include "entry/erase.h"

#include "entry/entry_field.h"
#include "entry/operator_choice.h"

#include <array>

namespace quorvel {

void EraseActiveField(Form1& form) {
    if (const auto label = EntryFieldLabel(form.vars().TN)) {
        form.toolkit().setCaption(*label, "");
    }
}

void ClearAll(Form1& form) {
    // Label4, the "=" sign, is not among them.
    constexpr std::array kCleared{LabelId::Label1,  LabelId::Label2, LabelId::Label3,
                                  LabelId::Label5,  LabelId::Label6, LabelId::Label7,
                                  LabelId::Label8,  LabelId::Label9, LabelId::Label10,
                                  LabelId::Label11, LabelId::Label12};
    for (const LabelId label : kCleared) {
        form.toolkit().setCaption(label, "");
    }
    ActivateField(form, EntryFieldWhole1);
    form.vars().KN = OperatorNone;
}

} // namespace quorvel
