#pragma once

#include "command.h"
#include "files.h"
#include "shown.h"

#include <QString>

#include <stdexcept>

// A bad option or value; the message is one line for stderr and names the
// option and what it accepts.
class UsageError : public TextError
{
public:
    using TextError::TextError;
};

// Each parser takes the option's name for its messages and throws UsageError
// for anything it cannot read exactly.
int parseNumber(const QString &option, const QString &value, int min, int max);
Polarisation parsePolarisation(const QString &option, const QString &value);
Band parseBand(const QString &option, const QString &value);
int parsePosition(const QString &option, const QString &value);

// Position 0 is "A".
QString positionText(int position);

// Arguments as given: bytes that are not UTF-8 are kept as raw bytes (see
// shown.h), so that `argumentBytes` gives back exactly the bytes typed.
QString argumentFromBytes(const QByteArray &bytes);
QByteArray argumentBytes(const QString &argument);
// A file's name as given, for the system.
FilePath argumentPath(const QString &argument);
