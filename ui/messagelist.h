#pragma once

#include "command.h"
#include "failure.h"
#include "recording.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class SignalView;

// The list of messages that the recording reader and Listen both show, on
// their own table, picture, Apply button and status line: a row for each
// message, the selected one drawn, and Apply putting its command into the
// main window.
class MessageList : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QTableWidget *table;
        SignalView *picture;
        QPushButton *apply;
        QLabel *status;
    };
    MessageList(const Parts &parts, std::function<Failure(const Command &)> applyTo,
                QObject *parent);

    void clear();
    // A row for `read`: its cells, then `last` in the column after them;
    // `unexpected` makes that cell stand out.
    void add(ReadMessage read, const std::string &unit, const QString &last,
             bool unexpected = false);
    // After the rows added: the columns fitted, and the first row selected
    // when none is.
    void added();
    const std::vector<ReadMessage> &messages() const { return entries; }
    // Replies joined to the commands that asked for them.
    void linkReplies();

private:
    void selected();
    void applySelected();

    Parts ui;
    std::function<Failure(const Command &)> apply;
    std::vector<ReadMessage> entries;
};
