#include "focusmark.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionFocusRect>

namespace {

class FocusMarkStyle : public QProxyStyle
{
public:
    // A style of the application's kind of its own: a proxy owns its base.
    FocusMarkStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->objectName())) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ScrollBar && (option->state & State_HasFocus)) {
            QStyleOptionFocusRect frame;
            frame.QStyleOption::operator=(*option);
            frame.rect = option->rect.adjusted(1, 1, -1, -1);
            proxy()->drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
            // The frame alone is faint on a slider's groove: a line of the
            // highlight colour beside it shows where the keys go.
            painter->save();
            painter->setPen(QPen(option->palette.highlight(), 2));
            painter->drawRect(option->rect.adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }
};

} // namespace

void markScrollBarFocus(QWidget *window)
{
    auto *style = new FocusMarkStyle;
    style->setParent(window);
    for (QScrollBar *bar : window->findChildren<QScrollBar *>())
        if (bar->focusPolicy() != Qt::NoFocus)
            bar->setStyle(style);
}
