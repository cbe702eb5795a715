// What a screen reader reads for the Windows program's buttons, options and frame, asked through
// Active Accessibility as a screen reader asks: the name the shared tables give (the caption, an
// operator's with its word), then the description from the control's table row, as on the other
// programs.
#include "accessible_reading.h"
#include "ui/controls/control_tables.h"
#include "ui/win32/calculator_window.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

namespace quorvel::ui::win32 {
namespace {

using Heard = scenario::win32::AccessibleReading;

Heard heardFor(HWND control) {
    return scenario::win32::accessibleReading(control, CHILDID_SELF);
}

class ControlDescriptions : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        window_.show(SW_SHOWNORMAL);
    }
    void TearDown() override { CoUninitialize(); }

    void expectHeard(std::string_view control, std::string_view caption,
                     std::string_view description) {
        const Heard heard = heardFor(window_.control(control));
        EXPECT_EQ(heard.name, caption) << control;
        EXPECT_EQ(heard.description, description) << control;
    }

    CalculatorWindow window_{GetModuleHandleW(nullptr)};
};

TEST_F(ControlDescriptions, EveryButtonIsNamedAsOnTheOtherProgramsAndDescribedByItsRow) {
    for (const ButtonRow& row : buttonTable()) {
        expectHeard(row.name, accessibleNameOf(row), row.description);
    }
    expectHeard("Command17", "÷ わる", "割り算を選ぶ");
}

TEST_F(ControlDescriptions, TheDisplayModeFrameAndItsOptionsAreDescribedByTheirRows) {
    const FrameRow& frame = displayModeFrame();
    expectHeard(frame.name, frame.caption, frame.description);
    for (const OptionRow& row : optionTable()) {
        expectHeard(row.name, row.caption, row.description);
    }
}

} // namespace
} // namespace quorvel::ui::win32
