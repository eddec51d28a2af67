#include "savefile.h"

#include <QSaveFile>

QString saveFile(const QString &path, const std::function<QString(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString error = write(file);
    if (!error.isEmpty())
        return error;
    return file.commit() ? QString() : file.errorString();
}

QString saveFile(const QString &path, const QByteArray &bytes)
{
    return saveFile(path, [&bytes](QIODevice &file) {
        return file.write(bytes) == bytes.size() ? QString() : file.errorString();
    });
}
