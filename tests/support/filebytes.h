#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

// Reading the files the build produces, byte by byte.

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline quint16 le16(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

inline quint32 le32(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

inline quint32 be32(const QByteArray &data, int at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}
