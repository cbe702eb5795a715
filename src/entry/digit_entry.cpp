#include "entry/digit_entry.h"

#include "entry/entry_field.h"

namespace quorvel {

void AppendDigit(Form1& form, std::int16_t d) {
    const auto label = EntryFieldLabel(form.vars().TN);
    if (!label || d < 0 || d > 9) {
        return;
    }
    Toolkit& ui = form.toolkit();
    // Only the empty text refuses a 0: a lone "-" takes it and becomes "-0".
    if (d == 0 && ui.caption(*label).empty()) {
        return;
    }
    std::string& imk = form.vars().IMK;
    imk = ui.caption(*label);
    imk += static_cast<char>('0' + d);
    ui.setCaption(*label, imk);
}

} // namespace quorvel
