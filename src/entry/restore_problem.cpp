#include "entry/restore_problem.h"

#include "entry/entry_field.h"
#include "entry/operator_choice.h"

namespace quorvel {

void RestoreProblem(Form1& form, const std::array<std::string, 6>& fields,
                    std::int16_t operatorCode) {
    Toolkit& ui = form.toolkit();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        ui.setCaption(static_cast<LabelId>(static_cast<std::size_t>(LabelId::Label7) + i),
                      fields.at(i));
    }
    ui.setCaption(LabelId::Label3, std::string(OperatorSymbol(operatorCode)));
    form.vars().KN = operatorCode;
    ActivateField(form, EntryFieldWhole1);
}

} // namespace quorvel
