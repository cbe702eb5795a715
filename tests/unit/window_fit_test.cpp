// How the window meets each kind of screen: a desktop keeps the designed window, scaled to fit;
// a phone held upright gets the phone layout; a touch screen gets it too wherever the scaled
// window would give a finger a target under 44 pixels.
#include "ui/web/window_fit.h"

#include <gtest/gtest.h>

namespace quorvel::ui::web {
namespace {

// The designed window as the page draws it at scale 1, title and menu bars included.
const double kWindowWidth = designedWindowWidth();
const double kWindowHeight = designedWindowHeight();

struct Screen {
    const char* what;
    int width;
    int height;
    bool coarse;
    bool phone;
};

class FitOn : public ::testing::TestWithParam<Screen> {};

Viewport viewportOf(const Screen& screen) {
    return {screen.width, screen.height, screen.width, screen.coarse};
}

TEST_P(FitOn, ChoosesTheLayoutAFingerOrAMouseNeeds) {
    const Screen& screen = GetParam();
    const WindowFit fit = fitWindow(viewportOf(screen));
    EXPECT_EQ(fit.phone.has_value(), screen.phone);
    if (fit.phone) {
        EXPECT_EQ(fit.scale, 1);
        EXPECT_DOUBLE_EQ(fit.left, (screen.width - fit.phone->width) / 2.0);
        return;
    }
    // Whole on the screen, in its middle, and on a touch screen every target a finger's size.
    EXPECT_LE(kWindowWidth * fit.scale, screen.width - 16 + 1e-9);
    EXPECT_LE(kWindowHeight * fit.scale, screen.height - 16 + 1e-9);
    EXPECT_NEAR(fit.left * 2 + kWindowWidth * fit.scale, screen.width, 1e-9);
    EXPECT_LE(fit.scale, 3);
    if (screen.coarse) {
        EXPECT_GE(fit.scale * smallestDesignedTarget(), 44);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FitOn,
    ::testing::Values(Screen{"a phone held upright", 390, 844, true, true},
                      Screen{"a small phone", 320, 568, true, true},
                      Screen{"a phone on its side", 844, 390, true, true},
                      Screen{"a tablet held upright", 768, 1024, true, true},
                      Screen{"a tablet on its side", 1024, 768, true, true},
                      Screen{"a large tablet on its side", 1180, 820, true, true},
                      Screen{"a large touch screen", 1920, 1080, true, false},
                      Screen{"a narrow desktop window", 400, 700, false, true},
                      Screen{"a desktop window on its side", 844, 390, false, false},
                      Screen{"a square desktop window", 500, 500, false, false},
                      Screen{"a desktop", 1024, 768, false, false},
                      Screen{"a large desktop", 2560, 1440, false, false}),
    [](const ::testing::TestParamInfo<Screen>& row) {
        std::string name = row.param.what;
        for (char& c : name) {
            c = c == ' ' ? '_' : c;
        }
        return name;
    });

TEST(FitOn, TheDesignedWindowIsItsClientAreaAndItsFrame) {
    EXPECT_DOUBLE_EQ(kWindowWidth, 1 + 432 + 1);
    EXPECT_DOUBLE_EQ(kWindowHeight, 1 + 24 + 20 + 1 + 293 + 1);
}

TEST(FitOn, AFieldIsTheSmallestTarget) {
    EXPECT_DOUBLE_EQ(smallestDesignedTarget(), 17); // 255 twips at 96 dpi
}

} // namespace
} // namespace quorvel::ui::web
