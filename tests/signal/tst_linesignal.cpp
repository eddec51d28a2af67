// Commands through the line signal and back: impaired as real captures are,
// a command reads back as the same bytes, or is reported damaged at the
// right place, never as another command.

#include "cable.h"
#include "command.h"
#include "commandencoding.h"
#include "hextext.h"
#include "linesignal.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace linesignal;
using Frame = std::vector<std::uint8_t>;

namespace {

const Frame kCommand{0xE0, 0x10, 0x5C, 0x0C, 0xF6, 0x2A};

// How a capture differs from the clean line.
struct Impairment
{
    double rate = 192000;
    double readRate = 0; // reading at another rate stretches the timing and the tone
    bool supply = true;
    double tone = kToneFrequency;
    double snr = INFINITY;          // dB, against the tone
    double hum = 0;                 // V of 50 Hz
    int bits = 0;                   // quantisation
    double from = 0, to = INFINITY; // s of the signal that the capture holds
    bool repeat = false;            // the command again, with framing E1
};

// A line per message: "ok" and its bytes, or "damaged" and why.
QStringList read(const std::vector<float> &samples, double rate)
{
    QStringList lines;
    for (const Message &m : readMessages(samples, rate))
        lines << (m.error.empty() ? "ok " + QString::fromStdString(bytesToHexText(m.bytes))
                                  : "damaged: " + QString::fromStdString(m.error.text()));
    return lines;
}

std::vector<float> impaired(const LineSignal &signal, const Impairment &i)
{
    std::vector<float> samples = sampleLine(signal, i.rate, i.supply, i.tone);
    std::mt19937 random(7);
    std::normal_distribution<float> noise(
        0, float(kToneAmplitude / std::sqrt(2.0) / std::pow(10, i.snr / 20)));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        float &v = samples[n];
        v += float(i.hum * std::sin(2 * M_PI * 50 * double(n) / i.rate)) +
             (std::isfinite(i.snr) ? noise(random) : 0.0f);
        if (i.bits) // full scale 20 V, as vantir-cli writes the supply
            v = std::round(v / 20 * float(1 << (i.bits - 1))) * 20 / float(1 << (i.bits - 1));
    }
    const auto from = std::size_t(i.from * i.rate);
    const auto to = std::min(samples.size(), std::size_t(std::min(i.to * i.rate, 1e12)));
    return {samples.begin() + long(from), samples.begin() + long(to)};
}

Frame frameOf(const std::string &hex)
{
    return parseHexText(hex).bytes;
}

} // namespace

Q_DECLARE_METATYPE(Impairment)

class TestLineSignal : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhatTheWindowSends();
    void readsImpairedCaptures_data();
    void readsImpairedCaptures();
    void reportsDamagedBitsWhereTheyAre_data();
    void reportsDamagedBitsWhereTheyAre();
    void readsAnInstallingReceiverInOrder();
    void readsACaptureThatStartsJustBefore_data();
    void readsACaptureThatStartsJustBefore();
    void oddSamplesMakeOneSpanAStretch_data();
    void oddSamplesMakeOneSpanAStretch();
    void damagedSpanInsideAMessageDamagesIt_data();
    void damagedSpanInsideAMessageDamagesIt();
    void readsNearTheNoise_data();
    void readsNearTheNoise();
    void neverReadsWrongBytesAsClean();
    void noiseAloneMakesNoMessage();
};

