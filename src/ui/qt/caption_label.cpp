#include "ui/qt/caption_label.h"

#include "ui/qt/fonts.h"
#include "ui/qt/qt_text.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {
namespace {

QColor toQColor(Colour c) {
    return {static_cast<int>(c & 0xFFU), static_cast<int>((c >> 8U) & 0xFFU),
            static_cast<int>((c >> 16U) & 0xFFU)};
}

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

CaptionLabel::CaptionLabel(const LabelRow& row, QWidget* parent)
    : QLabel(toQString(row.caption), parent) {
    setObjectName(toQString(row.name));
    setTextFormat(Qt::PlainText);
    setAlignment(toQtAlignment(row.alignment));
    setFont(japaneseFont(pointsOf(row.font), row.font.bold));
    if (row.text) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, toQColor(*row.text));
        setPalette(colours);
    }
}

void CaptionLabel::show(const session::LabelLook& look) {
    setText(toQString(look.caption));
    layout_ = look.layout;
    if (look.back) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, toQColor(*look.back));
        setPalette(colours);
        setAutoFillBackground(true);
    }
    setToolTip(toQString(look.tooltip));
    setAccessibleName(toQString(look.accessibleName));
    setAccessibleDescription(toQString(look.accessibleDescription));
    update();
}

QFont CaptionLabel::fontAtPixelSize(double pixelSize) const {
    // Through the point size, which unlike the pixel size takes fractions.
    QFont sized = font();
    sized.setPointSizeF(pixelSize * kPointsPerInch / logicalDpiY());
    return sized;
}

TextExtent CaptionLabel::measure(std::string_view text, double pixelSize) const {
    const QFontMetricsF metrics(fontAtPixelSize(pixelSize), this);
    const QString qtext = toQString(text);
    const QRectF ink = metrics.tightBoundingRect(qtext);
    return {metrics.horizontalAdvance(qtext),
            ink.left(),
            ink.top(),
            ink.right(),
            ink.bottom(),
            metrics.ascent()};
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (layout_.asDesigned) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fontAtPixelSize(layout_.pixelSize));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QPointF(layout_.x, layout_.baseline), toQString(layout_.text));
}

} // namespace quorvel::ui
