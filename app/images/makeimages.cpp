// Draws the program's logo and icons. Run through make-images.sh, which also
// turns the icon into the Windows .ico; the committed images are its output.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

const QColor kRed(200, 16, 32);

// Index 0 is the transparent background; the rest runs from red towards
// white so that smoothed edges keep their shade after the palette conversion.
QVector<QRgb> paletteWithTransparency()
{
    QVector<QRgb> table{qRgba(0, 0, 0, 0)};
    for (int i = 0; i < 255; ++i) {
        const double t = i / 254.0;
        table.append(qRgb(kRed.red() + int((255 - kRed.red()) * t),
                          kRed.green() + int((255 - kRed.green()) * t),
                          kRed.blue() + int((255 - kRed.blue()) * t)));
    }
    return table;
}

QFont boldFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

QImage logo()
{
    QImage image(220, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(kRed);
    painter.setFont(boldFont(30));
    painter.drawText(QRect(0, 0, 220, 38), Qt::AlignCenter, QStringLiteral("drosvane"));
    painter.fillRect(QRect(8, 40, 204, 6), Qt::black);
    return image;
}

// The letter mark on transparency, with alpha snapped to on or off: the
// 256-colour icon formats carry a 1-bit mask at most.
QImage letterMark(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kRed);
    painter.setFont(boldFont(size));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("d"));
    painter.end();
    for (int y = 0; y < size; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            if (qAlpha(line[x]) < 128)
                line[x] = qRgba(0, 0, 0, 0);
            else
                line[x] = qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
        }
    }
    return image;
}

bool save(const QImage &image, const QDir &dir, const char *name)
{
    if (image.save(dir.filePath(QString::fromLatin1(name))))
        return true;
    std::fprintf(stderr, "cannot write %s\n", name);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    const QVector<QRgb> palette = paletteWithTransparency();
    const QImage icon =
        letterMark(48).convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    // The bitmap has no transparency: the mark sits on white.
    QImage small(32, 32, QImage::Format_ARGB32);
    small.fill(Qt::white);
    QPainter(&small).drawImage(0, 0, letterMark(32));
    QVector<QRgb> opaque = palette;
    opaque[0] = qRgb(255, 255, 255);
    const QImage bitmap =
        small.convertToFormat(QImage::Format_Indexed8, opaque, Qt::ThresholdDither);

    const bool ok = save(logo(), out, "logo_drosvane_klein.png") &&
                    save(icon, out, "icon_drosvane.png") && save(bitmap, out, "icon_drosvane.bmp");
    return ok ? 0 : 1;
}
