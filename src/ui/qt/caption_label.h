#pragma once

#include "ui/controls/caption_fit.h"

#include <QLabel>

namespace quorvel::ui {

// A label of fixed size whose caption is never cut silently: a caption that fits is drawn by
// QLabel as designed; a longer one is drawn whole at a smaller size, or shortened with an
// ellipsis below the legible floor, and then the full caption becomes the tooltip. The
// accessible name stays the full caption throughout.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& caption, Alignment alignment, QWidget* parent);

    void setCaption(const QString& caption);
    // How the caption is drawn now.
    [[nodiscard]] const CaptionLayout& captionLayout() const { return layout_; }
    // The label's font at a pixel size, as the layout draws it.
    [[nodiscard]] QFont fontAtPixelSize(double pixelSize) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refit();

    Alignment alignment_;
    CaptionLayout layout_;
};

} // namespace quorvel::ui