// Every choice of the window at its default frequencies and every switch-off,
// at 96 and 192 kHz, and a sample of them at 1 MHz.
void TestLineSignal::readsBackWhatTheWindowSends()
{
    std::vector<std::string> commands;
    for (int v = 0; v <= 1; ++v)
        for (int low = 0; low <= 1; ++low)
            for (int pos = 0; pos <= 3; ++pos)
                for (int ub = 0; ub < 32; ++ub)
                    for (const int pin : {-1, 0, 255}) {
                        for (auto encode : {encodeEn50494Command, encodeEn50607Command}) {
                            std::string hex;
                            if (encode(hex, v, low, pos, low ? 1950 : 1100, 1284, ub, pin) == 0)
                                commands.push_back(hex);
                        }
                        for (const Standard standard : kStandards) {
                            const Encoded off =
                                encode(switchOff(standard, ub + 1, pin >= 0 ? Pin(pin) : Pin()));
                            if (v + low + pos == 0 && off.ok())
                                commands.push_back(bytesToHexText(off.frame));
                        }
                    }
    for (const double rate : {96000.0, 192000.0, 1e6}) {
        for (std::size_t i = 0; i<commands.size(); i += rate> 2e5 ? 37 : 1) {
            const auto samples = sampleLine(lineSignal({frameOf(commands[i])}), rate, true);
            QCOMPARE(read(samples, rate), QStringList{"ok " + QString::fromStdString(commands[i])});
        }
    }
}

void TestLineSignal::readsImpairedCaptures_data()
{
    QTest::addColumn<Impairment>("impairment");
    QTest::addColumn<QStringList>("read");
    const QString ok = "ok E0 10 5C 0C F6 2A ";
    const auto row = [](const char *name, Impairment i, const QStringList &read) {
        QTest::newRow(name) << i << read;
    };
    Impairment i;
    row("clean", i, {ok});
    i.snr = 6;
    row("noise at 6 dB", i, {ok});
    i.rate = 96000;
    i.supply = false;
    row("noise at 6 dB, tone alone at 96 kHz", i, {ok});
    i = Impairment();
    i.hum = 2;
    row("2 V of 50 Hz hum", i, {ok});
    i = Impairment();
    i.tone = 18000;
    row("tone at 18 kHz", i, {ok});
    i.tone = 26000;
    row("tone at 26 kHz", i, {ok});
    i.tone = 27000;
    row("tone at 27 kHz", i, {"damaged: its tone of 27.0 kHz is outside 17.6..26.4 kHz"});
    // Far outside the range read, a tone is no command's.
    i.tone = 33000;
    row("tone at 33 kHz", i, {});
    i = Impairment();
    i.readRate = i.rate / 1.15;
    row("bits 15 % longer", i, {ok});
    i.readRate = i.rate / 0.85;
    row("bits 15 % shorter", i, {ok});
    i = Impairment();
    i.bits = 8;
    row("8-bit samples", i, {ok});
    i = Impairment();
    i.from = 0.030;
    row("starting inside the command", i, {"damaged: the capture starts inside this message"});
    i = Impairment();
    i.to = 0.060;
    row("ending inside the command", i, {"damaged: the capture ends inside this message"});
    // Its last slot ends at 101 ms; a recording that stops soon after holds
    // it whole.
    i.to = 0.106;
    row("ending 5 ms after the command", i, {ok});
    i = Impairment();
    i.repeat = true;
    i.snr = 10;
    row("the command and its repeat", i, {ok, "ok E1 10 5C 0C F6 2A "});
}

void TestLineSignal::readsImpairedCaptures()
{
    QFETCH(Impairment, impairment);
    QFETCH(QStringList, read);
    std::vector<Frame> commands{kCommand};
    if (impairment.repeat)
        commands.push_back({0xE1, 0x10, 0x5C, 0x0C, 0xF6, 0x2A});
    const auto samples = impaired(lineSignal(commands), impairment);
    QCOMPARE(::read(samples, impairment.readRate > 0 ? impairment.readRate : impairment.rate),
             read);
}

