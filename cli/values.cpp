#include "values.h"

#include <QRegularExpression>

int parseNumber(const QString &option, const QString &value, int min, int max)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    const QString range = QStringLiteral("%1..%2").arg(min).arg(max);
    if (!number.match(value).hasMatch())
        throw UsageError(
            QStringLiteral("%1: '%2' is not a whole number; use %3").arg(option, value, range));
    bool ok = false;
    const qlonglong parsed = value.toLongLong(&ok);
    if (!ok || parsed < min || parsed > max)
        throw UsageError(
            QStringLiteral("%1: %2 is out of range; use %3").arg(option, value, range));
    return static_cast<int>(parsed);
}

bool parseVertical(const QString &option, const QString &value)
{
    const QString v = value.toLower();
    if (v == QLatin1String("h") || v == QLatin1String("horizontal"))
        return false;
    if (v == QLatin1String("v") || v == QLatin1String("vertical"))
        return true;
    throw UsageError(QStringLiteral("%1: '%2' is not a polarisation; use horizontal (h) or "
                                    "vertical (v)")
                         .arg(option, value));
}

bool parseLowBand(const QString &option, const QString &value)
{
    const QString v = value.toLower();
    if (v == QLatin1String("high"))
        return false;
    if (v == QLatin1String("low"))
        return true;
    throw UsageError(QStringLiteral("%1: '%2' is not a band; use high or low").arg(option, value));
}

int parsePosition(const QString &option, const QString &value)
{
    if (value.size() == 1) {
        const char letter = value.at(0).toUpper().toLatin1();
        if (letter >= 'A' && letter <= 'D')
            return letter - 'A';
    }
    throw UsageError(
        QStringLiteral("%1: '%2' is not a position; use A, B, C or D").arg(option, value));
}

QString positionName(int position)
{
    return QString(QChar('A' + position));
}
