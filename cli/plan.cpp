#include "plan.h"

#include "bands.h"
#include "commanddecoding.h"
#include "commandencoding.h"
#include "commands.h"
#include "values.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any installation: one outdoor unit has at most 32 userbands.
constexpr int kMaxPlanSize = 1 << 20;
constexpr int kMaxReceivers = 64;
constexpr int kMaxTransponders = 500;
constexpr int kMaxUserbands = bands::kUserbandNumberMax;

[[noreturn]] void wrong(const QString &path, const QString &what)
{
    throw UsageError(QStringLiteral("%1: %2").arg(path, what));
}

QString keyPath(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

// A typo such as "reciever" must not pass unnoticed.
void onlyKeys(const QJsonObject &object, const QString &path, const QStringList &keys)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key()))
            wrong(keyPath(path, quoted(it.key())),
                  QStringLiteral("no such key; use %1").arg(keys.join(QLatin1String(", "))));
    }
}

QJsonObject object(const QJsonValue &value, const QString &path)
{
    if (!value.isObject())
        wrong(path, QStringLiteral("must be an object"));
    return value.toObject();
}

QJsonArray array(const QJsonValue &value, const QString &path, int most)
{
    if (!value.isArray())
        wrong(path, QStringLiteral("must be a list"));
    const QJsonArray items = value.toArray();
    if (items.size() > most)
        wrong(path, QStringLiteral("holds %1 entries; a plan holds at most %2")
                        .arg(items.size())
                        .arg(most));
    return items;
}

QString text(const QJsonValue &value, const QString &path)
{
    if (!value.isString())
        wrong(path, QStringLiteral("must be a text"));
    return value.toString();
}

int number(const QJsonValue &value, const QString &path)
{
    const double n = value.toDouble();
    if (!value.isDouble() || n != std::floor(n) || std::abs(n) > 1e6)
        wrong(path, QStringLiteral("must be a whole number"));
    return int(n);
}

bool standard(const QJsonValue &value, const QString &path)
{
    QString name = text(value, path).toLower();
    name.remove(QLatin1Char(' '));
    if (name != QLatin1String("en50494") && name != QLatin1String("en50607"))
        wrong(path, QStringLiteral("%1 is not EN 50494 or EN 50607").arg(quoted(value.toString())));
    return name == QLatin1String("en50607");
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
            wrong(listPath, QStringLiteral("%1 is not a preset list; use 1 or 2").arg(list));
        for (int n = 1; n <= bands::kPresetLists[list - 1].count; ++n)
            frequencies << bands::presetFrequency(list, n);
        return frequencies;
    }
    const QJsonArray items = array(value, path, kMaxUserbands);
    for (int i = 0; i < items.size(); ++i)
        frequencies << number(items[i], QStringLiteral("%1[%2]").arg(path).arg(i));
    if (frequencies.isEmpty())
        wrong(path, QStringLiteral("names no userband"));
    return frequencies;
}

// "11493H", "B 12188V": position letter (A when none), MHz, polarisation.
Plan::Transponder transponder(const QJsonValue &value, const QString &path)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("(?:([A-D]) ?)?([0-9]{5}) ?([HV])")),
        QRegularExpression::CaseInsensitiveOption);
    Plan::Transponder t;
    t.text = text(value, path);
    const QRegularExpressionMatch match = form.match(t.text);
    if (!match.hasMatch())
        wrong(path, QStringLiteral("%1 is not a transponder; write it as 11493H or B 12188V")
                        .arg(quoted(t.text)));
    t.position = match.captured(1).isEmpty() ? 0 : match.captured(1).toUpper()[0].unicode() - 'A';
    t.frequency = match.captured(2).toInt();
    t.vertical = match.captured(3).toUpper() == QLatin1String("V");
    t.lowBand = t.frequency < bands::kHighBandMin;
    if (t.frequency < bands::kLowBandMin || t.frequency > bands::kHighBandMax)
        wrong(path, QStringLiteral("%1 MHz is outside both bands (%2..%3 MHz)")
                        .arg(t.frequency)
                        .arg(bands::kLowBandMin)
                        .arg(bands::kHighBandMax));
    return t;
}

} // namespace

QString positionLetter(int position)
{
    return QString(QChar('A' + position));
}

QString transponderName(const Plan::Transponder &t)
{
    return QStringLiteral("%1 %2%3")
        .arg(positionLetter(t.position))
        .arg(t.frequency)
        .arg(t.vertical ? QLatin1Char('V') : QLatin1Char('H'));
}

