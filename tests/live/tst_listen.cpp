// Listening against a real sound server, by vantir-cli listen and in the
// window: the test starts its own PulseAudio with null sinks at 192, 96 and
// 48 kHz, plays recordings made here into them, and listens on their
// monitors.

#include "cable.h"
#include "generator.h"
#include "hextext.h"
#include "listenwindow.h"
#include "plan.h"
#include "planfile.h"
#include "signalfile.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QVector<Frame> kFive = {
    {0xE0, 0x10, 0x5A, 0x0C, 0xF6},       {0x70, 0x03, 0xE8, 0x03},
    {0xE0, 0x10, 0x5C, 0x0C, 0xF6, 0x2A}, {0x71, 0x14, 0x7E, 0x08, 0x2A},
    {0xE0, 0x10, 0x5A, 0x00, 0x00},
};

QString hex(const Frame &frame)
{
    return QString::fromStdString(bytesToHexText(frame));
}

} // namespace

class ListenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void hearsEveryCommandAsItEnds_data();
    void hearsEveryCommandAsItEnds();
    void hearsCommandsWholeBesideTheReceiversSteps_data();
    void hearsCommandsWholeBesideTheReceiversSteps();
    void savesWhatWasHeardAlsoOnCtrlC();
    void warnsOfAClippingInput();
    void refusesAnInputItCannotOpen_data();
    void refusesAnInputItCannotOpen();
    void namesEachCommandsReceiver();
    void windowListsWhatItHears_data();
    void windowListsWhatItHears();
    void flagsAReceiverNotSetToSingleCable_data();
    void flagsAReceiverNotSetToSingleCable();
    // Last: it stops the server.
    void windowListsTheInputsThere();
    void keepsWhatWasHeardWhenTheServerGoes();

private:
    void startServer();
    void stopServer();
    // Starts listening with `options`, and plays `frames` into `sink` once
    // it listens.
    void listenTo(QProcess &listen, const QStringList &options, const QVector<Frame> &frames,
                  const QString &sink = QStringLiteral("cable"), double rate = 192000,
                  float gain = 1);
    void playSamples(const std::vector<float> &samples, const QString &sink, double rate);
    void play(const QVector<Frame> &frames, const QString &sink = QStringLiteral("cable"),
              double rate = 192000, float gain = 1);
    QString writePlan();
    static QList<QJsonObject> jsonLines(const QByteArray &out);

    QTemporaryDir folder;
    QProcess server;
    QString cli = QStringLiteral(VANTIR_CLI);
};

