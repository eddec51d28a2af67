#include "signalpicture.h"

#include "hextext.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

using linesignal::LineSignal;

// A picture file: as wide as a screen, its text at a screen's usual size.
const QSize kFileSize(1600, 560);
constexpr int kFileTextPixels = 13;
// The tone is drawn larger than it is, so that 650 mV stay visible beside 18 V.
constexpr double kLongestDrawnTone = 0.1; // s
// Narrower, in lines of text, the picture would be a row of bars.
constexpr double kNarrowest = 30;
const QColor kSupplyColour(40, 40, 40), kToneColour(30, 90, 200), kParityColour(220, 120, 0);

// In the window's language; the tool installs no catalogue and keeps English.
QString words(const char *source)
{
    return QCoreApplication::translate("SignalPicture", source);
}

QString caption(const LineSignal &signal)
{
    return signal.bits.empty()
               ? words(QT_TRANSLATE_NOOP("SignalPicture",
                                         "22 kHz tone without bits: 12.5 ms of it is the tone "
                                         "burst A; kept on, it chooses the high band. The tone "
                                         "is drawn enlarged."))
               : words(QT_TRANSLATE_NOOP("SignalPicture",
                                         "22 kHz tone, a bit every 1.5 ms: 1.0 ms of tone for "
                                         "a 0, 0.5 ms for a 1; each byte's ninth bit (P) "
                                         "makes its ones odd. The tone is drawn enlarged."));
}

QFont scaled(QFont font, double factor, bool bold = false)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

// Where everything goes, from the area and the size of its text: the rows
// of text keep their height and the drawing takes what is left, so that
// the text reads at the same size in a small window and in a large file.
struct Layout
{
    Layout(const QRectF &area, const QFont &base, QPaintDevice *device, const QString &about)
        : bounds(area), text(base), small(scaled(base, 0.85)), bytes(scaled(base, 1.1, true)),
          heading(scaled(base, 1.3, true))
    {
        const QFontMetricsF fm(text, device), fmSmall(small, device), fmBytes(bytes, device),
            fmHeading(heading, device);
        line = fm.height();
        smallLine = fmSmall.height();
        digitWidth = fmSmall.horizontalAdvance(QStringLiteral("0"));
        tickLabelWidth = fm.horizontalAdvance(QStringLiteral("100 ms"));
        const double margin = 0.6 * line;
        const double width = area.width() - 2 * margin;
        title = QRectF(area.left() + margin, area.top() + 0.4 * line, width, fmHeading.height());
        const QRectF wrapped = fm.boundingRect(QRectF(title.left(), 0, width, 1e6),
                                               Qt::TextWordWrap | Qt::AlignLeft, about);
        captionBox = QRectF(title.left(), title.bottom() + 0.2 * line, width, wrapped.height());
        left = title.left() + fm.horizontalAdvance(QStringLiteral("18 V")) + 0.6 * line;
        right = area.right() - margin;
        const double bytesLine = fmBytes.height();
        // Every row below the caption but the tone: the bytes, the bits,
        // the parity marks and the quiet times, the supply's low level, the
        // steps' names, the time axis and its labels.
        const double rows = bytesLine + 0.1 * line + smallLine + 0.15 * line + 0.15 * line +
                            std::max(smallLine, line) + 0.2 * line + 1.5 * line + 1.35 * line +
                            0.3 * line;
        const double top = captionBox.bottom() + 0.5 * line;
        const double room = std::max(0.0, area.bottom() - top - rows);
        toneHeight = std::clamp(0.3 * room, line, 3.5 * line);
        // The step from 13 V to 18 V as tall as the room allows, up to a
        // point; beyond it the drawing stays in the middle.
        const double step = std::clamp(room - toneHeight, 0.0, 8 * line);
        byteRow = top + std::max(0.0, room - toneHeight - step) / 2;
        bitRow = byteRow + bytesLine + 0.1 * line;
        toneTop = bitRow + smallLine + 0.15 * line;
        toneBottom = toneTop + toneHeight;
        markRow = toneBottom + 0.15 * line;
        low = markRow + std::max(smallLine, line) + 0.2 * line + step;
        axis = low + 1.5 * line;
        bottom = axis + 1.35 * line + 0.3 * line;
    }

    double xAt(const LineSignal &signal, double seconds) const
    {
        return left + seconds / signal.length * (right - left);
    }
    double high() const { return (toneTop + toneBottom) / 2; }
    // A label centred on `x`, moved in where it would reach past the edge
    // (of the plot, or with `wholeWidth` of the picture).
    QRectF centredOn(double x, double top, double width, double height,
                     bool wholeWidth = false) const
    {
        const double least = wholeWidth ? bounds.left() : left;
        const double from =
            std::clamp(x - width / 2, least, std::max(least, bounds.right() - width));
        return QRectF(from, top, width, height);
    }

