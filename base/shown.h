#pragma once

#include <QString>

// A value as messages show it: control characters and bytes that are not
// UTF-8 escaped (\n, \x01), and cut to a readable length, so that every
// message stays on one line. `quoted` adds the quotes.
QString shown(const QString &value);
QString quoted(const QString &value);
// The same escaping, uncut: for names printed in full.
QString escaped(const QString &value);

// Bytes that are not UTF-8 travel in a QString as the code points
// kRawByteBase + 0x80 .. kRawByteBase + 0xFF, so that they can be given back
// exactly as they came.
constexpr ushort kRawByteBase = 0xDC00;
bool isRawByte(QChar c);
