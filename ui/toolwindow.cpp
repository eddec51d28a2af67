#include "toolwindow.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class EscapeCloses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Keys a control ignored reach its window last.
        if (event->type() == QEvent::KeyPress && watched == parent() &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel)) {
            static_cast<QWidget *>(watched)->close();
            return true;
        }
        return false;
    }
};

} // namespace

void closeOnEscape(QWidget *window)
{
    window->installEventFilter(new EscapeCloses(window));
}
