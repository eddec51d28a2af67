// What an installer reads off a recording besides the bytes, from a cable
// modulated here independently of the program: the supply during each
// command, the tone's level, and commands left whole by the receiver's own
// steps of the supply through a sound card's probe.

#include "cable.h"
#include "capturefile.h"
#include "hextext.h"
#include "recording.h"
#include "signalfile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <fstream>

using cable::Bytes;

namespace {

const Bytes kChange{0xE0, 0x10, 0x5A, 0x0C, 0xF6}, kRepeat{0xE1, 0x10, 0x5A, 0x0C, 0xF6};

CaptureReading readFile(const std::string &bytes, const char *name, int channel = 1)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return readCaptureMessages(path, channel, 0);
}

// A line per entry: "ok" and the bytes, "damaged" and why, or "span".
QStringList lines(const CaptureReading &reading)
{
    QStringList read;
    for (const linesignal::Message &m : reading.messages)
        read << (m.damaged         ? QString("span")
                 : m.error.empty() ? "ok " + QString::fromStdString(bytesToHexText(m.bytes))
                                   : "damaged: " + QString::fromStdString(m.error.text()));
    return read;
}

} // namespace

class TestCable : public QObject
{
    Q_OBJECT

private slots:
    void measuresTheSupplyOverEachCommand_data();
    void measuresTheSupplyOverEachCommand();
    void receiversStepsLeaveCommandsWhole_data();
    void receiversStepsLeaveCommandsWhole();
    void readsTheChannelAsked_data();
    void readsTheChannelAsked();
    void measuresTheTonesLevel_data();
    void measuresTheTonesLevel();
    void namesWhatAClassicReceiverSends_data();
    void namesWhatAClassicReceiverSends();
    void readsAnExportAtTheRateOfAllItsRows();
};

void TestCable::measuresTheSupplyOverEachCommand_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("shape");
    for (const double rate : {100e3, 250e3, 1e6})
        for (const char *shape :
             {"step 8 ms before", "sagging", "two in one window", "faint tone", "glitch before"})
            QTest::addRow("%s, %g kHz", shape, rate / 1e3) << rate << QString(shape);
}

// An oscilloscope's export in volts: 13 V, then 18 V from 8 ms before the
// command to 6 ms after it, or sagging towards 16.5 V while it goes on, or
// two commands 15 ms apart in one window at 18 V; a faint tone beside the
// steps, whose ringing in the filter is as strong as the tone; 0.2 ms that
// are not numbers 3 ms before the command, over which the supply is held.
void TestCable::measuresTheSupplyOverEachCommand()
{
    QFETCH(double, rate);
    QFETCH(QString, shape);
    cable::Line line;
    line.rate = rate;
    line.seconds = 0.2;
    line.keying.send(kChange, 0.040);
    if (shape == "two in one window")
        line.keying.send(kRepeat, line.keying.last + 0.015);
    const bool faint = shape.startsWith("faint");
    if (faint)
        line.peakToPeak = 0.34;
    const double up = line.keying.first - 0.008, down = line.keying.last + 0.006;
    line.supply = cable::steps(13, 18, {{up, down}});
    if (shape == "sagging") {
        line.supply = [=](double t) {
            return t < up || t >= down ? 13.0 : 16.5 + 1.5 * std::exp(-(t - up) / 0.030);
        };
    }
    std::vector<double> volts = cable::volts(line);
    const bool glitch = shape == "glitch before";
    if (glitch) {
        const auto from = std::size_t((line.keying.first - 3e-3) * rate);
        std::fill_n(volts.begin() + long(from), std::size_t(0.2e-3 * rate), NAN);
    }
    const CaptureReading reading = readFile(cable::scopeCsv(volts, rate), "scope.csv");
    QCOMPARE(reading.unit, std::string("V"));
    QCOMPARE(reading.messages.size(), shape == "two in one window" || glitch ? 2u : 1u);
    for (const linesignal::Message &m : reading.messages) {
        if (m.damaged)
            continue;
        QVERIFY2(m.error.empty(), m.error.text().c_str());
        QVERIFY(m.hasSupply);
        const double end = m.start + m.bitCount * 1.5e-3;
        const double during = cable::mean(line.supply, m.start, end);
        const double before = cable::mean(line.supply, m.start - 5e-3, m.start);
        QVERIFY2(std::abs(m.supplyDuring - during) < 0.05,
                 qPrintable(
                     QString("%1 V during, the line's mean %2 V").arg(m.supplyDuring).arg(during)));
        QVERIFY2(std::abs(m.supplyBefore - before) < 0.05,
                 qPrintable(
                     QString("%1 V before, the line's mean %2 V").arg(m.supplyBefore).arg(before)));
    }
}