void ListenTest::initTestCase()
{
    QVERIFY(folder.isValid());
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
        QStandardPaths::findExecutable("paplay").isEmpty())
        QSKIP("no PulseAudio here (Debian packages pulseaudio, pulseaudio-utils): listening "
              "is not tested");
    // The server and every program the test starts find each other here.
    qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8());
    qputenv("HOME", folder.path().toUtf8());
    qunsetenv("PULSE_SERVER");
    QFile config(folder.filePath("server.pa"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("load-module module-native-protocol-unix auth-anonymous=1\n"
                 "load-module module-null-sink sink_name=cable rate=192000 channels=1 "
                 "format=float32le\n"
                 "load-module module-null-sink sink_name=cable96 rate=96000 channels=1 "
                 "format=float32le\n"
                 "load-module module-null-sink sink_name=slow rate=48000 channels=2\n"
                 "set-default-source cable.monitor\n");
    config.close();
    startServer();
}

void ListenTest::startServer()
{
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start("pulseaudio", {"-n", "--exit-idle-time=-1", "--daemonize=no", "--use-pid-file=no",
                                "-F", folder.filePath("server.pa")});
    QVERIFY(server.waitForStarted());
    // Up once it answers.
    const auto answers = [] {
        QProcess pactl;
        pactl.start("pactl", {"info"});
        return pactl.waitForFinished() && pactl.exitCode() == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(answers() || server.state() == QProcess::NotRunning, 10000);
    QVERIFY2(server.state() == QProcess::Running, server.readAll().constData());
}

void ListenTest::stopServer()
{
    server.kill();
    server.waitForFinished();
}

void ListenTest::cleanupTestCase()
{
    stopServer();
}

void ListenTest::listenTo(QProcess &listen, const QStringList &options,
                          const QVector<Frame> &frames, const QString &sink, double rate,
                          float gain)
{
    listen.start(cli, QStringList{"listen"} + options);
    QVERIFY(listen.waitForStarted());
    QByteArray said;
    QTRY_VERIFY2_WITH_TIMEOUT((said += listen.readAllStandardError()).contains("Listening to"),
                              said.constData(), 10000);
    play(frames, sink, rate, gain);
}

void ListenTest::play(const QVector<Frame> &frames, const QString &sink, double rate, float gain)
{
    std::vector<std::vector<std::uint8_t>> commands(frames.begin(), frames.end());
    std::vector<float> samples =
        linesignal::sampleLine(linesignal::lineSignal(commands), rate, false);
    // Held at a 16-bit card's highest step either way, as a clipping card
    // holds it: just short of 1.
    const float highest = 32767.0f / 32768.0f;
    for (float &v : samples)
        v = std::clamp(v * gain, -highest, highest);
    playSamples(samples, sink, rate);
}

void ListenTest::playSamples(const std::vector<float> &samples, const QString &sink, double rate)
{
    const QString recording = folder.filePath(QStringLiteral("played-%1.wav").arg(rate));
    QFile file(recording);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(wavFile(samples, rate)));
    file.close();
    QCOMPARE(QProcess::execute("paplay", {"--device=" + sink, recording}), 0);
}

QList<QJsonObject> ListenTest::jsonLines(const QByteArray &out)
{
    QList<QJsonObject> lines;
    for (const QByteArray &line : out.split('\n'))
        if (!line.isEmpty())
            lines << QJsonDocument::fromJson(line).object();
    return lines;
}

void ListenTest::hearsEveryCommandAsItEnds_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("sink");
    QTest::addColumn<double>("rate");
    QTest::newRow("192 kHz") << "cable.monitor"
                             << "cable" << 192000.0;
    QTest::newRow("96 kHz") << "cable96.monitor"
                            << "cable96" << 96000.0;
    // ALSA's way in, here through its plugin for the server (the default
    // source is cable.monitor).
    QTest::newRow("ALSA") << "alsa:pulse"
                          << "cable" << 192000.0;
}

void ListenTest::hearsEveryCommandAsItEnds()
{
    QFETCH(QString, device);
    QFETCH(QString, sink);
    QFETCH(double, rate);
    QProcess listen;
    listenTo(listen, {"--device", device, "--seconds", "3", "--json"}, kFive, sink, rate);
    QVERIFY(listen.waitForFinished(20000));
    QCOMPARE(listen.exitCode(), 0);
    const QList<QJsonObject> heard = jsonLines(listen.readAllStandardOutput());
    QCOMPARE(heard.size(), kFive.size());
    for (int i = 0; i < heard.size(); ++i) {
        QCOMPARE(heard[i]["bytes"].toString(), hex(kFive[i]));
        QVERIFY(heard[i]["everyBitHeld"].toBool());
        // Printed within 0.1 s of its last bit, on the listening's clock.
        const double late = heard[i]["printed"].toDouble() - heard[i]["end"].toDouble();
        QVERIFY2(late >= 0 && late < 0.1, qPrintable(QString::number(late)));
    }
}

void ListenTest::hearsCommandsWholeBesideTheReceiversSteps_data()
{
    QTest::addColumn<QString>("sink");
    QTest::addColumn<double>("rate");
    QTest::addColumn<bool>("inTheWindow");
    QTest::newRow("192 kHz") << "cable" << 192000.0 << false;
    QTest::newRow("96 kHz") << "cable96" << 96000.0 << false;
    QTest::newRow("in the window") << "cable" << 192000.0 << true;
}

