// What the window does beyond its own controls: reading a command back and
// applying it, the switch-offs, and saving the line signal, through the
// real widgets.

#include "../signal/cable.h"
#include "capturefile.h"
#include "linesignal.h"
#include "mainwindow.h"
#include "messagecells.h"
#include "windowtest.h"

#include "phrasetext.h"
#include "planfile.h"
#include "planwindow.h"
#include "readrecordingwindow.h"
#include "remembered.h"
#include "signalfile.h"

#include <QPrinter>

#include <QtTest>
#include <QtWidgets>

namespace {

// The reader, opened from the menu with its key.
QWidget *openReader(MainWindow &window)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return nullptr;
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    return window.findChild<QWidget *>("readCommandWindow");
}

// "Label: value" for each field the reader shows.
QStringList shownFields(QWidget *reader)
{
    QStringList lines;
    auto *table = reader->findChild<QTableWidget *>("tableFields");
    for (int row = 0; row < table->rowCount(); ++row)
        lines << table->item(row, 0)->text() + ": " + table->item(row, 1)->text();
    return lines;
}

void typeBytes(QWidget *reader, const QString &bytes)
{
    auto *edit = reader->findChild<QLineEdit *>("lineEditBytes");
    edit->clear();
    QTest::keyClicks(edit, bytes);
}

} // namespace

class TestWorkbench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void explainsAsItIsTyped_data();
    void explainsAsItIsTyped();
    void appliesOrSaysWhyNot_data();
    void appliesOrSaysWhyNot();
    void readsEn50494WithTheUserbandsFrequency_data();
    void readsEn50494WithTheUserbandsFrequency();
    void savesTheLineSignal_data();
    void savesTheLineSignal();
    void readsARecordingAndAppliesItsCommand();
    void listsWhatIsNoSingleCableCommand();
    void hintsAtAnotherChannel();
    void cancelledReadingLeavesTheWindowUsable();
    void readsAOneColumnExportAtTheRateGiven();
    void plansThroughTheTable();
    void refusesWhatTheReaderRefuses_data();
    void refusesWhatTheReaderRefuses();
    void addsNoReceiverPastTheLimit();
    void savesOpensAndPrintsAPlan();
    void speaksGermanUnderTheGermanCatalogue();
    void writesLongTimesAsOneNumber();
};

void TestWorkbench::initTestCase()
{
    // The toolkit's own file dialog, which a test can type into: Windows's
    // is a window of the system's, even on the offscreen platform.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestWorkbench::explainsAsItIsTyped_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("shown"); // a field, or the problem
    QTest::newRow("EN 50607 channel change") << "70 03 E8 03"
                                             << "Intermediate frequency: 1100 MHz";
    QTest::newRow("pasted with prefixes") << "0x70,0x05,0xD0,0x11"
                                          << "Position: 5";
    QTest::newRow("EN 50494, with the window's userband frequency")
        << "E0 10 5A 0C F6"
        << "Intermediate frequency: 1100 MHz";
    QTest::newRow("oscillator query") << "E0 10 5B 42 02"
                                      << "Oscillator: 02 (9750 MHz)";
    QTest::newRow("reserved bits") << "7D 07"
                                   << "Not a command: byte 2 is 07: its low three bits are "
                                      "reserved and must be 0";
    QTest::newRow("half a byte") << "70 03 E8 0"
                                 << "Not a command: '0' at column 10 has an odd number of hex "
                                    "digits";
    QTest::newRow("DiSEqC 1.0 switch") << "E0 10 38 F3"
                                       << "Polarisation: horizontal";
    QTest::newRow("a positioner")
        << "E0 31 6E D0 C5"
        << "positioner: go to 12.3° west. Not a single-cable command: this receiver drives a "
           "positioner; a single-cable unit ignores it";
}

void TestWorkbench::explainsAsItIsTyped()
{
    QFETCH(QString, bytes);
    QFETCH(QString, shown);
    MainWindow window;
    window.show();
    QWidget *reader = openReader(window);
    QVERIFY(reader && reader->isVisible());
    typeBytes(reader, bytes);
    const QString problem = reader->findChild<QLabel *>("labelProblem")->text();
    QVERIFY2(shownFields(reader).contains(shown) || problem == shown,
             qPrintable(shownFields(reader).join(" / ") + " / " + problem));
    // Only a single-cable command can be applied.
    QCOMPARE(reader->findChild<QPushButton *>("pushButtonApply")->isEnabled(),
             !problem.contains("Not a "));
}