void TestCable::receiversStepsLeaveCommandsWhole_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("after");  // s from the last bit's slot to the step down
    QTest::addColumn<double>("divide"); // the probe's: by 2 the card clips at each step
    QTest::addColumn<QStringList>("read");
    const QStringList whole{"ok E0 10 5A 0C F6 ", "ok E1 10 5A 0C F6 "};
    for (const double rate : {88200.0, 96000.0, 192000.0, 384000.0, 1e6})
        for (const double after : {2e-3, 6e-3, 10e-3}) {
            QTest::addRow("%g kHz, %g ms after", rate / 1e3, after * 1e3)
                << rate << after << 2.0 << whole;
            if (after == 6e-3)
                QTest::addRow("%g kHz, %g ms after, not clipping", rate / 1e3, after * 1e3)
                    << rate << after << 8.0 << whole;
        }
    // The step half a slot before the last bit ends clips the card across it.
    for (const double rate : {96000.0, 192000.0})
        QTest::addRow("%g kHz, across the last bit", rate / 1e3)
            << rate << -0.7e-3 << 2.0
            << QStringList{"damaged: samples that are not numbers or are clipped cut it short",
                           "damaged: samples that are not numbers or are clipped cut it short"};
}

// The receiver raises the supply 8 ms before each command and lowers it
// after: through the probe the card clips for about 2 ms at each step. A
// clipped stretch after a command's last bit is a span of its own; one
// across the last bit damages the command.
void TestCable::receiversStepsLeaveCommandsWhole()
{
    QFETCH(double, rate);
    QFETCH(double, after);
    QFETCH(double, divide);
    QFETCH(QStringList, read);
    const cable::Line line = cable::receiver(rate, {{kChange, 0.040}, {kRepeat, 0.140}}, after);
    std::vector<double> v = cable::volts(line);
    cable::probe(v, rate, 80, divide);
    const CaptureReading reading = readFile(wavFile(cable::card(v), rate), "probe.wav");
    QStringList messages = lines(reading);
    messages.removeAll("span");
    QCOMPARE(messages, read);
}

void TestCable::readsTheChannelAsked_data()
{
    QTest::addColumn<bool>("shorts");
    QTest::addColumn<double>("rate");
    for (const double rate : {96000.0, 1e6}) {
        QTest::addRow("16-bit, %g kHz", rate / 1e3) << true << rate;
        QTest::addRow("floats, %g kHz", rate / 1e3) << false << rate;
    }
}

// A recorder's three channels, the command on the second, another on the
// third: each channel read is its own.
void TestCable::readsTheChannelAsked()
{
    QFETCH(bool, shorts);
    QFETCH(double, rate);
    std::vector<std::vector<float>> channels(3);
    for (const auto &[channel, frame] : {std::pair{1, kChange}, std::pair{2, kRepeat}}) {
        cable::Line line;
        line.rate = rate;
        line.seconds = 0.15;
        line.keying.send(frame, 0.03);
        const std::vector<double> volts = cable::volts(line);
        channels[std::size_t(channel)].assign(volts.begin(), volts.end());
    }
    channels[0].assign(channels[1].size(), 0.0f);
    const std::string file = cable::interleavedWav(channels, rate, shorts);
    QCOMPARE(lines(readFile(file, "three.wav", 1)), QStringList());
    // It says how many it holds, for a hint where the one read is silent.
    QCOMPARE(readFile(file, "three.wav", 1).channels, 3);
    QCOMPARE(lines(readFile(file, "three.wav", 2)), QStringList{"ok E0 10 5A 0C F6 "});
    QCOMPARE(lines(readFile(file, "three.wav", 3)), QStringList{"ok E1 10 5A 0C F6 "});
}

void TestCable::measuresTheTonesLevel_data()
{
    QTest::addColumn<double>("peakToPeak"); // V
    QTest::addColumn<double>("tone");
    QTest::addColumn<bool>("csv");
    for (const double tone : {18700.0, 22000.0, 25300.0})
        for (const double level : {0.3, 0.65, 1.0}) {
            QTest::addRow("%g V p-p at %g kHz, in volts", level, tone / 1e3)
                << level << tone << true;
            QTest::addRow("%g V p-p at %g kHz, in a sound file", level, tone / 1e3)
                << level << tone << false;
        }
}

