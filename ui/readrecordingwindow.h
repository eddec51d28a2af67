#pragma once

#include "command.h"
#include "failure.h"
#include "recording.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class MessageList;
class Background;
class Ui_ReadRecordingWindow;

// Reads the messages in a recording of the cable, off the user-interface
// thread with progress and Cancel; lists them with their time, bytes,
// whether every bit held and what they mean, draws the selected one's line
// signal, and applies a channel change to the main window.
class ReadRecordingWindow : public QWidget
{
    Q_OBJECT

public:
    ReadRecordingWindow(std::function<Failure(const Command &)> apply, QWidget *parent = nullptr);
    ~ReadRecordingWindow() override;

    // Starts reading `path`; a reading still going on is cancelled first.
    void open(const QString &path);
    // Whether a reading is going on.
    bool reading() const;

signals:
    // A reading has ended, cancelled or not.
    void finished();

public slots:
    void chooseFile();

private slots:
    // Connected by name when the form is built.
    void on_pushButtonOpen_clicked();
    void on_pushButtonSaveList_clicked();
    void on_spinBoxChannel_editingFinished();
    void on_spinBoxSampleRate_editingFinished();

private:
    void stop();
    void readAgain();
    void showResults(const QString &path, const RecordingReport &report, const QString &problem);

    MessageList *list;
    Ui_ReadRecordingWindow *ui;
    Background *worker;
    std::shared_ptr<std::atomic<bool>> cancel;
    RecordingReport report;
    // The file read last and the settings it was read with; it is read again
    // when they change.
    QString lastPath;
    QPair<int, int> lastSettings;
};
