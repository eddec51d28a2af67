#pragma once

#include <QString>

#include <stdexcept>

// A bad option or value; the message is one line for stderr and names the
// option and what it accepts.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Each parser takes the option's name for its messages and throws UsageError
// for anything it cannot read exactly.
int parseNumber(const QString &option, const QString &value, int min, int max);
bool parseVertical(const QString &option, const QString &value);
bool parseLowBand(const QString &option, const QString &value);
int parsePosition(const QString &option, const QString &value);

QString positionName(int position);

// A value as error messages show it: control characters and bytes that are
// not UTF-8 escaped (\n, \x01), and cut to a readable length, so that every
// message stays on one line. `quoted` adds the quotes.
QString shown(const QString &value);
QString quoted(const QString &value);

// Arguments as given: bytes that are not UTF-8 are kept as the code points
// U+DC80..U+DCFF, so that `argumentBytes` gives back exactly the bytes typed.
QString argumentFromBytes(const QByteArray &bytes);
QByteArray argumentBytes(const QString &argument);
