// Writes the program's icon as PNG files in the sizes a desktop asks for,
// from the same drawing the windows use (Artwork::programIcon), and the
// small images the default skin refers to:
//
//     make_icons ICONDIR SKINDIR
//         ICONDIR/<N>x<N>/tarvell-recorder.png
//         SKINDIR/down-arrow.png, down-arrow@2x.png, down-arrow-disabled.png, ...
//
// The build runs it; the install puts the icons under share/icons/hicolor
// and the skin images beside the skin.

#include "resources/Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cstdio>

namespace {

bool fail(const QString &file)
{
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
    return false;
}

bool writeIcons(const QString &out)
{
    const QIcon icon = Artwork::programIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2").arg(out).arg(size);
        const QString file = folder + QStringLiteral("/tarvell-recorder.png");
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        if (!QDir().mkpath(folder) || pixmap.size() != QSize(size, size) || !pixmap.save(file, "PNG"))
            return fail(file);
    }
    return true;
}

// The arrow of a drop-down list: 9 x 5 logical pixels, pointing down, drawn
// at 1x and 2x so that it stays sharp on a high-dpi screen.
bool writeArrow(const QString &folder, const QString &name, const QColor &colour)
{
    for (int scale : {1, 2}) {
        QImage image(9 * scale, 5 * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        QPainterPath path;
        path.moveTo(0.5, 0.5);
        path.lineTo(8.5, 0.5);
        path.lineTo(4.5, 4.5);
        path.closeSubpath();
        p.fillPath(path, colour);
        p.end();
        const QString file = folder + QLatin1Char('/') + name + (scale == 2 ? QStringLiteral("@2x") : QString())
                             + QStringLiteral(".png");
        if (!image.save(file, "PNG"))
            return fail(file);
    }
    return true;
}

bool writeSkinImages(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return fail(folder);
    return writeArrow(folder, QStringLiteral("down-arrow"), QColor(0x46, 0x52, 0x5e))
           && writeArrow(folder, QStringLiteral("down-arrow-disabled"), QColor(0xaa, 0xb2, 0xbb));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICONDIR SKINDIR\n", argv[0]);
        return 2;
    }
    // Pixels, not a screen: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool ok = writeIcons(QString::fromLocal8Bit(argv[1])) && writeSkinImages(QString::fromLocal8Bit(argv[2]));
    return ok ? 0 : 1;
}
