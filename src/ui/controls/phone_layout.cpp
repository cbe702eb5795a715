#include "ui/controls/phone_layout.h"

#include "ui/controls/control_rows.h"

#include <array>

namespace quorvel::ui {
namespace {

constexpr std::array<PhoneDisplayRow, 15> kRows{{
    {"Label9", 0},
    {"Label8", 0},
    {"Label7", 0},
    {"Line1", 0},
    {"Label3", 0},
    {"Label12", 1},
    {"Label11", 1},
    {"Label10", 1},
    {"Line2", 1},
    {"Label4", 2},
    {"Label5", 2},
    {"Label6", 2},
    {"Label2", 2},
    {"Label1", 2},
    {"Line3", 2},
}};

// Rows of 48 pixels with 4 between them: the field keys, the keypad with its operators, the
// keys that clear and end, and the display-mode group.
// clang-format off
constexpr std::array<PhoneKey, 24> kKeys{{
        {"Command18",   2,   0,  60, 48}, {"Command19",  66,   0,  60, 48},
        {"Command20", 130,   0,  60, 48}, {"Command21", 194,   0,  60, 48},
        {"Command24", 258,   0,  60, 48},
        {"Command11",   2,  52,  76, 48}, {"Command12",  82,  52,  76, 48},
        {"Command13", 162,  52,  76, 48}, {"Command17", 242,  52,  76, 48},
        {"Command8",    2, 104,  76, 48}, {"Command9",   82, 104,  76, 48},
        {"Command10", 162, 104,  76, 48}, {"Command16", 242, 104,  76, 48},
        {"Command5",    2, 156,  76, 48}, {"Command6",   82, 156,  76, 48},
        {"Command7",  162, 156,  76, 48}, {"Command15", 242, 156,  76, 48},
        {"Command4",    2, 208,  76, 48}, {"Command1",   82, 208, 156, 48},
        {"Command14", 242, 208,  76, 48},
        {"Command3",    2, 260, 100, 48}, {"Command22", 106, 260, 104, 48},
        {"Command2",  214, 260, 104, 48},
        {"Frame2",      2, 312, 316, 62},
}};
// clang-format on

template <typename Rows> constexpr auto namesOf(const Rows& rows) {
    std::array<std::string_view, std::tuple_size_v<Rows>> names{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        names.at(i) = rows.at(i).name;
    }
    return names;
}

// The phone shows every control of the window once: the labels and bars in the display, the
// buttons and the display-mode group as keys.
static_assert(rows::eachNamedOnce(namesOf(kRows), rows::kLabels, rows::kLines),
              "every label and line needs exactly one place in the phone's display");
static_assert(rows::eachNamedOnce(namesOf(kKeys), rows::kButtons, std::array{rows::kFrame}),
              "every button and the frame need exactly one place among the phone's keys");

} // namespace

std::span<const PhoneDisplayRow> phoneDisplay() {
    return kRows;
}

std::span<const PhoneKey> phoneKeys() {
    return kKeys;
}

} // namespace quorvel::ui