// The receiver raises the supply 8 ms before each command and lowers it
// 6 ms after: through the capacitor the card clips at each step, after the
// last bit, not across it. The window counts the commands, not the spans.
void ListenTest::hearsCommandsWholeBesideTheReceiversSteps()
{
    QFETCH(QString, sink);
    QFETCH(double, rate);
    QFETCH(bool, inTheWindow);
    const QVector<Frame> sent{{0xE0, 0x10, 0x5A, 0x0C, 0xF6}, {0xE1, 0x10, 0x5A, 0x0C, 0xF6}};
    std::vector<double> volts =
        cable::volts(cable::receiver(rate, {{sent[0], 0.1}, {sent[1], 0.2}}, 0.006));
    cable::probe(volts, rate);

    QStringList heard;
    if (inTheWindow) {
        ListenWindow window([](const Command &) { return QString(); },
                            []() -> std::optional<Plan> { return std::nullopt; });
        window.show();
        auto *device = window.findChild<QComboBox *>("comboDevice");
        device->setCurrentIndex(device->findData(sink + ".monitor"));
        auto *listen = window.findChild<QPushButton *>("pushButtonListen");
        QTest::mouseClick(listen, Qt::LeftButton);
        playSamples(cable::card(volts), sink, rate);
        QTRY_COMPARE_WITH_TIMEOUT(messageCount(window.messages()), std::size_t(2), 10000);
        QTest::mouseClick(listen, Qt::LeftButton);
        QVERIFY(window.messages().size() > 2);
        QCOMPARE(window.findChild<QLabel *>("labelStatus")->text(),
                 QStringLiteral("Messages heard: 2"));
        for (const ReadMessage &m : window.messages())
            if (!m.damagedSpan())
                heard << hex(m.message.bytes) + (m.clean() ? "" : " damaged");
    } else {
        QProcess listen;
        listen.start(cli, {"listen", "--device", sink + ".monitor", "--seconds", "2", "--json"});
        QVERIFY(listen.waitForStarted());
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += listen.readAllStandardError()).contains("Listening to"),
                                  said.constData(), 10000);
        playSamples(cable::card(volts), sink, rate);
        QVERIFY(listen.waitForFinished(20000));
        for (const QJsonObject &entry : jsonLines(listen.readAllStandardOutput()))
            if (!entry["damagedSpan"].toBool())
                heard << entry["bytes"].toString() +
                             (entry["everyBitHeld"].toBool() ? "" : " damaged");
        QCOMPARE(listen.exitCode(), 0);
    }
    QCOMPARE(heard, (QStringList{hex(sent[0]), hex(sent[1])}));
}

void ListenTest::savesWhatWasHeardAlsoOnCtrlC()
{
    const QString saved = folder.filePath("heard.wav");
    QProcess listen;
    listenTo(listen, {"--save", saved, "--json"}, kFive);
    QTRY_COMPARE_WITH_TIMEOUT(listen.peek(1 << 20).count('\n'), kFive.size(), 10000);
    ::kill(pid_t(listen.processId()), SIGINT);
    QVERIFY(listen.waitForFinished(10000));
    QCOMPARE(listen.exitStatus(), QProcess::NormalExit);
    QCOMPARE(listen.exitCode(), 0);

    QProcess decode;
    decode.start(cli, {"decode", "--capture", saved, "--json"});
    QVERIFY(decode.waitForFinished(20000));
    QCOMPARE(decode.exitCode(), 0);
    const QJsonArray read = QJsonDocument::fromJson(decode.readAllStandardOutput()).array();
    QCOMPARE(read.size(), kFive.size());
    for (int i = 0; i < read.size(); ++i)
        QCOMPARE(read[i].toObject()["bytes"].toString(), hex(kFive[i]));
}

void ListenTest::warnsOfAClippingInput()
{
    QProcess listen;
    // Far beyond full scale: the sound file holds it clipped.
    listenTo(listen, {"--seconds", "2"}, kFive.mid(0, 1), QStringLiteral("cable"), 192000, 10);
    QVERIFY(listen.waitForFinished(10000));
    QVERIFY(QString::fromUtf8(listen.readAllStandardError())
                .contains(QRegularExpression("^listen: the input clips at [0-9.]+ s: lower its "
                                             "level, or messages are damaged$",
                                             QRegularExpression::MultilineOption)));
}

void ListenTest::refusesAnInputItCannotOpen_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("says");
    QTest::newRow("no such input")
        << QStringList{"--device", "nosuch"} << "listen: nosuch: no such input";
    QTest::newRow("too slow") << QStringList{"--device", "slow.monitor"}
                              << "listen: slow.monitor records at 48000 Hz; the 22 kHz tone "
                                 "needs 88200 Hz or more";
    QTest::newRow("rate too slow")
        << QStringList{"--rate", "48000"} << "listen: --rate 48000 Hz is too slow";
    QTest::newRow("faster than it records")
        << QStringList{"--device", "cable96.monitor", "--rate", "192000"}
        << "listen: cable96.monitor records at 96000 Hz, not 192000 Hz\n";
    QTest::newRow("no such channel") << QStringList{"--channel", "2"}
                                     << "listen: cable.monitor has 1 channel, not a channel 2\n";
    QTest::newRow("no ALSA device")
        << QStringList{"--device", "alsa:nosuch"} << "listen: alsa:nosuch: no such input";
}

