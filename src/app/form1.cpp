#include "app/form1.h"

#include "app/runtime_error.h"
#include "app/version_box.h"
#include "arith/result_display.h"
#include "entry/digit_entry.h"
#include "entry/entry_field.h"
#include "entry/erase.h"
#include "entry/keyboard.h"
#include "entry/operator_choice.h"
#include "entry/sign_toggle.h"
#include "entry/use_answer.h"

#include <string_view>

namespace quorvel {
namespace {

std::string_view runtimeErrorText(RuntimeErrorKind kind) {
    switch (kind) {
    case RuntimeErrorKind::Overflow:
        return "数が大きすぎるため計算できません。";
    case RuntimeErrorKind::DivisionByZero:
        return "０で割ることはできません。";
    }
    return "計算できません。";
}

} // namespace

template <typename Handler> void Form1::guarded(Handler&& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        toolkit_.runtimeErrorRaised(error.kind());
        toolkit_.messageBox(runtimeErrorText(error.kind()), ErrorBoxTitle, MessageIcon::Error);
    }
}

void Form1::handle(Event event) {
    guarded([this, event] { runEvent(event); });
}

void Form1::handleKeyDown(std::int16_t keyCode, std::int16_t shift) {
    guarded([this, keyCode, shift] { Form_KeyDown(keyCode, shift); });
}

// The key performs the operation of its button; the modifier state is never read.
void Form1::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
    if (const auto button = ButtonOfKey(keyCode)) {
        runEvent(*button);
    }
}

// Which handler each event runs: the one place where controls meet their behaviour.
void Form1::runEvent(Event event) {
    switch (event) {
    case Event::Form_Load:
        // The first operand's whole part is where typing starts.
        vars_.TN = EntryFieldWhole1;
        toolkit_.setBackColour(LabelId::Label9, ActiveFieldColor);
        return;
    case Event::Command1_Click:
        AKS();
        return;
    case Event::Command2_Click:
        ClearAll(*this);
        // The working is of the calculation on display, and none is now.
        working_ = Working{};
        return;
    case Event::Command3_Click:
    case Event::FileExit_Click:
        toolkit_.unload();
        return;
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
        // Command4 ... Command13 are the digits 0 ... 9.
        AppendDigit(*this, static_cast<std::int16_t>(static_cast<int>(event) -
                                                     static_cast<int>(Event::Command4_Click)));
        return;
    case Event::Command14_Click:
        ChooseOperator(*this, OperatorAdd);
        return;
    case Event::Command15_Click:
        ChooseOperator(*this, OperatorSubtract);
        return;
    case Event::Command16_Click:
        ChooseOperator(*this, OperatorMultiply);
        return;
    case Event::Command17_Click:
        ChooseOperator(*this, OperatorDivide);
        return;
    case Event::Command18_Click:
        MoveWithinOperand(*this, Component::WholePart);
        return;
    case Event::Command19_Click:
        MoveWithinOperand(*this, Component::Denominator);
        return;
    case Event::Command20_Click:
        MoveWithinOperand(*this, Component::Numerator);
        return;
    case Event::Command21_Click:
        BackToFirstOperand(*this);
        return;
    case Event::Command22_Click:
        EraseActiveField(*this);
        return;
    case Event::Command24_Click:
        ToggleSign(*this);
        return;
    case Event::Label7_Click:
    case Event::Label8_Click:
    case Event::Label9_Click:
    case Event::Label10_Click:
    case Event::Label11_Click:
    case Event::Label12_Click:
        // Label7 ... Label12 carry the field codes 1 ... 6.
        ActivateField(*this, static_cast<std::int16_t>(static_cast<int>(event) -
                                                       static_cast<int>(Event::Label7_Click) + 1));
        return;
    case Event::Option5_Click:
        ToMixed(*this);
        return;
    case Event::Option6_Click:
        ToImproper(*this);
        return;
    case Event::FileBer_Click:
        ShowVersionBox(*this);
        return;
    case Event::UseAnswer_Click:
        UseAnswer(*this);
        return;
    case Event::ViewWorking_Click:
    case Event::CheckAnswer_Click:
    case Event::History_Click:
        return;
    }
}

} // namespace quorvel
