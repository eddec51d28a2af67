#include "shown.h"

namespace {

constexpr int kShownLength = 40;

} // namespace

bool isRawByte(QChar c)
{
    return c.unicode() >= kRawByteBase + 0x80 && c.unicode() <= kRawByteBase + 0xFF;
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