void ListenTest::refusesAnInputItCannotOpen()
{
    QFETCH(QStringList, options);
    QFETCH(QString, says);
    QProcess listen;
    listen.start(cli, QStringList{"listen", "--seconds", "1"} + options);
    QVERIFY(listen.waitForFinished(10000));
    QCOMPARE(listen.exitCode(), 2);
    QCOMPARE(listen.readAllStandardOutput(), QByteArray());
    const QString err = QString::fromUtf8(listen.readAllStandardError());
    QCOMPARE(err.count('\n'), 1);
    QVERIFY2(err.startsWith("vantir-cli: " + says), qPrintable(err));
}

QString ListenTest::writePlan()
{
    const QString planFile = folder.filePath("plan.json");
    QFile file(planFile);
    file.open(QIODevice::WriteOnly);
    file.write(R"({"unit": {"standard": "EN 50607", "userbands": [974, 1076, 1178, 1280]},
                  "receivers": [{"name": "Wohnzimmer", "userband": 1},
                                {"name": "Küche", "userband": 2, "standard": "EN 50494",
                                 "pin": 12}],
                  "transponders": ["11493H", "B 12188V"]})");
    file.close();
    return planFile;
}

void ListenTest::namesEachCommandsReceiver()
{
    const QString planFile = writePlan();
    const Plan plan = readPlanFile(filePath(planFile));
    QVector<Frame> frames;
    for (const PlanRow &row : planTable(plan))
        frames << row.frame;
    // EN 50607 on userband 4, which no receiver uses.
    frames << Frame{0x70, 0x1C, 0xE8, 0x03};
    // Küche's userband, at 1076 MHz, with a tuning word that only a higher
    // userband frequency would bring onto the cable.
    frames << Frame{0xE0, 0x10, 0x5A, 0x20, 0x96};

    QProcess listen;
    listenTo(listen, {"--plan", planFile, "--seconds", "3", "--json"}, frames);
    QVERIFY(listen.waitForFinished(20000));
    QCOMPARE(listen.exitCode(), 5);
    const QList<QJsonObject> heard = jsonLines(listen.readAllStandardOutput());
    QCOMPARE(heard.size(), frames.size());
    const QStringList expected = {"Wohnzimmer A 11493H",
                                  "Wohnzimmer B 12188V",
                                  "Küche A 11493H",
                                  "Küche B 12188V",
                                  " ",
                                  "Küche "};
    for (int i = 0; i < heard.size(); ++i) {
        const QJsonObject planned = heard[i]["plan"].toObject();
        QCOMPARE(planned["receiver"].toString() + ' ' + planned["transponder"].toString(),
                 expected[i]);
        QCOMPARE(planned["expected"].toBool(), i < 4);
    }
    QCOMPARE(heard[4]["plan"].toObject()["text"].toString(),
             QStringLiteral("no receiver of the plan sends EN 50607 on userband 4"));
    for (int i = 0; i < heard.size(); ++i)
        QCOMPARE(heard[i].contains("warning"), i == 5);
}

// The window lists inputs, not ALSA's plugins, renews the list as a server
// or a sink comes and goes, and says what to do when there is none.
void ListenTest::windowListsTheInputsThere()
{
    stopServer();
    ListenWindow window({}, {});
    window.show();
    auto *device = window.findChild<QComboBox *>("comboDevice");
    auto *listen = window.findChild<QPushButton *>("pushButtonListen");
    auto *status = window.findChild<QLabel *>("labelStatus");
    const auto listed = [device] {
        QStringList names;
        for (int i = 0; i < device->count(); ++i)
            names << device->itemData(i).toString();
        return names;
    };
    // Without a server: the cards' own capture devices, or none.
    for (const QString &name : listed())
        QVERIFY2(name.isEmpty() || name.startsWith("alsa:plughw:"), qPrintable(name));
    if (listed().filter(QRegularExpression("^alsa:")).isEmpty()) {
        QVERIFY(!listen->isEnabled());
        QVERIFY2(status->text().startsWith("No audio input is there. Connect the sound card"),
                 qPrintable(status->text()));
    }

    startServer();
    QTRY_VERIFY_WITH_TIMEOUT(listed().contains("cable.monitor"), 10000);
    QVERIFY(listen->isEnabled());
    QVERIFY(!status->text().startsWith("No audio input"));
    QProcess load;
    load.start("pactl", {"load-module", "module-null-sink", "sink_name=spare", "rate=96000"});
    QVERIFY(load.waitForFinished() && load.exitCode() == 0);
    QTRY_VERIFY_WITH_TIMEOUT(listed().contains("spare.monitor"), 10000);
    // A sink gone between the list and Listen: said, and the list renewed.
    device->setCurrentIndex(device->findData(QStringLiteral("spare.monitor")));
    QCOMPARE(QProcess::execute("pactl", {"unload-module", load.readAll().trimmed()}), 0);
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(!window.listening());
    QCOMPARE(status->text(), QStringLiteral("Cannot listen: spare.monitor: no such input. The list "
                                            "now shows the inputs there are."));
    QVERIFY(!listed().contains("spare.monitor"));

    // What was heard can be saved also when no message was in it.
    device->setCurrentIndex(device->findData(QStringLiteral("cable.monitor")));
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(window.listening());
    playSamples(std::vector<float>(19200), QStringLiteral("cable"), 192000);
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(window.messages().empty());
    QVERIFY(window.findChild<QPushButton *>("pushButtonSave")->isEnabled());
}

