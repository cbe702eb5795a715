// make-icons: renders the program's icon, kept as an XPM, into the files that installing it
// needs: hicolor PNGs at several sizes (scaled without smoothing, so the pixels stay crisp) and,
// for Windows builds, a 32 × 32, 16-colour .ico.
//   make-icons ICON.xpm OUTDIR
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <array>
#include <cstdio>

namespace {

void appendLe16(QByteArray& out, quint16 v) {
    out.append(static_cast<char>(v & 0xFFU));
    out.append(static_cast<char>(v >> 8U));
}

void appendLe32(QByteArray& out, quint32 v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((v >> shift) & 0xFFU));
    }
}

// A 4-bit paletted icon: the picture's colours form the palette, transparency goes to the mask.
QByteArray icoOf(const QImage& source) {
    const QImage image =
        source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    const int size = image.width();
    const int rowBytes = size / 2;
    const int maskRowBytes = ((size + 31) / 32) * 4;
    const int paletteSize = 16;
    const int dataSize = 40 + paletteSize * 4 + rowBytes * size + maskRowBytes * size;

    QByteArray out;
    appendLe16(out, 0); // ICONDIR
    appendLe16(out, 1);
    appendLe16(out, 1);
    out.append(static_cast<char>(size)); // ICONDIRENTRY
    out.append(static_cast<char>(size));
    out.append(static_cast<char>(paletteSize));
    out.append('\0');
    appendLe16(out, 1);
    appendLe16(out, 4);
    appendLe32(out, static_cast<quint32>(dataSize));
    appendLe32(out, 6 + 16);
    appendLe32(out, 40); // BITMAPINFOHEADER, height doubled for the mask
    appendLe32(out, static_cast<quint32>(size));
    appendLe32(out, static_cast<quint32>(size * 2));
    appendLe16(out, 1);
    appendLe16(out, 4);
    appendLe32(out, 0);
    appendLe32(out, static_cast<quint32>(rowBytes * size + maskRowBytes * size));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, paletteSize);
    appendLe32(out, 0);
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb c = i < table.size() ? table.at(i) : 0;
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) { // bottom-up rows
        for (int x = 0; x < size; x += 2) {
            out.append(
                static_cast<char>((image.pixelIndex(x, y) << 4) | image.pixelIndex(x + 1, y)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRowBytes, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(table.at(image.pixelIndex(x, y))) == 0) {
                row[x / 8] = static_cast<char>(row.at(x / 8) | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-icons ICON.xpm OUTDIR\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || icon.width() != 32 || icon.height() != 32) {
        std::fprintf(stderr, "make-icons: %s is not a 32 x 32 picture\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (const int size : {32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        out.mkpath(dir);
        const QImage scaled = icon.convertToFormat(QImage::Format_ARGB32).scaled(size, size);
        if (!scaled.save(out.filePath(dir + QStringLiteral("/io.github.quorvel.Quorvel.png")))) {
            return 1;
        }
    }
    QFile ico(out.filePath(QStringLiteral("quorvel.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoOf(icon)) < 0) {
        return 1;
    }
    return 0;
}
