#include "entry/operator_choice.h"

#include "entry/entry_field.h"

namespace quorvel {

std::string_view OperatorSymbol(std::int16_t code) {
    switch (code) {
    case OperatorAdd:
        return "＋"; // U+FF0B
    case OperatorSubtract:
        return "－"; // U+FF0D, not the ASCII sign of a field text
    case OperatorMultiply:
        return "×"; // U+00D7
    case OperatorDivide:
        return "÷"; // U+00F7
    default:
        return "";
    }
}

void ChooseOperator(Form1& form, std::int16_t code) {
    form.toolkit().setCaption(LabelId::Label3, OperatorSymbol(code));
    form.vars().KN = code;
    ActivateField(form, EntryFieldWhole2);
}

} // namespace quorvel
