#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// A single-cable installation as a plan file describes it: the outdoor
// unit's userbands, the receivers on them, and the transponders they watch.
struct Plan
{
    struct Receiver
    {
        QString name;
        int userband = 0; // number, from 1
        bool en50607 = false;
        bool hasPin = false;
        int pin = 0;
    };
    struct Transponder
    {
        QString text; // as written
        int position = 0;
        int frequency = 0; // MHz
        bool vertical = false;
        bool lowBand = false;
    };

    QString installation;
    bool en50607 = false;         // the unit's standard
    QVector<int> userbands;       // centre frequencies in MHz, by number from 1
    int bandwidth = 0;            // MHz; 0 when not given
    QMap<int, QString> positions; // labels by position 0..3
    QVector<Receiver> receivers;
    QVector<Transponder> transponders;
};

// Reads a plan from JSON. Unknown keys, wrong types and values that cannot
// be read at all throw UsageError with the key's path ("receivers[2].pin");
// values the checks judge (a PIN of 300, a userband the unit lacks) are read
// as they are.
Plan readPlan(const QByteArray &json);

// What the checks found, each about a receiver, a userband or a
// transponder.
struct Finding
{
    bool error;
    QString about; // "receiver 'Küche'", "userband 3", "transponder 12188V"
    QString text;
};
QVector<Finding> checkPlan(const Plan &plan);

// One row of the table of commands: a receiver watching a transponder.
struct PlanRow
{
    int receiver; // index into Plan::receivers
    int transponder;
    QString command; // the hex text, or why there is none
    bool encoded = false;
    int landing = 0; // MHz: where the transponder lands in the cable
};
QVector<PlanRow> planTable(const Plan &plan);

QString positionLetter(int position);
// "B 12188V": the position always written.
QString transponderName(const Plan::Transponder &transponder);
