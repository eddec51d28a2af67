#include "mainwindow.h"

#include "bands.h"
#include "commandencoding.h"
#include "filedialogs.h"
#include "files.h"
#include "focusmark.h"
#include "hextext.h"
#include "linesignal.h"
#include "listenwindow.h"
#include "openingsize.h"
#include "phrasetext.h"
#include "planwindow.h"
#include "readcommandwindow.h"
#include "readrecordingwindow.h"
#include "remembered.h"
#include "signalfile.h"
#include "signalpicture.h"
#include "toolwindows.h"
#include "ui_infodialog.h"
#include "ui_mainwindow.h"
#include "version.h"

#include <QCloseEvent>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// Item indices of the band and polarisation boxes; their texts belong to the
// catalogue and never decide what is sent.
constexpr int kHighBandIndex = 0;
constexpr int kHorizontalIndex = 0;
const QString kMHz = QStringLiteral(" MHz");

// Userband numbers of the preset buttons, by their id in buttonGroup: list 1
// numbers its eight userbands 1..8, list 2 its twelve 1..12.
constexpr int kList1Count = bands::kPresetLists[0].count;
constexpr int kPresetCount = kList1Count + bands::kPresetLists[1].count;

int presetList(int id)
{
    return id < kList1Count ? 1 : 2;
}

int presetUserbandNumber(int id)
{
    return id < kList1Count ? id + 1 : id - kList1Count + 1;
}

// A digit that would take a field past its range is refused by the field;
// this says so, where the field alone would show the value cut short.
class SaysRefusedDigits : public QObject
{
public:
    SaysRefusedDigits(QStatusBar *bar, QObject *parent) : QObject(parent), status(bar) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *spin = qobject_cast<QSpinBox *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!spin || event->type() != QEvent::KeyPress || key->text().isEmpty() ||
            !key->text().at(0).isDigit())
            return false;
        const QLineEdit *edit = spin->findChild<QLineEdit *>();
        QString typed = edit->text();
        if (edit->hasSelectedText())
            typed.replace(edit->selectionStart(), edit->selectedText().size(), key->text());
        else
            typed.insert(edit->cursorPosition(), key->text());
        QString number = typed;
        number.remove(spin->suffix()).remove(spin->prefix());
        bool isNumber = false;
        if (number.trimmed().toLongLong(&isNumber) > spin->maximum() && isNumber) {
            status->showMessage(QCoreApplication::translate("MainWindow", "%1 is outside %2 to %3")
                                    .arg(number.trimmed() + spin->suffix())
                                    .arg(spin->minimum())
                                    .arg(QString::number(spin->maximum()) + spin->suffix()),
                                5000);
        }
        return false;
    }

