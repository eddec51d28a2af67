#include "shown.h"

#include <limits>

namespace {

constexpr int kShownLength = 40;

} // namespace

bool isRawByte(QChar c)
{
    return c.unicode() >= kRawByteBase + 0x80 && c.unicode() <= kRawByteBase + 0xFF;
}

namespace {

// Characters that show nothing or turn the text around them (byte order
// marks, joiners, the marks that reverse a line's direction), a half of a
// pair on its own, and line breaks of their own kind.
bool doesNotShow(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Escapes `value` until the text reaches `most` characters; returns how many
// characters of `value` it took.
int escape(const QString &value, int most, QString &text)
{
    int i = 0;
    for (; i < value.size() && text.size() < most; ++i) {
        const QChar c = value[i];
        const ushort code = isRawByte(c) ? c.unicode() - kRawByteBase : c.unicode();
        if (c == QLatin1Char('\n'))
            text += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            text += QLatin1String("\\t");
        else if (isRawByte(c) || code < 0x20 || (code >= 0x7F && code <= 0x9F))
            text += QStringLiteral("\\x%1").arg(
                QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')));
        else if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate())
            text += QString(value.constData() + i++, 2);
        else if (doesNotShow(c))
            text += QStringLiteral("\\u%1").arg(
                QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        else
            text += c;
    }
    return i;
}

} // namespace

QString shown(const QString &value)
{
    QString text;
    return escape(value, kShownLength, text) < value.size() ? text + QLatin1String("...") : text;
}

QString escaped(const QString &value)
{
    QString text;
    escape(value, std::numeric_limits<int>::max(), text);
    return text;
}

QString quoted(const QString &value)
{
    return QLatin1Char('\'') + shown(value) + QLatin1Char('\'');
}
