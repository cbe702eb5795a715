// Where the working's texts and fraction bars go, for every binding: a caption column on a wide
// screen and captions above their numbers on a narrow one, numerators and denominators centred
// on their bars, words wrapped without splitting a number, and nothing beyond the width given.
#include "ui/session/working_layout.h"

#include "entered_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quorvel::session {
namespace {

// A face where each character is as wide as its UTF-8 bytes say: Latin and digits half the
// pixel size, Japanese the whole of it.
WorkingFont testFont() {
    return {16, [](std::string_view text, double pixelSize) {
                double width = 0;
                for (std::size_t i = 0; i < text.size();) {
                    const auto byte = static_cast<unsigned char>(text[i]);
                    const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : 3;
                    width += length == 1 ? pixelSize / 2 : pixelSize;
                    i += length;
                }
                return ui::TextExtent{width, 0, 0, width, 0, pixelSize * 0.88};
            }};
}

std::vector<WorkingLine> linesOf(const std::string& w1, const std::string& n1,
                                 const std::string& d1, std::int16_t kn, const std::string& w2,
                                 const std::string& n2, const std::string& d2) {
    testing::MemoryToolkit ui;
    return workingLines(testing::calculateEntered({w1, n1, d1, kn, w2, n2, d2}, ui));
}

int rightEdge(const PixelRect& r) {
    return r.x + r.width;
}

const Ink& inkOf(const LaidOutLine& line, const std::string& text) {
    const auto found = std::find_if(line.ink.begin(), line.ink.end(),
                                    [&text](const Ink& ink) { return ink.text == text; });
    EXPECT_NE(found, line.ink.end()) << text;
    return *found;
}

TEST(WorkingLayout, OnAWideScreenTheNumbersOfEveryLineStartInOneColumn) {
    const auto lines = linesOf("1", "1", "2", 1, "", "2", "3");
    const WorkingLayout layout = layOutWorking(lines, testFont(), 760);
    ASSERT_EQ(layout.lines.size(), lines.size());
    const int column = inkOf(layout.lines.at(1), "3").box.x; // 3/2 of 仮分数に直す
    // The fraction's numerator is centred over its bar: the bar starts a little to the left.
    const PixelRect bar = layout.lines.at(1).bars.at(0);
    EXPECT_LE(bar.x, column);
    EXPECT_EQ(layout.lines.at(2).bars.at(0).x, bar.x); // 2/3 of the second operand
    EXPECT_EQ(layout.lines.at(4).bars.at(0).x, bar.x); // 13/6
    for (const Ink& caption : {layout.lines.at(1).ink.at(0), layout.lines.at(4).ink.at(0)}) {
        EXPECT_LT(rightEdge(caption.box), bar.x);
    }
}

TEST(WorkingLayout, AFractionIsStackedOverItsBar) {
    const auto lines = linesOf("", "13", "6", 3, "", "1", "1");
    const WorkingLayout layout = layOutWorking(lines, testFont(), 760);
    const LaidOutLine& first = layout.lines.at(1);
    const Ink& numerator = inkOf(first, "13");
    const Ink& denominator = inkOf(first, "6");
    const PixelRect bar = first.bars.at(0);
    EXPECT_LE(numerator.box.y + numerator.box.height, bar.y);
    EXPECT_GE(denominator.box.y, bar.y + bar.height);
    EXPECT_GE(numerator.box.x, bar.x);
    EXPECT_LE(rightEdge(numerator.box), rightEdge(bar));
    // Centred: the same room on both sides, to a pixel.
    const int left = denominator.box.x - bar.x;
    const int right = rightEdge(bar) - rightEdge(denominator.box);
    EXPECT_LE(std::abs(left - right), 1);
}

TEST(WorkingLayout, OnANarrowScreenCaptionsGoAboveAndNothingGoesBeyondTheWidth) {
    const auto lines = linesOf("", "1", "2147483647", 2, "", "1", "1");
    constexpr int kPhone = 300;
    const WorkingLayout layout = layOutWorking(lines, testFont(), kPhone);
    EXPECT_LE(layout.width, kPhone);
    for (const LaidOutLine& line : layout.lines) {
        for (const Ink& ink : line.ink) {
            EXPECT_LE(rightEdge(ink.box), kPhone) << ink.text;
            EXPECT_LE(ink.box.y + ink.box.height, line.height) << ink.text;
        }
        for (const PixelRect& bar : line.bars) {
            EXPECT_LE(rightEdge(bar), kPhone);
        }
    }
    // 通分する: its caption on a row of its own above the two fractions.
    const LaidOutLine& common = layout.lines.at(3);
    EXPECT_LE(common.ink.at(0).box.y + common.ink.at(0).box.height, common.bars.at(0).y);
}

TEST(WorkingLayout, WordsWrapWithoutSplittingANumber) {
    const auto lines = linesOf("", "1", "100000", 1, "", "1", "100000");
    const WorkingLayout layout = layOutWorking(lines, testFont(), 360);
    const LaidOutLine& stopped = layout.lines.back();
    ASSERT_GT(stopped.ink.size(), 2U); // the caption, then the reason on several rows
    std::string reason;
    for (std::size_t i = 1; i < stopped.ink.size(); ++i) {
        EXPECT_LE(rightEdge(stopped.ink[i].box), 360);
        reason += stopped.ink[i].text;
    }
    EXPECT_EQ(reason, lines.back().text);
    const auto whole = [&stopped](const std::string& number) {
        return std::any_of(stopped.ink.begin(), stopped.ink.end(), [&number](const Ink& ink) {
            return ink.text.find(number) != std::string::npos;
        });
    };
    EXPECT_TRUE(whole("100000×"));
    EXPECT_TRUE(whole("-2147483648"));
    EXPECT_TRUE(whole("2147483647"));
}

// Japanese line-breaking at every width: no row of words ends with an opening bracket, and none
// begins with a closing bracket, 、 or 。.
TEST(WorkingLayout, BracketsAndCommasStayWithTheirWords) {
    const auto lines = linesOf("", "1", "100000", 1, "", "1", "100000");
    for (int width = 160; width <= 640; width += 4) {
        const WorkingLayout layout = layOutWorking(lines, testFont(), width);
        const LaidOutLine& stopped = layout.lines.back();
        for (std::size_t i = 1; i < stopped.ink.size(); ++i) {
            const std::string& row = stopped.ink[i].text;
            for (const std::string_view opening : {"（", "「"}) {
                EXPECT_FALSE(row.ends_with(opening)) << width << ": " << row;
            }
            for (const std::string_view closing : {"）", "」", "、", "。"}) {
                EXPECT_FALSE(row.starts_with(closing)) << width << ": " << row;
            }
        }
    }
}

TEST(WorkingLayout, TheLinesStackToTheLayoutsHeight) {
    const auto lines = linesOf("1", "1", "2", 1, "", "2", "3");
    const WorkingLayout layout = layOutWorking(lines, testFont(), 760);
    int sum = 0;
    for (const LaidOutLine& line : layout.lines) {
        EXPECT_GT(line.height, 0);
        sum += line.height;
    }
    EXPECT_EQ(layout.height(), sum);
}

// The window's size for a screen, the same on every binding: lines run 48 em at most and 4 em
// short of the screen; the list shows every step where there is room, else whole steps only.
TEST(WorkingFrame, TheTextWidthIsFortyEightEmOrTheScreenLessFour) {
    EXPECT_EQ(workingTextWidth(1280, 16), 768);
    EXPECT_EQ(workingTextWidth(800, 16), 736);
    EXPECT_EQ(workingTextWidth(320, 16), 256);
    EXPECT_EQ(workingTextWidth(1280, 32), 1152);
    EXPECT_EQ(workingTextWidth(40, 16), 0);
}

TEST(WorkingFrame, TheListShowsEveryStepOrWholeStepsOnly) {
    WorkingLayout layout;
    for (const int height : {40, 60, 60, 40}) {
        layout.lines.push_back(LaidOutLine{height, {}, {}});
    }
    EXPECT_EQ(workingListHeight(layout, 500), 200);
    EXPECT_EQ(workingListHeight(layout, 200), 200);
    EXPECT_EQ(workingListHeight(layout, 199), 160);
    EXPECT_EQ(workingListHeight(layout, 120), 100);
    EXPECT_EQ(workingListHeight(layout, 10), 40); // one step, however small the screen
}

} // namespace
} // namespace quorvel::session
