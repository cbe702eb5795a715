// The complete transition table of the active field, with the fields each move repaints.
#include "app/form1.h"
#include "entry/entry_field.h"
#include "memory_toolkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace quorvel {
namespace {

struct Move {
    const char* name;
    Event event;
};

constexpr std::array kMoves{
    Move{"click Label7", Event::Label7_Click},   Move{"click Label8", Event::Label8_Click},
    Move{"click Label9", Event::Label9_Click},   Move{"click Label10", Event::Label10_Click},
    Move{"click Label11", Event::Label11_Click}, Move{"click Label12", Event::Label12_Click},
    Move{"整数", Event::Command18_Click},        Move{"分母", Event::Command19_Click},
    Move{"分子", Event::Command20_Click},        Move{"戻る", Event::Command21_Click},
    Move{"operator", Event::Command16_Click},    Move{"clear all", Event::Command2_Click},
};

// TN after each move (columns as kMoves) from TN 1 ... 6 (rows); 0: nothing changes.
constexpr std::array<std::array<std::int16_t, 12>, 6> kAfter{{
    {1, 2, 3, 4, 5, 6, 3, 0, 2, 0, 6, 3},
    {1, 2, 3, 4, 5, 6, 3, 1, 0, 0, 6, 3},
    {1, 2, 3, 4, 5, 6, 0, 1, 2, 0, 6, 3},
    {1, 2, 3, 4, 5, 6, 6, 0, 5, 3, 6, 3},
    {1, 2, 3, 4, 5, 6, 6, 4, 0, 3, 6, 3},
    {1, 2, 3, 4, 5, 6, 0, 4, 5, 3, 6, 3},
}};

std::set<LabelId> fields(std::initializer_list<int> codes) {
    std::set<LabelId> labels;
    for (const int code : codes) {
        labels.insert(*EntryFieldLabel(static_cast<std::int16_t>(code)));
    }
    return labels;
}

// The fields a move repaints: the field buttons paint their operand, 戻る the first whole part
// and the second operand, everything else all six.
std::set<LabelId> expectedPaint(std::size_t move, std::int16_t before, std::int16_t after) {
    const std::string_view name = kMoves.at(move).name;
    const bool fieldButton = name == "整数" || name == "分母" || name == "分子";
    if (fieldButton || name == "戻る") {
        if (after == 0) {
            return {};
        }
        if (name == "戻る") {
            return fields({3, 4, 5, 6});
        }
        return before <= 3 ? fields({1, 2, 3}) : fields({4, 5, 6});
    }
    return fields({1, 2, 3, 4, 5, 6});
}

TEST(ActiveFieldTransitions, EveryRowAndColumnMovesAndRepaintsAsTheTableSays) {
    for (std::int16_t before = 1; before <= 6; ++before) {
        for (std::size_t move = 0; move < kMoves.size(); ++move) {
            testing::MemoryToolkit ui;
            Form1 form(ui);
            form.handle(Event::Form_Load);
            ActivateField(form, before);
            ui.painted.clear();

            form.handle(kMoves.at(move).event);

            const std::int16_t after = kAfter.at(before - 1).at(move);
            const std::int16_t expected = after == 0 ? before : after;
            SCOPED_TRACE(::testing::Message() << "TN " << before << ", " << kMoves.at(move).name);
            EXPECT_EQ(form.vars().TN, expected);
            for (std::int16_t code = 1; code <= 6; ++code) {
                EXPECT_EQ(ui.backColour(*EntryFieldLabel(code)),
                          code == expected ? ActiveFieldColor : IdleFieldColor)
                    << "field " << code;
            }
            const std::set<LabelId> painted(ui.painted.begin(), ui.painted.end());
            EXPECT_EQ(painted, expectedPaint(move, before, after));
        }
    }
}

} // namespace
} // namespace quorvel
