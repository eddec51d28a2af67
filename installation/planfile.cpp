#include "planfile.h"

#include "bands.h"
#include "files.h"
#include "planfields.h"
#include "planwords.h"
#include "shown.h"
#include "strictjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

using planwords::beyondWholeNumbers;
using planwords::notAStandard;
using planwords::number;
using planwords::plain;
using planwords::wrong;

constexpr int kMaxPlanSize = 1 << 20;
const Phrase kTooLarge(PHRASE_WORDS("Phrase", "is larger than a plan can be (1 MiB)"));

// A typo such as "reciever" must not pass unnoticed.
void onlyKeys(const QJsonObject &object, const QString &path, const QStringList &keys)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key()))
            wrong(keyPath(path, quoted(it.key())),
                  Phrase(PHRASE_WORDS("Phrase", "no such key; use %1"),
                         {plain(keys.join(QLatin1String(", ")))}));
    }
}

QJsonObject object(const QJsonValue &value, const QString &path)
{
    if (!value.isObject())
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "must be an object")));
    return value.toObject();
}

// How many items a list may hold is validatePlan's to say.
QJsonArray array(const QJsonValue &value, const QString &path)
{
    if (!value.isArray())
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "must be a list")));
    return value.toArray();
}

QString text(const QJsonValue &value, const QString &path)
{
    if (!value.isString())
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "must be a text")));
    return value.toString();
}

int number(const QJsonValue &value, const QString &path)
{
    const double n = value.toDouble();
    if (!value.isDouble() || n != std::floor(n))
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "must be a whole number")));
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        wrong(path, beyondWholeNumbers(plain(QString::number(n, 'g', 15))));
    return int(n);
}

Standard standard(const QJsonValue &value, const QString &path)
{
    Standard standard;
    if (!parseStandard(text(value, path).toStdString(), standard))
        wrong(path, notAStandard(value.toString()));
    return standard;
}

QVector<int> userbands(const QJsonValue &value, const QString &path)
{
    QVector<int> frequencies;
    if (value.isObject()) {
        const QJsonObject preset = value.toObject();
        onlyKeys(preset, path, {"preset"});
        const QString listPath = keyPath(path, QStringLiteral("preset"));
        const int list = number(preset.value("preset"), listPath);
        if (list < 1 || list > 2)
            wrong(listPath, Phrase(PHRASE_WORDS("Phrase", "%1 is not a preset list; use 1 or 2"),
                                   {number(list)}));
        for (int n = 1; n <= bands::kPresetLists[list - 1].count; ++n)
            frequencies << bands::presetFrequency(list, n);
        return frequencies;
    }
    const QJsonArray items = array(value, path);
    for (int i = 0; i < items.size(); ++i)
        frequencies << number(items[i], QStringLiteral("%1[%2]").arg(path).arg(i));
    return frequencies;
}

} // namespace

