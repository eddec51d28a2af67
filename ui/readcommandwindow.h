#pragma once

#include "command.h"

#include <QWidget>

#include <functional>

class Ui_ReadCommandWindow;

// Reads a command pasted, typed or dropped in any form the tool's decode
// takes, and explains it field by field as it is typed. Apply hands a
// channel change to the main window, which says why where it cannot show it.
class ReadCommandWindow : public QWidget
{
    Q_OBJECT

public:
    // `apply` puts a command into the main window and returns why it could
    // not, or nothing; `userbandFrequency` gives the main window's, which
    // an EN 50494 tuning word needs for the intermediate frequency.
    ReadCommandWindow(std::function<QString(const Command &)> apply,
                      std::function<int()> userbandFrequency, QWidget *parent = nullptr);
    ~ReadCommandWindow() override;

private slots:
    // Connected by name when the form is built.
    void on_lineEditBytes_textChanged();
    void on_pushButtonApply_clicked();

private:
    std::function<QString(const Command &)> apply;
    std::function<int()> userbandFrequency;
    Ui_ReadCommandWindow *ui;
    Command command;
    bool read = false;
};
