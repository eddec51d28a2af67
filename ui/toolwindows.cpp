#include "toolwindows.h"

#include "remembered.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class ToolWindowKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != parent())
            return false;
        auto *window = static_cast<QWidget *>(watched);
        // Keys a control ignored reach its window last.
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel)) {
            window->close();
            return true;
        }
        if (event->type() == QEvent::Hide)
            remembered::keepGeometry(window);
        // Framed only once shown: fitted again with the frame it got, and
        // once its contents have laid out at this screen's scale.
        if (event->type() == QEvent::Show)
            QTimer::singleShot(0, window, [window] { remembered::fitIntoScreen(window); });
        return false;
    }
};

} // namespace

QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

void makeToolWindow(QWidget *window)
{
    remembered::restoreGeometry(window);
    window->installEventFilter(new ToolWindowKeeper(window));
}
