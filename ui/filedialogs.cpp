#include "filedialogs.h"

#include <QEvent>
#include <QFileDialog>
#include <QScreen>

namespace {

// Shrinks a window to the screen's available area, frame included, and
// moves it inside, each time the window manager places or frames it.
class ScreenFitter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)
            fit(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void fit(QWidget *window)
    {
        const QScreen *screen = window->screen();
        if (!screen)
            return;
        const QRect room = screen->availableGeometry();
        const QSize frame = window->frameGeometry().size() - window->size();
        const QSize most = room.size() - frame;
        if (window->width() > most.width() || window->height() > most.height())
            window->resize(window->size().boundedTo(most));
        const QRect framed = window->frameGeometry();
        const QPoint inside(qBound(room.left(), framed.left(),
                                   std::max(room.left(), room.right() + 1 - framed.width())),
                            qBound(room.top(), framed.top(),
                                   std::max(room.top(), room.bottom() + 1 - framed.height())));
        if (inside != framed.topLeft())
            window->move(inside);
    }
};

QString ask(QFileDialog &dialog, QString *chosenFilter)
{
    dialog.installEventFilter(new ScreenFitter(&dialog));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (chosenFilter)
        *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString askFileToSave(QWidget *parent, const QString &caption, const QString &path,
                      const QString &filters, QString *chosenFilter)
{
    QFileDialog dialog(parent, caption, path, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (chosenFilter && !chosenFilter->isEmpty())
        dialog.selectNameFilter(*chosenFilter);
    return ask(dialog, chosenFilter);
}

QString askFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                      const QString &filters)
{
    QFileDialog dialog(parent, caption, folder, filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ask(dialog, nullptr);
}
