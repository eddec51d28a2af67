#pragma once

#include "commanddescription.h"
#include "diseqc.h"
#include "recording.h"

#include <QJsonObject>
#include <QString>

#include <vector>

// A command's fields as text, one "Label: value" line each, and as JSON.
QString plainReport(const std::vector<CommandField> &fields);
QJsonObject jsonReport(const std::vector<CommandField> &fields);
// A DiSEqC frame that is no single-cable command: its meaning, why a
// single-cable unit ignores it, and its parts.
QString frameText(const diseqc::FrameReading &reading);
QJsonObject frameJson(const diseqc::FrameReading &reading);

// One message of a recording or of listening, as the tool prints it: where,
// its bytes, whether every bit held, the tone and timing measured, the
// supply (in `unit`) when there was one, and the command read from it; or a
// damaged span of its own. `number` counts the messages, spans aside.
struct MessageReport
{
    QString text;
    QJsonObject json;
};
// A tone without bits is an entry of its own too; `answers` names the
// command a reply answers ("message 3, E2 10 14"), empty when none.
MessageReport reportMessage(const ReadMessage &read, int number, const QString &unit,
                            int userbandFrequency, const QString &answers = {});
// The command a reply answers, as its report names it: "message 3, E2 10 14".
QString answersText(int number, const std::vector<std::uint8_t> &bytes);
// Where the entry's tone or bits end, in s.
double entryEnd(const ReadMessage &read);
