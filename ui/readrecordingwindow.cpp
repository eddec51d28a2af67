#include "readrecordingwindow.h"

#include "background.h"
#include "capturefile.h"
#include "filedialogs.h"
#include "files.h"
#include "hextext.h"
#include "messagecells.h"
#include "messagelist.h"
#include "openingsize.h"
#include "phrasetext.h"
#include "remembered.h"
#include "toolwindows.h"
#include "ui_readrecordingwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kSupplyColumn = 5;

} // namespace

ReadRecordingWindow::ReadRecordingWindow(std::function<Failure(const Command &)> applyTo,
                                         QWidget *parent)
    : QWidget(parent, Qt::Window), ui(new Ui_ReadRecordingWindow), worker(new Background(this))
{
    setObjectName(QStringLiteral("readRecordingWindow"));
    ui->setupUi(this);
    list =
        new MessageList({ui->tableMessages, ui->signalView, ui->pushButtonApply, ui->labelStatus},
                        std::move(applyTo), this);
    ui->spinBoxSampleRate->setMaximum(linesignal::kMostTypedRate);
    const int line = fontMetrics().height();
    resize(openingSize(this, QSize(64 * line, 34 * line)));
    makeToolWindow(this);
}

void ReadRecordingWindow::on_spinBoxChannel_editingFinished()
{
    readAgain();
}

void ReadRecordingWindow::on_spinBoxSampleRate_editingFinished()
{
    readAgain();
}

// The settings read the same file again, as they now say.
void ReadRecordingWindow::readAgain()
{
    const QPair<int, int> settings{ui->spinBoxChannel->value(), ui->spinBoxSampleRate->value()};
    if (!lastPath.isEmpty() && !reading() && settings != lastSettings)
        open(lastPath);
}

ReadRecordingWindow::~ReadRecordingWindow()
{
    stop();
    delete ui;
}

bool ReadRecordingWindow::reading() const
{
    return worker->running();
}

void ReadRecordingWindow::stop()
{
    if (!worker->running())
        return;
    // The reading's end is not shown: a new one follows, or the window goes.
    cancel->store(true);
    worker->wait(false);
}

void ReadRecordingWindow::on_pushButtonOpen_clicked()
{
    chooseFile();
}

void ReadRecordingWindow::chooseFile()
{
    const QString path =
        askFileToOpen(this, tr("Read a recording"), remembered::folder(remembered::kRecordings),
                      tr("Recordings (*.wav *.flac *.ogg *.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        open(path);
}

void ReadRecordingWindow::open(const QString &path)
{
    stop();
    // Only an export of values alone needs a rate; a sound file carries its own.
    const QString suffix = QFileInfo(path).suffix().toLower();
    ui->spinBoxSampleRate->setEnabled(suffix == QLatin1String("csv") ||
                                      suffix == QLatin1String("txt"));
    list->clear();
    report = RecordingReport();
    ui->labelStatus->setText(tr("Reading %1...").arg(QDir::toNativeSeparators(path)));
    // The progress stays in this window and blocks none: the main window
    // goes on working while a long recording is read.
    ui->progressReading->setValue(0);
    ui->progressReading->show();
    ui->pushButtonCancel->show();

    cancel = std::make_shared<std::atomic<bool>>(false);
    const auto stopFlag = cancel;
    const FilePath file = filePath(path);
    const int channel = ui->spinBoxChannel->value();
    const double sampleRate = ui->spinBoxSampleRate->value();
    lastPath = path;
    lastSettings = {channel, ui->spinBoxSampleRate->value()};
    worker->start([this, file, path, stopFlag, channel, sampleRate]() -> Background::Then {
        RecordingReport reading;
        QString problem;
        try {
            reading = readRecording(file, channel, sampleRate, 0, [this, stopFlag](double done) {
                QMetaObject::invokeMethod(
                    ui->progressReading,
                    [this, done] { ui->progressReading->setValue(int(done * 1000)); },
                    Qt::QueuedConnection);
                return !stopFlag->load();
            });
        } catch (const CaptureError &error) {
            problem = phraseText(error.why());
        } catch (const std::bad_alloc &) {
            problem = tr("not enough memory to read it");
        }
        return [this, path, reading, problem] { showResults(path, reading, problem); };
    });
    disconnect(ui->pushButtonCancel, nullptr, this, nullptr);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this,
            [stopFlag] { stopFlag->store(true); });
}

void ReadRecordingWindow::showResults(const QString &path, const RecordingReport &found,
                                      const QString &problem)
{
    ui->progressReading->hide();
    ui->pushButtonCancel->hide();
    report = found;
    const std::vector<ReadMessage> &messages = report.messages;
    const QString name = QDir::toNativeSeparators(path);
    // Only a file that could be read is offered again.
    if (problem.isEmpty())
        remembered::addRecent(remembered::kRecordings, path);
    else
        remembered::forgetRecent(remembered::kRecordings, path);
    if (!problem.isEmpty())
        ui->labelStatus->setText(tr("%1 cannot be read: %2").arg(name, problem));
    else if (report.cancelled)
        ui->labelStatus->setText(tr("Reading %1 was cancelled; messages found before: %2")
                                     .arg(name)
                                     .arg(report.messageCount()));
    else if (!report.brokenOff.empty())
        ui->labelStatus->setText(tr("%1 %2; messages before: %3")
                                     .arg(name, phraseText(report.brokenOff))
                                     .arg(report.messageCount()));
    else if (report.messageCount() == 0 && report.channels > 1)
        // A recorder's stereo file may hold the tone on the other channel.
        ui->labelStatus->setText(
            tr("No messages in %1 on channel %2 of %3; the tone may be on another channel.")
                .arg(name)
                .arg(ui->spinBoxChannel->value())
                .arg(report.channels));
    else
        ui->labelStatus->setText(tr("Messages in %1: %2").arg(name).arg(report.messageCount()));
    for (const ReadMessage &read : messages)
        list->add(read, report.unit, supplyCell(read, report.unit));
    // The supply only where the file holds it, in volts.
    ui->tableMessages->setColumnHidden(
        kSupplyColumn, std::none_of(messages.begin(), messages.end(), [this](const ReadMessage &m) {
            return !supplyCell(m, report.unit).isEmpty();
        }));
    ui->pushButtonSaveList->setEnabled(!messages.empty());
    list->added();
    emit finished();
}

void ReadRecordingWindow::on_pushButtonSaveList_clicked()
{
    QString path = askFileToSave(
        this, tr("Save the list"),
        QDir(remembered::folder(remembered::kRecordings)).filePath(QStringLiteral("messages.csv")),
        tr("Lists for a spreadsheet (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const std::optional<Phrase> error = saveFile(filePath(path), tableCsv(ui->tableMessages));
    ui->labelStatus->setText(!error ? tr("Saved %1").arg(QDir::toNativeSeparators(path))
                                    : tr("%1 cannot be written: %2")
                                          .arg(QDir::toNativeSeparators(path), phraseText(*error)));
}
