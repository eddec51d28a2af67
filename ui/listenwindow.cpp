#include "listenwindow.h"

#include "background.h"
#include "filedialogs.h"
#include "files.h"
#include "hextext.h"
#include "listener.h"
#include "messagecells.h"
#include "messagelist.h"
#include "openingsize.h"
#include "phrasetext.h"
#include "remembered.h"
#include "signalfile.h"
#include "toolwindows.h"
#include "ui_listenwindow.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include <cmath>

namespace {

// The level shown this often, in the listening's own time.
constexpr double kLevelEvery = 0.1; // s
// Below this share of full scale there is no tone to read, whatever the
// noise: between commands, or a probe not connected.
constexpr float kFaintest = 0.002f;
constexpr int kReceiverColumn = 5;
constexpr int kRenewInputsEvery = 2000; // ms

} // namespace

ListenWindow::ListenWindow(std::function<Failure(const Command &)> applyTo,
                           std::function<std::optional<Plan>()> openPlan, QWidget *parent)
    : QWidget(parent, Qt::Window), plan(std::move(openPlan)), ui(new Ui_ListenWindow),
      worker(new Background(this)), lister(new Background(this)),
      listened(std::make_shared<ListenedPlan>())
{
    setObjectName(QStringLiteral("listenWindow"));
    ui->setupUi(this);
    list =
        new MessageList({ui->tableMessages, ui->signalView, ui->pushButtonApply, ui->labelStatus},
                        std::move(applyTo), this);
    const int line = fontMetrics().height();
    resize(openingSize(this, QSize(68 * line, 34 * line)));
    makeToolWindow(this);
    ui->comboRate->addItem(tr("the input's own"), 0);
    for (int r : {int(live::kPreferredRate), 96000, int(live::kLeastRate)})
        ui->comboRate->addItem(tr("%1 Hz").arg(r), r);
    ui->tableMessages->setColumnHidden(kReceiverColumn, true);
    showInputs(listInputs());
    // Inputs come and go: a card plugged in, a sound server started.
    auto *renew = new QTimer(this);
    connect(renew, &QTimer::timeout, this, &ListenWindow::renewInputs);
    renew->start(kRenewInputsEvery);
}

ListenWindow::~ListenWindow()
{
    stop();
    lister->wait(false);
    delete ui;
}

ListenWindow::Inputs ListenWindow::listInputs()
{
    Inputs found;
    try {
        found.devices = live::inputDevices();
    } catch (const live::LiveError &error) {
        found.why = error.why();
    }
    return found;
}

void ListenWindow::renewInputs()
{
    // The devices are asked off this thread: a sound server that hangs
    // would hold the window.
    if (listening() || lister->running() || !isVisible())
        return;
    lister->start([this]() -> Background::Then {
        const Inputs found = listInputs();
        return [this, found] { showInputs(found); };
    });
}

void ListenWindow::showInputs(const Inputs &found)
{
    QVector<QPair<QString, QString>> items; // label, name
    if (!found.devices.empty())
        items << qMakePair(tr("the system's default input"), QString());
    for (const live::InputDevice &d : found.devices) {
        const QString name = QString::fromStdString(d.name);
        const QString description = QString::fromStdString(d.description);
        const QString label = description.isEmpty() ? name : description;
        items << qMakePair(
            d.rate > 0 ? tr("%1 (%2 Hz)").arg(label).arg(std::lround(d.rate)) : label, name);
    }
    const QString why = phraseText(found.why);
    if (shown && shown->items == items && shown->why == why)
        return;
    const bool wasNone = shown && shown->items.isEmpty();
    shown = Shown{items, why};
    const QVariant chosen = ui->comboDevice->currentData();
    ui->comboDevice->clear();
    for (const auto &item : items) {
        ui->comboDevice->addItem(item.first, item.second);
        ui->comboDevice->setItemData(ui->comboDevice->count() - 1, item.second, Qt::ToolTipRole);
    }
    const bool none = items.isEmpty();
    if (none)
        ui->comboDevice->addItem(tr("none there"));
    else
        ui->comboDevice->setCurrentIndex(std::max(0, ui->comboDevice->findData(chosen)));
    ui->comboDevice->setEnabled(!none);
    ui->pushButtonListen->setEnabled(!none);
    if (none)
        ui->labelStatus->setText(
            (why.isEmpty() ? tr("No audio input is there.")
                           : tr("No audio input answers: %1.").arg(why)) +
            QLatin1Char(' ') +
            tr("Connect the sound card or the probe's adapter, or start the sound server; "
               "this list renews itself."));
    else if (wasNone)
        ui->labelStatus->clear();
}

void ListenWindow::on_pushButtonListen_clicked()
{
    if (listening())
        stop();
    else
        start();
}

