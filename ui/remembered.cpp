#include "remembered.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace remembered {
namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("vantir"), QStringLiteral("vantir"));
}

QString key(const char *group, const QString &name)
{
    return QStringLiteral("%1/%2").arg(QLatin1String(group), name);
}

} // namespace

QString folder(const char *kind)
{
    const QString last = settings().value(key("folders", QLatin1String(kind))).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void usedFile(const char *kind, const QString &file)
{
    settings().setValue(key("folders", QLatin1String(kind)), QFileInfo(file).absolutePath());
}

QStringList recent(const char *kind)
{
    QStringList files;
    for (const QString &f : settings().value(key("recent", QLatin1String(kind))).toStringList())
        if (QFileInfo::exists(f))
            files << f;
    return files;
}

void addRecent(const char *kind, const QString &file)
{
    QStringList files = recent(kind);
    const QString absolute = QFileInfo(file).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings().setValue(key("recent", QLatin1String(kind)), QStringList(files.mid(0, kMostRecent)));
    usedFile(kind, file);
}

namespace {

// The frame a window manager puts round a window: the window's own once it
// is framed, before that another framed window's, as the same manager frames
// them all alike.
QMargins frameOf(const QWidget *window)
{
    const auto margins = [](const QWidget *w) {
        const QRect frame = w->frameGeometry(), inner = w->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                        frame.right() - inner.right(), frame.bottom() - inner.bottom());
    };
    if (window->frameGeometry() != window->geometry())
        return margins(window);
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && other->frameGeometry() != other->geometry())
            return margins(other);
    return {};
}

} // namespace

void fitIntoScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QMargins frame = frameOf(window);
    const QSize framing(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize size =
        window->size().boundedTo(room.size() - framing).expandedTo(window->minimumSizeHint());
    if (size != window->size())
        window->resize(size);
    const QSize outer = size + framing;
    const QPoint at(
        std::max(room.left(), std::min(window->x(), room.right() + 1 - outer.width())),
        std::max(room.top(), std::min(window->y(), room.bottom() + 1 - outer.height())));
    if (at != window->pos())
        window->move(at);
}

void forgetRecent(const char *kind, const QString &file)
{
    QStringList files = recent(kind);
    if (files.removeAll(QFileInfo(file).absoluteFilePath()) > 0)
        settings().setValue(key("recent", QLatin1String(kind)), files);
}

void restoreGeometry(QWidget *window)
{
    const QByteArray kept = settings().value(key("windows", window->objectName())).toByteArray();
    if (!kept.isEmpty() && window->restoreGeometry(kept))
        fitIntoScreen(window);
}

void keepGeometry(const QWidget *window)
{
    settings().setValue(key("windows", window->objectName()), window->saveGeometry());
}

} // namespace remembered
