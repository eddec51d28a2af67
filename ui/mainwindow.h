#pragma once

#include "command.h"
#include "failure.h"

#include <QMainWindow>
#include <QPointer>

#include <string>

class ListenWindow;
class PlanWindow;
class ReadCommandWindow;
class ReadRecordingWindow;
class Ui_MainWindow;

// The program's window. It keeps no state of its own: the controls are the
// state, and every change recomputes the intermediate frequency and both
// commands from all of them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The size at which the window shows every control without scrolling.
    QSize wholeSize() const;

    // Opens a recording in the recording reader, as a file dropped on the
    // window does.
    void openRecording(const QString &path);
    // A file dropped here or on the plan window: a plan (.json) opens in the
    // plan window, anything else in the recording reader.
    void openDropped(const QString &path);

    // Sets the controls to a channel change read elsewhere, an EN 50494 one
    // read with `userbandFrequency` (0: userbandFrequencyFor its userband);
    // returns why the window cannot show it (a position beyond D, a
    // frequency outside the bands), or nothing.
    Failure applyCommand(const Command &command, int userbandFrequency = 0);
    // The userband frequency the window goes with for a userband: with
    // Automatic ticked, its preset list's (the list chosen, else list 1);
    // else the window's own.
    int userbandFrequencyFor(int userband) const;

private slots:
    // Connected by name when the form is built.
    void on_scrollBarSHF_valueChanged(int value);
    void on_comboBoxBand_currentIndexChanged(const QString &band);
    void on_scrollBarBandpassfreq_valueChanged(int value);
    void on_scrollBarTunerAddr_valueChanged(int value);
    void on_scrollBarPincode_valueChanged(int value);
    void on_buttonGroup_buttonClicked(int id);
    void on_groupBoxPinCode_toggled(bool checked);
    void on_comboBoxPol_currentIndexChanged(const QString &polarisation);
    void on_actionBeenden_triggered();
    void on_buttonBox_helpRequested();
    void on_comboBoxPos_currentIndexChanged(int index);
    void on_actionI_nfo_triggered();
    void on_spinBoxSHF_valueChanged(int value);
    void on_spinBoxBandpassfreq_valueChanged(int value);
    void on_spinBoxTunerAddr_valueChanged(int value);
    void on_spinBoxPincode_valueChanged(int value);
    void on_action_Inhalt_triggered();
    void on_actionSaveSignalA_triggered();
    void on_actionSaveSignalB_triggered();
    void on_actionReadCommand_triggered();
    void on_actionReadRecording_triggered();
    void on_actionPlan_triggered();
    void on_actionListen_triggered();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Closes the tool windows, asking to save an edited plan; false when
    // the user would rather keep working.
    bool closeTools();
    void updateCommands();
    // The channel change the controls ask for.
    Tuning tuning() const;
    // Why EN 50607's command carries another frequency than asked; empty
    // when it carries that one.
    QString tuningWordNote() const;
    void resetControls();
    void fitToScreen();
    void saveLineSignal(Standard standard);
    QString commandResultText(int code, const std::string &text) const;

    Ui_MainWindow *ui;
    QPointer<QDialog> help;
    QPointer<ReadCommandWindow> reader;
    QPointer<ReadRecordingWindow> recordings;
    QPointer<PlanWindow> planner;
    QPointer<ListenWindow> listening;
    QSize fittedFrame; // the frame fitToScreen last allowed for
    ReadRecordingWindow *recordingWindow();
};
