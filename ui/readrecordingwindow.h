#pragma once

#include "commanddecoding.h"
#include "linesignal.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QProgressDialog;
class QPushButton;
class QTableWidget;
class QThread;

// Reads the messages in a recording of the cable, off the user-interface
// thread with progress and Cancel; lists them with their time, bytes,
// whether every bit held and what they mean, draws the selected one's line
// signal, and applies a channel change to the main window.
class ReadRecordingWindow : public QWidget
{
    Q_OBJECT

public:
    ReadRecordingWindow(std::function<QString(const DecodedCommand &)> apply,
                        QWidget *parent = nullptr);
    ~ReadRecordingWindow() override;

    // Starts reading `path`; a reading still going on is cancelled first.
    void open(const QString &path);
    // Whether a reading is going on.
    bool reading() const;

signals:
    // A reading has ended, cancelled or not.
    void finished();

private slots:
    void chooseFile();
    void showSelected();
    void applySelected();

private:
    void stop();
    void showResults(const QString &path, const std::vector<linesignal::Message> &found,
                     const QString &problem, bool cancelled);

    std::function<QString(const DecodedCommand &)> apply;
    QLabel *status;
    QTableWidget *list;
    QWidget *picture;
    QPushButton *applyButton;
    QProgressDialog *progress = nullptr;
    QThread *worker = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel;
    std::vector<linesignal::Message> messages;
};
