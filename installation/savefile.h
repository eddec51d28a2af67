#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file whole or not at all: `write` fills a temporary file beside
// it, which replaces the file only when every byte is written. Returns why
// the file could not be written, or nothing.
QString saveFile(const QString &path, const std::function<QString(QIODevice &)> &write);

// The same with bytes made beforehand.
QString saveFile(const QString &path, const QByteArray &bytes);
