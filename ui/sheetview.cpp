#include "sheetview.h"

#include <QPainter>

SheetView::SheetView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(fontMetrics().height() * 16, fontMetrics().height() * 22);
}

void SheetView::setSheet(std::unique_ptr<InstallationSheet> sheet)
{
    shown = std::move(sheet);
    update();
}

void SheetView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!shown)
        return;
    const QSizeF page = InstallationSheet::pageSize();
    const double scale = std::min(width() / page.width(), height() / page.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
    painter.setClipRect(QRectF(QPointF(0, 0), page));
    // The first page only: later ones go below the clip.
    shown->paint(painter, [&painter, page] { painter.translate(0, page.height() * 4); });
}
