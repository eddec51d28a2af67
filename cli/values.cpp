#include "values.h"

#include <QRegularExpression>

namespace {

constexpr int kShownLength = 40;
constexpr ushort kRawByteBase = 0xDC00;

bool isRawByte(QChar c)
{
    return c.unicode() >= kRawByteBase + 0x80 && c.unicode() <= kRawByteBase + 0xFF;
}

} // namespace

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

bool parseVertical(const QString &option, const QString &value)
{
    const QString v = value.toLower();
    if (v == QLatin1String("h") || v == QLatin1String("horizontal"))
        return false;
    if (v == QLatin1String("v") || v == QLatin1String("vertical"))
        return true;
    throw UsageError(QStringLiteral("%1: %2 is not a polarisation; use horizontal (h) or "
                                    "vertical (v)")
                         .arg(option, quoted(value)));
}

bool parseLowBand(const QString &option, const QString &value)
{
    const QString v = value.toLower();
    if (v == QLatin1String("high"))
        return false;
    if (v == QLatin1String("low"))
        return true;
    throw UsageError(
        QStringLiteral("%1: %2 is not a band; use high or low").arg(option, quoted(value)));
}

int parsePosition(const QString &option, const QString &value)
{
    if (value.size() == 1) {
        const char letter = value.at(0).toUpper().toLatin1();
        if (letter >= 'A' && letter <= 'D')
            return letter - 'A';
    }
    throw UsageError(
        QStringLiteral("%1: %2 is not a position; use A, B, C or D").arg(option, quoted(value)));
}

QString positionName(int position)
{
    return QString(QChar('A' + position));
}

QString shown(const QString &value)
{
    QString text;
    int i = 0;
    for (; i < value.size() && text.size() < kShownLength; ++i) {
        const QChar c = value[i];
        const ushort code = isRawByte(c) ? c.unicode() - kRawByteBase : c.unicode();
        if (c == QLatin1Char('\n'))
            text += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            text += QLatin1String("\\t");
        else if (isRawByte(c) || code < 0x20 || (code >= 0x7F && code <= 0x9F))
            text += QStringLiteral("\\x%1").arg(
                QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')));
        else
            text += c;
    }
    return i < value.size() ? text + QLatin1String("...") : text;
}

QString quoted(const QString &value)
{
    return QLatin1Char('\'') + shown(value) + QLatin1Char('\'');
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
