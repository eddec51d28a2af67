#pragma once

#include "phrase.h"

#include <QString>

#include <stdexcept>

// A value as messages show it: control characters and bytes that are not
// UTF-8 escaped (\n, \x01), and cut to a readable length, so that every
// message stays on one line. `quoted` adds the quotes.
QString shown(const QString &value);
QString quoted(const QString &value);
// The same escaping, uncut: for names printed in full.
QString escaped(const QString &value);

// A refusal whose words are put together already, in the language of the
// face that shows it: what the plan reader and the tool's options throw.
// One of the PhraseErrors that every library throws, its phrase plain.
class TextError : public PhraseError
{
public:
    explicit TextError(const QString &message)
        : PhraseError(Phrase::plainText(message.toStdString()))
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};

// Bytes that are not UTF-8 travel in a QString as the code points
// kRawByteBase + 0x80 .. kRawByteBase + 0xFF, so that they can be given back
// exactly as they came.
constexpr ushort kRawByteBase = 0xDC00;
bool isRawByte(QChar c);