private:
    QStatusBar *status;
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui_MainWindow)
{
    ui->setupUi(this);
    markScrollBarFocus(this);
    auto *refused = new SaysRefusedDigits(ui->statusBar, this);
    for (QSpinBox *field :
         {ui->spinBoxSHF, ui->spinBoxBandpassfreq, ui->spinBoxTunerAddr, ui->spinBoxPincode})
        field->installEventFilter(refused);
    // The transponder's field takes either band's frequencies; the band
    // follows one typed there.
    ui->spinBoxSHF->setRange(bands::transponderMin(Band::Low), bands::transponderMax(Band::High));
    // The tools, the help and quitting answer their keys in every window of
    // the program, not only here.
    ui->actionBeenden->setShortcuts(QKeySequence::Quit);
    for (QAction *action : {ui->action_Inhalt, ui->actionReadCommand, ui->actionReadRecording,
                            ui->actionPlan, ui->actionListen, ui->actionBeenden})
        action->setShortcutContext(Qt::ApplicationShortcut);

    const QList<QAbstractButton *> presets{
        ui->button_scr1284, ui->button_scr1400, ui->button_scr1516, ui->button_scr1632,
        ui->button_scr1748, ui->button_scr1864, ui->button_scr1980, ui->button_scr2096,
        ui->button_css974,  ui->button_css1076, ui->button_css1178, ui->button_css1280,
        ui->button_css1382, ui->button_css1484, ui->button_css1586, ui->button_css1688,
        ui->button_css1790, ui->button_css1892, ui->button_css1994, ui->button_css2096,
    };
    for (int id = 0; id < presets.size(); ++id)
        ui->buttonGroup->setId(presets[id], id);

    // The recent plans and recordings, as they are when the menu opens.
    ui->menuTools->addSeparator();
    const auto recentMenu = [this](const QString &title, const char *name, const char *kind,
                                   std::function<void(const QString &)> open) {
        QMenu *menu = ui->menuTools->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        connect(menu, &QMenu::aboutToShow, this, [menu, kind, open] {
            menu->clear();
            const QStringList files = remembered::recent(kind);
            for (const QString &file : files)
                menu->addAction(QDir::toNativeSeparators(file), [file, open] { open(file); });
            if (files.isEmpty())
                menu->addAction(tr("none"))->setEnabled(false);
        });
    };
    recentMenu(tr("Recent plan&s"), "menuRecentPlans", remembered::kPlans,
               [this](const QString &file) { openDropped(file); });
    recentMenu(tr("Recent recor&dings"), "menuRecentRecordings", remembered::kRecordings,
               [this](const QString &file) { openRecording(file); });

    // The program ends there, once an edited plan is saved or given up.
    const auto quit = [this] {
        if (closeTools())
            QCoreApplication::quit();
    };
    connect(ui->actionBeenden, &QAction::triggered, this, quit);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, quit);

    // On a screen too small for the whole window the inputs scroll; the
    // commands below them stay in sight.
    auto *scroller = new QScrollArea(ui->verticalLayoutWidget);
    scroller->setObjectName(QStringLiteral("scrollArea"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // it follows the focus instead
    scroller->setWidgetResizable(true);
    const int inputsAt = ui->verticalLayout->indexOf(ui->widget);
    ui->verticalLayout->removeWidget(ui->widget);
    scroller->setWidget(ui->widget);
    ui->verticalLayout->insertWidget(inputsAt, scroller, 1);

    // Each field holds its longest text: the longest frame or the longest
    // message, in the language it shows; the highest frequency.
    QStringList messages{QStringLiteral("E0 10 5C EE D5 FF ")};
    for (const int code :
         {EncodePositionOutOfRange, EncodeUserbandOutOfRange, EncodeFrequencyOutOfRange})
        messages << commandResultText(code, std::string());
    const auto holdLongest = [](QLineEdit *field, const QStringList &texts) {
        int longest = 0;
        for (const QString &text : texts)
            longest = std::max(longest, field->fontMetrics().horizontalAdvance(text));
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->hasFrame() ? 1 : 0;
        const int spare = field->fontMetrics().averageCharWidth();
        field->setMinimumWidth(
            field->style()
                ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(longest + spare, 0), field)
                .width());
    };
    for (QLineEdit *field :
         {ui->lineEditCmdA, ui->lineEditCmdB, ui->lineEditOffA, ui->lineEditOffB})
        holdLongest(field, messages);
    holdLongest(ui->lineEditZf, {QString::number(bands::kIfMax) + kMHz});

    // A recording dropped on the window is read.
    setAcceptDrops(true);

    resetControls();
    // Where the window begins, so that Tab goes through it in the order it
    // reads; a stray Space only opens the list.
    ui->comboBoxPol->setFocus();
}

QSize MainWindow::wholeSize() const
{
    // The column with the inputs at their least, what lies round it (menu,
    // status bar, margins), and the inputs whole in place of their least.
    auto *scroller = findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    const QSize inputs = scroller->widget()->minimumSizeHint();
    const QSize column = ui->verticalLayoutWidget->minimumSizeHint();
    const QSize around = minimumSizeHint() - column;
    // The commands' rows side by side with their labels where they can.
    const int rows = ui->formLayout->sizeHint().width();
    return QSize(around.width() + std::max({column.width(), inputs.width(), rows}),
                 around.height() + column.height() - scroller->minimumSizeHint().height() +
                     inputs.height());
}