void TestLineSignal::reportsDamagedBitsWhereTheyAre_data()
{
    QTest::addColumn<int>("bit");     // from 0 over the whole command
    QTest::addColumn<double>("tone"); // ms of tone the bit gets instead
    QTest::addColumn<QString>("error");
    QTest::newRow("a 1 of byte 1 sent as 0") << 0 << 1.0 << "byte 1: its parity bit does not hold";
    QTest::newRow("a 0 of byte 4 sent as 1") << 27 << 0.5 << "byte 4: its parity bit does not hold";
    QTest::newRow("the parity bit of byte 6")
        << 53 << 0.5 << "byte 6: its parity bit does not hold";
    QTest::newRow("half a slot of tone in byte 3") << 21 << 0.75 << "byte 3, bit 4:";
}

void TestLineSignal::reportsDamagedBitsWhereTheyAre()
{
    QFETCH(int, bit);
    QFETCH(double, tone);
    QFETCH(QString, error);
    LineSignal signal = lineSignal({kCommand});
    signal.bits[std::size_t(bit)].tone = tone / 1e3;
    const auto messages = readMessages(sampleLine(signal, 192000, true), 192000);
    QCOMPARE(messages.size(), std::size_t(1));
    QVERIFY2(QString::fromStdString(messages[0].error.text()).startsWith(error),
             messages[0].error.text().c_str());
    QCOMPARE(messages[0].errorByte, bit / 9);
}

// A receiver installing itself: it asks for the userbands' tones, the
// configuration and the oscillator, then tunes; with noise, each command is
// read back in its order and named.
void TestLineSignal::readsAnInstallingReceiverInOrder()
{
    const QStringList sent{"E0 10 5B 00 00 ", "E0 10 5B 01 1B ", "E0 10 5B 02 02 ", "7A ",
                           "7D 08 ",          "E0 10 5A 0C F6 "};
    std::vector<Frame> frames;
    for (const QString &hex : sent)
        frames.push_back(frameOf(hex.toStdString()));
    Impairment i;
    i.snr = 10;
    const std::vector<Message> messages = readMessages(impaired(lineSignal(frames), i), i.rate);
    QStringList read;
    for (const Message &m : messages) {
        const Decoded d = decode(m.bytes);
        read << QString::fromStdString(bytesToHexText(m.bytes)) +
                    (m.error.empty() && d.ok() ? commandKindInfo(d.command.kind).name : "not read");
    }
    QCOMPARE(read, (QStringList{"E0 10 5B 00 00 ODU_UbxSignal_ON", "E0 10 5B 01 1B ODU_Config",
                                "E0 10 5B 02 02 ODU_LOfreq", "7A ODU_UB_avail", "7D 08 ODU_UB_freq",
                                "E0 10 5A 0C F6 channel change"}));
}

void TestLineSignal::readsACaptureThatStartsJustBefore_data()
{
    QTest::addColumn<Frame>("command");
    QTest::addColumn<double>("before"); // s of quiet line before its first bit
    QTest::addColumn<double>("rate");
    const Frame zeros{0x00, 0xE0, 0x10}, en50607{0x70, 0x03, 0xE8, 0x03};
    for (const double rate : {88200.0, 192000.0})
        for (const double before : {4e-3, 10e-3}) {
            QTest::addRow("0 bits first, %g ms before, %g kHz", before * 1e3, rate / 1e3)
                << zeros << before << rate;
            QTest::addRow("EN 50607, %g ms before, %g kHz", before * 1e3, rate / 1e3)
                << en50607 << before << rate;
        }
}

// An oscilloscope triggered by the first burst keeps only a few
// milliseconds before it: the noise floor is learnt from them and from the
// message's own quiet moments, never from its tone.
void TestLineSignal::readsACaptureThatStartsJustBefore()
{
    QFETCH(Frame, command);
    QFETCH(double, before);
    QFETCH(double, rate);
    const LineSignal signal = lineSignal({command});
    std::vector<float> samples = sampleLine(signal, rate, true);
    samples.erase(samples.begin(),
                  samples.begin() + long((signal.bits.front().start - before) * rate));
    const std::vector<Message> read = readMessages(samples, rate);
    QCOMPARE(read.size(), std::size_t(1));
    QVERIFY2(read[0].error.empty(), read[0].error.text().c_str());
    QVERIFY(read[0].bytes == command);
}

