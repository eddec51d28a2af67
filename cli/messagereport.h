#pragma once

#include "commanddescription.h"
#include "recording.h"

#include <QJsonObject>
#include <QString>

#include <vector>

// A command's fields as text, one "Label: value" line each, and as JSON.
QString plainReport(const std::vector<CommandField> &fields);
QJsonObject jsonReport(const std::vector<CommandField> &fields);

// One message of a recording or of listening, as the tool prints it: where,
// its bytes, whether every bit held, the tone and timing measured, the
// supply (in `unit`) when there was one, and the command read from it; or a
// damaged span of its own. `number` counts the messages, spans aside.
struct MessageReport
{
    QString text;
    QJsonObject json;
};
MessageReport reportMessage(const ReadMessage &read, int number, const QString &unit,
                            int userbandFrequency);
