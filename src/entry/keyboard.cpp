#include "entry/keyboard.h"

#include "entry/digit_entry.h"
#include "entry/erase.h"
#include "entry/operator_choice.h"

namespace quorvel {

void KeyDown(Form1& form, std::int16_t keyCode) {
    const std::int16_t k = keyCode;
    std::int16_t d = 0;
    if (k == Vk0 || k == VkNumpad0) {
        AppendDigit(form, 0);
    } else if (k > Vk0 && k <= Vk9) {
        d = static_cast<std::int16_t>(k - Vk0);
    } else if (k > VkNumpad0 && k <= VkNumpad9) {
        d = static_cast<std::int16_t>(k - VkNumpad0);
    }
    if (d >= 1 && d <= 9) {
        AppendDigit(form, d);
    }

    switch (k) {
    case VkSubtract:
        ChooseOperator(form, OperatorSubtract);
        break;
    case VkDivide:
        ChooseOperator(form, OperatorDivide);
        break;
    case VkMultiply:
        ChooseOperator(form, OperatorMultiply);
        break;
    case VkAdd:
        ChooseOperator(form, OperatorAdd);
        break;
    case VkKeypadEqual:
        form.AKS();
        break;
    case VkDelete:
        EraseActiveField(form);
        break;
    default:
        break;
    }
}

} // namespace quorvel
