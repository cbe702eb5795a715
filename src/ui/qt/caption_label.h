#pragma once

#include "ui/controls/control_tables.h"
#include "ui/session/label_look.h"

#include <QLabel>

namespace quorvel::ui {

// A label of fixed size that draws its caption as the session laid it out: a caption that fits
// is drawn by QLabel as designed, a longer one at the size and place the caption rule chose.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const LabelRow& row, QWidget* parent);

    void show(const session::LabelLook& look);
    // How the caption is drawn now.
    [[nodiscard]] const CaptionLayout& captionLayout() const { return layout_; }
    // The label's font at a pixel size, as the layout draws it.
    [[nodiscard]] QFont fontAtPixelSize(double pixelSize) const;
    [[nodiscard]] TextExtent measure(std::string_view text, double pixelSize) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CaptionLayout layout_;
};

} // namespace quorvel::ui