void MainWindow::fitToScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    // Where the screen has room the window cannot be shrunk below its
    // contents; where it has not, it takes the screen and the inputs scroll.
    const QSize frame = frameGeometry().size() - geometry().size();
    fittedFrame = frame;
    const QSize room = screen->availableGeometry().size() - frame;
    QSize whole = wholeSize();
    if (whole.height() > room.height()) // the inputs' scroll bar takes room beside them
        whole.rwidth() += findChild<QScrollArea *>(QStringLiteral("scrollArea"))
                              ->verticalScrollBar()
                              ->sizeHint()
                              .width();
    setMinimumSize(whole.boundedTo(room));
    resize(size().expandedTo(whole).boundedTo(room));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    fitToScreen();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager frames the window after it is shown: once its frame
    // is known, the window fits again, frame and all, and the status bar
    // stays on the screen.
    if (frameGeometry().size() - geometry().size() != fittedFrame)
        fitToScreen();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::resetControls()
{
    ui->comboBoxPol->setCurrentIndex(0);
    ui->comboBoxBand->setCurrentIndex(0);
    ui->comboBoxPos->setCurrentIndex(0);

    ui->scrollBarSHF->setValue(ui->scrollBarSHF->minimum());
    on_scrollBarSHF_valueChanged(ui->scrollBarSHF->minimum());

    // The link box is still unchecked here, so this sets only the frequency;
    // the userband number stays at the form's 1.
    ui->button_scr1284->setChecked(true);
    on_buttonGroup_buttonClicked(0);
    on_scrollBarTunerAddr_valueChanged(ui->scrollBarTunerAddr->minimum());

    ui->checkBoxLinkCSS->setChecked(true);
    ui->groupBoxPinCode->setChecked(false);
    ui->scrollBarPincode->setValue(ui->scrollBarPincode->minimum());
    on_scrollBarPincode_valueChanged(ui->scrollBarPincode->minimum());
}

void MainWindow::updateCommands()
{
    const Tuning t = tuning();
    ui->lineEditZf->setText(QString::number(t.ifFrequency) + kMHz);

    const int vertical = t.polarisation == Polarisation::Vertical ? 1 : 0;
    const int lowBand = t.band == Band::Low ? 1 : 0;
    const int pin = t.pin.value_or(-1);
    std::string text;
    int code = encodeEn50494Command(text, vertical, lowBand, t.position, t.ifFrequency,
                                    t.userbandFrequency, t.userband - 1, pin);
    ui->lineEditCmdA->setText(commandResultText(code, text));

    text.clear();
    code = encodeEn50607Command(text, vertical, lowBand, t.position, t.ifFrequency,
                                t.userbandFrequency, t.userband - 1, pin);
    ui->lineEditCmdB->setText(commandResultText(code, text));

    // The switch-offs free the userband the commands above use.
    QLineEdit *const offs[] = {ui->lineEditOffA, ui->lineEditOffB};
    for (const Standard standard : kStandards) {
        const Encoded off = encode(switchOff(standard, t.userband, t.pin));
        offs[int(standard)]->setText(
            commandResultText(off.error, off.ok() ? bytesToHexText(off.frame) : std::string()));
    }

    const QString note = tuningWordNote();
    if (note.isEmpty())
        ui->statusBar->clearMessage();
    else
        ui->statusBar->showMessage(note);
}

QString MainWindow::tuningWordNote() const
{
    // EN 50607's tuning word ends at 2147 MHz; say so rather than let the
    // bytes speak for a frequency they do not carry.
    const Tuning t = tuning();
    const Encoded sent = encode(Standard::En50607, t);
    if (!sent.ok() || t.ifFrequency <= kEn50607HighestExactIf)
        return QString();
    return tr("EN 50607 sends %1 MHz as %2 MHz, the highest its tuning word carries")
        .arg(t.ifFrequency)
        .arg(kEn50607HighestExactIf);
}

Tuning MainWindow::tuning() const
{
    Tuning t;
    t.band = ui->comboBoxBand->currentIndex() == kHighBandIndex ? Band::High : Band::Low;
    t.polarisation = ui->comboBoxPol->currentIndex() == kHorizontalIndex ? Polarisation::Horizontal
                                                                         : Polarisation::Vertical;
    t.position = ui->comboBoxPos->currentIndex();
    t.ifFrequency = bands::intermediateFrequency(ui->scrollBarSHF->value(), t.band);
    t.userbandFrequency = ui->scrollBarBandpassfreq->value();
    t.userband = ui->scrollBarTunerAddr->value();
    if (ui->groupBoxPinCode->isChecked())
        t.pin = ui->scrollBarPincode->value();
    return t;
}

QString MainWindow::commandResultText(int code, const std::string &text) const
{
    if (code == EncodeOk)
        return QString::fromStdString(text);

    // Subject and tail are translated on their own, so a catalogue never
    // has to know the whole sentence.
    QString subject;
    switch (code) {
    case EncodePositionOutOfRange:
        subject = tr("position");
        break;
    case EncodeUserbandOutOfRange:
        subject = tr("userband number");
        break;
    default:
        subject = tr("userband frequency");
        break;
    }
    return subject + QLatin1Char(' ') + tr("out of range");
}