void TestLineSignal::oddSamplesMakeOneSpanAStretch_data()
{
    QTest::addColumn<int>("every"); // samples
    QTest::addColumn<float>("value");
    QTest::newRow("every other sample not a number") << 2 << NAN;
    QTest::newRow("every 100th infinite") << 100 << INFINITY;
    QTest::newRow("every 900th, 9.4 ms apart") << 900 << NAN;
}

// However many bad samples a stretch holds, it is one entry, counting its
// places, and a command after it is read whole.
void TestLineSignal::oddSamplesMakeOneSpanAStretch()
{
    QFETCH(int, every);
    QFETCH(float, value);
    const double rate = 96000;
    std::vector<float> samples(std::size_t(3 * rate), 0.0f);
    for (std::size_t n = 0; n < samples.size(); n += std::size_t(every))
        samples[n] = value;
    const std::vector<float> line = sampleLine(lineSignal({kCommand}), rate, true);
    samples.insert(samples.end(), line.begin(), line.end());
    const std::vector<Message> read = readMessages(samples, rate);
    QCOMPARE(read.size(), std::size_t(2));
    QVERIFY(read[0].damaged && read[0].damaged->end > 2.99 && read[0].damaged->end < 3.0);
    QCOMPARE(read[0].damaged->places, int(samples.size() - line.size()) / every);
    QVERIFY(read[1].error.empty() && read[1].bytes == kCommand);
}

void TestLineSignal::damagedSpanInsideAMessageDamagesIt_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("at");     // s; the bits start at 20 ms, a slot every 1.5 ms
    QTest::addColumn<double>("length"); // s
    for (const double rate : {96000.0, 192000.0}) {
        // One sample or a few milliseconds, in the gaps of a 0 and a 1, in a
        // burst, just before the fourth byte (what follows is whole bytes)
        // and at the start of the last bit.
        for (const double at : {0.0302, 0.0206, 0.0322, 0.0603, 0.0995})
            for (const double length : {0.0, 2e-3})
                QTest::addRow("%g kHz, %g ms at %g ms", rate / 1e3, length * 1e3, at * 1e3)
                    << rate << at << length;
        // The third byte's parity bit's slot alone: the rest is whole bytes
        // after a quiet slot.
        QTest::addRow("%g kHz, a whole slot", rate / 1e3) << rate << 0.0589 << 1.55e-3;
    }
}

// Whatever of the message is read on either side of the span is damaged,
// and in order: nothing is read clean through unreadable samples.
void TestLineSignal::damagedSpanInsideAMessageDamagesIt()
{
    QFETCH(double, rate);
    QFETCH(double, at);
    QFETCH(double, length);
    const LineSignal signal = lineSignal({kCommand});
    std::vector<float> samples = sampleLine(signal, rate, true);
    const auto from = std::size_t(at * rate);
    for (std::size_t n = from; n <= from + std::size_t(length * rate); ++n)
        samples[n] = NAN;
    double previous = -1;
    int spans = 0;
    for (const Message &m : readMessages(samples, rate)) {
        QVERIFY2(!m.error.empty(), qPrintable(QString::fromStdString(bytesToHexText(m.bytes))));
        QVERIFY(m.start > previous);
        previous = m.start;
        spans += m.damaged.has_value();
    }
    QCOMPARE(spans, 1);
}

namespace {

// A command from a modulator written for the test, with quiet around it:
// its oscillator at any phase, its first bit anywhere between two samples.
std::vector<float> noisyCommand(const Frame &command, double rate, double tone, double snr,
                                std::mt19937 &random)
{
    cable::Line line;
    line.rate = rate;
    line.tone = tone;
    line.phase = std::uniform_real_distribution<double>(0, 2 * cable::kPi)(random);
    line.keying.send(command, 0.05 + std::uniform_real_distribution<double>(0, 1e-3)(random));
    line.seconds = line.keying.last + 0.05;
    std::vector<double> volts = cable::volts(line);
    cable::addNoise(volts, rate, line.peakToPeak, snr, random);
    return {volts.begin(), volts.end()};
}

Frame randomCommand(std::mt19937 &random)
{
    return {0xE0, 0x10, 0x5A, std::uint8_t(random()), std::uint8_t(random() | 1)};
}

} // namespace

