// What a screen reader reads for the Windows program's buttons, options and frame, asked through
// Active Accessibility as a screen reader asks: the name the shared tables give (the caption, an
// operator's with its word), then the description from the control's table row, as on the other
// programs.
#include "ui/controls/control_tables.h"
#include "ui/win32/calculator_window.h"
#include "ui/win32/text.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

namespace quorvel::ui::win32 {
namespace {

struct Heard {
    std::string name;
    std::string description;
};

Heard heardFor(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return {};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Heard heard;
    BSTR text = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &text)) && text != nullptr) {
        heard.name = narrow(text);
        SysFreeString(text);
    }
    text = nullptr;
    if (SUCCEEDED(accessible->get_accDescription(self, &text)) && text != nullptr) {
        heard.description = narrow(text);
        SysFreeString(text);
    }
    accessible->Release();
    return heard;
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