void ListenTest::keepsWhatWasHeardWhenTheServerGoes()
{
    const QString saved = folder.filePath("cut.wav");
    QProcess listen;
    listenTo(listen, {"--save", saved}, kFive);
    QTRY_VERIFY_WITH_TIMEOUT(listen.peek(1 << 20).contains("Message 5 "), 10000);
    stopServer();
    QVERIFY(listen.waitForFinished(10000));
    QCOMPARE(listen.exitCode(), 3);
    QVERIFY(QString::fromUtf8(listen.readAllStandardError())
                .contains(QRegularExpression("listen: cable.monitor went away .*; what was "
                                             "heard is kept")));
    QProcess decode;
    decode.start(cli, {"decode", "--capture", saved});
    QVERIFY(decode.waitForFinished(20000));
    QCOMPARE(decode.exitCode(), 0);
    QCOMPARE(decode.readAllStandardOutput().count("Every bit and parity bit held"), kFive.size());
}

void ListenTest::windowListsWhatItHears_data()
{
    QTest::addColumn<bool>("withPlan");
    QTest::newRow("alone") << false;
    QTest::newRow("with a plan open") << true;
}

void ListenTest::windowListsWhatItHears()
{
    QFETCH(bool, withPlan);
    const Plan plan = readPlanFile(filePath(writePlan()));
    QVector<Command> applied;
    ListenWindow window(
        [&applied](const Command &c) {
            applied << c;
            return QString();
        },
        [&]() -> std::optional<Plan> {
            if (withPlan)
                return plan;
            return std::nullopt;
        });
    window.show();
    auto *device = window.findChild<QComboBox *>("comboDevice");
    const int index = device->findData(QStringLiteral("cable.monitor"));
    QVERIFY(index > 0);
    device->setCurrentIndex(index);
    auto *listen = window.findChild<QPushButton *>("pushButtonListen");
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(window.listening());
    play(kFive);
    QTRY_COMPARE_WITH_TIMEOUT(window.messages().size(), std::size_t(kFive.size()), 10000);
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(!window.listening());

    auto *table = window.findChild<QTableWidget *>("tableMessages");
    QCOMPARE(table->rowCount(), kFive.size());
    QCOMPARE(table->isColumnHidden(5), !withPlan);
    for (int row = 0; row < kFive.size(); ++row) {
        QCOMPARE(table->item(row, 1)->text(), hex(kFive[row]).trimmed());
        QCOMPARE(table->item(row, 2)->text(), QStringLiteral("every bit held"));
    }
    // 70 03 E8 03 is Wohnzimmer's userband, but not one of its transponders.
    if (withPlan)
        QCOMPARE(table->item(1, 5)->text(),
                 QStringLiteral("receiver 'Wohnzimmer', but for no transponder of the plan "
                                "(or with another PIN)"));
    table->selectRow(1);
    QTest::mouseClick(window.findChild<QPushButton *>("pushButtonApply"), Qt::LeftButton);
    QCOMPARE(applied.size(), 1);
    QCOMPARE(encode(applied.first()).frame, kFive[1]);
    QVERIFY(window.findChild<QPushButton *>("pushButtonSave")->isEnabled());
}

