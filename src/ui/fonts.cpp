#include "ui/fonts.h"

#include <QStringList>

namespace quorvel::ui {

QFont japaneseFont(double points, bool bold) {
    QFont font;
    const QStringList families = {QString::fromUtf8("ＭＳ Ｐゴシック"),
                                  QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")};
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace quorvel::ui
