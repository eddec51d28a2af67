#include "signalview.h"

#include "hextext.h"
#include "phrasetext.h"

#include "signalpicture.h"

#include <QPainter>

#include <algorithm>

SignalView::SignalView(QWidget *parent) : QWidget(parent)
{
}

QSize SignalView::sizeHint() const
{
    return signalPictureMinimum(font()).toSize() + QSize(1, 1);
}

QSize SignalView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {16 * line, 8 * line};
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
    // Where the room is less than the picture needs, all of it drawn
    // smaller rather than parts of it outside.
    const QSizeF least = signalPictureMinimum(font());
    const double scale = std::min({1.0, width() / least.width(), height() / least.height()});
    painter.scale(scale, scale);
    paintSignalPicture(painter, signal, heading, QRectF(0, 0, width() / scale, height() / scale),
                       font());
}
