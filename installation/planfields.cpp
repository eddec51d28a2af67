#include "planfields.h"

#include "planwords.h"
#include "shown.h"

#include <QRegularExpression>

#include <limits>

namespace {

using planwords::beyondWholeNumbers;
using planwords::notAStandard;
using planwords::number;
using planwords::plain;
using planwords::wrong;

// A whole number as a plan file would hold it: digits with an optional sign.
int wholeNumber(const QString &text, const QString &path)
{
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]{1,18}")));
    bool ok = false;
    const qlonglong value = digits.match(text).hasMatch() ? text.toLongLong(&ok) : 0;
    if (!ok)
        wrong(path,
              Phrase(PHRASE_WORDS("Phrase", "%1 is not a whole number"), {plain(quoted(text))}));
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        wrong(path, beyondWholeNumbers(plain(QString::number(value))));
    return int(value);
}

} // namespace

int planPosition(const QString &key)
{
    const int position = positionFromName(key.toStdString());
    // Letters as installers write them; numbers for EN 50607's further ones.
    constexpr int kLettered = 4;
    return position < 0 || (position < kLettered && key.at(0).isDigit()) ? -1 : position;
}

QVector<int> userbandsFromText(const QString &text)
{
    QVector<int> userbands;
    const QStringList items =
        text.split(QRegularExpression(QStringLiteral("[,; ]+")), Qt::SkipEmptyParts);
    for (int i = 0; i < items.size(); ++i)
        userbands << wholeNumber(items[i], QStringLiteral("unit.userbands[%1]").arg(i));
    return userbands;
}

QString userbandsText(const QVector<int> &userbands)
{
    QStringList items;
    for (const int f : userbands)
        items << QString::number(f);
    return items.join(QLatin1String(", "));
}

QMap<int, QString> positionsFromText(const QString &text)
{
    QMap<int, QString> positions;
    for (const QString &entry : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = entry.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QString key = trimmed.section(QLatin1Char(' '), 0, 0);
        const int position = planPosition(key);
        if (position < 0)
            wrong(QStringLiteral("positions.%1").arg(quoted(key)),
                  Phrase(PHRASE_WORDS("Phrase", "no such position; use A to D, or 5 to 64")));
        if (positions.contains(position))
            wrong(QStringLiteral("positions.%1").arg(quoted(key)),
                  Phrase(PHRASE_WORDS("Phrase", "given more than once")));
        positions.insert(position, trimmed.section(QLatin1Char(' '), 1).trimmed());
    }
    return positions;
}

QString positionsText(const QMap<int, QString> &positions)
{
    QStringList items;
    for (auto it = positions.begin(); it != positions.end(); ++it)
        items << QString::fromStdString(positionName(it.key())) + QLatin1Char(' ') + it.value();
    return items.join(QLatin1String("; "));
}

QVector<Transponder> transpondersFromText(const QString &text)
{
    QVector<Transponder> transponders;
    const QStringList items =
        text.split(QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts);
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].trimmed().isEmpty())
            continue;
        transponders << transponderFromText(items[i].trimmed(),
                                            QStringLiteral("transponders[%1]").arg(i));
    }
    return transponders;
}

QString transpondersText(const QVector<Transponder> &transponders)
{
    QStringList items;
    for (const Transponder &t : transponders)
        items << QString::fromStdString(transponderText(t));
    return items.join(QLatin1String(", "));
}

Plan::Receiver receiverFromText(int index, const QString &name, const QString &userband,
                                const QString &standard, const QString &pin, Standard unit)
{
    const QString path = QStringLiteral("receivers[%1]").arg(index);
    Plan::Receiver r;
    r.name = name;
    r.userband = wholeNumber(userband, path + QStringLiteral(".userband"));
    r.standard = unit;
    if (!standard.isEmpty() && !parseStandard(standard.toStdString(), r.standard))
        wrong(path + QStringLiteral(".standard"), notAStandard(standard));
    if (!pin.isEmpty())
        r.pin = wholeNumber(pin, path + QStringLiteral(".pin"));
    return r;
}

