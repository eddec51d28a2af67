#include "messagereport.h"

#include "hextext.h"

#include <QJsonValue>

#include <cmath>

QString plainReport(const std::vector<CommandField> &fields)
{
    QString text;
    for (const CommandField &field : fields) {
        if (!field.label.empty())
            text += QStringLiteral("%1: %2\n")
                        .arg(QString::fromStdString(field.label.text()),
                             QString::fromStdString(field.shown.text()));
    }
    return text;
}

QString frameText(const diseqc::FrameReading &reading)
{
    return QStringLiteral("%1\nNot a single-cable command: %2\n%3")
        .arg(QString::fromStdString(reading.meaning.text()),
             QString::fromStdString(reading.notSingleCable.text()), plainReport(reading.fields));
}

QJsonObject frameJson(const diseqc::FrameReading &reading)
{
    QJsonObject root = jsonReport(reading.fields);
    root.insert("kind", reading.kind == diseqc::FrameKind::Reply ? "reply" : "DiSEqC command");
    root.insert("meaning", QString::fromStdString(reading.meaning.text()));
    root.insert("notSingleCable", QString::fromStdString(reading.notSingleCable.text()));
    return root;
}

QJsonObject jsonReport(const std::vector<CommandField> &fields)
{
    QJsonObject root;
    for (const CommandField &field : fields) {
        const QString key = QString::fromStdString(field.key);
        switch (field.kind) {
        case CommandField::Text:
            root.insert(key, QString::fromStdString(field.text));
            break;
        case CommandField::Number:
            root.insert(key, double(field.number));
            break;
        case CommandField::Missing:
            root.insert(key, QJsonValue::Null);
            break;
        }
    }
    return root;
}

QString answersText(int number, const std::vector<std::uint8_t> &bytes)
{
    return QStringLiteral("message %1, %2")
        .arg(number)
        .arg(QString::fromStdString(bytesToHexText(bytes)).trimmed());
}

double entryEnd(const ReadMessage &read)
{
    const linesignal::Message &m = read.message;
    if (m.damaged)
        return m.damaged->end;
    return m.start + (read.tone() ? m.toneLength : m.bitCount * m.bitPeriod);
}

namespace {

QString supplyText(const linesignal::Message &m, const QString &unit, QJsonObject &entry)
{
    if (!m.hasSupply)
        return {};
    entry.insert("supplyBefore", std::round(m.supplyBefore * 1000) / 1000);
    entry.insert("supplyDuring", std::round(m.supplyDuring * 1000) / 1000);
    entry.insert("supplyUnit", unit);
    return QStringLiteral("Supply: %1 %3 before, %2 %3 during\n")
        .arg(m.supplyBefore, 0, 'f', 2)
        .arg(m.supplyDuring, 0, 'f', 2)
        .arg(unit);
}

QString toneLevelText(const ReadMessage &read, const QString &unit, QJsonObject &entry)
{
    entry.insert("tonePeakToPeak", std::round(read.message.tonePeakToPeak * 1000) / 1000);
    entry.insert("toneUnit", unit);
    if (read.toneLevel.empty())
        return {};
    entry.insert("toneWarning", QString::fromStdString(read.toneLevel.text()));
    return QStringLiteral("Warning: %1\n").arg(QString::fromStdString(read.toneLevel.text()));
}

// The meaning goes into the text only where the heading does not say it.
QString notSingleCableText(const ReadMessage &read, bool meaningLine, QJsonObject &entry)
{
    QString text;
    if (!read.meaning.empty()) {
        if (meaningLine)
            text +=
                QStringLiteral("Meaning: %1\n").arg(QString::fromStdString(read.meaning.text()));
        entry.insert("meaning", QString::fromStdString(read.meaning.text()));
    }
    if (!read.notSingleCable.empty()) {
        text += QStringLiteral("Not a single-cable command: %1\n")
                    .arg(QString::fromStdString(read.notSingleCable.text()));
        entry.insert("notSingleCable", QString::fromStdString(read.notSingleCable.text()));
    }
    return text;
}

} // namespace

