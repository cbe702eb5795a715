#include "ui/qt/box_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>

namespace quorvel::ui {
namespace {

// The two icons the calculator's boxes have, drawn at whatever size is asked, in the colours and
// shapes the web page's boxes have: a red disc with a white ×, a blue disc with a white i.
class BoxIconEngine : public QIconEngine {
public:
    explicit BoxIconEngine(bool error)
        : error_(error) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override {
        const QRectF area(rect);
        const double w = area.width();
        const QPointF centre = area.center();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(error_ ? QColor(0xE8, 0x11, 0x23) : QColor(0x00, 0x63, 0xB1));
        painter->drawEllipse(area);
        painter->setPen(QPen(Qt::white, w * 0.11, Qt::SolidLine, Qt::RoundCap));
        if (error_) {
            const double arm = w * 0.19;
            painter->drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
            painter->drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
        } else {
            painter->drawLine(QPointF(centre.x(), area.top() + w * 0.45),
                              QPointF(centre.x(), area.top() + w * 0.74));
            painter->setPen(Qt::NoPen);
            painter->setBrush(Qt::white);
            painter->drawEllipse(QPointF(centre.x(), area.top() + w * 0.27), w * 0.075, w * 0.075);
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return drawn;
    }

    [[nodiscard]] QIconEngine* clone() const override { return new BoxIconEngine(error_); }

private:
    bool error_;
};

// The application's style, but for the message boxes' two icons.
class BoxIconStyle : public QProxyStyle {
public:
    BoxIconStyle()
        : QProxyStyle(QApplication::style()->name()) {}

    [[nodiscard]] QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                                     const QWidget* widget) const override {
        if (which == SP_MessageBoxCritical || which == SP_MessageBoxInformation) {
            return QIcon(new BoxIconEngine(which == SP_MessageBoxCritical));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

void drawIconForItsDisplay(QMessageBox& box) {
    auto* style = new BoxIconStyle;
    style->setParent(&box);
    box.setStyle(style);
    box.winId();
    box.setIcon(box.icon());
}

} // namespace quorvel::ui
