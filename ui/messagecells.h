#pragma once

#include "recording.h"

#include <QStringList>

#include <string>

// A message's row in the lists of the recording reader and of listening:
// when, its bytes, whether every bit held (or what went wrong), its tone
// (its level in `unit`: "V", or "FS" for sound files), and what it means.
QStringList messageCells(const ReadMessage &read, const std::string &unit);
// The supply before and during it, in volts, when an export in volts holds
// it; empty otherwise. A column of its own, after the others.
QString supplyCell(const ReadMessage &read, const std::string &unit);

class QTableWidget;
// The row's cells put into `table` at `row`. An entry that is no
// single-cable command (a DiSEqC frame, a tone burst, the continuous tone)
// reads in italics, with why a single-cable unit ignores it on each cell.
void setMessageRow(QTableWidget *table, int row, const QStringList &cells, const ReadMessage &read);
// The table's shown columns as CSV, headed by their titles: a list as the
// window shows it, for a spreadsheet.
QByteArray tableCsv(const QTableWidget *table);