    QRectF bounds;
    QFont text, small, bytes, heading;
    double line = 0, smallLine = 0, digitWidth = 0, tickLabelWidth = 0;
    QRectF title, captionBox;
    double left = 0, right = 0;
    double byteRow = 0, bitRow = 0, toneTop = 0, toneHeight = 0, toneBottom = 0, markRow = 0;
    double low = 0, axis = 0;
    double bottom = 0; // of the time axis's labels, with a margin
};

void drawAxes(QPainter &p, const Layout &l, const LineSignal &signal)
{
    p.setFont(l.text);
    p.setPen(QPen(Qt::gray, 1));
    p.drawLine(QPointF(l.left, l.axis), QPointF(l.right, l.axis));
    // A label every 10 ms, or every 20 or 50 where they would touch.
    const double perTen = l.xAt(signal, 0.01) - l.xAt(signal, 0);
    const int every = perTen >= l.tickLabelWidth + l.line       ? 10
                      : 2 * perTen >= l.tickLabelWidth + l.line ? 20
                                                                : 50;
    for (int ms = 0; ms <= signal.length * 1e3; ms += every) {
        const double x = l.xAt(signal, ms / 1e3);
        p.drawLine(QPointF(x, l.axis), QPointF(x, l.axis + 0.3 * l.line));
        p.drawText(
            l.centredOn(x, l.axis + 0.35 * l.line, l.tickLabelWidth + 0.5 * l.line, l.line, true),
            Qt::AlignCenter, QStringLiteral("%1 ms").arg(ms));
    }
    const QRectF labels(l.title.left(), 0, l.left - l.title.left() - 0.4 * l.line, l.line);
    p.drawText(labels.translated(0, l.low - l.line / 2), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 V").arg(linesignal::kLowSupply));
    p.drawText(labels.translated(0, l.high() - l.line / 2), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 V").arg(linesignal::kHighSupply));
}

void drawSupply(QPainter &p, const Layout &l, const LineSignal &signal)
{
    const double up = l.xAt(signal, signal.stepUp), down = l.xAt(signal, signal.stepDown);
    p.setPen(QPen(kSupplyColour, 2));
    const QPointF trace[] = {{l.left, l.low},  {up, l.low},   {up, l.high()},
                             {down, l.high()}, {down, l.low}, {l.right, l.low}};
    p.drawPolyline(trace, 6);

    // The quiet time at 18 V on either side of the commands.
    p.setPen(QPen(kSupplyColour, 1));
    p.setFont(l.text);
    const double commandsStart =
        !signal.bits.empty()
            ? l.xAt(signal, signal.bits.front().start)
            : l.xAt(signal, signal.toneLength > 0 ? signal.toneStart : signal.stepUp);
    const double commandsEnd =
        !signal.bits.empty()
            ? l.xAt(signal, signal.bits.back().start + linesignal::kBitPeriod)
            : l.xAt(signal,
                    signal.toneLength > 0 ? signal.toneStart + signal.toneLength : signal.stepDown);
    const QString quiet = QStringLiteral("%1 ms").arg(linesignal::kQuietAfterStep * 1e3);
    p.drawText(QRectF(up, l.markRow, commandsStart - up, l.line), Qt::AlignCenter, quiet);
    p.drawText(QRectF(commandsEnd, l.markRow, down - commandsEnd, l.line), Qt::AlignCenter, quiet);
    const QFontMetricsF fm(l.text, p.device());
    for (const auto &[x, name] :
         {std::pair(up, words(QT_TRANSLATE_NOOP("SignalPicture", "step up"))),
          std::pair(down, words(QT_TRANSLATE_NOOP("SignalPicture", "step down")))})
        p.drawText(
            l.centredOn(x, l.low + 0.2 * l.line, fm.horizontalAdvance(name) + l.line, l.line),
            Qt::AlignCenter, name);
}

void drawBits(QPainter &p, const Layout &l, const LineSignal &signal)
{
    p.setFont(l.small);
    for (std::size_t i = 0; i < signal.bits.size(); ++i) {
        const linesignal::Bit &bit = signal.bits[i];
        const QColor colour = bit.parity ? kParityColour : kToneColour;
        const double x = l.xAt(signal, bit.start);
        const double slot = l.xAt(signal, bit.start + linesignal::kBitPeriod) - x;
        p.fillRect(QRectF(x, l.toneTop, l.xAt(signal, bit.start + bit.tone) - x, l.toneHeight),
                   colour);
        // Where the slots are narrower than a digit, the bars alone tell
        // the bits apart.
        if (slot < l.digitWidth * 1.2)
            continue;
        p.setPen(colour);
        p.drawText(QRectF(x, l.bitRow, slot, l.smallLine), Qt::AlignCenter,
                   bit.value ? QStringLiteral("1") : QStringLiteral("0"));
        if (bit.parity)
            p.drawText(QRectF(x, l.markRow, slot, l.smallLine), Qt::AlignCenter,
                       QStringLiteral("P"));
    }
}

// A dashed line where each byte starts and after the last, and the byte's
// hex value above its nine bits.
void drawBytes(QPainter &p, const Layout &l, const LineSignal &signal)
{
    p.setFont(l.bytes);
    const double top = l.byteRow, bottom = l.markRow + l.smallLine;
    std::size_t bit = 0;
    for (const auto &command : signal.commands) {
        for (const std::uint8_t byte : command) {
            const double from = l.xAt(signal, signal.bits[bit].start);
            const double to = l.xAt(signal, signal.bits[bit + 8].start + linesignal::kBitPeriod);
            p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
            p.drawLine(QPointF(from, top), QPointF(from, bottom));
            p.drawLine(QPointF(to, top), QPointF(to, bottom));
            p.setPen(kSupplyColour);
            p.drawText(QRectF(from, top, to - from, l.bitRow - top), Qt::AlignCenter,
                       QString::fromStdString(hexByte(byte)));
            bit += 9;
        }
    }
}

// A tone without bits, as one block with its length; a long one is drawn
// shortened, so that the time axis stays readable.
void drawTone(QPainter &p, const Layout &l, const LineSignal &signal, double realLength)
{
    const double from = l.xAt(signal, signal.toneStart);
    const double to = l.xAt(signal, signal.toneStart + signal.toneLength);
    p.fillRect(QRectF(from, l.toneTop, to - from, l.toneHeight), kToneColour);
    p.setPen(kSupplyColour);
    p.setFont(l.text);
    const QString length =
        words(QT_TRANSLATE_NOOP("SignalPicture", "%1 ms of tone, no bits"))
            .arg(QLocale().toString(realLength * 1e3, 'f', realLength < 0.1 ? 1 : 0));
    const QString shown =
        realLength > signal.toneLength
            ? words(QT_TRANSLATE_NOOP("SignalPicture", "%1 (drawn shortened)")).arg(length)
            : length;
    // Centred on the tone, as far as the picture reaches.
    p.drawText(l.centredOn((from + to) / 2, l.byteRow,
                           QFontMetricsF(l.text, p.device()).horizontalAdvance(shown) + l.line,
                           l.bitRow - l.byteRow),
               Qt::AlignCenter, shown);
}

QFont fileFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(kFileTextPixels);
    return font;
}

} // namespace