Plan readPlan(const QByteArray &json)
{
    if (json.size() > kMaxPlanSize)
        throw UsageError(QStringLiteral("is larger than a plan can be (1 MiB)"));
    if (json.trimmed().isEmpty())
        throw UsageError(QStringLiteral("is empty"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(error.offset);
        throw UsageError(QStringLiteral("line %1, column %2: %3")
                             .arg(before.count('\n') + 1)
                             .arg(error.offset - before.lastIndexOf('\n'))
                             .arg(error.errorString()));
    }
    if (!document.isObject())
        throw UsageError(QStringLiteral("is not a plan: it must hold one object"));

    Plan plan;
    const QJsonObject root = document.object();
    onlyKeys(root, {}, {"installation", "unit", "positions", "receivers", "transponders"});
    if (root.contains("installation"))
        plan.installation = text(root.value("installation"), "installation");
    if (!root.contains("unit"))
        throw UsageError(QStringLiteral("unit: missing; a plan names the outdoor unit"));
    const QJsonObject unit = object(root.value("unit"), "unit");
    onlyKeys(unit, "unit", {"standard", "userbands", "bandwidth"});
    if (!unit.contains("standard") || !unit.contains("userbands"))
        throw UsageError(QStringLiteral("unit: give its standard and its userbands"));
    plan.en50607 = standard(unit.value("standard"), "unit.standard");
    plan.userbands = userbands(unit.value("userbands"), "unit.userbands");
    if (unit.contains("bandwidth")) {
        plan.bandwidth = number(unit.value("bandwidth"), "unit.bandwidth");
        if (plan.bandwidth < 1 || plan.bandwidth > 1200)
            wrong("unit.bandwidth",
                  QStringLiteral("%1 MHz is not a bandwidth; use 1..1200").arg(plan.bandwidth));
    }
    if (root.contains("positions")) {
        const QJsonObject positions = object(root.value("positions"), "positions");
        onlyKeys(positions, "positions", {"A", "B", "C", "D"});
        for (auto it = positions.begin(); it != positions.end(); ++it)
            plan.positions.insert(it.key()[0].unicode() - 'A',
                                  text(it.value(), "positions." + it.key()));
    }
    if (!root.contains("receivers"))
        throw UsageError(QStringLiteral("receivers: missing; a plan lists its receivers"));
    const QJsonArray receivers = array(root.value("receivers"), "receivers", kMaxReceivers);
    for (int i = 0; i < receivers.size(); ++i) {
        const QString path = QStringLiteral("receivers[%1]").arg(i);
        const QJsonObject r = object(receivers[i], path);
        onlyKeys(r, path, {"name", "userband", "standard", "pin"});
        if (!r.contains("name") || !r.contains("userband"))
            wrong(path, QStringLiteral("give its name and its userband"));
        Plan::Receiver receiver;
        receiver.name = text(r.value("name"), path + ".name");
        receiver.userband = number(r.value("userband"), path + ".userband");
        receiver.en50607 = r.contains("standard")
                               ? standard(r.value("standard"), path + ".standard")
                               : plan.en50607;
        receiver.hasPin = r.contains("pin");
        if (receiver.hasPin)
            receiver.pin = number(r.value("pin"), path + ".pin");
        plan.receivers << receiver;
    }
    if (root.contains("transponders")) {
        const QJsonArray items =
            array(root.value("transponders"), "transponders", kMaxTransponders);
        for (int i = 0; i < items.size(); ++i)
            plan.transponders << transponder(items[i], QStringLiteral("transponders[%1]").arg(i));
    }
    return plan;
}

QVector<Finding> checkPlan(const Plan &plan)
{
    QVector<Finding> findings;
    const auto error = [&findings](const QString &about, const QString &text) {
        findings.append({true, about, text});
    };
    const int count = plan.userbands.size();
    for (int i = 0; i < count; ++i) {
        const int f = plan.userbands[i];
        if (f < bands::kUserbandFrequencyMin || f > bands::kUserbandFrequencyMax)
            error(QStringLiteral("userband %1").arg(i + 1),
                  QStringLiteral("%1 MHz is outside %2..%3 MHz")
                      .arg(f)
                      .arg(bands::kUserbandFrequencyMin)
                      .arg(bands::kUserbandFrequencyMax));
        for (int j = i + 1; j < count && plan.bandwidth > 0; ++j) {
            if (std::abs(plan.userbands[j] - f) < plan.bandwidth)
                error(QStringLiteral("userbands %1 and %2").arg(i + 1).arg(j + 1),
                      QStringLiteral("%1 and %2 MHz are closer than the %3 MHz bandwidth")
                          .arg(f)
                          .arg(plan.userbands[j])
                          .arg(plan.bandwidth));
        }
    }

    QStringList farPositions; // C and D, which EN 50494 cannot name
    for (int p = 2; p <= 3; ++p) {
        const bool used = plan.positions.contains(p) ||
                          std::any_of(plan.transponders.begin(), plan.transponders.end(),
                                      [p](const Plan::Transponder &t) { return t.position == p; });
        if (used)
            farPositions << positionLetter(p);
    }
    QMap<int, QStringList> onUserband;
    bool anyEn50607 = false;
    for (const Plan::Receiver &r : plan.receivers) {
        const QString about = QStringLiteral("receiver %1").arg(quoted(r.name));
        anyEn50607 = anyEn50607 || r.en50607;
        if (r.userband < 1 || r.userband > count)
            error(about, QStringLiteral("userband %1: the unit has userbands 1..%2")
                             .arg(r.userband)
                             .arg(count));
        else
            onUserband[r.userband] << quoted(r.name);
        if (!r.en50607 && r.userband > 8)
            error(about, QStringLiteral("EN 50494 has userbands 1..8, not %1").arg(r.userband));
        if (!r.en50607 && !farPositions.isEmpty())
            error(about, QStringLiteral("EN 50494 reaches positions A and B; the installation "
                                        "uses %1")
                             .arg(farPositions.join(QLatin1String(" and "))));
        if (r.en50607 && !plan.en50607)
            error(about, QStringLiteral("an EN 50607 receiver on an EN 50494 unit"));
        if (r.hasPin && (r.pin < bands::kPinMin || r.pin > bands::kPinMax))
            error(about, QStringLiteral("PIN %1 is outside 0..255").arg(r.pin));
    }
    for (auto it = onUserband.begin(); it != onUserband.end(); ++it) {
        if (it.value().size() > 1)
            error(QStringLiteral("userband %1").arg(it.key()),
                  QStringLiteral("receivers %1 share it")
                      .arg(it.value().join(QLatin1String(" and "))));
    }

    for (int n = 1; n <= count; ++n) {
        if (!onUserband.contains(n))
            findings.append({false, QStringLiteral("userband %1").arg(n), QStringLiteral("free")});
    }
    for (const Plan::Transponder &t : plan.transponders) {
        const int ifFrequency = bands::intermediateFrequency(t.frequency, t.lowBand);
        if (anyEn50607 && ifFrequency > 2147)
            findings.append({false, QStringLiteral("transponder %1").arg(transponderName(t)),
                             QStringLiteral("EN 50607 sends its intermediate frequency of %1 MHz "
                                            "as 2147 MHz")
                                 .arg(ifFrequency)});
    }
    return findings;
}

QVector<PlanRow> planTable(const Plan &plan)
{
    QVector<PlanRow> rows;
    for (int r = 0; r < plan.receivers.size(); ++r) {
        const Plan::Receiver &receiver = plan.receivers[r];
        const bool known = receiver.userband >= 1 && receiver.userband <= plan.userbands.size();
        const int centre = known ? plan.userbands[receiver.userband - 1] : 0;
        for (int t = 0; t < plan.transponders.size(); ++t) {
            const Plan::Transponder &tp = plan.transponders[t];
            PlanRow row{r, t, {}, false, 0};
            const int ifFrequency = bands::intermediateFrequency(tp.frequency, tp.lowBand);
            std::string hex;
            const int code =
                !known ? -1
                : receiver.hasPin &&
                        (receiver.pin < bands::kPinMin || receiver.pin > bands::kPinMax)
                    ? -2
                    : (receiver.en50607 ? encodeEn50607Command : encodeEn50494Command)(
                          hex, tp.vertical, tp.lowBand, tp.position, ifFrequency, centre,
                          receiver.userband - 1, receiver.hasPin ? receiver.pin : -1);
            std::vector<std::uint8_t> frame;
            DecodedCommand sent;
            std::string unused;
            if (code == EncodeOk && parseHexText(hex, frame, unused) &&
                decodeCommand(frame, sent, unused)) {
                row.command = QString::fromStdString(hex);
                row.encoded = true;
                // The unit moves the transponder to where the tuning word puts
                // it: EN 50494 in 4 MHz steps of the sum, EN 50607 to the
                // centre unless the intermediate frequency was capped.
                row.landing = receiver.en50607
                                  ? centre + ifFrequency - en50607IfFrequency(sent.tuningWord)
                                  : en50494FrequencySum(sent.tuningWord) - ifFrequency;
            } else {
                row.command = code == -1   ? QStringLiteral("no such userband")
                              : code == -2 ? QStringLiteral("PIN out of range")
                                           : resultMessage(code);
            }
            rows << row;
        }
    }
    return rows;
}