void MainWindow::on_scrollBarSHF_valueChanged(int value)
{
    ui->spinBoxSHF->setValue(value);
    updateCommands();
}

void MainWindow::on_comboBoxBand_currentIndexChanged(const QString &)
{
    // The two ranges meet at 11700 MHz, so a change of band always leaves the
    // transponder there; the scroll bar reports that through valueChanged.
    const Band band = ui->comboBoxBand->currentIndex() == kHighBandIndex ? Band::High : Band::Low;
    ui->scrollBarSHF->setMinimum(bands::transponderMin(band));
    ui->scrollBarSHF->setMaximum(bands::transponderMax(band));
    // The field takes either band's frequencies, and the band follows one
    // typed there, as the tool's --frequency does.
    ui->spinBoxSHF->setRange(bands::transponderMin(Band::Low), bands::transponderMax(Band::High));
    updateCommands();
}

void MainWindow::on_scrollBarBandpassfreq_valueChanged(int value)
{
    ui->spinBoxBandpassfreq->setValue(value);
    // A preset stays chosen only while the frequency is its own.
    const int id = ui->buttonGroup->checkedId();
    if (id >= 0 && id < kPresetCount &&
        bands::presetFrequency(presetList(id), presetUserbandNumber(id)) != value) {
        ui->buttonGroup->setExclusive(false);
        ui->buttonGroup->checkedButton()->setChecked(false);
        ui->buttonGroup->setExclusive(true);
    }
    updateCommands();
}

void MainWindow::on_scrollBarTunerAddr_valueChanged(int value)
{
    ui->spinBoxTunerAddr->setValue(value);
    updateCommands();
}

void MainWindow::on_scrollBarPincode_valueChanged(int value)
{
    ui->spinBoxPincode->setValue(value);
    updateCommands();
}

// A typed value moves its scroll bar, whose slot does the rest; a bar that
// already holds it emits nothing.
void MainWindow::on_spinBoxSHF_valueChanged(int value)
{
    const Band band = ui->comboBoxBand->currentIndex() == kHighBandIndex ? Band::High : Band::Low;
    const bool follows = !bands::inBand(value, band);
    const Band other = bands::bandOf(value);
    if (follows)
        ui->comboBoxBand->setCurrentIndex(other == Band::High ? kHighBandIndex
                                                              : 1 - kHighBandIndex);
    ui->scrollBarSHF->setValue(value);
    // Said once the commands are new, which clear the status bar.
    if (follows) {
        const QString followed = tr("%1 MHz lies in the %2 band: the band follows it")
                                     .arg(value)
                                     .arg(other == Band::Low ? tr("low") : tr("high"));
        const QString note = tuningWordNote();
        // The note on the tuning word stays once the band's is read.
        ui->statusBar->showMessage(note.isEmpty() ? followed : tr("%1; %2").arg(followed, note),
                                   note.isEmpty() ? 5000 : 0);
    }
}

void MainWindow::on_spinBoxBandpassfreq_valueChanged(int value)
{
    ui->scrollBarBandpassfreq->setValue(value);
}

void MainWindow::on_spinBoxTunerAddr_valueChanged(int value)
{
    ui->scrollBarTunerAddr->setValue(value);
}

void MainWindow::on_spinBoxPincode_valueChanged(int value)
{
    ui->scrollBarPincode->setValue(value);
}

void MainWindow::on_buttonGroup_buttonClicked(int)
{
    // The scroll bars' own slots recompute; a bar already at the new value
    // emits nothing, and then nothing has changed. The frequency comes from
    // the preset table, not from the button's text, which a catalogue may
    // translate.
    const int id = ui->buttonGroup->checkedId();
    if (id < 0 || id >= kPresetCount)
        return;
    ui->scrollBarBandpassfreq->setValue(
        bands::presetFrequency(presetList(id), presetUserbandNumber(id)));
    if (ui->checkBoxLinkCSS->isChecked())
        ui->scrollBarTunerAddr->setValue(presetUserbandNumber(id));
}

void MainWindow::on_groupBoxPinCode_toggled(bool)
{
    updateCommands();
}

void MainWindow::on_comboBoxPol_currentIndexChanged(const QString &)
{
    updateCommands();
}

void MainWindow::on_actionBeenden_triggered()
{
    // The program ends through the connection made in the constructor.
}

bool MainWindow::closeTools()
{
    // The plan first: it may hold work, and its question may be answered
    // with Cancel.
    if (planner && planner->isVisible() && !planner->close())
        return false;
    for (QWidget *tool : std::initializer_list<QWidget *>{reader, recordings, listening, help})
        if (tool)
            tool->close();
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (closeTools())
        event->accept();
    else
        event->ignore();
}

