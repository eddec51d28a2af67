#include "messagecells.h"

#include "commandkinds.h"
#include "hextext.h"
#include "phrasetext.h"
#include "standards.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <functional>

namespace {

// The texts keep the recording reader's context, where they were first
// translated.
QString translated(const char *text)
{
    return QCoreApplication::translate("ReadRecordingWindow", text);
}

// Its frequency and level, in volts or in full-scale units, and whether
// the level is outside what a receiver sends.
QString toneCell(const ReadMessage &read, const std::string &unit)
{
    const linesignal::Message &m = read.message;
    const QString frequency = phraseText(Phrase::decimal(m.toneFrequency / 1e3, 2));
    if (unit != "V")
        return translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "%1 kHz, %2 FS p-p"))
            .arg(frequency, phraseText(Phrase::decimal(m.tonePeakToPeak, 3)));
    const QString level = phraseText(Phrase::decimal(m.tonePeakToPeak, 2));
    if (read.toneLevel.empty())
        return translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "%1 kHz, %2 V p-p"))
            .arg(frequency, level);
    return translated(
               QT_TRANSLATE_NOOP("ReadRecordingWindow", "%1 kHz, %2 V p-p, outside %3..%4 V"))
        .arg(frequency, level, phraseText(Phrase::decimal(kLeastTonePeakToPeak, 1)),
             phraseText(Phrase::decimal(kMostTonePeakToPeak, 1)));
}

} // namespace

QStringList messageCells(const ReadMessage &read, const std::string &unit)
{
    const linesignal::Message &m = read.message;
    QString meaning;
    if (read.damagedSpan())
        meaning =
            translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "a damaged span, no message"));
    else if (!read.clean())
        meaning = translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "not read: damaged"));
    else if (read.command)
        meaning = QStringLiteral("%1 %2").arg(
            QLatin1String(standardName(read.command->standard)),
            phraseText(Phrase(commandKindInfo(read.command->kind).name)));
    else if (!read.meaning.empty())
        meaning = phraseText(read.meaning);
    else
        meaning =
            translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "not a single-cable command: %1"))
                .arg(phraseText(read.notSingleCable));
    // Every time in the row with the window's decimal sign, as in its sentences.
    const auto ms = [](double seconds) { return phraseText(Phrase::decimal(seconds * 1e3, 2)); };
    if (read.tone())
        return {QStringLiteral("%1 ms").arg(ms(m.start)), QString(),
                translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "%1 ms of tone, no bits"))
                    .arg(phraseText(Phrase::decimal(m.toneLength * 1e3, 1))),
                toneCell(read, unit), meaning};
    return {
        QStringLiteral("%1 ms").arg(ms(m.start)),
        QString::fromStdString(bytesToHexText(m.bytes)).trimmed(),
        read.damagedSpan()
            ? (m.damaged->places > 1
                   ? translated(QT_TRANSLATE_NOOP("ReadRecordingWindow",
                                                  "samples unreadable up to %1 ms, in %2 places"))
                         .arg(ms(m.damaged->end))
                         .arg(m.damaged->places)
                   : translated(
                         QT_TRANSLATE_NOOP("ReadRecordingWindow", "samples unreadable up to %1 ms"))
                         .arg(ms(m.damaged->end)))
        : m.error.empty() ? translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "every bit held"))
                          : phraseText(m.error),
        read.damagedSpan() ? QString() : toneCell(read, unit), meaning};
}

void setMessageRow(QTableWidget *table, int row, const QStringList &cells, const ReadMessage &read)
{
    const bool other = !read.damagedSpan() && read.clean() && !read.command;
    const QString why =
        other
            ? translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "Not a single-cable command: %1"))
                  .arg(phraseText(read.notSingleCable))
            : QString();
    for (int column = 0; column < cells.size(); ++column) {
        auto *item = new QTableWidgetItem(cells[column]);
        if (other) {
            QFont font = item->font();
            font.setItalic(true);
            item->setFont(font);
            item->setToolTip(why);
        }
        table->setItem(row, column, item);
    }
}

QString supplyCell(const ReadMessage &read, const std::string &unit)
{
    const linesignal::Message &m = read.message;
    if (unit != "V" || !m.hasSupply || read.damagedSpan())
        return QString();
    return translated(QT_TRANSLATE_NOOP("ReadRecordingWindow", "%1 V before, %2 V during"))
        .arg(phraseText(Phrase::decimal(m.supplyBefore, 2)),
             phraseText(Phrase::decimal(m.supplyDuring, 2)));
}

QByteArray tableCsv(const QTableWidget *table)
{
    const auto field = [](QString text) {
        if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
            text.contains(QLatin1Char('\n')))
            text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        return text;
    };
    const auto line = [&](const std::function<QString(int)> &cell) {
        QStringList fields;
        for (int column = 0; column < table->columnCount(); ++column)
            if (!table->isColumnHidden(column))
                fields << field(cell(column));
        return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    QString csv = line([table](int column) {
        const QTableWidgetItem *header = table->horizontalHeaderItem(column);
        return header ? header->text() : QString();
    });
    for (int row = 0; row < table->rowCount(); ++row)
        csv += line([table, row](int column) {
            const QTableWidgetItem *item = table->item(row, column);
            return item ? item->text() : QString();
        });
    return csv.toUtf8();
}
