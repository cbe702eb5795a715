#include "ui/qt/caption_label.h"

#include <QPaintEvent>
#include <QPainter>

namespace quorvel::ui {
namespace {

constexpr double kPointsPerInch = 72.0;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CaptionLabel::CaptionLabel(const QString& caption, Alignment alignment, QWidget* parent)
    : QLabel(caption, parent)
    , alignment_(alignment) {
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const QString& caption) {
    setText(caption);
    refit();
}

QFont CaptionLabel::fontAtPixelSize(double pixelSize) const {
    // Through the point size, which unlike the pixel size takes fractions.
    QFont sized = font();
    sized.setPointSizeF(pixelSize * kPointsPerInch / logicalDpiY());
    return sized;
}

void CaptionLabel::refit() {
    const double dpi = logicalDpiY();
    CaptionBox box;
    box.width = width();
    box.height = height();
    box.alignment = alignment_;
    box.designPixelSize = font().pointSizeF() * dpi / kPointsPerInch;
    box.floorPixelSize = legibleFloorPixels(dpi);
    const auto measure = [this](std::string_view text, double pixelSize) {
        const QFontMetricsF metrics(fontAtPixelSize(pixelSize), this);
        const QString qtext = toQString(text);
        const QRectF ink = metrics.tightBoundingRect(qtext);
        return TextExtent{metrics.horizontalAdvance(qtext),
                          ink.left(),
                          ink.top(),
                          ink.right(),
                          ink.bottom(),
                          metrics.ascent()};
    };
    layout_ = fitCaption(text().toStdString(), box, measure);
    const bool reduced = layout_.shortened || layout_.pixelSize < box.designPixelSize;
    setToolTip(reduced ? text() : QString());
    update();
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

void CaptionLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        refit();
    }
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refit();
}

} // namespace quorvel::ui