void MainWindow::on_buttonBox_helpRequested()
{
}

void MainWindow::on_comboBoxPos_currentIndexChanged(int)
{
    updateCommands();
}

void MainWindow::on_action_Inhalt_triggered()
{
    // One help window at a time, raised again when asked for again.
    if (!help) {
        help = new QDialog(this);
        help->setObjectName(QStringLiteral("helpWindow"));
        help->setWindowTitle(tr("vantir help"));
        auto *browser = new QTextBrowser(help);
        browser->setObjectName(QStringLiteral("helpBrowser"));
        browser->setOpenExternalLinks(true);
        QFile document(tr(":/help/help_en.html"));
        if (document.open(QIODevice::ReadOnly))
            browser->setHtml(QString::fromUtf8(document.readAll()));
        auto *layout = new QVBoxLayout(help);
        layout->addWidget(browser);
        const int line = help->fontMetrics().height();
        help->resize(openingSize(help, QSize(40 * line, 36 * line)));
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void MainWindow::on_actionSaveSignalA_triggered()
{
    saveLineSignal(Standard::En50494);
}

void MainWindow::on_actionSaveSignalB_triggered()
{
    saveLineSignal(Standard::En50607);
}

void MainWindow::saveLineSignal(Standard standard)
{
    const Encoded encoded = encode(standard, tuning());
    const QString name = QString::fromLatin1(standardName(standard));
    if (!encoded.ok()) {
        QMessageBox::warning(this, tr("Nothing to save"),
                             tr("%1 cannot send these settings: %2")
                                 .arg(name, commandResultText(encoded.error, {})));
        return;
    }
    const Frame &frame = encoded.frame;
    const std::string text = bytesToHexText(frame);

    const QString wav = tr("Sound for a signal generator (*.wav)"),
                  csv = tr("Oscilloscope data (*.csv)"), svg = tr("Picture (*.svg)"),
                  png = tr("Picture (*.png)");
    QString filter = wav;
    QString path = askFileToSave(
        this, tr("Save the %1 line signal").arg(name),
        QDir(remembered::folder(remembered::kSignals)).filePath(QStringLiteral("signal.wav")),
        QStringList{wav, csv, svg, png}.join(";;"), &filter);
    if (path.isEmpty())
        return;
    QString suffix = QFileInfo(path).suffix().toLower();
    if (!QStringList{"wav", "csv", "svg", "png"}.contains(suffix)) {
        suffix = filter == csv ? "csv" : filter == svg ? "svg" : filter == png ? "png" : "wav";
        path += QLatin1Char('.') + suffix;
    }
    const linesignal::LineSignal signal = linesignal::lineSignal({frame});
    const QByteArray bytes =
        suffix == QLatin1String("wav") || suffix == QLatin1String("csv")
            ? QByteArray::fromStdString(
                  lineSignalFile(signal, suffix == QLatin1String("csv"), 192000, false))
            : signalPictureFile(
                  signal, QStringLiteral("%1 %2").arg(name, QString::fromStdString(text).trimmed()),
                  suffix == QLatin1String("svg"));
    Failure error;
    if (bytes.isEmpty())
        error = tr("the file could not be made");
    else if (const std::optional<Phrase> why = saveFile(filePath(path), bytes))
        error = phraseText(*why);
    if (error)
        QMessageBox::warning(
            this, tr("Not saved"),
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), *error));
    else {
        remembered::usedFile(remembered::kSignals, path);
        ui->statusBar->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), 5000);
    }
}

int MainWindow::userbandFrequencyFor(int userband) const
{
    if (ui->checkBoxLinkCSS->isChecked()) {
        const int id = ui->buttonGroup->checkedId();
        const int list = id >= 0 && id < kPresetCount ? presetList(id) : 1;
        if (userband >= 1 && userband <= bands::kPresetLists[list - 1].count)
            return bands::presetFrequency(list, userband);
    }
    return ui->scrollBarBandpassfreq->value();
}

