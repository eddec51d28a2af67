#pragma once

#include <QByteArray>
#include <QFile>

// What a file holds now, or "(none)" where it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}