void ListenTest::flagsAReceiverNotSetToSingleCable_data()
{
    QTest::addColumn<bool>("inTheWindow");
    QTest::newRow("vantir-cli listen") << false;
    QTest::newRow("the Listen window") << true;
}

// A receiver left in DiSEqC mode beside one set to single-cable: its switch
// command, tone burst and continuous tone, and a question and its reply, each
// heard as what it is and flagged against the plan.
void ListenTest::flagsAReceiverNotSetToSingleCable()
{
    QFETCH(bool, inTheWindow);
    const QString planFile = writePlan();
    const Plan plan = readPlanFile(filePath(planFile));
    const Frame planned = planTable(plan).first().frame;
    const double rate = 96000;
    cable::Line line;
    line.rate = rate;
    line.keying.send({0xE0, 0x10, 0x38, 0xF0}, 0.1);
    double t = line.keying.last + 0.015;
    line.keying.on.emplace_back(t, t + 0.0125);
    line.keying.send(planned, t + 0.0125 + 0.030);
    t = line.keying.last + 0.030;
    line.keying.on.emplace_back(t, t + 0.3);
    line.keying.send({0xE2, 0x10, 0x14}, t + 0.3 + 0.030);
    line.keying.send({0xE4, 0x30}, line.keying.last + 0.020);
    line.seconds = line.keying.last + 0.1;
    std::vector<double> volts = cable::volts(line);
    for (double &v : volts)
        v /= 2;
    const QStringList expected{
        "DiSEqC 1.0 committed switch: option A, position A, vertical, low band|not set to "
        "single-cable",
        "tone burst A|not set to single-cable",
        "EN 50607 channel change|receiver 'Wohnzimmer', A 11493H",
        "22 kHz for 300 ms: the high band chosen the classic way|not set to single-cable",
        "Switch 0: read the committed switches|not set to single-cable",
        "reply from a slave: OK, no errors, with data 30|not set to single-cable",
    };
    QStringList heard;
    if (inTheWindow) {
        ListenWindow window([](const Command &) { return QString(); },
                            [&]() -> std::optional<Plan> { return plan; });
        window.show();
        auto *device = window.findChild<QComboBox *>("comboDevice");
        device->setCurrentIndex(device->findData(QStringLiteral("cable.monitor")));
        auto *listen = window.findChild<QPushButton *>("pushButtonListen");
        QTest::mouseClick(listen, Qt::LeftButton);
        playSamples(cable::card(volts), QStringLiteral("cable"), rate);
        QTRY_COMPARE_WITH_TIMEOUT(window.messages().size(), std::size_t(expected.size()), 10000);
        QTest::mouseClick(listen, Qt::LeftButton);
        auto *table = window.findChild<QTableWidget *>("tableMessages");
        for (int row = 0; row < table->rowCount(); ++row) {
            heard << table->item(row, 4)->text() + '|' + table->item(row, 5)->text();
            // Rows of another kind read apart, and say why on every cell.
            QCOMPARE(table->item(row, 0)->font().italic(), row != 2);
            QCOMPARE(table->item(row, 1)->toolTip().startsWith("Not a single-cable command: "),
                     row != 2);
            // Flagged against the plan in the Receiver column.
            QCOMPARE(table->item(row, 5)->font().bold(), row != 2);
        }
        QCOMPARE(window.messages()[5].answers, 4);
    } else {
        QProcess listen;
        listen.start(cli, {"listen", "--device", "cable.monitor", "--plan", planFile, "--seconds",
                           "3", "--json"});
        QVERIFY(listen.waitForStarted());
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += listen.readAllStandardError()).contains("Listening to"),
                                  said.constData(), 10000);
        playSamples(cable::card(volts), QStringLiteral("cable"), rate);
        QVERIFY(listen.waitForFinished(20000));
        const QList<QJsonObject> entries = jsonLines(listen.readAllStandardOutput());
        for (const QJsonObject &entry : entries) {
            const QJsonObject command = entry["command"].toObject();
            heard << (entry.contains("meaning")
                          ? entry["meaning"].toString()
                          : command["standard"].toString() + ' ' + command["command"].toString()) +
                         '|' + entry["plan"].toObject()["text"].toString();
        }
        QCOMPARE(listen.exitCode(), 5);
        QCOMPARE(entries.value(5)["answers"].toString(), QStringLiteral("message 3, E2 10 14"));
    }
    QCOMPARE(heard, expected);
}

QTEST_MAIN(ListenTest)
#include "tst_listen.moc"