void TestWorkbench::appliesOrSaysWhyNot_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("result"); // the window's EN 50607 field, or why not
    QTest::newRow("EN 50607 as the window's default") << "70 03 E8 03"
                                                      << "70 03 E8 03 ";
    QTest::newRow("vertical, low band, position B, userband 2, PIN") << "71 0B 84 04 2A"
                                                                     << "71 0B 84 04 2A ";
    QTest::newRow("EN 50494 at the window's userband frequency") << "E0 10 5A 0D 70"
                                                                 << "70 05 D0 03 ";
    QTest::newRow("position 5")
        << "70 05 D0 11"
        << "The main window cannot show it: its position 5 lies beyond D, the "
           "last this window offers";
    QTest::newRow("a query") << "7A"
                             << "The main window cannot show it: it is not a channel change";
    QTest::newRow("a switch-off") << "E0 10 5A 00 00"
                                  << "The main window cannot show it: it is not a channel change";
    QTest::newRow("below the low band")
        << "70 00 05 00"
        << "The main window cannot show it: its intermediate frequency of 105 "
           "MHz puts the transponder outside the low band";
}

void TestWorkbench::appliesOrSaysWhyNot()
{
    QFETCH(QString, bytes);
    QFETCH(QString, result);
    MainWindow window;
    window.show();
    QWidget *reader = openReader(window);
    QVERIFY(reader);
    typeBytes(reader, bytes);
    QTest::mouseClick(reader->findChild<QPushButton *>("pushButtonApply"), Qt::LeftButton);
    const QString problem = reader->findChild<QLabel *>("labelProblem")->text();
    if (result.startsWith("The main window"))
        QCOMPARE(problem, result);
    else
        QCOMPARE(window.findChild<QLineEdit *>("lineEditCmdB")->text(), result);
}

// An EN 50494 tuning word carries intermediate plus userband frequency: the
// reader offers the frequency the main window goes with for the command's
// userband, the installer may change it, and Apply leaves the main window
// consistent.
void TestWorkbench::readsEn50494WithTheUserbandsFrequency_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("typed"); // MHz, 0: as offered
    QTest::addColumn<int>("offered");
    QTest::addColumn<QString>("intermediate");
    QTest::addColumn<QStringList>("window"); // transponder, userband, its MHz, preset
    QTest::newRow("Automatic: userband 2 of list 1")
        << true << 0 << 1400 << "1592 MHz" << QStringList{"12192", "2", "1400", "button_scr1400"};
    QTest::newRow("Automatic, another frequency typed")
        << true << 1516 << 1400 << "1476 MHz" << QStringList{"12076", "2", "1516", ""};
    QTest::newRow("by hand: the window's own frequency")
        << false << 0 << 1284 << "1708 MHz" << QStringList{"12308", "2", "1284", "button_scr1284"};
}

void TestWorkbench::readsEn50494WithTheUserbandsFrequency()
{
    QFETCH(bool, automatic);
    QFETCH(int, typed);
    QFETCH(int, offered);
    QFETCH(QString, intermediate);
    QFETCH(QStringList, window);
    MainWindow main;
    main.show();
    main.findChild<QCheckBox *>("checkBoxLinkCSS")->setChecked(automatic);
    QWidget *reader = openReader(main);
    QVERIFY(reader);
    typeBytes(reader, "E0 10 5A 2D 8E");
    auto *centre = reader->findChild<QSpinBox *>("spinBoxUserbandFrequency");
    QVERIFY(centre->isVisible());
    QCOMPARE(centre->value(), offered);
    if (typed)
        centre->setValue(typed);
    QVERIFY2(shownFields(reader).contains("Intermediate frequency: " + intermediate),
             qPrintable(shownFields(reader).join(" / ")));
    QTest::mouseClick(reader->findChild<QPushButton *>("pushButtonApply"), Qt::LeftButton);
    auto *group = main.findChild<QButtonGroup *>("buttonGroup");
    QCOMPARE((QStringList{
                 QString::number(main.findChild<QScrollBar *>("scrollBarSHF")->value()),
                 QString::number(main.findChild<QScrollBar *>("scrollBarTunerAddr")->value()),
                 QString::number(main.findChild<QScrollBar *>("scrollBarBandpassfreq")->value()),
                 group->checkedButton() ? group->checkedButton()->objectName() : QString()}),
             window);
    // EN 50607 carries no userband frequency: no field for it.
    typeBytes(reader, "70 03 E8 03");
    QVERIFY(!centre->isVisible());
}

