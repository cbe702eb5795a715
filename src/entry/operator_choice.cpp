#include "entry/operator_choice.h"

#include "entry/entry_field.h"

#include <array>

namespace quorvel {

namespace {

struct OperatorText {
    std::string_view symbol;
    std::string_view word;
};

// By code, from OperatorAdd.
constexpr std::array<OperatorText, 4> kOperators{{
    {"＋", "たす"},  // U+FF0B
    {"－", "ひく"},  // U+FF0D, not the ASCII sign of a field text
    {"×", "かける"}, // U+00D7
    {"÷", "わる"},   // U+00F7
}};

const OperatorText* textOf(std::int16_t code) {
    if (code < OperatorAdd || code > OperatorDivide) {
        return nullptr;
    }
    return &kOperators.at(static_cast<std::size_t>(code - OperatorAdd));
}

} // namespace

std::string_view OperatorSymbol(std::int16_t code) {
    const OperatorText* text = textOf(code);
    return text != nullptr ? text->symbol : std::string_view();
}

std::string_view OperatorWord(std::int16_t code) {
    const OperatorText* text = textOf(code);
    return text != nullptr ? text->word : std::string_view();
}

std::int16_t OperatorOfSymbol(std::string_view symbol) {
    for (std::int16_t code = OperatorAdd; code <= OperatorDivide; ++code) {
        if (OperatorSymbol(code) == symbol) {
            return code;
        }
    }
    return OperatorNone;
}

void ChooseOperator(Form1& form, std::int16_t code) {
    form.toolkit().setCaption(LabelId::Label3, OperatorSymbol(code));
    form.vars().KN = code;
    ActivateField(form, EntryFieldWhole2);
}

} // namespace quorvel
