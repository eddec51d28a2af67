#include "plan.h"

#include "bands.h"
#include "hextext.h"
#include "planfields.h"
#include "planwords.h"
#include "shown.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using planwords::number;
using planwords::plain;
using planwords::wrong;

// "'Küche' and 'Bad'", in the language of the words around it.
Phrase listed(const QStringList &items)
{
    Phrase list = plain(items.value(0));
    for (int i = 1; i < items.size(); ++i)
        list = Phrase(PHRASE_WORDS("Phrase", "%1 and %2"), {list, plain(items[i])});
    return list;
}

Phrase receiverNamed(const QString &name)
{
    return Phrase(PHRASE_WORDS("Phrase", "receiver %1"), {plain(quoted(name))});
}

void atMost(const QString &path, int count, int most)
{
    if (count > most)
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "holds %1 entries; a plan holds at most %2"),
                           {number(count), number(most)}));
}

} // namespace

Transponder transponderFromText(const QString &text, const QString &path)
{
    Transponder t;
    if (!parseTransponder(text.toStdString(), t))
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "%1 is not a transponder; write it as 11493H, "
                                                  "B 12188V or 5 12188V"),
                           {plain(quoted(text))}));
    if (!transponderInBands(t))
        wrong(path, Phrase(PHRASE_WORDS("Phrase", "%1 MHz is outside both bands (%2..%3 MHz)"),
                           {number(t.frequency), number(bands::kLowBandMin),
                            number(bands::kHighBandMax)}));
    return t;
}

QString transponderLabel(const Transponder &t)
{
    return QString::fromStdString(::transponderName(t));
}

void validatePlan(const Plan &plan)
{
    if (plan.userbands.isEmpty())
        wrong(QStringLiteral("unit.userbands"),
              Phrase(PHRASE_WORDS("Phrase", "names no userband")));
    atMost(QStringLiteral("unit.userbands"), plan.userbands.size(), kPlanMaxUserbands);
    if (plan.bandwidth != 0 &&
        (plan.bandwidth < kPlanMinBandwidth || plan.bandwidth > kPlanMaxBandwidth))
        wrong(
            QStringLiteral("unit.bandwidth"),
            Phrase(PHRASE_WORDS("Phrase", "%1 MHz is not a bandwidth; use %2..%3"),
                   {number(plan.bandwidth), number(kPlanMinBandwidth), number(kPlanMaxBandwidth)}));
    for (auto it = plan.positions.begin(); it != plan.positions.end(); ++it) {
        if (it.key() < 0 || it.key() >= standardPositions(Standard::En50607))
            wrong(QStringLiteral("positions"),
                  Phrase(PHRASE_WORDS("Phrase", "no such position; use A to D, or 5 to 64")));
    }
    atMost(QStringLiteral("receivers"), plan.receivers.size(), kPlanMaxReceivers);
    atMost(QStringLiteral("transponders"), plan.transponders.size(), kPlanMaxTransponders);
    for (int i = 0; i < plan.transponders.size(); ++i) {
        const Transponder &t = plan.transponders[i];
        if (t.position < 0 || t.position >= standardPositions(Standard::En50607) ||
            !transponderInBands(t))
            wrong(QStringLiteral("transponders[%1]").arg(i),
                  Phrase(PHRASE_WORDS("Phrase", "%1 MHz is outside the %2 band (%3..%4 MHz)"),
                         {number(t.frequency),
                          t.band == Band::Low ? Phrase(PHRASE_WORDS("Phrase", "low"))
                                              : Phrase(PHRASE_WORDS("Phrase", "high")),
                          number(bands::transponderMin(t.band)),
                          number(bands::transponderMax(t.band))}));
    }
}

bool hasUserband(const Plan &plan, int userband)
{
    return userband >= 1 && userband <= plan.userbands.size();
}

int userbandCentre(const Plan &plan, int userband)
{
    return hasUserband(plan, userband) ? plan.userbands[userband - 1] : 0;
}