void TestWorkbench::savesTheLineSignal_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("EN 50494 as WAV") << "actionSaveSignalA"
                                     << "s.wav" << QByteArray("RIFF");
    QTest::newRow("EN 50607 as CSV") << "actionSaveSignalB"
                                     << "s.csv" << QByteArray("time_s");
    QTest::newRow("as SVG") << "actionSaveSignalB"
                            << "s.svg" << QByteArray("<?xml");
    QTest::newRow("as PNG") << "actionSaveSignalA"
                            << "s.png" << QByteArray("\x89PNG");
}

namespace {

// Types `path` into the next file dialog, once it shows, and accepts it:
// typed, as a user would, where a dialog with the focus keeps its name
// field as it is when a file is selected.
void answerFileDialog(const QString &path)
{
    QTimer::singleShot(0, [path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *name = dialog ? dialog->findChild<QLineEdit *>("fileNameEdit") : nullptr;
        if (!name)
            return answerFileDialog(path);
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

namespace {

// The text of a PDF file, by poppler's pdftotext; a null text where it
// cannot run (a Windows build under Wine), once the file is a PDF at all.
QString pdfText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF-"))
        return QStringLiteral("(not a PDF)");
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return QString();
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    if (!text.waitForFinished())
        return QStringLiteral("(pdftotext did not finish)");
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

void TestWorkbench::savesTheLineSignal()
{
    QFETCH(QString, action);
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    MainWindow window;
    window.show();
    answerFileDialog(path);
    window.findChild<QAction *>(action)->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(start.size()) == start);
    QVERIFY(window.statusBar()->currentMessage().startsWith("Saved "));
}

namespace {

// A recording of `commands`, each `seconds` apart, as a WAV file.
QString recording(const QTemporaryDir &folder, const QString &name,
                  const std::vector<std::vector<std::uint8_t>> &commands, double seconds)
{
    constexpr double rate = 192000;
    std::vector<float> samples;
    for (const auto &command : commands) {
        std::vector<float> one =
            linesignal::sampleLine(linesignal::lineSignal({command}), rate, false);
        one.resize(std::size_t(seconds * rate), 0.0f);
        for (float &v : one)
            v /= 0.5f;
        samples.insert(samples.end(), one.begin(), one.end());
    }
    const std::string bytes = wavFile(samples, rate);
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
        return QString();
    return path;
}

} // namespace

// An export of values alone is read at the rate typed in the window, and
// read again when the rate changes.
void TestWorkbench::readsAOneColumnExportAtTheRateGiven()
{
    QTemporaryDir folder;
    const std::vector<float> samples =
        linesignal::sampleLine(linesignal::lineSignal({{0x70, 0x03, 0xE8, 0x03}}), 192000, true);
    QFile file(folder.filePath("values.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const float v : samples)
        file.write(QByteArray::number(double(v), 'g', 6) + '\n');
    file.close();
    MainWindow window;
    window.show();
    window.openRecording(file.fileName());
    auto *reader = window.findChild<QWidget *>("readRecordingWindow");
    QVERIFY(reader);
    auto *status = reader->findChild<QLabel *>("labelStatus");
    QTRY_VERIFY(status->text().contains("give its sample rate"));
    auto *rate = reader->findChild<QSpinBox *>("spinBoxSampleRate");
    QCOMPARE(rate->text(), QString("from the file"));
    QVERIFY(rate->isEnabled());
    rate->setValue(192000);
    emit rate->editingFinished();
    auto *list = reader->findChild<QTableWidget *>("tableMessages");
    QTRY_COMPARE(list->rowCount(), 1);
    QCOMPARE(list->item(0, 1)->text(), QString("70 03 E8 03"));
    // An export in volts holds the supply: its column shows, and the list
    // saves as the window shows it.
    QVERIFY(!list->isColumnHidden(5));
    QCOMPARE(list->item(0, 5)->text(), QString("18.00 V before, 18.00 V during"));
    QCOMPARE(QString::fromUtf8(tableCsv(list)).split('\n').mid(0, 2),
             (QStringList{"At,Bytes,Bits,Tone,Meaning,Supply",
                          "20.02 ms,70 03 E8 03,every bit held,\"22.00 kHz, 0.66 V p-p\",EN 50607 "
                          "channel change,\"18.00 V before, 18.00 V during\""}));
    QVERIFY(reader->findChild<QPushButton *>("pushButtonSaveList")->isEnabled());
}

void TestWorkbench::readsARecordingAndAppliesItsCommand()
{
    QTemporaryDir folder;
    const QString path =
        recording(folder, "r.wav", {{0xE0, 0x10, 0x5B, 0x42, 0x02}, {0x70, 0x05, 0xD0, 0x03}}, 0.2);
    MainWindow window;
    window.show();
    window.openRecording(path);
    auto *reader = window.findChild<QWidget *>("readRecordingWindow");
    QVERIFY(reader);
    auto *list = reader->findChild<QTableWidget *>("tableMessages");
    QTRY_COMPARE(list->rowCount(), 2);
    QCOMPARE(list->item(0, 1)->text(), QString("E0 10 5B 42 02"));
    QCOMPARE(list->item(0, 2)->text(), QString("every bit held"));
    QCOMPARE(list->item(0, 3)->text(), QString("22.00 kHz, 1.320 FS p-p"));
    QCOMPARE(list->item(0, 4)->text(), QString("EN 50494 ODU_LOfreq"));
    QCOMPARE(list->item(1, 4)->text(), QString("EN 50607 channel change"));
    // A sound file holds no supply, and carries its own rate.
    QVERIFY(list->isColumnHidden(5));
    QVERIFY(!reader->findChild<QSpinBox *>("spinBoxSampleRate")->isEnabled());

    list->selectRow(1);
    QTest::mouseClick(reader->findChild<QPushButton *>("pushButtonApply"), Qt::LeftButton);
    QCOMPARE(window.findChild<QLineEdit *>("lineEditCmdB")->text(), QString("70 05 D0 03 "));
    list->selectRow(0);
    QTest::mouseClick(reader->findChild<QPushButton *>("pushButtonApply"), Qt::LeftButton);
    QCOMPARE(reader->findChild<QLabel *>("labelStatus")->text(),
             QString("The main window cannot show it: it is not a channel change"));
}

// A receiver in DiSEqC mode: its switch command and its tone burst, rows of
// their own beside a channel change, and nothing to apply from them.
void TestWorkbench::listsWhatIsNoSingleCableCommand()
{
    QTemporaryDir folder;
    constexpr double rate = 96000;
    std::vector<float> samples;
    for (const linesignal::LineSignal &signal :
         {linesignal::lineSignal({{0xE0, 0x10, 0x38, 0xF0}}),
          linesignal::toneSignal(linesignal::kToneBurstLength),
          linesignal::lineSignal({{0x70, 0x03, 0xE8, 0x03}})}) {
        const std::vector<float> one = linesignal::sampleLine(signal, rate, false);
        samples.insert(samples.end(), one.begin(), one.end());
    }
    const QString path = folder.filePath("classic.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(wavFile(samples, rate)));
    file.close();
    MainWindow window;
    window.show();
    window.openRecording(path);
    auto *reader = window.findChild<QWidget *>("readRecordingWindow");
    auto *list = reader->findChild<QTableWidget *>("tableMessages");
    QTRY_COMPARE(list->rowCount(), 3);
    QCOMPARE(list->item(0, 4)->text(),
             QString("DiSEqC 1.0 committed switch: option A, position A, vertical, low band"));
    QCOMPARE(list->item(1, 2)->text(), QString("12.5 ms of tone, no bits"));
    QCOMPARE(list->item(1, 4)->text(), QString("tone burst A"));
    QCOMPARE(list->item(2, 4)->text(), QString("EN 50607 channel change"));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(list->item(row, 1)->font().italic(), row < 2);
        list->selectRow(row);
        QCOMPARE(reader->findChild<QPushButton *>("pushButtonApply")->isEnabled(), row == 2);
    }
    QCOMPARE(list->item(1, 0)->toolTip(),
             QString("Not a single-cable command: this receiver switches with a tone burst; a "
                     "single-cable unit ignores it"));
    QVERIFY(remembered::recent(remembered::kRecordings).contains(path));
    // A file that cannot be read is not offered again.
    QFile bad(path);
    QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write("hello");
    bad.close();
    window.openRecording(path);
    QTRY_VERIFY(reader->findChild<QLabel *>("labelStatus")->text().contains("cannot be read"));
    QVERIFY(!remembered::recent(remembered::kRecordings).contains(path));
}

// A recorder's stereo file with the tone on its second channel: read on
// the first, the window says where else to look.
void TestWorkbench::hintsAtAnotherChannel()
{
    QTemporaryDir folder;
    cable::Line line;
    line.rate = 96000;
    line.keying.send({0x70, 0x03, 0xE8, 0x03}, 0.03);
    const std::vector<double> volts = cable::volts(line);
    const std::vector<std::vector<float>> channels{std::vector<float>(volts.size(), 0.0f),
                                                   std::vector<float>(volts.begin(), volts.end())};
    const QString path = folder.filePath("stereo.wav");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(cable::interleavedWav(channels, line.rate, true)));
    file.close();
    MainWindow window;
    window.show();
    window.openRecording(path);
    auto *reader = window.findChild<QWidget *>("readRecordingWindow");
    QTRY_COMPARE(reader->findChild<QLabel *>("labelStatus")->text(),
                 QString("No messages in %1 on channel 1 of 2; the tone may be on another "
                         "channel.")
                     .arg(QDir::toNativeSeparators(path)));
}

void TestWorkbench::cancelledReadingLeavesTheWindowUsable()
{
    QTemporaryDir folder;
    // Long enough at 192 kHz that the reading is still going on.
    const QString big =
        recording(folder, "big.wav",
                  std::vector<std::vector<std::uint8_t>>(400, {0x70, 0x03, 0xE8, 0x03}), 0.5);
    const QString small = recording(folder, "small.wav", {{0x70, 0x03, 0xE8, 0x03}}, 0.2);
    MainWindow window;
    window.show();
    window.openRecording(big);
    auto *reader = window.findChild<ReadRecordingWindow *>("readRecordingWindow");
    // Nothing modal while it reads: the main window goes on working.
    QVERIFY(reader->reading());
    // Opened again as it reads: the reading before ends unseen, and the
    // window does not wait for the new one.
    window.openRecording(big);
    QCoreApplication::processEvents();
    QVERIFY(reader->reading());
    QVERIFY(reader->findChild<QProgressBar *>("progressReading")->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(reader->findChildren<QDialog *>().isEmpty());
    // Cancel as the reading starts: it stops at its next block.
    reader->findChild<QPushButton *>("pushButtonCancel")->click();
    QTRY_VERIFY(!reader->reading());
    QVERIFY(reader->findChild<QLabel *>("labelStatus")->text().contains("cancelled"));
    QVERIFY(!reader->findChild<QPushButton *>("pushButtonCancel")->isVisible());
    auto *list = reader->findChild<QTableWidget *>("tableMessages");
    QVERIFY(list->rowCount() < 400);

    window.openRecording(small);
    QTRY_VERIFY(!reader->reading());
    QCOMPARE(list->rowCount(), 1);
    window.findChild<QComboBox *>("comboBoxPos")->setCurrentIndex(1);
    QCOMPARE(window.findChild<QLineEdit *>("lineEditCmdB")->text(), QString("70 03 E8 07 "));
}

namespace {

QStringList findingsOf(QWidget *planner)
{
    QStringList lines;
    auto *list = planner->findChild<QListWidget *>("listFindings");
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void setCell(QWidget *planner, int row, int column, const QString &text)
{
    planner->findChild<QTableWidget *>("tableReceivers")->item(row, column)->setText(text);
}

} // namespace

// Checks appear and go as the table is edited, with the receivers marked.
void TestWorkbench::plansThroughTheTable()
{
    MainWindow window;
    window.show();
    window.findChild<QAction *>("actionPlan")->trigger();
    auto *planner = window.findChild<PlanWindow *>("planWindow");
    QVERIFY(planner && planner->isVisible());
    planner->findChild<QPushButton *>("pushButtonList1")->click();
    auto *add = planner->findChild<QPushButton *>("pushButtonAdd");
    add->click();
    add->click();
    QVERIFY(findingsOf(planner).contains("Note: userband 3: free"));
    setCell(planner, 1, 1, "1");
    const QString shared = "Error: userband 1: receivers 'Receiver 1' and 'Receiver 2' share it";
    QVERIFY2(findingsOf(planner).contains(shared), qPrintable(findingsOf(planner).join(" / ")));
    auto *table = planner->findChild<QTableWidget *>("tableReceivers");
    QVERIFY(table->item(0, 0)->background() != QBrush());
    setCell(planner, 1, 1, "2");
    QVERIFY(!findingsOf(planner).contains(shared));
    QCOMPARE(table->item(0, 0)->background(), QBrush());
    planner->findChild<QLineEdit *>("lineEditTransponders")->setText("11493H, C 12188V");
    QVERIFY(findingsOf(planner).contains("Error: receiver 'Receiver 1': EN 50494 reaches "
                                         "positions A and B; the installation uses C") ==
            false); // the unit is EN 50607 and so are its receivers
    setCell(planner, 0, 2, "EN 50494");
    QVERIFY(findingsOf(planner).contains("Error: receiver 'Receiver 1': EN 50494 reaches "
                                         "positions A and B; the installation uses C"));
    planner->findChild<QLineEdit *>("lineEditTransponders")->setText("11493X");
    QCOMPARE(findingsOf(planner), QStringList{"transponder 1: '11493X' is not a transponder; "
                                              "write it as 11493H, B 12188V or 5 12188V"});
}

// The window builds only what the plan reader opens: what the reader
// refuses, the window refuses with its words, and a receiver past the
// limit cannot be added at all.
void TestWorkbench::refusesWhatTheReaderRefuses_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("33 userbands") << "lineEditUserbands" << QString("974 ").repeated(33)
                                  << "userbands: holds 33 entries; a plan holds at most 32";
    QTest::newRow("no userband") << "lineEditUserbands"
                                 << " , "
                                 << "userbands: names no userband";
    QTest::newRow("position 4") << "lineEditPositions"
                                << "A Astra; 4 Hotbird"
                                << "position '4': no such position; use A to D, or 5 to 64";
    QTest::newRow("a transponder off the bands")
        << "lineEditTransponders"
        << "11493H, 13000V"
        << "transponder 2: 13000 MHz is outside both bands (10700..12750 MHz)";
    QTest::newRow("a userband of letters") << "cell 1"
                                           << "zwei"
                                           << "receiver 1, userband: 'zwei' is not a whole number";
    QTest::newRow("a PIN past 32 bits")
        << "cell 3"
        << "4294967296"
        << "receiver 1, PIN: 4294967296 is beyond the whole numbers a plan holds "
           "(-2147483648..2147483647)";
}

void TestWorkbench::refusesWhatTheReaderRefuses()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, problem);
    PlanWindow planner;
    planner.findChild<QPushButton *>("pushButtonAdd")->click();
    if (field.startsWith("cell"))
        setCell(&planner, 0, field.section(' ', 1).toInt(), text);
    else
        planner.findChild<QLineEdit *>(field)->setText(text);
    QCOMPARE(findingsOf(&planner), QStringList{problem});
    QVERIFY(!planner.currentPlan().plan);
    QCOMPARE(planner.currentPlan().problem, problem);
    QTemporaryDir folder;
    QCOMPARE(planner.saveFile(folder.filePath("plan.json")), Failure(problem));
    QVERIFY(!QFile::exists(folder.filePath("plan.json")));
}

void TestWorkbench::addsNoReceiverPastTheLimit()
{
    PlanWindow planner;
    auto *add = planner.findChild<QPushButton *>("pushButtonAdd");
    for (int i = 0; i < kPlanMaxReceivers + 3; ++i)
        add->click();
    auto *table = planner.findChild<QTableWidget *>("tableReceivers");
    QCOMPARE(table->rowCount(), kPlanMaxReceivers);
    QVERIFY(!add->isEnabled());
    QVERIFY(!add->toolTip().isEmpty());
    // Add's mnemonic, with Add disabled, types no letter into a field or cell.
    planner.show();
    planner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&planner));
    auto *installation = planner.findChild<QLineEdit *>("lineEditInstallation");
    installation->setFocus();
    QTest::keyClick(installation, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(installation->text(), QString());
    table->setFocus();
    table->setCurrentCell(5, 0);
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), table);
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("Receiver 6"));
    QTemporaryDir folder;
    QCOMPARE(planner.saveFile(folder.filePath("plan.json")), Failure());
    QCOMPARE(readPlanFile(filePath(folder.filePath("plan.json"))).receivers.size(),
             kPlanMaxReceivers);
    table->setCurrentCell(0, 0);
    planner.findChild<QPushButton *>("pushButtonRemove")->click();
    QVERIFY(add->isEnabled());
}

