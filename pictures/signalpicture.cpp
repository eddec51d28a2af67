#include "signalpicture.h"

#include "hextext.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSvgGenerator>

namespace {

using linesignal::LineSignal;

const QSize kSize(1600, 560);
const QRectF kPlot(80, 120, 1490, 340);
constexpr double kTopVolts = 21.0, kBottomVolts = 10.0;
// The tone is drawn larger than it is, so that 650 mV stay visible beside 18 V.
constexpr double kDrawnToneVolts = 0.9;
constexpr double kLongestDrawnTone = 0.1; // s
const QColor kSupplyColour(40, 40, 40), kToneColour(30, 90, 200), kParityColour(220, 120, 0);

// In the window's language; the tool installs no catalogue and keeps English.
QString words(const char *source)
{
    return QCoreApplication::translate("SignalPicture", source);
}

double xAt(const LineSignal &signal, double seconds)
{
    return kPlot.left() + seconds / signal.length * kPlot.width();
}

double yAt(double volts)
{
    return kPlot.top() + (kTopVolts - volts) / (kTopVolts - kBottomVolts) * kPlot.height();
}

void drawAxes(QPainter &p, const LineSignal &signal)
{
    p.setPen(QPen(Qt::gray, 1));
    p.drawLine(QPointF(kPlot.left(), kPlot.bottom()), kPlot.bottomRight());
    for (int ms = 0; ms <= signal.length * 1e3; ms += 10) {
        const double x = xAt(signal, ms / 1e3);
        p.drawLine(QPointF(x, kPlot.bottom()), QPointF(x, kPlot.bottom() + 6));
        p.drawText(QRectF(x - 30, kPlot.bottom() + 8, 60, 20), Qt::AlignCenter,
                   QStringLiteral("%1 ms").arg(ms));
    }
    for (const double volts : {linesignal::kLowSupply, linesignal::kHighSupply}) {
        p.drawText(QRectF(0, yAt(volts) - 10, kPlot.left() - 10, 20),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 V").arg(volts));
    }
}

void drawSupply(QPainter &p, const LineSignal &signal)
{
    const double low = yAt(linesignal::kLowSupply), high = yAt(linesignal::kHighSupply);
    const double up = xAt(signal, signal.stepUp), down = xAt(signal, signal.stepDown);
    p.setPen(QPen(kSupplyColour, 2));
    const QPointF trace[] = {{kPlot.left(), low}, {up, low},   {up, high},
                             {down, high},        {down, low}, {kPlot.right(), low}};
    p.drawPolyline(trace, 6);

    // The quiet time at 18 V on either side of the commands.
    p.setPen(QPen(kSupplyColour, 1));
    const double commandsStart =
        !signal.bits.empty()
            ? xAt(signal, signal.bits.front().start)
            : xAt(signal, signal.toneLength > 0 ? signal.toneStart : signal.stepUp);
    const double commandsEnd =
        !signal.bits.empty()
            ? xAt(signal, signal.bits.back().start + linesignal::kBitPeriod)
            : xAt(signal,
                  signal.toneLength > 0 ? signal.toneStart + signal.toneLength : signal.stepDown);
    const double below = yAt(linesignal::kHighSupply - 2.2);
    const QString quiet = QStringLiteral("%1 ms").arg(linesignal::kQuietAfterStep * 1e3);
    p.drawText(QRectF(up, below, commandsStart - up, 20), Qt::AlignCenter, quiet);
    p.drawText(QRectF(commandsEnd, below, down - commandsEnd, 20), Qt::AlignCenter, quiet);
    p.drawText(QRectF(up - 60, low + 6, 120, 20), Qt::AlignCenter,
               words(QT_TRANSLATE_NOOP("SignalPicture", "step up")));
    p.drawText(QRectF(down - 60, low + 6, 120, 20), Qt::AlignCenter,
               words(QT_TRANSLATE_NOOP("SignalPicture", "step down")));
}

void drawBits(QPainter &p, const LineSignal &signal)
{
    QFont small = p.font();
    small.setPixelSize(11);
    const double top = yAt(linesignal::kHighSupply + kDrawnToneVolts);
    const double bottom = yAt(linesignal::kHighSupply - kDrawnToneVolts);
    for (std::size_t i = 0; i < signal.bits.size(); ++i) {
        const linesignal::Bit &bit = signal.bits[i];
        const QColor colour = bit.parity ? kParityColour : kToneColour;
        const double x = xAt(signal, bit.start);
        const double slot = xAt(signal, bit.start + linesignal::kBitPeriod) - x;
        p.fillRect(QRectF(x, top, xAt(signal, bit.start + bit.tone) - x, bottom - top), colour);
        p.setPen(colour);
        p.setFont(small);
        p.drawText(QRectF(x, top - 18, slot, 16), Qt::AlignCenter,
                   bit.value ? QStringLiteral("1") : QStringLiteral("0"));
        if (bit.parity)
            p.drawText(QRectF(x, bottom + 2, slot, 16), Qt::AlignCenter, QStringLiteral("P"));
    }
}

// A dashed line where each byte starts and after the last, and the byte's
// hex value above its nine bits.
void drawBytes(QPainter &p, const LineSignal &signal)
{
    QFont bold = p.font();
    bold.setPixelSize(14);
    bold.setBold(true);
    p.setFont(bold);
    const double top = yAt(linesignal::kHighSupply + kDrawnToneVolts) - 48;
    const double bottom = yAt(linesignal::kHighSupply - kDrawnToneVolts) + 20;
    std::size_t bit = 0;
    for (const auto &command : signal.commands) {
        for (const std::uint8_t byte : command) {
            const double from = xAt(signal, signal.bits[bit].start);
            const double to = xAt(signal, signal.bits[bit + 8].start + linesignal::kBitPeriod);
            p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
            p.drawLine(QPointF(from, top), QPointF(from, bottom));
            p.drawLine(QPointF(to, top), QPointF(to, bottom));
            p.setPen(kSupplyColour);
            p.drawText(QRectF(from, top, to - from, 24), Qt::AlignCenter,
                       QString::fromStdString(hexByte(byte)));
            bit += 9;
        }
    }
}

// A tone without bits, as one block with its length; a long one is drawn
// shortened, so that the time axis stays readable.
void drawTone(QPainter &p, const LineSignal &signal, double realLength)
{
    const double top = yAt(linesignal::kHighSupply + kDrawnToneVolts);
    const double bottom = yAt(linesignal::kHighSupply - kDrawnToneVolts);
    const double from = xAt(signal, signal.toneStart);
    const double to = xAt(signal, signal.toneStart + signal.toneLength);
    p.fillRect(QRectF(from, top, to - from, bottom - top), kToneColour);
    p.setPen(kSupplyColour);
    const QString length =
        words(QT_TRANSLATE_NOOP("SignalPicture", "%1 ms of tone, no bits"))
            .arg(QLocale().toString(realLength * 1e3, 'f', realLength < 0.1 ? 1 : 0));
    p.drawText(QRectF(from, top - 48, to - from, 24), Qt::AlignCenter,
               realLength > signal.toneLength
                   ? words(QT_TRANSLATE_NOOP("SignalPicture", "%1 (drawn shortened)")).arg(length)
                   : length);
}

} // namespace

QSize signalPictureSize()
{
    return kSize;
}

void paintSignalPicture(QPainter &p, const LineSignal &signal, const QString &title)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(QPoint(0, 0), kSize), Qt::white);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(13);
    p.setFont(font);
    QFont heading = font;
    heading.setPixelSize(18);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(kSupplyColour);
    p.drawText(QRectF(20, 14, kSize.width() - 40, 28), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font);
    p.drawText(QRectF(20, 44, kSize.width() - 40, 22), Qt::AlignLeft | Qt::AlignVCenter,
               signal.bits.empty()
                   ? words(QT_TRANSLATE_NOOP("SignalPicture",
                                             "22 kHz tone without bits: 12.5 ms of it is the tone "
                                             "burst A; kept on, it chooses the high band. The tone "
                                             "is drawn enlarged."))
                   : words(QT_TRANSLATE_NOOP("SignalPicture",
                                             "22 kHz tone, a bit every 1.5 ms: 1.0 ms of tone for "
                                             "a 0, 0.5 ms for a 1; each byte's ninth bit (P) "
                                             "makes its ones odd. The tone is drawn enlarged.")));
    const LineSignal drawn =
        signal.toneLength > kLongestDrawnTone ? linesignal::toneSignal(kLongestDrawnTone) : signal;
    drawAxes(p, drawn);
    drawSupply(p, drawn);
    drawBits(p, drawn);
    p.setFont(font);
    drawBytes(p, drawn);
    if (drawn.toneLength > 0)
        drawTone(p, drawn, signal.toneLength);
}

QByteArray signalPictureFile(const LineSignal &signal, const QString &title, bool svg)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(kSize);
        generator.setViewBox(QRect(QPoint(0, 0), kSize));
        generator.setTitle(title);
        QPainter painter(&generator);
        paintSignalPicture(painter, signal, title);
        painter.end(); // writes the file
        return bytes;
    }
    QImage image(kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSignalPicture(painter, signal, title);
    painter.end();
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}
