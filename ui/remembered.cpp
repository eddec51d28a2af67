#include "remembered.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

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

void restoreGeometry(QWidget *window)
{
    const QByteArray kept = settings().value(key("windows", window->objectName())).toByteArray();
    if (!kept.isEmpty())
        window->restoreGeometry(kept);
}

void keepGeometry(const QWidget *window)
{
    settings().setValue(key("windows", window->objectName()), window->saveGeometry());
}

} // namespace remembered
