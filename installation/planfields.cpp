#include "planfields.h"

#include "planwords.h"
#include "shown.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <limits>

namespace {

using planwords::wrong;

// A whole number as a plan file would hold it: digits with an optional sign.
int wholeNumber(const QString &text, const QString &path)
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]{1,18}")));
    bool ok = false;
    const qlonglong value = number.match(text).hasMatch() ? text.toLongLong(&ok) : 0;
    if (!ok)
        wrong(path,
              QCoreApplication::translate("Plan", "%1 is not a whole number").arg(quoted(text)));
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        wrong(path, QCoreApplication::translate(
                        "Plan", "%1 is beyond the whole numbers a plan holds (%2..%3)")
                        .arg(value)
                        .arg(std::numeric_limits<int>::min())
                        .arg(std::numeric_limits<int>::max()));
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
                  QCoreApplication::translate("Plan", "no such position; use A to D, or 5 to 64"));
        if (positions.contains(position))
            wrong(QStringLiteral("positions.%1").arg(quoted(key)),
                  QCoreApplication::translate("Plan", "given more than once"));
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
        wrong(path + QStringLiteral(".standard"),
              QCoreApplication::translate("Plan", "%1 is not EN 50494 or EN 50607")
                  .arg(quoted(standard)));
    if (!pin.isEmpty())
        r.pin = wholeNumber(pin, path + QStringLiteral(".pin"));
    return r;
}

QString receiverStandardText(const Plan::Receiver &receiver, Standard unit)
{
    return receiver.standard == unit ? QString()
                                     : QString::fromLatin1(standardName(receiver.standard));
}

QString fieldPlace(const QString &path)
{
    static const QRegularExpression indexed(QRegularExpression::anchoredPattern(
        QStringLiteral("(unit\\.userbands|receivers|transponders)\\[([0-9]+)\\](?:\\.(\\w+))?")));
    const QRegularExpressionMatch m = indexed.match(path);
    if (!m.hasMatch()) {
        if (path == QLatin1String("unit.userbands"))
            return QCoreApplication::translate("Plan", "userbands");
        if (path == QLatin1String("unit.bandwidth"))
            return QCoreApplication::translate("Plan", "bandwidth");
        if (path == QLatin1String("unit.standard"))
            return QCoreApplication::translate("Plan", "the unit's standard");
        if (path.startsWith(QLatin1String("positions.")))
            return QCoreApplication::translate("Plan", "position %1").arg(path.mid(10));
        return path;
    }
    const int n = m.captured(2).toInt() + 1;
    const QString list = m.captured(1);
    if (list == QLatin1String("unit.userbands"))
        return QCoreApplication::translate("Plan", "userband %1").arg(n);
    if (list == QLatin1String("transponders"))
        return QCoreApplication::translate("Plan", "transponder %1").arg(n);
    const QString key = m.captured(3);
    const QString receiver = QCoreApplication::translate("Plan", "receiver %1").arg(n);
    if (key == QLatin1String("userband"))
        return QCoreApplication::translate("Plan", "%1, userband").arg(receiver);
    if (key == QLatin1String("standard"))
        return QCoreApplication::translate("Plan", "%1, standard").arg(receiver);
    if (key == QLatin1String("pin"))
        return QCoreApplication::translate("Plan", "%1, PIN").arg(receiver);
    if (key == QLatin1String("name"))
        return QCoreApplication::translate("Plan", "%1, name").arg(receiver);
    return receiver;
}

QString fieldProblem(const PlanError &error)
{
    return error.path().isEmpty() ? error.message()
                                  : QCoreApplication::translate("Plan", "%1: %2")
                                        .arg(fieldPlace(error.path()), error.reason());
}

Plan planFromFields(const PlanFields &f)
{
    Plan p;
    p.installation = f.installation.trimmed();
    if (!parseStandard(f.standard.toStdString(), p.standard))
        wrong(QStringLiteral("unit.standard"),
              QCoreApplication::translate("Plan", "%1 is not EN 50494 or EN 50607")
                  .arg(quoted(f.standard)));
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
