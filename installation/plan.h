#pragma once

#include "command.h"
#include "shown.h"
#include "transponder.h"

#include <QMap>
#include <QString>
#include <QVector>

#include <cstdint>
#include <stdexcept>
#include <vector>

// A single-cable installation as a plan file describes it: the outdoor
// unit's userbands, the receivers on them, and the transponders they watch.
struct Plan
{
    struct Receiver
    {
        QString name;
        int userband = 0; // number, from 1
        Standard standard = Standard::En50494;
        Pin pin; // as written; the checks judge its range

        bool operator==(const Receiver &o) const
        {
            return name == o.name && userband == o.userband && standard == o.standard &&
                   pin == o.pin;
        }
    };

    QString installation;
    Standard standard = Standard::En50494; // the unit's
    QVector<int> userbands;                // centre frequencies in MHz, by number from 1
    int bandwidth = 0;                     // MHz; 0 when not given
    QMap<int, QString> positions;          // labels by position 0..63
    QVector<Receiver> receivers;
    QVector<Transponder> transponders; // each in its band

    bool operator==(const Plan &o) const
    {
        return installation == o.installation && standard == o.standard &&
               userbands == o.userbands && bandwidth == o.bandwidth && positions == o.positions &&
               receivers == o.receivers && transponders == o.transponders;
    }
};

// What is wrong with a plan file, with the key's path ("receivers[2].pin")
// or the place of bad JSON; without the file's name.
class PlanError : public PhraseError
{
public:
    explicit PlanError(Phrase reason) : PhraseError(reason), because(std::move(reason)) {}
    // What is wrong with the value at `path`, a key of the plan file
    // ("receivers[0].pin"); why() names it as the file does.
    PlanError(const QString &path, Phrase reason);
    // Empty when the error names no key.
    QString path() const { return where; }
    const Phrase &reason() const { return because; }

private:
    QString where;
    Phrase because;
};

// A plan holds at most these; far beyond any installation.
constexpr int kPlanMaxUserbands = 32;
constexpr int kPlanMaxReceivers = 64;
constexpr int kPlanMaxTransponders = 500;
constexpr int kPlanMinBandwidth = 1, kPlanMaxBandwidth = 1200; // MHz; 0: not given

// What a plan must be to be a plan at all, whoever made it: at least one
// and at most kPlanMaxUserbands userbands, at most kPlanMaxReceivers
// receivers and kPlanMaxTransponders transponders, a bandwidth of
// kPlanMinBandwidth..kPlanMaxBandwidth MHz or none, positions 0..63, and
// every transponder in its band. Throws PlanError naming the key, as the
// reader does. Values the checks judge (a PIN of 300, a userband the unit
// lacks) pass.
void validatePlan(const Plan &plan);

// What the checks found, with the receivers, userbands and transponders it
// concerns as values.
struct Finding
{
    enum Kind
    {
        // Errors.
        UserbandFrequency, // a userband outside the cable's range
        UserbandsTooClose, // two userbands closer than the bandwidth
        NoSuchUserband,    // a receiver on a userband the unit lacks
        UserbandBeyondStandard,
        PositionBeyondStandard,
        StandardBeyondUnit, // an EN 50607 receiver on an EN 50494 unit
        PinOutOfRange,
        SharedUserband, // receivers on one userband
                        // Notes.
        FreeUserband,
        CappedIntermediateFrequency, // EN 50607 sends it as 2147 MHz
    };
    Kind kind;
    QVector<int> receivers;    // indices into Plan::receivers
    QVector<int> userbands;    // numbers, from 1
    QVector<int> transponders; // indices into Plan::transponders
    Phrase text;

    bool isError() const { return kind < FreeUserband; }
};
QVector<Finding> checkPlan(const Plan &plan);

// Whom a finding is about, as the report names it: "receiver 'Küche'",
// "userband 3", "userbands 1 and 2", "transponder B 12188V".
Phrase findingSubject(const Plan &plan, const Finding &finding);

// One row of the table of commands: a receiver watching a transponder.
struct PlanRow
{
    int receiver; // index into Plan::receivers
    int transponder;
    Command command; // the channel change, where it has a frame
    Frame frame;     // empty when there is no command
    Phrase problem;  // why there is none
    int landing = 0; // MHz: where the transponder lands in the cable

    bool encoded() const { return !frame.empty(); }
    // The frame's hex text, its PIN byte written "PIN" unless `showPin`;
    // empty when there is no command.
    QString hexText(bool showPin = true) const;
};
QVector<PlanRow> planTable(const Plan &plan);

// Whose a command heard on the cable is, by the plan: the receiver on its
// userband with its standard, and the transponder whose command it is
// exactly; a receiver's switch-off is one of its own too.
struct PlanMatch
{
    int receiver = -1;    // index into Plan::receivers; -1: no receiver sends on it
    int transponder = -1; // index into Plan::transponders
    bool switchOff = false;
    Phrase text; // "receiver 'Küche', A 11493H", or why it is none of the plan's

    bool expected() const { return receiver >= 0 && (transponder >= 0 || switchOff); }
};
PlanMatch matchCommand(const Plan &plan, const Command &command);
// A receiver heard sending what no single-cable unit acts on (a DiSEqC
// switch or positioner command, a tone burst, the continuous tone): flagged.
PlanMatch notSingleCableMatch();

// Whether the unit has a userband of this number.
bool hasUserband(const Plan &plan, int userband);
// That userband's centre frequency in MHz, as a heard EN 50494 command is
// read with; 0 when the unit has none of that number.
int userbandCentre(const Plan &plan, int userband);

// Reads "11493H", "B 12188V" or "5 12188V" in its band, as a plan holds
// it; throws PlanError saying why at `path`.
Transponder transponderFromText(const QString &text, const QString &path);

// "B 12188V": the position always written.
QString transponderLabel(const Transponder &transponder);
