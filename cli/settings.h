#pragma once

#include "bands.h"
#include "command.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QVector>

#include <cstdint>
#include <string>
#include <vector>

class QCommandLineParser;

// The settings of one receiver's command as the encode and wave commands read
// them from their options, with the window's defaults.
struct Settings
{
    CommandKind kind = CommandKind::ChannelChange;
    int argument = -1; // --odu's configuration or oscillator code
    Tuning tuning;     // the userband and PIN of every kind, the rest of a channel change's
    int transponderFrequency = bands::kHighBandMin; // 0 when the IF was given directly
};

// A standard's answer for the settings: its frame, or why it has none.
struct Outcome
{
    Standard standard;
    Encoded encoded;
};

// The options that set a command, shared by encode and wave.
QList<QCommandLineOption> commandOptions();

// Reads those options; throws UsageError for a value it cannot take.
Settings readSettings(const QCommandLineParser &parser);

// "en50494", "en50607" or, where `bothAllowed`, "both": the standards
// named, in the order the tool prints them.
QVector<Standard> parseStandards(const QString &value, bool bothAllowed = true);

// The standards to compute for the settings: those `--standard` names
// (all when `value` is empty), narrowed to the one that has the command when
// it is not a channel change or switch-off. Throws UsageError when none is
// left.
QVector<Standard> standardsFor(const Settings &settings, const QString &value,
                               bool bothAllowed = true);

// "EN 50494", "EN 50494 switch-off", "EN 50494 ODU_Config": what a line of
// the answer is about.
QString outcomeName(const Settings &settings, const Outcome &outcome);

// The command of each of `standards`.
QVector<Outcome> encode(const Settings &settings, const QVector<Standard> &standards);

// The frame's hex text, or the window's message for a value it cannot carry.
QString outcomeText(const Outcome &outcome);
