// The rule that fits a caption into its label, against a face whose glyphs are all half an em
// wide and seven tenths of an em tall, standing on the baseline.
#include "ui/controls/caption_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::ui {
namespace {

std::size_t codePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return count;
}

MeasureText faceWithAscent(double ascentEm) {
    return [ascentEm](std::string_view text, double px) {
        const double advance = 0.5 * px * static_cast<double>(codePoints(text));
        return TextExtent{advance, 0, -0.7 * px, advance, 0, ascentEm * px};
    };
}

CaptionBox box(double width, Alignment alignment = Alignment::Left) {
    return CaptionBox{width, 17, alignment, 16, 9};
}

struct AlignmentCase {
    const char* name;
    Alignment alignment;
    double x;
};

class FittingCaption : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(FittingCaption, IsDrawnAsDesignedAtItsAlignment) {
    // "1234" is 32 pixels wide at 16 pixels, in a label 41 wide.
    const CaptionLayout layout =
        fitCaption("1234", box(41, GetParam().alignment), faceWithAscent(0.88));
    EXPECT_TRUE(layout.asDesigned);
    EXPECT_FALSE(layout.shortened);
    EXPECT_EQ(layout.text, "1234");
    EXPECT_DOUBLE_EQ(layout.pixelSize, 16);
    EXPECT_DOUBLE_EQ(layout.x, GetParam().x);
    EXPECT_DOUBLE_EQ(layout.baseline, 0.88 * 16);
}

INSTANTIATE_TEST_SUITE_P(CaptionFit, FittingCaption,
                         ::testing::Values(AlignmentCase{"left", Alignment::Left, 0},
                                           AlignmentCase{"right", Alignment::Right, 9},
                                           AlignmentCase{"centred", Alignment::Centre, 4.5}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CaptionFit, AFaceWithATallLineIsDrawnOnTheDesignedFacesBaseline) {
    // An ascent of 1.16 em would put the baseline at 18.56, below the 17-pixel label, and the
    // text lower than the designed face has it (0.859 em: 13.744).
    const CaptionLayout layout = fitCaption("12", box(41), faceWithAscent(1.16));
    EXPECT_FALSE(layout.asDesigned);
    EXPECT_DOUBLE_EQ(layout.pixelSize, 16);
    EXPECT_DOUBLE_EQ(layout.baseline, 0.859 * 16);
    EXPECT_EQ(layout.text, "12");
}

TEST(CaptionFit, AFaceCloseToTheDesignedOneKeepsItsOwnLine) {
    const CaptionLayout layout = fitCaption("12", box(41), faceWithAscent(0.9));
    EXPECT_TRUE(layout.asDesigned);
    EXPECT_DOUBLE_EQ(layout.baseline, 0.9 * 16);
}

TEST(CaptionFit, GlyphsBelowTheBaselineMoveUpJustEnoughToStayWhole) {
    // Ink from 0.6 em above the baseline to 0.3 em below: on the designed baseline (13.744) it
    // would end at 18.544, past the 17-pixel label.
    const MeasureText hanging = [](std::string_view text, double px) {
        const double advance = 0.5 * px * static_cast<double>(codePoints(text));
        return TextExtent{advance, 0, -0.6 * px, advance, 0.3 * px, 1.16 * px};
    };
    const CaptionLayout layout = fitCaption("12", box(41), hanging);
    EXPECT_FALSE(layout.asDesigned);
    EXPECT_DOUBLE_EQ(layout.pixelSize, 16);
    EXPECT_DOUBLE_EQ(layout.baseline, 17 - 0.3 * 16);
}

TEST(CaptionFit, ATooWideCaptionIsDrawnWholeAtTheLargestSizeThatFits) {
    // Seven characters take 3.5 em: at most 41 / 3.5 = 11.71 pixels.
    const CaptionLayout layout =
        fitCaption("1234567", box(41, Alignment::Right), faceWithAscent(0.88));
    EXPECT_EQ(layout.text, "1234567");
    EXPECT_FALSE(layout.shortened);
    EXPECT_LE(layout.pixelSize, 41 / 3.5);
    EXPECT_GT(layout.pixelSize, 41 / 3.5 - 0.25);
    EXPECT_NEAR(layout.x + 3.5 * layout.pixelSize, 41, 1e-9) << "still right-aligned";
}

TEST(CaptionFit, BelowTheFloorTheBeginningIsKeptAndAnEllipsisShowsTheRestIsMissing) {
    // At 9 pixels a character is 4.5 wide: 33 pixels take 7 characters, the ellipsis included.
    const CaptionLayout layout =
        fitCaption("-2147483648", box(33, Alignment::Right), faceWithAscent(0.88));
    EXPECT_TRUE(layout.shortened);
    EXPECT_EQ(layout.text, "-21474…");
    EXPECT_DOUBLE_EQ(layout.pixelSize, 9);
    EXPECT_DOUBLE_EQ(layout.x, 33 - 7 * 4.5);
}

TEST(CaptionFit, ShorteningNeverSplitsACharacter) {
    const CaptionLayout layout = fitCaption("÷÷÷÷÷÷÷÷÷÷", box(20), faceWithAscent(0.88));
    EXPECT_TRUE(layout.shortened);
    EXPECT_EQ(layout.text, "÷÷÷…");
}

TEST(CaptionFit, AnEmptyCaptionDrawsNothing) {
    const CaptionLayout layout = fitCaption("", box(41), faceWithAscent(0.88));
    EXPECT_TRUE(layout.text.empty());
    EXPECT_FALSE(layout.shortened);
}

TEST(CaptionFit, TheLegibleFloorScalesWithTheDisplay) {
    EXPECT_DOUBLE_EQ(legibleFloorPixels(96), 9);
    EXPECT_DOUBLE_EQ(legibleFloorPixels(192), 18);
}

} // namespace
} // namespace quorvel::ui