QSizeF signalPictureMinimum(const QFont &font)
{
    // Laid out with no room to spare, for the longer of the two captions.
    const double width = kNarrowest * QFontMetricsF(font).height();
    double height = 0;
    for (const LineSignal &signal :
         {linesignal::toneSignal(linesignal::kToneBurstLength), linesignal::lineSignal({{0xE0}})})
        height =
            std::max(height, Layout(QRectF(0, 0, width, 0), font, nullptr, caption(signal)).bottom);
    return {width, height};
}

void paintSignalPicture(QPainter &p, const LineSignal &signal, const QString &title,
                        const QRectF &area, const QFont &font)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QString about = caption(signal);
    const Layout l(area, font, p.device(), about);
    p.setPen(kSupplyColour);
    p.setFont(l.heading);
    p.drawText(
        l.title, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetricsF(l.heading, p.device()).elidedText(title, Qt::ElideRight, l.title.width()));
    p.setFont(l.text);
    p.drawText(l.captionBox, Qt::TextWordWrap | Qt::AlignLeft, about);
    const LineSignal drawn =
        signal.toneLength > kLongestDrawnTone ? linesignal::toneSignal(kLongestDrawnTone) : signal;
    drawAxes(p, l, drawn);
    drawSupply(p, l, drawn);
    drawBits(p, l, drawn);
    drawBytes(p, l, drawn);
    if (drawn.toneLength > 0)
        drawTone(p, l, drawn, signal.toneLength);
    p.restore();
}

QByteArray signalPictureFile(const LineSignal &signal, const QString &title, bool svg)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF area(QPointF(0, 0), kFileSize);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(kFileSize);
        generator.setViewBox(QRect(QPoint(0, 0), kFileSize));
        generator.setTitle(title);
        QPainter painter(&generator);
        paintSignalPicture(painter, signal, title, area, fileFont());
        painter.end(); // writes the file
        return bytes;
    }
    QImage image(kFileSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSignalPicture(painter, signal, title, area, fileFont());
    painter.end();
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}
