#include "values.h"

#include "standards.h"
#include "system.h"

#include <QRegularExpression>

int parseNumber(const QString &option, const QString &value, int min, int max)
{
    // Whitespace, even a trailing newline, makes a value no number at all.
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    const QString range = QStringLiteral("%1..%2").arg(min).arg(max);
    if (!number.match(value).hasMatch())
        throw UsageError(QStringLiteral("%1: %2 is not a whole number; use %3")
                             .arg(option, quoted(value), range));
    bool ok = false;
    const qlonglong parsed = value.toLongLong(&ok);
    if (!ok || parsed < min || parsed > max)
        throw UsageError(
            QStringLiteral("%1: %2 is out of range; use %3").arg(option, shown(value), range));
    return static_cast<int>(parsed);
}

Polarisation parsePolarisation(const QString &option, const QString &value)
{
    const QString v = value.toLower();
    if (v == QLatin1String("h") || v == QLatin1String("horizontal"))
        return Polarisation::Horizontal;
    if (v == QLatin1String("v") || v == QLatin1String("vertical"))
        return Polarisation::Vertical;
    throw UsageError(QStringLiteral("%1: %2 is not a polarisation; use horizontal (h) or "
                                    "vertical (v)")
                         .arg(option, quoted(value)));
}

Band parseBand(const QString &option, const QString &value)
{
    const QString v = value.toLower();
    if (v == QLatin1String("high"))
        return Band::High;
    if (v == QLatin1String("low"))
        return Band::Low;
    throw UsageError(
        QStringLiteral("%1: %2 is not a band; use high or low").arg(option, quoted(value)));
}

int parsePosition(const QString &option, const QString &value)
{
    const int position = positionFromName(value.toStdString());
    if (position >= 0)
        return position;
    throw UsageError(QStringLiteral("%1: %2 is not a position; use A to D, or 1 to 64")
                         .arg(option, quoted(value)));
}

QString positionText(int position)
{
    return QString::fromStdString(positionName(position));
}

QString argumentFromBytes(const QByteArray &bytes)
{
    QString text;
    for (int i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                           : lead >= 0xE0 && lead < 0xF0 ? 3
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                                                         : 0;
        const QString decoded =
            length && i + length <= bytes.size() ? QString::fromUtf8(bytes.mid(i, length)) : "";
        // The toolkit's decoder marks overlong forms and surrogates with
        // U+FFFD; those bytes are kept raw as well.
        if (!decoded.isEmpty() && !decoded.contains(QChar::ReplacementCharacter)) {
            text += decoded;
            i += length;
        } else {
            text += QChar(ushort(kRawByteBase + lead));
            ++i;
        }
    }
    return text;
}

QByteArray argumentBytes(const QString &argument)
{
    QByteArray bytes;
    for (int i = 0; i < argument.size(); ++i) {
        if (isRawByte(argument[i]))
            bytes += char(argument[i].unicode() - kRawByteBase);
        else if (argument[i].isHighSurrogate() && i + 1 < argument.size())
            bytes += argument.mid(i++, 2).toUtf8();
        else
            bytes += QString(argument[i]).toUtf8();
    }
    return bytes;
}

FilePath argumentPath(const QString &argument)
{
    return os::argumentsAreBytes() ? FilePath(argumentBytes(argument).toStdString())
                                   : filePath(argument);
}