Plan readPlan(const QByteArray &json)
{
    if (json.size() > kMaxPlanSize)
        throw PlanError(kTooLarge);
    if (json.trimmed().isEmpty())
        throw PlanError(Phrase(PHRASE_WORDS("Phrase", "is empty")));
    // A plan nests four deep; the bound keeps each key's path short.
    if (const std::optional<JsonFault> fault = strictJsonFault(json, 32)) {
        if (!fault->key.isEmpty())
            throw PlanError(fault->key, fault->why);
        throw PlanError(fault->why);
    }
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(json.startsWith("\xEF\xBB\xBF") ? json.mid(3) : json, &error);
    if (error.error != QJsonParseError::NoError)
        throw PlanError(plain(error.errorString()));
    if (!document.isObject())
        throw PlanError(Phrase(PHRASE_WORDS("Phrase", "is not a plan: it must hold one object")));

    Plan plan;
    const QJsonObject root = document.object();
    onlyKeys(root, {}, {"installation", "unit", "positions", "receivers", "transponders"});
    if (root.contains("installation"))
        plan.installation = text(root.value("installation"), "installation");
    if (!root.contains("unit"))
        throw PlanError(
            Phrase(PHRASE_WORDS("Phrase", "unit: missing; a plan names the outdoor unit")));
    const QJsonObject unit = object(root.value("unit"), "unit");
    onlyKeys(unit, "unit", {"standard", "userbands", "bandwidth"});
    if (!unit.contains("standard") || !unit.contains("userbands"))
        throw PlanError(
            Phrase(PHRASE_WORDS("Phrase", "unit: give its standard and its userbands")));
    plan.standard = standard(unit.value("standard"), "unit.standard");
    plan.userbands = userbands(unit.value("userbands"), "unit.userbands");
    if (unit.contains("bandwidth")) {
        plan.bandwidth = number(unit.value("bandwidth"), "unit.bandwidth");
        // 0 is how a plan says it has none; written, it must be one.
        if (plan.bandwidth == 0)
            wrong("unit.bandwidth",
                  Phrase(PHRASE_WORDS("Phrase", "0 MHz is not a bandwidth; use %1..%2"),
                         {number(kPlanMinBandwidth), number(kPlanMaxBandwidth)}));
    }
    if (root.contains("positions")) {
        const QJsonObject positions = object(root.value("positions"), "positions");
        for (auto it = positions.begin(); it != positions.end(); ++it) {
            const int position = planPosition(it.key());
            if (position < 0)
                wrong(keyPath(QStringLiteral("positions"), quoted(it.key())),
                      Phrase(PHRASE_WORDS("Phrase", "no such position; use A to D, or 5 to 64")));
            if (plan.positions.contains(position))
                wrong(keyPath(QStringLiteral("positions"), quoted(it.key())),
                      Phrase(PHRASE_WORDS("Phrase", "names a position another key names too")));
            plan.positions.insert(position, text(it.value(), "positions." + it.key()));
        }
    }
    if (!root.contains("receivers"))
        throw PlanError(
            Phrase(PHRASE_WORDS("Phrase", "receivers: missing; a plan lists its receivers")));
    const QJsonArray receivers = array(root.value("receivers"), "receivers");
    for (int i = 0; i < receivers.size(); ++i) {
        const QString path = QStringLiteral("receivers[%1]").arg(i);
        const QJsonObject r = object(receivers[i], path);
        onlyKeys(r, path, {"name", "userband", "standard", "pin"});
        if (!r.contains("name") || !r.contains("userband"))
            wrong(path, Phrase(PHRASE_WORDS("Phrase", "give its name and its userband")));
        Plan::Receiver receiver;
        receiver.name = text(r.value("name"), path + ".name");
        receiver.userband = number(r.value("userband"), path + ".userband");
        receiver.standard = r.contains("standard")
                                ? standard(r.value("standard"), path + ".standard")
                                : plan.standard;
        if (r.contains("pin"))
            receiver.pin = number(r.value("pin"), path + ".pin");
        plan.receivers << receiver;
    }
    if (root.contains("transponders")) {
        const QJsonArray items = array(root.value("transponders"), "transponders");
        for (int i = 0; i < items.size(); ++i) {
            const QString path = QStringLiteral("transponders[%1]").arg(i);
            plan.transponders << transponderFromText(text(items[i], path), path);
        }
    }
    validatePlan(plan);
    return plan;
}

Plan readPlanFile(const FilePath &path)
{
    const FileBytes file = readFile(path, kMaxPlanSize, kTooLarge);
    if (!file.ok())
        throw PlanError(file.error);
    return readPlan(file.bytes);
}

QByteArray planJson(const Plan &plan)
{
    QJsonObject root;
    if (!plan.installation.isEmpty())
        root.insert("installation", plan.installation);
    QJsonArray userbandList;
    for (const int f : plan.userbands)
        userbandList.append(f);
    QJsonObject unit{{"standard", QString::fromLatin1(standardName(plan.standard))},
                     {"userbands", userbandList}};
    if (plan.bandwidth > 0)
        unit.insert("bandwidth", plan.bandwidth);
    root.insert("unit", unit);
    if (!plan.positions.isEmpty()) {
        QJsonObject positions;
        for (auto it = plan.positions.begin(); it != plan.positions.end(); ++it)
            positions.insert(QString::fromStdString(positionName(it.key())), it.value());
        root.insert("positions", positions);
    }
    QJsonArray receivers;
    for (const Plan::Receiver &r : plan.receivers) {
        QJsonObject receiver{{"name", r.name}, {"userband", r.userband}};
        if (r.standard != plan.standard)
            receiver.insert("standard", QString::fromLatin1(standardName(r.standard)));
        if (r.pin)
            receiver.insert("pin", *r.pin);
        receivers.append(receiver);
    }
    root.insert("receivers", receivers);
    if (!plan.transponders.isEmpty()) {
        QJsonArray transponders;
        for (const Transponder &t : plan.transponders)
            transponders.append(QString::fromStdString(transponderText(t)));
        root.insert("transponders", transponders);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