MessageReport reportMessage(const ReadMessage &read, int number, const QString &unit,
                            int userbandFrequency, const QString &answers)
{
    MessageReport report;
    const linesignal::Message &m = read.message;
    if (read.tone()) {
        QJsonObject entry{{"tone", true},
                          {"start", std::round(m.start * 1e6) / 1e6},
                          {"length", std::round(m.toneLength * 1e6) / 1e6},
                          {"toneFrequency", std::round(m.toneFrequency)}};
        QString text = QStringLiteral("Tone at %1 ms: %2\n")
                           .arg(m.start * 1e3, 0, 'f', 2)
                           .arg(QString::fromStdString(read.meaning.text()));
        text += QStringLiteral("Tone: %1 kHz, %2 %3 peak to peak; %4 ms long\n")
                    .arg(m.toneFrequency / 1e3, 0, 'f', 2)
                    .arg(m.tonePeakToPeak, 0, 'f', unit == QLatin1String("V") ? 2 : 3)
                    .arg(unit)
                    .arg(m.toneLength * 1e3, 0, 'f', 1);
        text += toneLevelText(read, unit, entry);
        text += supplyText(m, unit, entry);
        text += notSingleCableText(read, false, entry);
        report.text = text;
        report.json = entry;
        return report;
    }
    if (const std::optional<linesignal::DamagedSpan> &span = m.damaged) {
        // A span of its own: it damages no command.
        report.text = QStringLiteral("Damaged span from %1 to %2 ms: its samples are not "
                                     "numbers or are clipped%3\n")
                          .arg(m.start * 1e3, 0, 'f', 3)
                          .arg(span->end * 1e3, 0, 'f', 3)
                          .arg(span->places > 1 ? QStringLiteral(" in %1 places").arg(span->places)
                                                : QString());
        report.json = QJsonObject{{"damagedSpan", true},
                                  {"start", std::round(m.start * 1e6) / 1e6},
                                  {"end", std::round(span->end * 1e6) / 1e6},
                                  {"places", span->places},
                                  {"error", QString::fromStdString(m.error.text())}};
        return report;
    }
    const QString hex = QString::fromStdString(bytesToHexText(m.bytes));
    QJsonObject entry{
        {"start", std::round(m.start * 1e6) / 1e6},
        {"bytes", hex},
        {"bits", m.bitCount},
        {"everyBitHeld", read.clean()},
        {"toneFrequency", std::round(m.toneFrequency)},
        {"bitPeriod", std::round(m.bitPeriod * 1e6) / 1e6},
        {"timingSpread", std::round(m.timingSpread * 1000) / 1000},
    };
    QString text = QStringLiteral("Message %1 at %2 ms: %3\n")
                       .arg(number)
                       .arg(m.start * 1e3, 0, 'f', 2)
                       .arg(hex);
    if (read.clean()) {
        text += QStringLiteral("Every bit and parity bit held\n");
    } else {
        text += QStringLiteral("Damaged: %1\n").arg(QString::fromStdString(m.error.text()));
        entry.insert("error", QString::fromStdString(m.error.text()));
        if (m.errorByte >= 0) {
            entry.insert("errorByte", m.errorByte + 1);
            entry.insert("errorBit", m.errorBit + 1);
        }
    }
    text += QStringLiteral("Tone: %1 kHz, %4 %5 peak to peak; bit period %2 ms, slots within %3 % "
                           "of it\n")
                .arg(m.toneFrequency / 1e3, 0, 'f', 2)
                .arg(m.bitPeriod * 1e3, 0, 'f', 3)
                .arg(m.timingSpread * 100, 0, 'f', 1)
                .arg(m.tonePeakToPeak, 0, 'f', unit == QLatin1String("V") ? 2 : 3)
                .arg(unit);
    text += toneLevelText(read, unit, entry);
    text += supplyText(m, unit, entry);
    if (read.command) {
        const auto fields = describeCommand(*read.command, userbandFrequency);
        text += plainReport(fields);
        entry.insert("command", jsonReport(fields));
        if (!read.warning.empty()) {
            text +=
                QStringLiteral("Warning: %1\n").arg(QString::fromStdString(read.warning.text()));
            entry.insert("warning", QString::fromStdString(read.warning.text()));
        }
    } else {
        text += notSingleCableText(read, true, entry);
        if (!answers.isEmpty()) {
            text += QStringLiteral("Answers %1\n").arg(answers);
            entry.insert("answers", answers);
        }
    }
    report.text = text;
    report.json = entry;
    return report;
}
