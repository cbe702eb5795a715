#include "entry/entry_field.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::array<LabelId, 6> kFieldLabels{LabelId::Label7,  LabelId::Label8,  LabelId::Label9,
                                              LabelId::Label10, LabelId::Label11, LabelId::Label12};

void paint(Form1& form, std::int16_t code, Colour colour) {
    form.toolkit().setBackColour(*EntryFieldLabel(code), colour);
}

} // namespace

std::optional<LabelId> EntryFieldLabel(std::int16_t code) {
    if (code < 1 || code > 6) {
        return std::nullopt;
    }
    return kFieldLabels.at(static_cast<std::size_t>(code - 1));
}

void ActivateField(Form1& form, std::int16_t code) {
    form.vars().TN = code;
    paint(form, code, ActiveFieldColor);
    for (std::int16_t other = 1; other <= 6; ++other) {
        if (other != code) {
            paint(form, other, IdleFieldColor);
        }
    }
}

void MoveWithinOperand(Form1& form, Component component) {
    // Two tests in turn, each reading TN afresh: first within the first operand, then within
    // the second. A move lands in the first operand, so the second test cannot act after it.
    for (const std::int16_t base : {std::int16_t{0}, std::int16_t{3}}) {
        const std::int16_t tn = form.vars().TN;
        const auto target = static_cast<std::int16_t>(base + static_cast<int>(component) + 1);
        if (tn <= base || tn > base + 3 || tn == target) {
            continue;
        }
        form.vars().TN = target;
        for (int code = base + 1; code <= base + 3; ++code) {
            paint(form, static_cast<std::int16_t>(code),
                  code == target ? ActiveFieldColor : IdleFieldColor);
        }
    }
}

void BackToFirstOperand(Form1& form) {
    if (form.vars().TN < EntryFieldDenominator2 || form.vars().TN > EntryFieldWhole2) {
        return;
    }
    form.vars().TN = EntryFieldWhole1;
    paint(form, EntryFieldWhole1, ActiveFieldColor);
    paint(form, EntryFieldDenominator2, IdleFieldColor);
    paint(form, EntryFieldNumerator2, IdleFieldColor);
    paint(form, EntryFieldWhole2, IdleFieldColor);
}

} // namespace quorvel
