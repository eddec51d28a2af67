#include "signalview.h"

#include "hextext.h"
#include "phrasetext.h"

#include "signalpicture.h"

#include <QPainter>

SignalView::SignalView(QWidget *parent) : QWidget(parent)
{
    setMinimumHeight(fontMetrics().height() * 8);
}

void SignalView::setCommand(const std::vector<std::uint8_t> &bytes, const QString &title)
{
    hasSignal = !bytes.empty();
    if (hasSignal)
        signal = linesignal::lineSignal({bytes});
    heading = title;
    update();
}

void SignalView::setTone(double length, const QString &title)
{
    hasSignal = length > 0;
    signal = linesignal::toneSignal(length);
    heading = title;
    update();
}

void SignalView::setEntry(const ReadMessage *read)
{
    if (read && read->tone()) {
        setTone(read->message.toneLength, phraseText(read->meaning));
        return;
    }
    const Frame none;
    const Frame &bytes = read && read->clean() ? read->message.bytes : none;
    setCommand(bytes, read ? QString::fromStdString(bytesToHexText(read->message.bytes)).trimmed()
                           : QString());
}

void SignalView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!hasSignal)
        return;
    const QSize size = signalPictureSize();
    const double scale = std::min(width() / double(size.width()), height() / double(size.height()));
    painter.scale(scale, scale);
    paintSignalPicture(painter, signal, heading);
}
