#pragma once

// A paint device that keeps each text painted on it, where and in which
// font, so that a test reads what a user would: in a window rendered into
// it, on the sheet, in the signal picture.

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QVector>

#include <algorithm>

class PaintedText : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        // From the ascent down, as far as the next line of a paragraph,
        // which may come before the descent's end.
        QRectF box;
        QFont font;
    };
    QVector<Text> painted;

    QPaintEngine *paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 20000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return 1 * devicePixelRatioFScale();
        default:
            return 1000;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(QVector<Text> &painted) : QPaintEngine(AllFeatures), painted(painted) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        // The defaults of these two call each other.
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &at, const QTextItem &item) override
        {
            const QFontMetricsF fm(item.font());
            painted.push_back(
                {item.text(),
                 QRectF(at.x(), at.y() - fm.ascent(), fm.horizontalAdvance(item.text()),
                        std::min(fm.height(), fm.lineSpacing())),
                 item.font()});
        }
        Type type() const override { return User; }

    private:
        QVector<Text> &painted;
    };
    mutable Engine engine{painted};
};