void TestLineSignal::readsNearTheNoise_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("tone");
    QTest::addColumn<double>("stretch"); // of the bits
    for (const double rate : {96000.0, 192000.0})
        for (const double tone : {18700.0, 22000.0, 25300.0})
            QTest::addRow("%g kHz, tone %g kHz", rate / 1e3, tone / 1e3) << rate << tone << 1.0;
    QTest::newRow("bits 8 % longer") << 96000.0 << 20400.0 << 1.08;
    QTest::newRow("bits 8 % shorter") << 192000.0 << 23900.0 << 0.92;
}

// At 4 dB over the noise within 30 kHz, 19 of 20 commands or more come
// through clean at either rate, anywhere in the tone's range, and with
// the bus's timing off its nominal.
void TestLineSignal::readsNearTheNoise()
{
    QFETCH(double, rate);
    QFETCH(double, tone);
    QFETCH(double, stretch);
    std::mt19937 random(int(rate + tone));
    int clean = 0;
    for (int i = 0; i < 20; ++i) {
        const Frame command = randomCommand(random);
        // Made at `stretch` times the rate it is read at, so that its bits
        // are as much longer; the tone made to be `tone` as read.
        const std::vector<float> samples =
            noisyCommand(command, rate * stretch, tone * stretch, 4, random);
        for (const Message &m : readMessages(samples, rate)) {
            QVERIFY2(
                !m.error.empty() || m.bytes == command,
                qPrintable("read clean as " + QString::fromStdString(bytesToHexText(m.bytes))));
            clean += m.error.empty();
        }
    }
    QVERIFY2(clean >= 19, qPrintable(QString("%1 of 20 clean").arg(clean)));
}

// Down to where little is read at all, what is read clean is what was sent.
void TestLineSignal::neverReadsWrongBytesAsClean()
{
    std::mt19937 random(4);
    int clean = 0;
    for (int i = 0; i < 900; ++i) {
        const double rate = i % 2 ? 96000 : 192000;
        const double tone = 18700 + 3300 * (i % 3);
        const double snr = i % 9;
        const Frame command = randomCommand(random);
        for (const Message &m :
             readMessages(noisyCommand(command, rate, tone, snr, random), rate)) {
            QVERIFY2(!m.error.empty() || m.bytes == command,
                     qPrintable(QString("%1 read clean as %2 at %3 dB")
                                    .arg(QString::fromStdString(bytesToHexText(command)),
                                         QString::fromStdString(bytesToHexText(m.bytes)))
                                    .arg(snr)));
            clean += m.error.empty();
        }
    }
    QVERIFY2(clean > 500, "too few read to say anything");
}

// A minute of noise at the level a command is still read at makes no
// message.
void TestLineSignal::noiseAloneMakesNoMessage()
{
    std::mt19937 random(9);
    for (const double rate : {96000.0, 192000.0}) {
        std::vector<double> noise(std::size_t(30 * rate), 0.0);
        cable::addNoise(noise, rate, 2 * kToneAmplitude, 4, random);
        const std::vector<Message> found = readMessages({noise.begin(), noise.end()}, rate);
        QVERIFY2(found.empty(),
                 qPrintable(QString("%1 at %2 Hz, the first: %3")
                                .arg(found.size())
                                .arg(rate)
                                .arg(found.empty()
                                         ? QString()
                                         : QString::fromStdString(found.front().error.text()))));
    }
}

QTEST_APPLESS_MAIN(TestLineSignal)
#include "tst_linesignal.moc"
