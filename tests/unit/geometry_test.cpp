// Twips to pixels as every binding places its controls, at the common display densities.
#include "ui/controls/geometry.h"

#include <gtest/gtest.h>

namespace quorvel::ui {
namespace {

struct Scaled {
    int twips;
    int dotsPerInch;
    int pixels;
};

class PixelsOfTwips : public ::testing::TestWithParam<Scaled> {};

TEST_P(PixelsOfTwips, RoundToTheNearestPixelAsWindowsDoes) {
    EXPECT_EQ(pixelsOf(GetParam().twips, GetParam().dotsPerInch), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Densities, PixelsOfTwips,
                         ::testing::Values(Scaled{495, 96, 33}, Scaled{6480, 96, 432},
                                           Scaled{495, 120, 41}, // 41.25
                                           Scaled{615, 120, 51}, // 51.25
                                           Scaled{255, 144, 26}, // 25.5, half away from zero
                                           Scaled{4395, 144, 440}, Scaled{0, 144, 0},
                                           Scaled{-15, 96, -1}));

TEST(BarRect, IsOnePixelHighFromItsFirstToItsLastPixel) {
    const LineRow line3{LineId::Line3, "Line3", 5280, 480, 6240, 480, PhoneRow::Answer};
    const PixelRect at96 = barRect(line3, 96);
    EXPECT_EQ(at96.left, 352);
    EXPECT_EQ(at96.top, 32);
    EXPECT_EQ(at96.width, 65);
    EXPECT_EQ(at96.height, 1);
    const LineRow reversed{LineId::Line3, "Line3", 6240, 480, 5280, 480, PhoneRow::Answer};
    EXPECT_EQ(barRect(reversed, 144).left, barRect(line3, 144).left);
    EXPECT_EQ(barRect(reversed, 144).width, barRect(line3, 144).width);
}

TEST(OptionInWindow, StandsInsideItsFrame) {
    for (const OptionRow& option : optionTable()) {
        const Rect r = inWindow(option, displayModeFrame());
        const Rect frame = displayModeFrame().rect;
        EXPECT_GE(r.left, frame.left) << option.name;
        EXPECT_LE(r.left + r.width, frame.left + frame.width) << option.name;
        EXPECT_LE(r.top + r.height, frame.top + frame.height) << option.name;
    }
    EXPECT_EQ(inWindow(optionTable().front(), displayModeFrame()).left, 360);
    EXPECT_EQ(inWindow(optionTable().back(), displayModeFrame()).top, 2280);
}

} // namespace
} // namespace quorvel::ui
