#pragma once

#include "app/form1.h"
#include "memory_toolkit.h"

#include <cstdint>
#include <string>

namespace quorvel::testing {

// Two operands as their six fields hold them, the operator code and the display mode.
struct Entered {
    std::string w1, n1, d1;
    std::int16_t kn;
    std::string w2, n2, d2;
    bool improper = false;
};

// Puts the texts straight into the fields, chooses the operator and the display mode, runs 計算
// and returns its working; the result is left in ui.
inline Working calculateEntered(const Entered& e, MemoryToolkit& ui) {
    Form1 form(ui);
    form.handle(Event::Form_Load);
    ui.setCaption(LabelId::Label9, e.w1);
    ui.setCaption(LabelId::Label8, e.n1);
    ui.setCaption(LabelId::Label7, e.d1);
    ui.setCaption(LabelId::Label12, e.w2);
    ui.setCaption(LabelId::Label11, e.n2);
    ui.setCaption(LabelId::Label10, e.d2);
    form.vars().KN = e.kn;
    ui.improperMode = e.improper;
    form.handle(Event::Command1_Click);
    return form.working();
}

} // namespace quorvel::testing