void ListenWindow::start()
{
    if (listening())
        return;
    live::LiveSettings settings;
    settings.device = ui->comboDevice->currentData().toString().toStdString();
    settings.rate = ui->comboRate->currentData().toDouble();
    settings.channel = ui->spinBoxChannel->value();
    knowPlan(plan ? plan() : std::nullopt);
    try {
        // With a plan, an EN 50494 command's frequency is its userband's.
        listener = std::make_shared<live::Listener>(
            live::openInput(settings),
            [known = listened](int userband) {
                const std::lock_guard<std::mutex> hold(known->lock);
                return known->plan ? userbandCentre(*known->plan, userband) : 0;
            },
            true);
    } catch (const live::NoSuchInput &error) {
        ui->labelStatus->setText(tr("Cannot listen: %1. The list now shows the inputs there are.")
                                     .arg(phraseText(error.why())));
        showInputs(listInputs());
        return;
    } catch (const live::LiveError &error) {
        ui->labelStatus->setText(tr("Cannot listen: %1").arg(phraseText(error.why())));
        return;
    }
    rate = listener->source().sampleRate();
    list->clear();
    ui->labelStatus->setText(tr("Listening to %1 at %2 Hz; each command appears as it ends.")
                                 .arg(QString::fromStdString(listener->source().deviceName()))
                                 .arg(std::lround(rate)));
    ui->pushButtonListen->setText(tr("S&top"));
    ui->pushButtonPause->setEnabled(true);
    ui->pushButtonPause->setChecked(false);
    ui->pushButtonSave->setEnabled(false);
    for (QWidget *w :
         {static_cast<QWidget *>(ui->comboDevice), static_cast<QWidget *>(ui->comboRate),
          static_cast<QWidget *>(ui->spinBoxChannel)})
        w->setEnabled(false);

    const std::shared_ptr<live::Listener> l = listener;
    worker->start([this, l]() -> Background::Then {
        double levelAt = 0;
        while (l->listen()) {
            std::vector<ReadMessage> found = l->take();
            if (!found.empty())
                QMetaObject::invokeMethod(
                    this, [this, found] { add(found); }, Qt::QueuedConnection);
            if (l->seconds() >= levelAt + kLevelEvery) {
                levelAt = l->seconds();
                const live::InputLevel level = l->level();
                QMetaObject::invokeMethod(
                    this, [this, level] { showLevel(level.peak, level.clipped); },
                    Qt::QueuedConnection);
            }
        }
        l->finish();
        std::vector<ReadMessage> rest = l->take();
        const QString why = phraseText(l->source().ended());
        return [this, rest, why] {
            add(rest);
            ended(why);
        };
    });
}

void ListenWindow::stop()
{
    if (!worker->running())
        return;
    listener->source().stop();
    worker->wait(true);
}

bool ListenWindow::listening() const
{
    return worker->running();
}

void ListenWindow::knowPlan(std::optional<Plan> open)
{
    const std::lock_guard<std::mutex> hold(listened->lock);
    listened->plan = std::move(open);
}

void ListenWindow::add(std::vector<ReadMessage> messages)
{
    if (ui->pushButtonPause->isChecked())
        return;
    const std::optional<Plan> open = plan ? plan() : std::nullopt;
    knowPlan(open);
    ui->tableMessages->setColumnHidden(kReceiverColumn, !open);
    for (ReadMessage &read : messages) {
        const std::optional<PlanMatch> match =
            !open                          ? std::nullopt
            : read.command                 ? std::optional(matchCommand(*open, *read.command))
            : !read.notSingleCable.empty() ? std::optional(notSingleCableMatch())
                                           : std::nullopt;
        // What the plan does not expect stands out from what it does.
        list->add(std::move(read), "FS", match ? phraseText(match->text) : QString(),
                  match && !match->expected());
        list->linkReplies();
    }
    list->added();
    if (!messages.empty())
        ui->tableMessages->scrollToBottom();
}

void ListenWindow::showLevel(float peak, bool clipped)
{
    ui->progressLevel->setValue(int(std::lround(std::min(peak, 1.0f) * 100)));
    ui->labelLevel->setText(clipped            ? tr("The input clips: lower its level.")
                            : peak < kFaintest ? tr("Quiet: no tone on the input.")
                                               : QString());
}

void ListenWindow::ended(const QString &why)
{
    const QString count = tr("Messages heard: %1").arg(messageCount(list->messages()));
    ui->labelStatus->setText(why.isEmpty() ? count
                                           : tr("%1; what was heard is kept. %2").arg(why, count));
    ui->pushButtonListen->setText(tr("&Listen"));
    ui->pushButtonPause->setEnabled(false);
    ui->pushButtonSave->setEnabled(listener && !listener->heard().empty());
    ui->progressLevel->setValue(0);
    ui->labelLevel->clear();
    for (QWidget *w :
         {static_cast<QWidget *>(ui->comboDevice), static_cast<QWidget *>(ui->comboRate),
          static_cast<QWidget *>(ui->spinBoxChannel)})
        w->setEnabled(true);
}

void ListenWindow::on_pushButtonSave_clicked()
{
    if (!listener || listening())
        return;
    // What was heard as a recording, or the list as shown, for a spreadsheet.
    const QString wav = tr("WAV files (*.wav)"), csvList = tr("Lists for a spreadsheet (*.csv)");
    QString chosen = wav;
    QString path = askFileToSave(
        this, tr("Save what was heard"),
        QDir(remembered::folder(remembered::kHeard)).filePath(QStringLiteral("heard.wav")),
        wav + QStringLiteral(";;") + csvList, &chosen);
    if (path.isEmpty())
        return;
    const bool csv =
        QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0 ||
        (QFileInfo(path).suffix().isEmpty() && chosen == csvList);
    if (QFileInfo(path).suffix().isEmpty())
        path += csv ? QStringLiteral(".csv") : QStringLiteral(".wav");
    const std::optional<Phrase> error =
        saveFile(filePath(path), csv ? tableCsv(ui->tableMessages)
                                     : QByteArray::fromStdString(wavFile(listener->heard(), rate)));
    if (!error)
        remembered::usedFile(remembered::kHeard, path);
    ui->labelStatus->setText(!error ? tr("Saved %1").arg(QDir::toNativeSeparators(path))
                                    : tr("%1 cannot be written: %2")
                                          .arg(QDir::toNativeSeparators(path), phraseText(*error)));
}

const std::vector<ReadMessage> &ListenWindow::messages() const
{
    return list->messages();
}

void ListenWindow::closeEvent(QCloseEvent *event)
{
    stop();
    event->accept();
}
