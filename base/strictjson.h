#pragma once

#include "phrase.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Where and why a text is not JSON as the standard writes it.
struct JsonFault
{
    // The path of the key at fault ("receivers[0].\"nmae\""); empty where
    // the fault is not a key's, and `why` gives the line and column.
    QString key;
    Phrase why;
};

// QJsonDocument takes more than JSON (raw control characters in strings,
// "1."), keeps the last of a repeated key, and passes a key with an
// invisible character in it as if it were another. This walks the text
// first, as the standard writes JSON and nothing looser, and finds a
// repeated key and a key holding a character that does not show. A byte
// order mark may start the text. Objects and lists nest at most `deepest`.
std::optional<JsonFault> strictJsonFault(const QByteArray &text, int deepest);

// The path of `key` inside the object at `path`: "unit.standard".
QString keyPath(const QString &path, const QString &key);
