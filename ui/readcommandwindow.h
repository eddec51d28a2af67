#pragma once

#include "command.h"
#include "failure.h"

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
    // `apply` puts a command, read with a userband frequency, into the main
    // window and returns why it could not, or nothing; `userbandFrequency`
    // gives the main window's for a userband, which an EN 50494 tuning word
    // needs for the intermediate frequency. The window shows it in a field
    // of its own, which the installer may change.
    ReadCommandWindow(std::function<Failure(const Command &, int)> apply,
                      std::function<int(int)> userbandFrequency, QWidget *parent = nullptr);
    ~ReadCommandWindow() override;

private slots:
    // Connected by name when the form is built.
    void on_lineEditBytes_textChanged();
    void on_spinBoxUserbandFrequency_valueChanged(int);
    void on_pushButtonApply_clicked();

private:
    void showFields();

    std::function<Failure(const Command &, int)> apply;
    std::function<int(int)> userbandFrequency;
    Ui_ReadCommandWindow *ui;
    Command command;
    bool read = false;
    int readForUserband = 0; // the userband whose frequency the field holds
};
