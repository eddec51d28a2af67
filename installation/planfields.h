#pragma once

#include "plan.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The parts of a plan as an editor's fields hold them, read and written by
// the plan library so that an editor builds exactly the plans the reader
// accepts. Each reader throws PlanError with the key's path, as readPlan
// does.

// A receiver's cells: its standard empty for the unit's, its PIN empty
// for none.
enum ReceiverCell
{
    NameCell,
    UserbandCell,
    StandardCell,
    PinCell,
};

// What an editor's fields hold, as typed: a plan or not yet one. Each edit
// is a step from one to the next, which the editor can undo.
struct PlanFields
{
    QString installation, standard, userbands;
    int bandwidth = 0;
    QString positions, transponders;
    // Each receiver's cells, in the order of ReceiverCell.
    QVector<QStringList> receivers;

    bool operator==(const PlanFields &o) const
    {
        return installation == o.installation && standard == o.standard &&
               userbands == o.userbands && bandwidth == o.bandwidth && positions == o.positions &&
               transponders == o.transponders && receivers == o.receivers;
    }
    bool operator!=(const PlanFields &o) const { return !(*this == o); }
};

// The plan the fields make; throws PlanError naming the key, as readPlan
// does, so that an editor builds exactly the plans the reader accepts.
Plan planFromFields(const PlanFields &fields);
// A plan in the fields, as planFromFields reads them back.
PlanFields fieldsOf(const Plan &plan);

// "1284, 1400, 1516": userband centre frequencies in MHz, by number from 1;
// commas, semicolons or blanks between them.
QVector<int> userbandsFromText(const QString &text);
QString userbandsText(const QVector<int> &userbands);

// "A Astra 19.2E; B Hotbird 13E; 5 Türksat": each position (A to D, or 5 to
// 64) and its label, separated by semicolons.
QMap<int, QString> positionsFromText(const QString &text);
QString positionsText(const QMap<int, QString> &positions);

// "11493H, B 12188V": transponders as the plan file writes them, separated
// by commas or semicolons.
QVector<Transponder> transpondersFromText(const QString &text);
QString transpondersText(const QVector<Transponder> &transponders);

// A receiver from the cells of its row: its userband and PIN as numbers
// (an empty PIN: none), its standard as EN 50494 or EN 50607 (empty: the
// unit's). `index` counts from 0 for the path in messages.
Plan::Receiver receiverFromText(int index, const QString &name, const QString &userband,
                                const QString &standard, const QString &pin, Standard unit);
// The standard cell of a receiver: empty where it is the unit's.
QString receiverStandardText(const Plan::Receiver &receiver, Standard unit);

// Where in an editor's fields the value at a plan file's `path` is:
// "receiver 1, PIN" for "receivers[0].pin", lists counted from 1 as the
// fields show them; a path without a list index as it is.
Phrase fieldPlace(const QString &path);
// A PlanError in those words.
Phrase fieldProblem(const PlanError &error);

// A position key as a plan writes it: "A" to "D" in either case, or "5" to
// "64"; -1 for anything else.
int planPosition(const QString &key);
