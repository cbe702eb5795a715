#include "ui/qt/fonts.h"

#include "ui/controls/faces.h"

#include <QFontDatabase>
#include <QStringList>

namespace quorvel::ui {
namespace {

const QStringList& families() {
    static const QStringList list = [] {
        QStringList faces;
        for (const std::string_view face : japaneseFaces()) {
            faces << QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
        }
        return faces;
    }();
    return list;
}

// Whether one of the faces asked for is installed. Every character the window shows is in each
// of them, so the search for fallback faces, which costs start-up time, can be skipped; without
// them it stays on, so that some other Japanese face is found rather than empty boxes.
bool faceInstalled() {
    static const bool installed = [] {
        for (const QString& family : families()) {
            if (QFontDatabase::hasFamily(family)) {
                return true;
            }
        }
        return false;
    }();
    return installed;
}

} // namespace

QFont japaneseFont(double points, bool bold) {
    QFont font;
    font.setFamilies(families());
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // Unhinted outlines look the same at these sizes, and spare the auto-hinter's analysis of
    // the face: less start-up time and about a mebibyte less memory.
    font.setHintingPreference(QFont::PreferNoHinting);
    if (faceInstalled()) {
        font.setStyleStrategy(QFont::NoFontMerging);
    }
    return font;
}

} // namespace quorvel::ui
