// The real window, offscreen: every caption is drawn inside its label, whole or visibly
// shortened, with the longest values a 32-bit field can hold, in whatever Japanese face the
// system resolves (run once with the designed stand-in, once with another face).
#include "ui/qt/main_window.h"
#include "ui/session/narration.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <string>

namespace quorvel::ui {
namespace {

struct Caption {
    LabelId label;
    std::string text;
};

// The longest texts that fit 32 bits, in every field that can show them.
const std::vector<Caption>& longestValues() {
    static const std::vector<Caption> values = {
        {LabelId::Label9, "-2147483648"},
        {LabelId::Label8, "-2147483648"},
        {LabelId::Label7, "-2147483648"},
        {LabelId::Label12, "-2147483648"},
        {LabelId::Label11, "-2147483648"},
        {LabelId::Label10, "-2147483648"},
        {LabelId::Label3, "÷"},
        {LabelId::Label5, "-"},
        {LabelId::Label6, "2147395600"},
        {LabelId::Label2, "2147483646"},
        {LabelId::Label1, "2147483647"},
    };
    return values;
}

// Four digits in the fields 41 and 49 pixels wide; the whole parts, 33 wide, take three.
const std::vector<Caption>& valuesOfDesignedSize() {
    static const std::vector<Caption> values = {
        {LabelId::Label9, "123"},  {LabelId::Label8, "4567"},  {LabelId::Label7, "8901"},
        {LabelId::Label12, "234"}, {LabelId::Label11, "6789"}, {LabelId::Label10, "1011"},
        {LabelId::Label6, "1213"}, {LabelId::Label2, "1415"},  {LabelId::Label1, "1617"},
    };
    return values;
}

std::string nameOf(LabelId label) {
    return "Label" + std::to_string(static_cast<int>(label));
}

// The ink of what the label draws, measured afresh in the label's coordinates.
QRectF drawnInk(const CaptionLabel& label) {
    const CaptionLayout& layout = label.captionLayout();
    const QFontMetricsF metrics(label.fontAtPixelSize(layout.pixelSize), &label);
    return metrics.tightBoundingRect(QString::fromStdString(layout.text))
        .translated(layout.x, layout.baseline);
}

double designPixels(const CaptionLabel& label) {
    return label.font().pointSizeF() * label.logicalDpiY() / 72.0;
}

// The label as the session shows a caption the program wrote to it.
void write(MainWindow& window, LabelId id, const std::string& text) {
    window.showLabel(id, session::lookOf(id, text, labelRow(id).back, window.labelDisplay()));
}

class CaptionFitTest : public ::testing::Test {
protected:
    void SetUp() override { window_.show(); }
    MainWindow window_;
};

TEST_F(CaptionFitTest, TheFieldsUseTheJapaneseFaceThisRunIsAbout) {
    const QByteArray expected = qgetenv("QUORVEL_EXPECTED_FACE");
    if (expected.isEmpty()) {
        GTEST_SKIP() << "QUORVEL_EXPECTED_FACE not set";
    }
    EXPECT_EQ(QFontInfo(window_.label(LabelId::Label9)->font()).family().toStdString(),
              expected.toStdString());
}

TEST_F(CaptionFitTest, TheLongestValuesAreDrawnInsideTheirLabelsWholeOrWithAnEllipsis) {
    for (const Caption& value : longestValues()) {
        write(window_, value.label, value.text);
        const CaptionLabel& label = *window_.label(value.label);
        const CaptionLayout& layout = label.captionLayout();
        SCOPED_TRACE(nameOf(value.label) + " = " + value.text + ", drawn as " + layout.text);

        const QRectF ink = drawnInk(label);
        const QRectF inside = QRectF(label.rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
        EXPECT_TRUE(inside.contains(ink)) << "ink " << ink.left() << "," << ink.top() << " to "
                                          << ink.right() << "," << ink.bottom();
        EXPECT_GE(layout.pixelSize, 9.0 * label.logicalDpiY() / 96.0 - 0.01);
        if (layout.shortened) {
            const std::string ellipsis = "…";
            ASSERT_TRUE(layout.text.ends_with(ellipsis));
            const std::string kept = layout.text.substr(0, layout.text.size() - ellipsis.size());
            EXPECT_TRUE(value.text.starts_with(kept));
            EXPECT_GE(kept.size(), 2U);
        } else {
            EXPECT_EQ(layout.text, value.text);
        }
        const bool reduced = layout.shortened || layout.pixelSize < designPixels(label);
        EXPECT_EQ(label.toolTip().toStdString(), reduced ? value.text : std::string());
        EXPECT_TRUE(label.accessibleName().toStdString().ends_with(
            " " + session::spokenCaption(value.label, value.text)))
            << "a screen reader reads the whole caption";
    }
}

TEST_F(CaptionFitTest, ShortValuesKeepTheDesignedSizeInsideTheirLabels) {
    for (const Caption& value : valuesOfDesignedSize()) {
        write(window_, value.label, value.text);
        const CaptionLabel& label = *window_.label(value.label);
        SCOPED_TRACE(nameOf(value.label) + " = " + value.text);
        EXPECT_DOUBLE_EQ(label.captionLayout().pixelSize, designPixels(label));
        EXPECT_FALSE(label.captionLayout().shortened);
        EXPECT_TRUE(QRectF(label.rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawnInk(label)));
        EXPECT_TRUE(label.toolTip().isEmpty());
    }
}

TEST_F(CaptionFitTest, TheSignsStayWholeInsideTheirLabels) {
    const std::vector<Caption> signs = {
        {LabelId::Label3, "＋"}, {LabelId::Label3, "－"}, {LabelId::Label3, "×"},
        {LabelId::Label3, "÷"},  {LabelId::Label4, "="},  {LabelId::Label5, "-"},
    };
    for (const Caption& sign : signs) {
        write(window_, sign.label, sign.text);
        const CaptionLabel& label = *window_.label(sign.label);
        SCOPED_TRACE(nameOf(sign.label) + " = " + sign.text);
        EXPECT_TRUE(QRectF(label.rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(drawnInk(label)));
        EXPECT_EQ(label.captionLayout().text, sign.text);
    }
}

// The operator and ＝ stand between the numerators and the denominators, level with the fraction
// bars, and the answer's sign with the bar it stands before, whatever the face's ascent: a face
// with a taller line (Noto Sans CJK's ascent is 1.16 em against the designed face's 0.86) must
// not sink them below the bars. With QUORVEL_SCREENSHOT_DIR set it saves a picture of the window.
TEST_F(CaptionFitTest, TheSignsSitLevelWithTheFractionBarsInAnyFace) {
    struct Sign {
        LabelId label;
        std::string text;
        double fromBar; // how far the ink's middle may be from the bar, as faces draw the sign
    };
    const std::vector<Sign> signs = {
        {LabelId::Label3, "＋", 3},
        {LabelId::Label3, "×", 3},
        {LabelId::Label4, "=", 3},
        {LabelId::Label5, "-", 4.5}, // a hyphen, at the middle of the digits' height
    };
    const double barY = window_.line(LineId::Line1)->geometry().center().y();
    for (const Sign& sign : signs) {
        write(window_, sign.label, sign.text);
        const CaptionLabel& label = *window_.label(sign.label);
        SCOPED_TRACE(nameOf(sign.label) + " = " + sign.text);
        const double inkCentre = drawnInk(label).center().y() + label.geometry().top();
        EXPECT_NEAR(inkCentre, barY, sign.fromBar);
    }
    const QByteArray directory = qgetenv("QUORVEL_SCREENSHOT_DIR");
    if (!directory.isEmpty()) {
        for (const Caption& value : valuesOfDesignedSize()) {
            write(window_, value.label, value.text);
        }
        window_.grab().save(QString::fromLocal8Bit(directory) + QStringLiteral("/signs-") +
                            QFontInfo(window_.label(LabelId::Label3)->font()).family() +
                            QStringLiteral(".png"));
    }
}

} // namespace
} // namespace quorvel::ui