QVector<Finding> checkPlan(const Plan &plan)
{
    QVector<Finding> findings;
    const auto add = [&findings](Finding::Kind kind, QVector<int> receivers, QVector<int> userbands,
                                 Phrase text) {
        findings.append({kind, std::move(receivers), std::move(userbands), {}, std::move(text)});
    };
    const int count = plan.userbands.size();
    for (int i = 0; i < count; ++i) {
        const int f = plan.userbands[i];
        if (f < bands::kUserbandFrequencyMin || f > bands::kUserbandFrequencyMax)
            add(Finding::UserbandFrequency, {}, {i + 1},
                Phrase(PHRASE_WORDS("Phrase", "%1 MHz is outside %2..%3 MHz"),
                       {number(f), number(bands::kUserbandFrequencyMin),
                        number(bands::kUserbandFrequencyMax)}));
        for (int j = i + 1; j < count && plan.bandwidth > 0; ++j) {
            if (std::abs(qint64(plan.userbands[j]) - f) < plan.bandwidth)
                add(Finding::UserbandsTooClose, {}, {i + 1, j + 1},
                    Phrase(PHRASE_WORDS("Phrase",
                                        "%1 and %2 MHz are closer than the %3 MHz bandwidth"),
                           {number(f), number(plan.userbands[j]), number(plan.bandwidth)}));
        }
    }

    // The positions that EN 50494 cannot name but the installation uses.
    constexpr int kEn50494Positions = standardPositions(Standard::En50494);
    QStringList farPositions;
    for (int p = kEn50494Positions; p < standardPositions(Standard::En50607); ++p) {
        const bool used = plan.positions.contains(p) ||
                          std::any_of(plan.transponders.begin(), plan.transponders.end(),
                                      [p](const Transponder &t) { return t.position == p; });
        if (used)
            farPositions << QString::fromStdString(positionName(p));
    }
    QMap<int, QVector<int>> onUserband;
    bool anyEn50607 = false;
    for (int i = 0; i < plan.receivers.size(); ++i) {
        const Plan::Receiver &r = plan.receivers[i];
        const bool en50494 = r.standard == Standard::En50494;
        anyEn50607 = anyEn50607 || !en50494;
        if (!hasUserband(plan, r.userband))
            add(Finding::NoSuchUserband, {i}, {},
                Phrase(PHRASE_WORDS("Phrase", "userband %1: the unit has userbands 1..%2"),
                       {number(r.userband), number(count)}));
        else
            onUserband[r.userband] << i;
        if (en50494 && r.userband > standardUserbands(Standard::En50494))
            add(Finding::UserbandBeyondStandard, {i}, {},
                Phrase(PHRASE_WORDS("Phrase", "EN 50494 has userbands 1..%1, not %2"),
                       {number(standardUserbands(Standard::En50494)), number(r.userband)}));
        if (en50494 && !farPositions.isEmpty())
            add(Finding::PositionBeyondStandard, {i}, {},
                Phrase(PHRASE_WORDS("Phrase",
                                    "EN 50494 reaches positions A and B; the installation uses %1"),
                       {listed(farPositions)}));
        if (!en50494 && plan.standard == Standard::En50494)
            add(Finding::StandardBeyondUnit, {i}, {},
                Phrase(PHRASE_WORDS("Phrase", "an EN 50607 receiver on an EN 50494 unit")));
        if (r.pin && (*r.pin < bands::kPinMin || *r.pin > bands::kPinMax))
            add(Finding::PinOutOfRange, {i}, {},
                Phrase(PHRASE_WORDS("Phrase", "PIN %1 is outside %2..%3"),
                       {number(*r.pin), number(bands::kPinMin), number(bands::kPinMax)}));
    }
    for (auto it = onUserband.begin(); it != onUserband.end(); ++it) {
        if (it.value().size() < 2)
            continue;
        QStringList names;
        for (const int i : it.value())
            names << quoted(plan.receivers[i].name);
        add(Finding::SharedUserband, it.value(), {it.key()},
            Phrase(PHRASE_WORDS("Phrase", "receivers %1 share it"), {listed(names)}));
    }

    for (int n = 1; n <= count; ++n) {
        if (!onUserband.contains(n))
            add(Finding::FreeUserband, {}, {n}, Phrase(PHRASE_WORDS("Phrase", "free")));
    }
    for (int t = 0; t < plan.transponders.size(); ++t) {
        const Transponder &tp = plan.transponders[t];
        const int ifFrequency = bands::intermediateFrequency(tp.frequency, tp.band);
        if (anyEn50607 && ifFrequency > kEn50607HighestExactIf)
            findings.append(
                {Finding::CappedIntermediateFrequency,
                 {},
                 {},
                 {t},
                 Phrase(
                     PHRASE_WORDS("Phrase",
                                  "EN 50607 sends its intermediate frequency of %1 MHz as %2 MHz"),
                     {number(ifFrequency), number(kEn50607HighestExactIf)})});
    }
    return findings;
}

Phrase findingSubject(const Plan &plan, const Finding &finding)
{
    switch (finding.kind) {
    case Finding::UserbandsTooClose:
        return Phrase(PHRASE_WORDS("Phrase", "userbands %1 and %2"),
                      {number(finding.userbands.value(0)), number(finding.userbands.value(1))});
    case Finding::UserbandFrequency:
    case Finding::SharedUserband:
    case Finding::FreeUserband:
        return Phrase(PHRASE_WORDS("Phrase", "userband %1"), {number(finding.userbands.value(0))});
    case Finding::CappedIntermediateFrequency:
        return Phrase(
            PHRASE_WORDS("Phrase", "transponder %1"),
            {plain(transponderLabel(plan.transponders.value(finding.transponders.value(0))))});
    default:
        return receiverNamed(plan.receivers.value(finding.receivers.value(0)).name);
    }
}