// Peak to peak, in volts from an export and in full-scale fractions from a
// sound file, within 3 %; flagged outside 0.4..0.9 V.
void TestCable::measuresTheTonesLevel()
{
    QFETCH(double, peakToPeak);
    QFETCH(double, tone);
    QFETCH(bool, csv);
    cable::Line line;
    line.rate = csv ? 500e3 : 96000;
    line.tone = tone;
    line.peakToPeak = peakToPeak;
    line.keying.send(kChange, 0.030);
    if (csv)
        line.supply = cable::steps(13, 18, {{0.015, 0.120}});
    const std::vector<double> v = cable::volts(line);
    const CaptureReading reading = csv ? readFile(cable::scopeCsv(v, line.rate), "scope.csv")
                                       : readFile(wavFile(cable::card(v), line.rate), "card.wav");
    QCOMPARE(lines(reading), QStringList{"ok E0 10 5A 0C F6 "});
    const double level = reading.messages[0].tonePeakToPeak;
    QVERIFY2(std::abs(level / peakToPeak - 1) < 0.03,
             qPrintable(QString("%1 read for %2").arg(level).arg(peakToPeak)));
    // Only a level in volts can be outside what a receiver sends.
    const RecordingReport report = recordingReport(reading, 0);
    QCOMPARE(!report.messages[0].toneLevel.empty(), csv && peakToPeak != 0.65);
}

// What the line carries: a frame or a tone, and from when, in s.
struct Sent
{
    Bytes frame;
    double tone = 0; // s of unmodulated tone instead
    double at = 0;
};
Q_DECLARE_METATYPE(std::vector<Sent>)

void TestCable::namesWhatAClassicReceiverSends_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<std::vector<Sent>>("sent");
    QTest::addColumn<QStringList>("expected");
    const Bytes committed{0xE0, 0x10, 0x38, 0xF0}, asks{0xE2, 0x10, 0x14}, reply{0xE4, 0x30};
    const double frame4 = 36 * 1.5e-3, frame3 = 27 * 1.5e-3, frame5 = 45 * 1.5e-3;
    for (const double rate : {96000.0, 192000.0, 1e6}) {
        const auto row = [&](const char *name, std::vector<Sent> sent, QStringList expected) {
            QTest::addRow("%s, %g kHz", name, rate / 1e3) << rate << sent << expected;
        };
        // The sequence a DiSEqC 1.0 receiver sends: the switch, 15 ms, the burst.
        const double burstA = 0.020 + frame4 + 0.015;
        row("switch and tone burst A",
            {{committed, 0, 0.020}, {{}, 12.5e-3, burstA}, {kChange, 0, burstA + 0.0125 + 0.030}},
            {"E0 10 38 F0: DiSEqC 1.0 committed switch: option A, position A, vertical, low band",
             "tone 12.5 ms: tone burst A", "E0 10 5A 0C F6: EN 50494 channel change"});
        row("switch and tone burst B",
            {{committed, 0, 0.020},
             {{0xFF}, 0, 0.020 + frame4 + 0.015},
             {kChange, 0, 0.020 + frame4 + 0.015 + 13.5e-3 + 0.030}},
            {"E0 10 38 F0: DiSEqC 1.0 committed switch: option A, position A, vertical, low band",
             "FF: tone burst B", "E0 10 5A 0C F6: EN 50494 channel change"});
        row("reply 20 ms after a question",
            {{asks, 0, 0.020},
             {reply, 0, 0.020 + frame3 + 0.020},
             {kChange, 0, 0.020 + frame3 + 0.020 + 2 * 13.5e-3 + 0.030}},
            {"E2 10 14: Switch 0: read the committed switches",
             "E4 30: reply from a slave: OK, no errors, with data 30; answers 1",
             "E0 10 5A 0C F6: EN 50494 channel change"});
        row("reply too late to answer", {{asks, 0, 0.020}, {reply, 0, 0.020 + frame3 + 0.200}},
            {"E2 10 14: Switch 0: read the committed switches",
             "E4 30: reply from a slave: OK, no errors, with data 30"});
        for (const double seconds : {0.1, 1.0, rate < 1e6 ? 5.0 : 0.3}) {
            const QString tone = QString("tone %1 ms: 22 kHz for %2 ms: the high band chosen the "
                                         "classic way")
                                     .arg(seconds * 1e3, 0, 'f', 1)
                                     .arg(std::lround(seconds * 1e3));
            row(qPrintable(QString("continuous tone of %1 s").arg(seconds)),
                {{kChange, 0, 0.020},
                 {{}, seconds, 0.020 + frame5 + 0.015},
                 {kChange, 0, 0.020 + frame5 + 0.015 + seconds + 0.020}},
                {"E0 10 5A 0C F6: EN 50494 channel change", tone,
                 "E0 10 5A 0C F6: EN 50494 channel change"});
        }
        // Closer than the silence that ends a message: both read all the same.
        row("continuous tone 5 ms after a command",
            {{kChange, 0, 0.020}, {{}, 0.3, 0.020 + frame5 + 0.005}},
            {"E0 10 5A 0C F6: EN 50494 channel change",
             "tone 300.0 ms: 22 kHz for 300 ms: the high band chosen the classic way"});
        row("noise alone", {}, {});
        // The filters stretch each click into a burst: it must not read as
        // the 1s a bit's burst of tone there would be.
        for (const double click : {0.1e-3, 0.25e-3}) {
            std::vector<Sent> clicks;
            for (int slot = 0; slot < 27; ++slot)
                clicks.push_back({{}, click, 0.020 + slot * 1.5e-3});
            row(qPrintable(QString("clicks of %1 ms a slot apart").arg(click * 1e3)), clicks,
                {"FF FF FF:  damaged: its tone stops early in each slot's first third…"});
        }
    }
}