// The example plan opened, saved, read by the tool's reader and opened
// again unchanged; its sheet printed to PDF.
void TestWorkbench::savesOpensAndPrintsAPlan()
{
    PlanWindow planner;
    QCOMPARE(planner.openFile(VANTIR_EXAMPLES_DIR "/musterstrasse.json"), Failure());
    QVERIFY(findingsOf(&planner).contains("Note: userband 4: free"));
    const std::optional<Plan> before = planner.currentPlan().plan;
    QVERIFY(before);

    QTemporaryDir folder;
    const QString path = folder.filePath("plan.json");
    QCOMPARE(planner.saveFile(path), Failure());
    const Plan read = readPlanFile(filePath(path));
    QVERIFY(read == *before);
    QVERIFY(read == readPlanFile(filePath(VANTIR_EXAMPLES_DIR "/musterstrasse.json")));
    PlanWindow again;
    QCOMPARE(again.openFile(path), Failure());
    QVERIFY(again.currentPlan().plan == before);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("sheet.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    QCOMPARE(planner.printSheet(printer), Failure());
    const QString printed = pdfText(folder.filePath("sheet.pdf"));
    QVERIFY2(printed.isNull() || printed.contains("Musterstraße 5, Haus B") &&
                                     printed.contains("Wohnzimmer") &&
                                     printed.contains("E0 10 5C 29 63 PIN"),
             qPrintable(printed.left(400)));
    QCOMPARE(planner.exportPdf(folder.filePath("export.pdf")), Failure());
    QVERIFY(QFileInfo(folder.filePath("export.pdf")).size() > 1000);
}

// The checks and the fields read back in German; what the tool prints
// stays as it is, since it installs no catalogue.
void TestWorkbench::speaksGermanUnderTheGermanCatalogue()
{
    QTranslator german;
    QVERIFY(german.load(VANTIR_QM_PATH) && QCoreApplication::installTranslator(&german));
    {
        MainWindow window;
        window.show();
        QCOMPARE(window.findChild<QMenu *>("menuTools")->title(), QString("&Werkzeuge"));
        PlanWindow planner;
        planner.findChild<QPushButton *>("pushButtonAdd")->click();
        QVERIFY2(findingsOf(&planner).contains("Hinweis: Userband 2: frei"),
                 qPrintable(findingsOf(&planner).join(" / ")));
        QWidget *reader = openReader(window);
        QVERIFY(reader);
        typeBytes(reader, "70 03 E8 01");
        QVERIFY(shownFields(reader).contains("Polarisation: vertikal"));
        QVERIFY(shownFields(reader).contains("Befehl: Kanalwechsel"));
        typeBytes(reader, "E1 00 5B 42 02");
        QVERIFY2(shownFields(reader).contains(QString::fromUtf8(
                     "Befehl: ODU_LOfreq: fragt nach dem Oszillator der Einheit")),
                 qPrintable(shownFields(reader).join(" / ")));
        QVERIFY(shownFields(reader).contains("Rahmen: E1 (wiederholte Sendung)"));
        QVERIFY(shownFields(reader).contains(QString::fromUtf8("Adresse: 00 (jedes Gerät)")));
        typeBytes(reader, "E0 10 38 F1");
        QCOMPARE(reader->findChild<QLabel *>("labelProblem")->text(),
                 QString::fromUtf8("DiSEqC-1.0-Schalter (committed): Option A, Position A, "
                                   "vertikal, High-Band. Kein Einkabelbefehl: dieser Receiver "
                                   "schaltet mit DiSEqC 1.0; eine Einkabeleinheit ignoriert das"));
        QVERIFY(shownFields(reader).contains("Band: High"));
        // Angles with the window's decimal sign, in the fields too.
        typeBytes(reader, "E0 31 6E E0 C5");
        QVERIFY2(shownFields(reader).contains("Winkel: 12,3 (Ost)"),
                 qPrintable(shownFields(reader).join(" / ")));

        // The plan reader's refusals, and what a plan's table says of a
        // command the standard cannot carry.
        const QVector<QPair<QByteArray, QString>> refused = {
            {R"({"unit": {"standard": "DVB", "userbands": [974]}, "receivers": []})",
             "unit.standard: 'DVB' ist weder EN 50494 noch EN 50607"},
            {R"({"unit": {"standard": "EN 50607", "userbands": [974], "bandwidth": 0},
                 "receivers": []})",
             "unit.bandwidth: 0 MHz ist keine Bandbreite; 1..1200 verwenden"},
            {R"({"unit": {"standard": "EN 50607", "userbands": {"preset": 3}}, "receivers": []})",
             "unit.userbands.preset: 3 ist keine vorgegebene Liste; 1 oder 2 verwenden"},
        };
        for (const auto &plan : refused) {
            try {
                readPlan(plan.first);
                QFAIL(plan.first.constData());
            } catch (const PlanError &error) {
                QCOMPARE(phraseText(error.why()), plan.second);
            }
        }
        const Plan beyondB = readPlan(R"({"unit": {"standard": "EN 50494", "userbands": [1284]},
            "receivers": [{"name": "Bad", "userband": 1}], "transponders": ["C 11493H"]})");
        QCOMPARE(phraseText(planTable(beyondB).value(0).problem),
                 QString::fromUtf8("Position außerhalb des Wertebereichs"));

        // The sheet the window prints speaks German too.
        QCOMPARE(planner.openFile(VANTIR_EXAMPLES_DIR "/musterstrasse.json"), Failure());
        QTemporaryDir folder;
        QCOMPARE(planner.exportPdf(folder.filePath("blatt.pdf")), Failure());
        const QString printed = pdfText(folder.filePath("blatt.pdf"));
        if (printed.isNull())
            QSKIP("no pdftotext here to read the sheet");
        for (const char *german : {"Einheit nach EN 50607 mit 4 Userbands", "Prüfungen", "Hinweis",
                                   "Befehle", "Landet bei", "PIN gesetzt"})
            QVERIFY2(printed.contains(QString::fromUtf8(german)), german);
        for (const char *english : {"Checks", "Commands", "Lands at", "PIN set", " unit with "})
            QVERIFY2(!printed.contains(english), english);
    }
    QCoreApplication::removeTranslator(&german);
}

// A time five minutes into a recording, with the catalogue's decimal sign
// and no thousands separator, in either language.
void TestWorkbench::writesLongTimesAsOneNumber()
{
    QCOMPARE(phraseText(Phrase::decimal(313075.59, 2)), QString("313075.59"));
    QTranslator german;
    QVERIFY(german.load(VANTIR_QM_PATH) && QCoreApplication::installTranslator(&german));
    QCOMPARE(phraseText(Phrase::decimal(313075.59, 2)), QString("313075,59"));
    QCoreApplication::removeTranslator(&german);
}

QTEST_MAIN(TestWorkbench)
#include "tst_workbench.moc"
