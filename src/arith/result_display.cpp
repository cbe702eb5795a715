#include "arith/result_display.h"

#include "arith/checked.h"
#include "entry/field_text.h"

#include <string>
#include <string_view>

namespace quorvel {
namespace {

// The numerator and denominator on display are plain decimal numbers that the rewrites read
// beyond the 32-bit range: the improper numerator of -2147483648/3 is 2147483648. 64 bits hold
// every such number exactly.
using Wide = std::int64_t;

Wide plainNumber(std::string_view digits) {
    Wide value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            throw OverflowError();
        }
        value = checked::mulAdd64(value, 10, c - '0');
    }
    return value;
}

std::string decimal(Wide value) {
    if (value == 0) {
        return "0";
    }
    const bool negative = value < 0;
    std::string text;
    while (value != 0) {
        const auto digit = static_cast<int>(value % 10);
        text.insert(text.begin(), static_cast<char>('0' + (negative ? -digit : digit)));
        value /= 10;
    }
    if (negative) {
        text.insert(text.begin(), '-');
    }
    return text;
}

struct DisplayedResult {
    Wide denominator;
    Wide numerator;
    std::int32_t whole;
};

DisplayedResult readResult(Toolkit& ui) {
    return {plainNumber(ui.caption(LabelId::Label1)), plainNumber(ui.caption(LabelId::Label2)),
            FieldValue(ui.caption(LabelId::Label6))};
}

} // namespace

void ShowResult(Form1& form, std::int32_t q, std::int32_t d, std::int32_t n) {
    Toolkit& ui = form.toolkit();
    if (q != 0) {
        ui.setCaption(LabelId::Label6, decimal(checked::abs(q)));
        if (q < 0) {
            ui.setCaption(LabelId::Label5, "-");
        }
    }
    // The sign is written before the magnitude is taken, so it stays if the magnitude overflows.
    if (d < 0) {
        ui.setCaption(LabelId::Label5, "-");
        ui.setCaption(LabelId::Label1, decimal(checked::abs(d)));
    } else if (d == 1) {
        ui.setLineVisible(LineId::Line3, false);
    } else {
        ui.setCaption(LabelId::Label1, decimal(d));
    }
    if (n < 0) {
        ui.setCaption(LabelId::Label5, "-");
        ui.setCaption(LabelId::Label2, decimal(checked::abs(n)));
    } else if (n == 0) {
        ui.setLineVisible(LineId::Line3, false);
    } else {
        ui.setCaption(LabelId::Label2, decimal(n));
    }
    if (ui.caption(LabelId::Label1).empty() && ui.caption(LabelId::Label6).empty()) {
        ui.setCaption(LabelId::Label6, "0");
    }
}

void ToImproper(Form1& form) {
    Toolkit& ui = form.toolkit();
    const DisplayedResult shown = readResult(ui);
    if (shown.denominator == 0 || shown.whole == 0) {
        return;
    }
    ui.setCaption(LabelId::Label2,
                  decimal(checked::mulAdd64(shown.denominator, shown.whole, shown.numerator)));
    ui.setCaption(LabelId::Label6, "");
}

void ToMixed(Form1& form) {
    Toolkit& ui = form.toolkit();
    const DisplayedResult shown = readResult(ui);
    if (shown.denominator == 0 || shown.whole != 0) {
        return;
    }
    const Wide quotient = shown.numerator / shown.denominator;
    if (quotient == 0) {
        return;
    }
    ui.setCaption(LabelId::Label2, decimal(shown.numerator % shown.denominator));
    ui.setCaption(LabelId::Label6, decimal(quotient));
}

} // namespace quorvel