// Each entry read at its time, as a line naming what it is, nothing merged
// and nothing lost, through a sound card and a little noise.
void TestCable::namesWhatAClassicReceiverSends()
{
    QFETCH(double, rate);
    QFETCH(std::vector<Sent>, sent);
    QFETCH(QStringList, expected);
    cable::Line line;
    line.rate = rate;
    line.seconds = 0.3;
    for (const Sent &s : sent) {
        if (s.frame.empty())
            line.keying.on.emplace_back(s.at, s.at + s.tone);
        else
            line.keying.send(s.frame, s.at);
        line.seconds =
            std::max(line.seconds, (s.frame.empty() ? s.at + s.tone : line.keying.last) + 0.05);
    }
    std::vector<double> v = cable::volts(line);
    std::mt19937 random(7);
    cable::addNoise(v, rate, line.peakToPeak, 20, random);
    for (double &x : v)
        x /= 2;
    const RecordingReport report =
        recordingReport(readFile(wavFile(cable::card(v), rate), "card.wav"), 0);
    QStringList read;
    for (const ReadMessage &r : report.messages) {
        const linesignal::Message &m = r.message;
        QString text = r.tone() ? QString("tone %1 ms").arg(m.toneLength * 1e3, 0, 'f', 1)
                                : QString::fromStdString(bytesToHexText(m.bytes)).trimmed();
        text += ": " + QString::fromStdString(r.command ? commandKindInfo(r.command->kind).name
                                                        : r.meaning.text());
        if (r.command)
            text.replace(": ", ": EN 50494 ");
        if (r.answers >= 0)
            text += QString("; answers %1").arg(r.answers + 1);
        if (!r.clean())
            text += " damaged: " + QString::fromStdString(m.error.text());
        read << text;
    }
    // An expected text ending in "…" is the start of what is read.
    for (int i = 0; i < std::min(read.size(), expected.size()); ++i)
        if (expected[i].endsWith(u'…') && read[i].startsWith(expected[i].chopped(1)))
            read[i] = expected[i];
    QCOMPARE(read, expected);
    for (std::size_t i = 0; i < report.messages.size(); ++i)
        QVERIFY2(std::abs(report.messages[i].message.start - sent[i].at) < 0.3e-3,
                 qPrintable(QString("entry %1 at %2 ms")
                                .arg(i + 1)
                                .arg(report.messages[i].message.start * 1e3)));
}

// Times written coarser than the sample interval give the rate only over
// many rows: the messages read at the first rows' estimate are measured
// again at the rate the whole export gives, tone and timing with it.
void TestCable::readsAnExportAtTheRateOfAllItsRows()
{
    cable::Line line;
    line.rate = 2.5e6;
    line.seconds = 0.1;
    line.keying.send(kChange, 0.020);
    const CaptureReading reading =
        readFile(cable::scopeCsv(cable::volts(line), line.rate, 4), "scope.csv");
    QCOMPARE(lines(reading), QStringList{"ok E0 10 5A 0C F6 "});
    const linesignal::Message &m = reading.messages[0];
    QVERIFY2(std::abs(m.toneFrequency - line.tone) < 20,
             qPrintable(QString::number(m.toneFrequency)));
    QVERIFY2(std::abs(m.bitPeriod - 1.5e-3) < 1.5e-5, qPrintable(QString::number(m.bitPeriod)));
}

QTEST_APPLESS_MAIN(TestCable)
#include "tst_cable.moc"
