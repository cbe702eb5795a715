#include "entry/sign_toggle.h"

#include "entry/entry_field.h"
#include "entry/field_text.h"

namespace quorvel {
namespace {

void addSign(Form1& form, LabelId label) {
    std::string& imk = form.vars().IMK;
    imk = form.toolkit().caption(label);
    imk.insert(imk.begin(), '-');
    form.toolkit().setCaption(label, imk);
}

// The new text is built apart from IMK, which keeps the text with its sign.
void removeSign(Form1& form, LabelId label) {
    std::string& imk = form.vars().IMK;
    imk = form.toolkit().caption(label);
    std::string unsigned_text;
    for (const char c : imk) {
        if (c != '-') {
            unsigned_text += c;
        }
    }
    form.toolkit().setCaption(label, unsigned_text);
}

} // namespace

void ToggleSign(Form1& form) {
    const std::int16_t tn = form.vars().TN;
    const bool numerator = tn == EntryFieldNumerator1 || tn == EntryFieldNumerator2;
    const bool wholePart = tn == EntryFieldWhole1 || tn == EntryFieldWhole2;
    if (!numerator && !wholePart) {
        return;
    }
    const LabelId label = *EntryFieldLabel(tn);
    const std::string text = form.toolkit().caption(label);
    const std::int32_t v = FieldValue(text);
    if (numerator) {
        if (v < 0) {
            removeSign(form, label);
        } else if (v > 0) {
            addSign(form, label);
        }
        return;
    }
    if (text == "-" || v < 0) {
        removeSign(form, label);
    } else if (text.empty() || v > 0) {
        addSign(form, label);
    }
}

} // namespace quorvel
