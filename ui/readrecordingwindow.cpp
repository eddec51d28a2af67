#include "readrecordingwindow.h"

#include "capturefile.h"
#include "files.h"
#include "hextext.h"
#include "signalpicture.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

namespace {

// The selected message's line signal, drawn to fit.
class SignalView : public QWidget
{
public:
    explicit SignalView(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("signalView"));
        setMinimumHeight(fontMetrics().height() * 8);
    }

    void setCommand(const std::vector<std::uint8_t> &bytes, const QString &title)
    {
        hasSignal = !bytes.empty();
        if (hasSignal)
            signal = linesignal::lineSignal({bytes});
        heading = title;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!hasSignal)
            return;
        const QSize size = signalPictureSize();
        const double scale =
            std::min(width() / double(size.width()), height() / double(size.height()));
        painter.scale(scale, scale);
        paintSignalPicture(painter, signal, heading);
    }

private:
    linesignal::LineSignal signal;
    QString heading;
    bool hasSignal = false;
};

} // namespace

ReadRecordingWindow::ReadRecordingWindow(std::function<QString(const DecodedCommand &)> applyTo,
                                         QWidget *parent)
    : QWidget(parent, Qt::Window), apply(std::move(applyTo))
{
    setObjectName(QStringLiteral("readRecordingWindow"));
    setWindowTitle(tr("Read a recording"));
    setAcceptDrops(false);
    auto *layout = new QVBoxLayout(this);
    status = new QLabel(tr("Open a recording of the cable: a sound file or an oscilloscope's "
                           "CSV export."),
                        this);
    status->setObjectName(QStringLiteral("labelStatus"));
    status->setWordWrap(true);
    list = new QTableWidget(0, 4, this);
    list->setObjectName(QStringLiteral("tableMessages"));
    list->setHorizontalHeaderLabels({tr("At"), tr("Bytes"), tr("Bits"), tr("Meaning")});
    list->horizontalHeader()->setStretchLastSection(true);
    list->verticalHeader()->hide();
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    picture = new SignalView(this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *openButton = buttons->addButton(tr("&Open..."), QDialogButtonBox::ActionRole);
    openButton->setObjectName(QStringLiteral("pushButtonOpen"));
    applyButton = buttons->addButton(tr("&Apply to the window"), QDialogButtonBox::ApplyRole);
    applyButton->setObjectName(QStringLiteral("pushButtonApply"));
    applyButton->setEnabled(false);
    layout->addWidget(status);
    layout->addWidget(list, 1);
    layout->addWidget(picture, 1);
    layout->addWidget(buttons);
    connect(openButton, &QPushButton::clicked, this, &ReadRecordingWindow::chooseFile);
    connect(applyButton, &QPushButton::clicked, this, &ReadRecordingWindow::applySelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(list, &QTableWidget::itemSelectionChanged, this, &ReadRecordingWindow::showSelected);
    const int line = fontMetrics().height();
    resize(52 * line, 34 * line);
}

ReadRecordingWindow::~ReadRecordingWindow()
{
    stop();
}

bool ReadRecordingWindow::reading() const
{
    return worker != nullptr;
}

void ReadRecordingWindow::stop()
{
    if (!worker)
        return;
    cancel->store(true);
    worker->wait();
    delete worker;
    worker = nullptr;
}

void ReadRecordingWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Read a recording"), QString(),
        tr("Recordings (*.wav *.flac *.ogg *.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        open(path);
}

void ReadRecordingWindow::open(const QString &path)
{
    stop();
    list->setRowCount(0);
    messages.clear();
    static_cast<SignalView *>(picture)->setCommand({}, QString());
    status->setText(tr("Reading %1...").arg(QDir::toNativeSeparators(path)));
    if (!progress) {
        progress = new QProgressDialog(tr("Reading the recording..."), tr("Cancel"), 0, 1000, this);
        progress->setObjectName(QStringLiteral("progressDialog"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
        progress->setAutoReset(false);
        progress->setAutoClose(false);
    }
    progress->reset();
    progress->setValue(0);

    cancel = std::make_shared<std::atomic<bool>>(false);
    const auto stopFlag = cancel;
    const FilePath file = filePath(path);
    worker = QThread::create([this, file, path, stopFlag] {
        CaptureReading reading;
        QString problem;
        try {
            reading = readCaptureMessages(file, 1, 0, [this, stopFlag](double done) {
                QMetaObject::invokeMethod(
                    progress, [this, done] { progress->setValue(int(done * 1000)); },
                    Qt::QueuedConnection);
                return !stopFlag->load();
            });
        } catch (const CaptureError &error) {
            problem = QString::fromStdString(error.what());
        } catch (const std::bad_alloc &) {
            problem = tr("not enough memory to read it");
        }
        QMetaObject::invokeMethod(
            this,
            [this, path, reading, problem] {
                showResults(path, reading.messages, problem, reading.cancelled);
            },
            Qt::QueuedConnection);
    });
    connect(progress, &QProgressDialog::canceled, this, [stopFlag] { stopFlag->store(true); });
    worker->start();
}

void ReadRecordingWindow::showResults(const QString &path,
                                      const std::vector<linesignal::Message> &found,
                                      const QString &problem, bool cancelled)
{
    if (worker) {
        worker->wait();
        delete worker;
        worker = nullptr;
    }
    progress->reset();
    progress->hide();
    messages = found;
    const QString name = QDir::toNativeSeparators(path);
    if (!problem.isEmpty())
        status->setText(tr("%1 cannot be read: %2").arg(name, problem));
    else if (cancelled)
        status->setText(tr("Reading %1 was cancelled; messages found before: %2")
                            .arg(name)
                            .arg(messages.size()));
    else
        status->setText(tr("Messages in %1: %2").arg(name).arg(messages.size()));
    list->setRowCount(int(messages.size()));
    for (int row = 0; row < int(messages.size()); ++row) {
        const linesignal::Message &m = messages[std::size_t(row)];
        DecodedCommand command;
        std::string error;
        QString meaning;
        if (!m.error.empty())
            meaning = tr("not read: damaged");
        else if (decodeCommand(m.bytes, command, error))
            meaning =
                QStringLiteral("%1 %2").arg(QLatin1String(standardName(command.standard)),
                                            QLatin1String(commandKindInfo(command.kind).name));
        else
            meaning = tr("not a single-cable command: %1").arg(QString::fromStdString(error));
        const QStringList cells{
            QStringLiteral("%1 ms").arg(m.start * 1e3, 0, 'f', 2),
            QString::fromStdString(bytesToHexText(m.bytes)).trimmed(),
            m.error.empty() ? tr("every bit held") : QString::fromStdString(m.error), meaning};
        for (int column = 0; column < cells.size(); ++column)
            list->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    list->resizeColumnsToContents();
    if (!messages.empty())
        list->selectRow(0);
    emit finished();
}

void ReadRecordingWindow::showSelected()
{
    const int row = list->currentRow();
    const bool valid = row >= 0 && row < int(messages.size());
    const linesignal::Message *m = valid ? &messages[std::size_t(row)] : nullptr;
    static_cast<SignalView *>(picture)->setCommand(
        m && m->error.empty() ? m->bytes : std::vector<std::uint8_t>(),
        m ? QString::fromStdString(bytesToHexText(m->bytes)).trimmed() : QString());
    applyButton->setEnabled(m && m->error.empty());
}

void ReadRecordingWindow::applySelected()
{
    const int row = list->currentRow();
    if (row < 0 || row >= int(messages.size()))
        return;
    DecodedCommand command;
    std::string error;
    if (!decodeCommand(messages[std::size_t(row)].bytes, command, error)) {
        status->setText(
            tr("The main window cannot show it: %1").arg(QString::fromStdString(error)));
        return;
    }
    const QString why = apply(command);
    status->setText(why.isEmpty() ? tr("Shown in the main window.")
                                  : tr("The main window cannot show it: %1").arg(why));
}