PlanError::PlanError(const QString &path, Phrase reason)
    : PhraseError(Phrase(PHRASE_WORDS("Phrase", "%1: %2"), {plain(path), reason})), where(path),
      because(std::move(reason))
{
}

PlanMatch notSingleCableMatch()
{
    PlanMatch match;
    match.text = Phrase(PHRASE_WORDS("Phrase", "not set to single-cable"));
    return match;
}

namespace {

// The channel change receiver `r` sends for transponder `t`; its problem
// says why there is none.
PlanRow plannedRow(const Plan &plan, int r, int t)
{
    const Plan::Receiver &receiver = plan.receivers[r];
    const Transponder &tp = plan.transponders[t];
    PlanRow row{r, t, {}, {}, {}, 0};
    if (!hasUserband(plan, receiver.userband)) {
        row.problem = Phrase(PHRASE_WORDS("Phrase", "no such userband"));
        return row;
    }
    const int centre = plan.userbands[receiver.userband - 1];
    const Tuning tuning = transponderTuning(tp, receiver.userband, centre, receiver.pin);
    const Built built = channelChange(receiver.standard, tuning);
    const Encoded encoded = built.ok() ? encode(built.command) : Encoded{{}, built.error};
    if (!encoded.ok()) {
        row.problem = encodeResultText(encoded.error);
        return row;
    }
    row.command = built.command;
    row.frame = encoded.frame;
    // The unit moves the transponder to where the tuning word puts it:
    // EN 50494 in 4 MHz steps of the sum, EN 50607 to the centre unless the
    // intermediate frequency was capped. A centre far off the cable (an
    // error of its own) must not overflow.
    const int word = built.command.tuningWord;
    const qint64 landing = receiver.standard == Standard::En50607
                               ? qint64(centre) + tuning.ifFrequency - en50607IfFrequency(word)
                               : qint64(en50494FrequencySum(word)) - tuning.ifFrequency;
    row.landing = int(
        qBound<qint64>(std::numeric_limits<int>::min(), landing, std::numeric_limits<int>::max()));
    return row;
}

} // namespace

PlanMatch matchCommand(const Plan &plan, const Command &command)
{
    PlanMatch match;
    for (int r = 0; r < plan.receivers.size() && match.receiver < 0; ++r) {
        const Plan::Receiver &receiver = plan.receivers[r];
        if (receiver.userband == command.userband && receiver.standard == command.standard)
            match.receiver = r;
    }
    if (match.receiver < 0) {
        match.text =
            Phrase(PHRASE_WORDS("Phrase", "no receiver of the plan sends %1 on "
                                          "userband %2"),
                   {Phrase::plainText(standardName(command.standard)), number(command.userband)});
        return match;
    }
    const Plan::Receiver &receiver = plan.receivers[match.receiver];
    const Phrase who = receiverNamed(receiver.name);
    if (command.kind != CommandKind::ChannelChange && command.kind != CommandKind::SwitchOff) {
        match.text = Phrase(PHRASE_WORDS("Phrase", "%1, but not a command it sends"), {who});
        return match;
    }
    if (command.kind == CommandKind::SwitchOff) {
        match.switchOff = command.pin == receiver.pin;
    } else {
        for (int t = 0; t < plan.transponders.size() && match.transponder < 0; ++t) {
            PlanRow row = plannedRow(plan, match.receiver, t);
            // A repeat and another address are the same command for the unit.
            row.command.repeated = command.repeated;
            row.command.address = command.address;
            if (row.encoded() && row.command == command)
                match.transponder = t;
        }
    }
    if (match.switchOff)
        match.text = Phrase(PHRASE_WORDS("Phrase", "%1, switching off"), {who});
    else if (command.kind == CommandKind::SwitchOff)
        match.text = Phrase(PHRASE_WORDS("Phrase", "%1, switching off with another PIN"), {who});
    else if (match.transponder >= 0)
        match.text = Phrase(PHRASE_WORDS("Phrase", "%1, %2"),
                            {who, plain(transponderLabel(plan.transponders[match.transponder]))});
    else
        match.text = Phrase(PHRASE_WORDS("Phrase", "%1, but for no transponder of the plan "
                                                   "(or with another PIN)"),
                            {who});
    return match;
}

QString PlanRow::hexText(bool showPin) const
{
    if (!encoded())
        return {};
    // The PIN is the last byte.
    if (command.pin && !showPin)
        return QString::fromStdString(bytesToHexText(Frame(frame.begin(), frame.end() - 1))) +
               QStringLiteral("PIN");
    return QString::fromStdString(bytesToHexText(frame));
}

QVector<PlanRow> planTable(const Plan &plan)
{
    QVector<PlanRow> rows;
    for (int r = 0; r < plan.receivers.size(); ++r)
        for (int t = 0; t < plan.transponders.size(); ++t)
            rows << plannedRow(plan, r, t);
    return rows;
}
