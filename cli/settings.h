#pragma once

#include "bands.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QVector>

#include <string>

class QCommandLineParser;

// The settings of one receiver's command as the encode and wave commands read
// them from their options, with the window's defaults.
struct Settings
{
    bool powerOff = false;
    bool vertical = false;
    bool lowBand = false;
    int position = 0;
    int transponderFrequency = bands::kHighBandMin; // 0 when the IF was given directly
    int ifFrequency = bands::intermediateFrequency(bands::kHighBandMin, false);
    int userbandNumber = 1;
    int userbandFrequency = 1284;
    int pin = -1;
};

// A standard's answer for the settings: its frame's hex text, or a result code.
struct Outcome
{
    const char *standard;
    const char *jsonKey;
    int code;
    std::string hex;
};

// The options that set a command, shared by encode and wave.
QList<QCommandLineOption> commandOptions();

// Reads those options; throws UsageError for a value it cannot take.
Settings readSettings(const QCommandLineParser &parser);

// "en50494", "en50607" or, where `bothAllowed`, "both".
QString parseStandard(const QString &value, bool bothAllowed = true);

// The command of each requested standard ("both" or one of them).
QVector<Outcome> encode(const Settings &settings, const QString &standard);

// The frame's hex text, or the window's message for a value it cannot carry.
QString outcomeText(const Outcome &outcome);
