// 計算: reads the two operands from the six entry fields, applies the chosen operator and shows
// the exact result in lowest terms.
#include "app/form1.h"
#include "app/runtime_error.h"
#include "arith/checked.h"
#include "arith/improper_numerator.h"
#include "arith/result_display.h"
#include "entry/field_text.h"
#include "entry/operator_choice.h"

#include <string>

namespace quorvel {
namespace {

constexpr std::string_view kMissingEntry = "分母または分子が入力されていません。";
constexpr std::string_view kBadDenominator = "分母を１以上の整数にしてください。";
constexpr std::string_view kMissingOperator = "計算記号が入力されていません。";

// (L ÷ D1) × A1 ± (L ÷ D2) × A2, exact in 64 bits; only the final value must fit in 32.
std::int32_t commonDenominatorSum(std::int32_t L, std::int32_t D1, std::int32_t A1, std::int32_t D2,
                                  std::int32_t A2, bool subtract) {
    const std::int64_t left = std::int64_t{L / D1} * A1;
    const std::int64_t right = std::int64_t{L / D2} * A2;
    return checked::narrow(subtract ? left - right : left + right);
}

} // namespace

void Form1::AKS() {
    // The working is recorded as the calculation goes, with its own numbers; a run-time error
    // leaves where it stopped and passes on unchanged.
    working_ = Working{};
    working_.calculated = true;
    working_.operatorCode = vars_.KN;
    Stage stage = Stage::CheckingEntries;
    std::optional<LabelId> field;
    try {
        calculate(stage, field);
    } catch (const RuntimeError& error) {
        working_.stop =
            Stop{stage,
                 error.kind() == RuntimeErrorKind::Overflow ? StopReason::Overflow
                                                            : StopReason::DivisionByZero,
                 field};
        throw;
    }
}

void Form1::calculate(Stage& stage, std::optional<LabelId>& field) {
    Toolkit& ui = toolkit_;
    Working& working = working_;
    ui.setCaption(LabelId::Label1, "");
    ui.setCaption(LabelId::Label2, "");
    ui.setCaption(LabelId::Label5, "");
    ui.setCaption(LabelId::Label6, "");

    // Every path that is not ended by a run-time error finishes here.
    const auto finish = [this, &ui] {
        if (vars_.KN == OperatorNone) {
            ui.setCaption(LabelId::Label6, "");
        }
    };
    const auto stopWith = [&working, &stage](StopReason reason) {
        working.stop = Stop{stage, reason, std::nullopt};
    };

    for (std::size_t i = 0; i < working.entry.size(); ++i) {
        working.entry.at(i) = ui.caption(
            static_cast<LabelId>(static_cast<int>(LabelId::Label7) + static_cast<int>(i)));
    }
    for (const LabelId label :
         {LabelId::Label7, LabelId::Label8, LabelId::Label10, LabelId::Label11}) {
        if (ui.caption(label).empty()) {
            stopWith(StopReason::MissingEntry);
            ui.messageBox(kMissingEntry, ErrorBoxTitle, MessageIcon::Error);
            finish();
            return;
        }
    }

    stage = Stage::ReadingField;
    const auto read = [&ui, &field](LabelId label) {
        field = label;
        return FieldValue(ui.caption(label));
    };
    const std::int32_t D1 = read(LabelId::Label7);
    const std::int32_t N1 = read(LabelId::Label8);
    const std::string wholeText1 = ui.caption(LabelId::Label9);
    const std::int32_t W1 = read(LabelId::Label9);
    const std::int32_t D2 = read(LabelId::Label10);
    const std::int32_t N2 = read(LabelId::Label11);
    const std::string wholeText2 = ui.caption(LabelId::Label12);
    const std::int32_t W2 = read(LabelId::Label12);
    field.reset();

    stage = Stage::CheckingDenominators;
    if (D1 <= 0 || D2 <= 0) {
        stopWith(StopReason::BadDenominator);
        ui.messageBox(kBadDenominator, ErrorBoxTitle, MessageIcon::Error);
        finish();
        return;
    }

    ui.setLineVisible(LineId::Line3, true);

    stage = Stage::FirstAsImproper;
    const std::int32_t A1 = checked::narrow(ImproperNumerator(W1, N1, D1, wholeText1));
    working.steps.push_back({StepKind::FirstAsImproper, {A1, D1}});
    stage = Stage::SecondAsImproper;
    const std::int32_t A2 = checked::narrow(ImproperNumerator(W2, N2, D2, wholeText2));
    working.steps.push_back({StepKind::SecondAsImproper, {A2, D2}});

    // The common denominator is formed for every operator, before the operator is looked at.
    stage = Stage::CommonDenominator;
    LCM(D1, D2);

    stage = Stage::Combining;
    std::int32_t S = 0;
    const auto overCommonDenominator = [&] {
        working.steps.push_back(
            {StepKind::CommonDenominator,
             {vars_.L, std::int64_t{vars_.L / D1} * A1, std::int64_t{vars_.L / D2} * A2}});
    };
    switch (vars_.KN) {
    case OperatorAdd:
        overCommonDenominator();
        S = commonDenominatorSum(vars_.L, D1, A1, D2, A2, false);
        working.steps.push_back({StepKind::AddNumerators, {S, vars_.L}});
        break;
    case OperatorSubtract:
        overCommonDenominator();
        S = commonDenominatorSum(vars_.L, D1, A1, D2, A2, true);
        working.steps.push_back({StepKind::SubtractNumerators, {S, vars_.L}});
        break;
    case OperatorMultiply:
        S = checked::mul(A1, A2);
        vars_.L = checked::mul(D1, D2);
        working.steps.push_back({StepKind::MultiplyAcross, {S, vars_.L}});
        break;
    case OperatorDivide:
        working.steps.push_back({StepKind::ByReciprocal, {A1, D1, D2, A2}});
        // The denominator takes the sign of A2 and is 0 for a second operand of 0.
        S = checked::mul(A1, D2);
        vars_.L = checked::mul(D1, A2);
        working.steps.push_back({StepKind::MultiplyAcross, {S, vars_.L}});
        break;
    default:
        stage = Stage::CheckingOperator;
        stopWith(StopReason::MissingOperator);
        ui.messageBox(kMissingOperator, ErrorBoxTitle, MessageIcon::Error);
        break;
    }

    if (!working.stop) {
        stage = Stage::Reducing;
    }
    const std::int32_t q = checked::div(S, vars_.L);
    const std::int32_t r = checked::rem(S, vars_.L);
    GCD(r, vars_.L);
    const std::int32_t d = checked::div(vars_.L, vars_.G);
    const std::int32_t n = checked::div(r, vars_.G);
    if (!working.stop) {
        if (vars_.G > 1 || vars_.G < -1) {
            working.steps.push_back(
                {StepKind::Reduced, {vars_.G, std::int64_t{q} * d + n, std::int64_t{d}}});
        }
        working.steps.push_back({StepKind::Mixed, {q, n, d}});
        stage = Stage::ShowingResult;
    }
    ShowResult(*this, q, d, n);

    working.improperMode = ui.optionSelected(OptionId::Option6);
    if (working.improperMode) {
        ToImproper(*this);
    }
    finish();
}

} // namespace quorvel