Failure MainWindow::applyCommand(const Command &c, int userbandFrequency)
{
    // EN 50494 carries the sum of intermediate and userband frequency: the
    // userband's frequency it was read with, and the rest is the
    // transponder's.
    const int centre = userbandFrequency > 0 ? userbandFrequency : userbandFrequencyFor(c.userband);
    const Tuned tuned = tuningFor(c, centre);
    // The window's own limits first, then the command's.
    if (c.position >= ui->comboBoxPos->count())
        return tr("its position %1 lies beyond D, the last this window offers")
            .arg(QString::fromStdString(positionName(c.position)));
    if (c.userband > ui->scrollBarTunerAddr->maximum())
        return tr("its userband %1 lies beyond %2")
            .arg(c.userband)
            .arg(ui->scrollBarTunerAddr->maximum());
    if (!tuned.ok())
        return phraseText(tuned.error);
    const Tuning &t = tuned.tuning;
    ui->comboBoxPol->setCurrentIndex(t.polarisation == Polarisation::Vertical ? 1 : 0);
    ui->comboBoxBand->setCurrentIndex(t.band == Band::Low ? 1 : 0);
    ui->comboBoxPos->setCurrentIndex(t.position);
    ui->scrollBarSHF->setValue(tuned.transponder);
    // The frequency and the preset follow the userband together: the
    // list's button when it is the list's own frequency, else the frequency
    // alone, where it leaves no preset chosen.
    const int id = ui->buttonGroup->checkedId();
    const int list = id >= 0 && id < kPresetCount ? presetList(id) : 1;
    const int preset = list == 1 ? t.userband - 1 : kList1Count + t.userband - 1;
    if (ui->checkBoxLinkCSS->isChecked() && t.userband <= bands::kPresetLists[list - 1].count &&
        bands::presetFrequency(list, t.userband) == centre)
        ui->buttonGroup->button(preset)->click();
    else if (c.standard == Standard::En50494)
        ui->scrollBarBandpassfreq->setValue(centre);
    ui->scrollBarTunerAddr->setValue(t.userband);
    ui->groupBoxPinCode->setChecked(t.pin.has_value());
    if (t.pin)
        ui->scrollBarPincode->setValue(*t.pin);
    return std::nullopt;
}

void MainWindow::on_actionReadCommand_triggered()
{
    showTool(reader, [this] {
        return new ReadCommandWindow(
            [this](const Command &c, int userbandFrequency) {
                return applyCommand(c, userbandFrequency);
            },
            [this](int userband) { return userbandFrequencyFor(userband); }, this);
    });
}

ReadRecordingWindow *MainWindow::recordingWindow()
{
    return showTool(recordings, [this] {
        return new ReadRecordingWindow([this](const Command &c) { return applyCommand(c); }, this);
    });
}

void MainWindow::on_actionReadRecording_triggered()
{
    QMetaObject::invokeMethod(recordingWindow(), "chooseFile", Qt::QueuedConnection);
}

void MainWindow::on_actionPlan_triggered()
{
    showTool(planner, [this] {
        auto *plans = new PlanWindow(this);
        connect(plans, &PlanWindow::dropped, this, &MainWindow::openDropped);
        return plans;
    });
}

void MainWindow::on_actionListen_triggered()
{
    showTool(listening, [this] {
        return new ListenWindow([this](const Command &c) { return applyCommand(c); },
                                [this]() -> std::optional<Plan> {
                                    if (planner && planner->isVisible())
                                        return planner->currentPlan().plan;
                                    return std::nullopt;
                                },
                                this);
    });
}

void MainWindow::openRecording(const QString &path)
{
    recordingWindow()->open(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(event->mimeData());
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        openDropped(file);
    }
}

void MainWindow::openDropped(const QString &path)
{
    if (!QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive)) {
        on_actionPlan_triggered();
        PlanWindow *plans = planner;
        if (!plans->maySetAside())
            return;
        if (const Failure error = plans->openFile(path))
            QMessageBox::warning(
                plans, PlanWindow::tr("Not a plan"),
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), *error));
        return;
    }
    openRecording(path);
}

void MainWindow::on_actionI_nfo_triggered()
{
    // Parentless and modeless: it stays open and usable beside the window,
    // even after the window closes. It deletes itself when closed, so that
    // repeated use does not pile up hidden dialogs.
    auto *dialog = new QDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    Ui_InfoDialog form;
    form.setupUi(dialog);
    // The build's date in numbers, which read the same in either language.
    const QDate built = QLocale::c().toDate(QString::fromLatin1(__DATE__).simplified(),
                                            QStringLiteral("MMM d yyyy"));
    form.versionLabel->setText(
        QStringLiteral("Version: %1\n(%2)")
            .arg(QStringLiteral(VANTIR_VERSION), built.toString(Qt::ISODate)));
    dialog->show();
}
