#include "messagelist.h"

#include "messagecells.h"
#include "signalview.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

MessageList::MessageList(const Parts &parts, std::function<Failure(const Command &)> applyTo,
                         QObject *parent)
    : QObject(parent), ui(parts), apply(std::move(applyTo))
{
    connect(ui.table, &QTableWidget::itemSelectionChanged, this, &MessageList::selected);
    connect(ui.apply, &QPushButton::clicked, this, &MessageList::applySelected);
}

void MessageList::clear()
{
    entries.clear();
    ui.table->setRowCount(0);
    ui.picture->setCommand({}, QString());
    ui.apply->setEnabled(false);
}

void MessageList::add(ReadMessage read, const std::string &unit, const QString &last,
                      bool unexpected)
{
    const int row = ui.table->rowCount();
    ui.table->insertRow(row);
    setMessageRow(ui.table, row, messageCells(read, unit) << last, read);
    if (unexpected) {
        QTableWidgetItem *cell = ui.table->item(row, ui.table->columnCount() - 1);
        QFont font = cell->font();
        font.setBold(true);
        cell->setFont(font);
        cell->setForeground(QColor(170, 20, 20));
    }
    entries.push_back(std::move(read));
}

void MessageList::added()
{
    ui.table->resizeColumnsToContents();
    if (!entries.empty() && ui.table->currentRow() < 0)
        ui.table->selectRow(0);
}

void MessageList::linkReplies()
{
    ::linkReplies(entries);
}

void MessageList::selected()
{
    const int row = ui.table->currentRow();
    const ReadMessage *read =
        row >= 0 && row < int(entries.size()) ? &entries[std::size_t(row)] : nullptr;
    ui.picture->setEntry(read);
    // Only a command read whole is one the main window can show.
    ui.apply->setEnabled(read && read->clean() && read->command);
}

void MessageList::applySelected()
{
    const int row = ui.table->currentRow();
    if (row < 0 || row >= int(entries.size()) || !entries[std::size_t(row)].command)
        return;
    const Failure why = apply(*entries[std::size_t(row)].command);
    ui.status->setText(!why ? tr("Shown in the main window.")
                            : tr("The main window cannot show it: %1").arg(*why));
}