QString receiverStandardText(const Plan::Receiver &receiver, Standard unit)
{
    return receiver.standard == unit ? QString()
                                     : QString::fromLatin1(standardName(receiver.standard));
}

Phrase fieldPlace(const QString &path)
{
    static const QRegularExpression indexed(QRegularExpression::anchoredPattern(
        QStringLiteral("(unit\\.userbands|receivers|transponders)\\[([0-9]+)\\](?:\\.(\\w+))?")));
    const QRegularExpressionMatch m = indexed.match(path);
    if (!m.hasMatch()) {
        if (path == QLatin1String("unit.userbands"))
            return Phrase(PHRASE_WORDS("Phrase", "userbands"));
        if (path == QLatin1String("unit.bandwidth"))
            return Phrase(PHRASE_WORDS("Phrase", "bandwidth"));
        if (path == QLatin1String("unit.standard"))
            return Phrase(PHRASE_WORDS("Phrase", "the unit's standard"));
        if (path.startsWith(QLatin1String("positions.")))
            return Phrase(PHRASE_WORDS("Phrase", "position %1"), {plain(path.mid(10))});
        return plain(path);
    }
    const int n = m.captured(2).toInt() + 1;
    const QString list = m.captured(1);
    if (list == QLatin1String("unit.userbands"))
        return Phrase(PHRASE_WORDS("Phrase", "userband %1"), {number(n)});
    if (list == QLatin1String("transponders"))
        return Phrase(PHRASE_WORDS("Phrase", "transponder %1"), {number(n)});
    const QString key = m.captured(3);
    const Phrase receiver(PHRASE_WORDS("Phrase", "receiver %1"), {number(n)});
    if (key == QLatin1String("userband"))
        return Phrase(PHRASE_WORDS("Phrase", "%1, userband"), {receiver});
    if (key == QLatin1String("standard"))
        return Phrase(PHRASE_WORDS("Phrase", "%1, standard"), {receiver});
    if (key == QLatin1String("pin"))
        return Phrase(PHRASE_WORDS("Phrase", "%1, PIN"), {receiver});
    if (key == QLatin1String("name"))
        return Phrase(PHRASE_WORDS("Phrase", "%1, name"), {receiver});
    return receiver;
}

Phrase fieldProblem(const PlanError &error)
{
    return error.path().isEmpty() ? error.why()
                                  : Phrase(PHRASE_WORDS("Phrase", "%1: %2"),
                                           {fieldPlace(error.path()), error.reason()});
}

Plan planFromFields(const PlanFields &f)
{
    Plan p;
    p.installation = f.installation.trimmed();
    if (!parseStandard(f.standard.toStdString(), p.standard))
        wrong(QStringLiteral("unit.standard"), notAStandard(f.standard));
    p.bandwidth = f.bandwidth;
    p.userbands = userbandsFromText(f.userbands);
    p.positions = positionsFromText(f.positions);
    p.transponders = transpondersFromText(f.transponders);
    for (int row = 0; row < f.receivers.size(); ++row) {
        const QStringList &cells = f.receivers[row];
        const auto cell = [&cells](int column) { return cells.value(column).trimmed(); };
        p.receivers << receiverFromText(row, cell(NameCell), cell(UserbandCell), cell(StandardCell),
                                        cell(PinCell), p.standard);
    }
    validatePlan(p);
    return p;
}

PlanFields fieldsOf(const Plan &plan)
{
    PlanFields f{plan.installation,
                 QString::fromLatin1(standardName(plan.standard)),
                 userbandsText(plan.userbands),
                 plan.bandwidth,
                 positionsText(plan.positions),
                 transpondersText(plan.transponders),
                 {}};
    for (const Plan::Receiver &r : plan.receivers)
        f.receivers << QStringList{r.name, QString::number(r.userband),
                                   receiverStandardText(r, plan.standard),
                                   r.pin ? QString::number(*r.pin) : QString()};
    return f;
}
