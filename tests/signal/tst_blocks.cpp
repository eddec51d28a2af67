// Each block of the demodulator on its own, against reference data made
// here: the decimator, the tone filter's response, the tone envelope, the noise floor, the
// burst detector's edges, the bit slicer and the message assembler.

#include "bitslicer.h"
#include "burstdetector.h"
#include "capturecsv.h"
#include "decimator.h"
#include "hextext.h"
#include "messageassembler.h"
#include "noisefloor.h"
#include "slotreader.h"
#include "supplymeter.h"
#include "toneenvelope.h"
#include "tonefilter.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace linesignal;

namespace {

constexpr double kRate = 192000;

// The power of a sine of amplitude 1 at `frequency` after the filter has
// settled, and the crossings it reports a second.
QPair<double, double> response(double frequency)
{
    ToneFilter filter(kRate);
    double power = 0;
    int crossings = 0;
    const int settle = int(kRate / 100), count = int(kRate / 10);
    for (int n = 0; n < settle + count; ++n) {
        const ToneFilter::Output out = filter(std::sin(2 * M_PI * frequency * n / kRate) + 13.0);
        if (n >= settle) {
            power += out.value * out.value / count;
            crossings += out.crossing.has_value();
        }
    }
    return {power, crossings / (count / kRate)};
}

// The envelope's power of a sine of amplitude 1 at `frequency` through the
// tone filter, after both have settled; with `lockAt`, locked first on a
// tone there.
double envelopeOf(double frequency, double lockAt = 0)
{
    ToneFilter filter(kRate);
    ToneEnvelope envelope(kRate);
    const int settle = int(kRate / 100);
    const auto run = [&](double f, int count) {
        double power = 0;
        for (int n = 0; n < count; ++n) {
            envelope.push(filter(std::sin(2 * M_PI * f * n / kRate)).value);
            if (n >= settle)
                power += envelope.power(envelope.strongest()) / (count - settle);
            if (lockAt > 0 && n >= settle)
                envelope.gather();
        }
        return power;
    };
    if (lockAt > 0) {
        run(lockAt, 2 * settle);
        envelope.lock();
        lockAt = 0;
    }
    return run(frequency, 3 * settle);
}

// Bursts for `bits` ('0' and '1') a bit period apart, in samples.
std::vector<Burst> burstsOf(const QString &bits, double period = kBitPeriod, double level = 0.05)
{
    std::vector<Burst> bursts;
    for (int i = 0; i < bits.size(); ++i) {
        const double begin = (0.02 + i * period) * kRate;
        const double tone = bits[i] == '1' ? kOneTone : kZeroTone;
        bursts.push_back({begin, begin + tone * period / kBitPeriod * kRate, level, 0, 0});
    }
    return bursts;
}

// "E0": its eight bits and the odd parity bit.
QString bitsOf(const QList<int> &bytes)
{
    QString bits;
    for (const int byte : bytes) {
        const QString eight = QString::number(byte, 2).rightJustified(8, '0');
        bits += eight + (eight.count('1') % 2 ? '0' : '1');
    }
    return bits;
}

// "E0 10", as the tests write bytes.
QString hex(const std::vector<std::uint8_t> &bytes)
{
    return QString::fromStdString(bytesToHexText(bytes)).trimmed();
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Burst>)

class TestBlocks : public QObject
{
    Q_OBJECT

private slots:
    void decimatorIsATriangleOverTwoGroups_data();
    void decimatorIsATriangleOverTwoGroups();
    void decimatorKeepsTheTone_data();
    void decimatorKeepsTheTone();
    void toneFilterPassesTheToneOnly_data();
    void toneFilterPassesTheToneOnly();
    void toneEnvelopeHoldsTheToneAcrossItsRange_data();
    void toneEnvelopeHoldsTheToneAcrossItsRange();
    void noiseFloorIsTheTypicalBlock();
    void burstDetectorFindsTheEdges_data();
    void burstDetectorFindsTheEdges();
    void bitSlicerReadsBytesAndSaysWhereTheyFail_data();
    void bitSlicerReadsBytesAndSaysWhereTheyFail();
    void slotsAreFittedToTheBursts_data();
    void slotsAreFittedToTheBursts();
    void toneOffsetIsFoundFromThePhase_data();
    void toneOffsetIsFoundFromThePhase();
    void bitsAreDecidedFromTheThirds_data();
    void bitsAreDecidedFromTheThirds();
    void supplyMeterTakesTheLinesMean_data();
    void supplyMeterTakesTheLinesMean();
    void assemblerKeepsMessagesOnly_data();
    void assemblerKeepsMessagesOnly();
    void csvReaderReadsExports_data();
    void csvReaderReadsExports();
};

void TestBlocks::decimatorIsATriangleOverTwoGroups_data()
{
    QTest::addColumn<int>("factor");
    QTest::addColumn<bool>("shorts");
    QTest::addColumn<bool>("whole");
    for (const int factor : {1, 2, 5, 10, 11, 40}) {
        QTest::addRow("by %d, floats", factor) << factor << false << false;
        QTest::addRow("by %d, 16-bit", factor) << factor << true << false;
        QTest::addRow("by %d, 16-bit at once", factor) << factor << true << true;
    }
}

// Fed in pieces of any size, each sample out is the weighted sum of two
// groups in, weights rising 1..D over the one before and falling D-1..0 over
// its own, the first group standing in for the one before it; an unreadable
// sample spoils the two samples out that it touches. By 1, each sample
// is itself.
void TestBlocks::decimatorIsATriangleOverTwoGroups()
{
    QFETCH(int, factor);
    QFETCH(bool, shorts);
    QFETCH(bool, whole);
    const auto d = std::size_t(factor);
    std::mt19937 random{std::uint32_t(factor)};
    std::uniform_int_distribution<int> value(-32766, 32766);
    // Long enough that the unreadable sample lies well inside.
    std::vector<std::int16_t> in(d * 1000);
    for (std::int16_t &v : in)
        v = std::int16_t(value(random));
    const std::size_t bad = d * 600 + d / 2;
    in[bad] = std::int16_t(random() % 2 ? 32767 : -32768);
    std::vector<float> floats;
    for (const std::int16_t v : in)
        floats.push_back(float(v) / 32768);
    floats[bad] = NAN;
    Decimator decimator(d, 1.0);
    std::vector<float> out;
    for (std::size_t at = 0, piece = whole ? in.size() : 1; at < in.size();
         at += piece, piece = whole ? piece : piece % 7 + 1) {
        const std::size_t n = std::min(piece, in.size() - at);
        if (shorts)
            decimator.push(in.data() + at, n, out);
        else
            decimator.push(floats.data() + at, n, out);
    }
    QCOMPARE(out.size(), in.size() / d);
    for (std::size_t g = 0; g < out.size(); ++g) {
        if (g == bad / d || (d > 1 && g == bad / d + 1)) {
            QVERIFY(std::isnan(out[g]));
            continue;
        }
        double sum = d == 1 ? double(floats[g]) : 0;
        for (std::size_t i = 0; d > 1 && i + 1 < 2 * d; ++i) {
            const std::size_t at = i < d ? (g == 0 ? i : (g - 1) * d + i) : g * d + i - d;
            sum += double(std::min(i + 1, 2 * d - 1 - i)) * double(floats[at]);
        }
        QVERIFY2(std::abs(double(out[g]) - sum / double(d * d)) < 1e-6,
                 qPrintable(
                     QString("sample %1: %2, not %3").arg(g).arg(out[g]).arg(sum / double(d * d))));
    }
}

void TestBlocks::decimatorKeepsTheTone_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("factor");
    QTest::addColumn<double>("frequency");
    for (const double f : {17600.0, 22000.0, 26400.0}) {
        QTest::addRow("1 MHz by 10, %g kHz", f / 1e3) << 1e6 << 10 << f;
        QTest::addRow("250 kHz by 2, %g kHz", f / 1e3) << 250e3 << 2 << f;
    }
}

// A tone comes out at the amplitude the decimator's gain says.
void TestBlocks::decimatorKeepsTheTone()
{
    QFETCH(double, rate);
    QFETCH(int, factor);
    QFETCH(double, frequency);
    Decimator decimator(std::size_t(factor), 2.0);
    std::vector<float> in(std::size_t(rate / 10)), out;
    for (std::size_t n = 0; n < in.size(); ++n)
        in[n] = float(std::sin(2 * M_PI * frequency * double(n) / rate));
    decimator.push(in.data(), in.size(), out);
    double power = 0;
    for (std::size_t n = 10; n < out.size(); ++n)
        power += double(out[n]) * double(out[n]) / double(out.size() - 10);
    const double gain = decimator.gain(frequency, rate);
    QVERIFY2(std::abs(std::sqrt(2 * power) / gain - 1) < 0.01,
             qPrintable(QString("%1 for a gain of %2").arg(std::sqrt(2 * power)).arg(gain)));
    QVERIFY(gain > 0.77);
}

void TestBlocks::toneFilterPassesTheToneOnly_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("least"); // of the tone's power, a half
    QTest::addColumn<double>("most");
    QTest::newRow("22 kHz") << 22000.0 << 0.45 << 0.55;
    QTest::newRow("17.6 kHz, the lowest read") << 17600.0 << 0.5 * 0.36 << 0.5;
    QTest::newRow("26.4 kHz, the highest read") << 26400.0 << 0.5 * 0.36 << 0.5;
    QTest::newRow("50 Hz hum") << 50.0 << 0.0 << 1e-5;
    QTest::newRow("1 kHz") << 1000.0 << 0.0 << 0.5 * 0.01;
}

void TestBlocks::toneFilterPassesTheToneOnly()
{
    QFETCH(double, frequency);
    QFETCH(double, least);
    QFETCH(double, most);
    const auto [power, crossings] = response(frequency);
    QVERIFY2(power >= least && power <= most, qPrintable(QString::number(power)));
    // As its gain says, for the tone's level read.
    const double gain = ToneFilter(kRate).gain(frequency);
    QVERIFY2(std::abs(power - gain * gain / 2) < 0.005,
             qPrintable(QString("%1 for a gain of %2").arg(power).arg(gain)));
    // Two crossings a period while there is a tone to cross.
    if (least > 0)
        QVERIFY2(std::abs(crossings / (2 * frequency) - 1) < 0.01,
                 qPrintable(QString::number(crossings)));
}

void TestBlocks::toneEnvelopeHoldsTheToneAcrossItsRange_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("lockAt"); // 0: not locked
    QTest::addColumn<double>("least");  // of the tone's power, a half
    QTest::addColumn<double>("most");
    // Between channels and at the band's edges at most 3 dB lower.
    for (const double f : {17600.0, 18700.0, 20000.0, 22000.0, 23850.0, 25300.0, 26400.0})
        QTest::addRow("%g Hz", f) << f << 0.0 << 0.5 * 0.5 << 0.5 * 1.05;
    QTest::newRow("1 kHz") << 1000.0 << 0.0 << 0.0 << 0.5 * 1e-3;
    QTest::newRow("45 kHz") << 45000.0 << 0.0 << 0.0 << 0.5 * 1e-2;
    QTest::newRow("locked on its own tone") << 25300.0 << 25300.0 << 0.5 * 0.5 << 0.5 * 1.05;
    QTest::newRow("locked on another tone") << 18700.0 << 25300.0 << 0.0 << 0.5 * 0.05;
}

void TestBlocks::toneEnvelopeHoldsTheToneAcrossItsRange()
{
    QFETCH(double, frequency);
    QFETCH(double, lockAt);
    QFETCH(double, least);
    QFETCH(double, most);
    const double power = envelopeOf(frequency, lockAt);
    QVERIFY2(power >= least && power <= most, qPrintable(QString::number(power)));
}

void TestBlocks::noiseFloorIsTheTypicalBlock()
{
    NoiseFloor floor(kPowerResolution);
    const int perBlock = int(0.25e-3 / kPowerResolution);
    QVERIFY(std::isinf(floor.level()));
    // Blocks of 4, 1, 9, 5: the median of those seen, from the fourth block
    // on; one loud block among many quiet ones does not move it; once the
    // blocks have passed out of the last 10 ms they count no more.
    const auto feed = [&](double level) {
        for (int i = 0; i < perBlock; ++i)
            floor.push(level);
    };
    for (const double level : {4.0, 1.0, 9.0})
        feed(level);
    QVERIFY(std::isinf(floor.level()));
    feed(5.0);
    QCOMPARE(floor.level(), 5.0);
    for (int block = 0; block < 40; ++block)
        feed(block == 20 ? 1000.0 : 2.0 + (block % 2) * 0.5);
    QVERIFY(floor.level() >= 2.0 && floor.level() <= 2.5);
    floor.reset();
    QVERIFY(std::isinf(floor.level()));
    for (int block = 0; block < 4; ++block)
        feed(7.0);
    QCOMPARE(floor.level(), 7.0);

    // Against the median worked out afresh after every block, of levels
    // that repeat, rise and fall, across a reset.
    floor.reset();
    std::mt19937 random{7};
    std::vector<double> seen;
    for (int block = 0; block < 300; ++block) {
        if (block == 150) {
            floor.reset();
            seen.clear();
        }
        const double level = double(random() % 12) * (block < 100 ? 1 : 0.5);
        feed(level);
        seen.push_back(level);
        std::vector<double> last(seen.end() - long(std::min<std::size_t>(seen.size(), 40)),
                                 seen.end());
        std::sort(last.begin(), last.end());
        last.resize(40, INFINITY);
        const std::size_t finite = std::min<std::size_t>(seen.size(), 40);
        QCOMPARE(floor.level(), finite >= 4 ? last[finite / 2] : INFINITY);
    }
}

void TestBlocks::burstDetectorFindsTheEdges_data()
{
    QTest::addColumn<double>("level");  // of the burst, over a floor of 1
    QTest::addColumn<double>("length"); // s
    QTest::addColumn<bool>("found");
    QTest::newRow("a 1's burst") << 100.0 << kOneTone << true;
    QTest::newRow("a 0's burst") << 100.0 << kZeroTone << true;
    QTest::newRow("just a burst") << 7.5 << kOneTone << true;
    QTest::newRow("a swell of the noise") << 6.5 << kOneTone << false;
    QTest::newRow("below detection") << 4.5 << kOneTone << false;
}

// A rectangular burst of power on a floor: found with its edges within one
// power of where it rose and fell, or not at all.
void TestBlocks::burstDetectorFindsTheEdges()
{
    QFETCH(double, level);
    QFETCH(double, length);
    QFETCH(bool, found);
    const std::size_t step = std::size_t(kPowerResolution * kRate);
    PowerTrace trace(step, 4096);
    BurstDetector detector(trace, kRate);
    const double floor = 1;
    const std::uint64_t rise = 200, fall = rise + std::uint64_t(length / kPowerResolution);
    std::vector<Burst> bursts;
    for (std::uint64_t k = 0; k < fall + 200; ++k) {
        const double power = k >= rise && k < fall ? level : floor;
        trace.store(float(power), 0);
        if (detector.inBurst()) {
            if (!detector.goesOn(power)) {
                trace.advance();
                if (const auto burst = detector.end(power, floor, 0, std::nullopt))
                    bursts.push_back(*burst);
                continue;
            }
        } else if (!detector.begins(power, BurstDetector::threshold(floor, 0))) {
            detector.quiet(power);
        }
        trace.advance();
    }
    QCOMPARE(bursts.size(), std::size_t(found ? 1 : 0));
    if (!found)
        return;
    QVERIFY(std::abs(bursts[0].begin - double(rise * step)) <= double(step));
    QVERIFY(std::abs(bursts[0].end - double(fall * step)) <= double(step));
    QCOMPARE(bursts[0].level, level);
}

void TestBlocks::bitSlicerReadsBytesAndSaysWhereTheyFail_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<double>("period");
    QTest::addColumn<double>("tone");  // Hz
    QTest::addColumn<QString>("read"); // bytes, then the error
    const QString e0 = bitsOf({0xE0});
    QTest::newRow("E0 10") << bitsOf({0xE0, 0x10}) << kBitPeriod << kToneFrequency << "E0 10|";
    QTest::newRow("70 at a slower bus")
        << bitsOf({0x70}) << kBitPeriod * 1.15 << kToneFrequency << "70|";
    QTest::newRow("a parity that fails")
        << e0.left(8) + QString(e0[8] == '1' ? "0" : "1") << kBitPeriod << kToneFrequency
        << "E0|byte 1: its parity bit does not hold @0/8";
    QTest::newRow("bits short of a byte") << bitsOf({0xE0}) + "1011" << kBitPeriod << kToneFrequency
                                          << "E0|its 13 bits do not make whole bytes of 9";
    QTest::newRow("too slow a bus") << bitsOf({0xE0}) << kBitPeriod * 1.3 << kToneFrequency
                                    << "E0|its bit period of 1.95 ms is outside 1.20..1.80 ms";
    QTest::newRow("a tone the bus does not use")
        << bitsOf({0xE0}) << kBitPeriod << 27000.0
        << "E0|its tone of 27.0 kHz is outside 17.6..26.4 kHz";
}

void TestBlocks::bitSlicerReadsBytesAndSaysWhereTheyFail()
{
    QFETCH(QString, bits);
    QFETCH(double, period);
    QFETCH(double, tone);
    QFETCH(QString, read);
    Message m;
    m.toneFrequency = tone;
    sliceBits(m, burstsOf(bits, period), kRate);
    QString got = hex(m.bytes) + '|' + QString::fromStdString(m.error.text());
    if (m.errorByte >= 0)
        got += QString(" @%1/%2").arg(m.errorByte).arg(m.errorBit);
    QCOMPARE(got, read);
    QCOMPARE(m.bitCount, bits.size());
}

void TestBlocks::slotsAreFittedToTheBursts_data()
{
    QTest::addColumn<std::vector<Burst>>("bursts");
    QTest::addColumn<QString>("fit"); // start and period in samples, slots, spread
    const std::vector<Burst> e0 = burstsOf(bitsOf({0xE0}));
    QTest::newRow("E0 at the nominal bus") << e0 << "3840.0 288.0 9 0.000";
    QTest::newRow("a slower bus") << burstsOf(bitsOf({0xE0}), kBitPeriod * 1.15)
                                  << "3840.0 331.2 9 0.000";
    std::vector<Burst> lost = e0;
    lost.erase(lost.begin() + 4);
    QTest::newRow("a burst lost in the noise") << lost << "3840.0 288.0 9 0.000";
    std::vector<Burst> swell = e0;
    swell.insert(swell.begin() + 4, Burst{e0[3].begin + 0.4 * 288, e0[3].end + 0.4 * 288, 0.05});
    QTest::newRow("a swell between two slots") << swell << "3840.0 288.0 9 0.000";
    std::vector<Burst> late = e0;
    late[5].begin += 0.05 * 288;
    QTest::newRow("a burst a twentieth late") << late << "3840.6 288.2 9 0.051";
    QTest::newRow("too slow a bus") << burstsOf(bitsOf({0xE0}), kBitPeriod * 1.3) << "none";
    QTest::newRow("one burst") << std::vector<Burst>(e0.begin(), e0.begin() + 1) << "none";
}

void TestBlocks::slotsAreFittedToTheBursts()
{
    QFETCH(std::vector<Burst>, bursts);
    QFETCH(QString, fit);
    const std::optional<SlotFit> got = fitSlots(bursts, kRate);
    QCOMPARE(got ? QString::asprintf("%.1f %.1f %d %.3f", got->start, got->period, got->count,
                                     got->timingSpread)
                 : QString("none"),
             fit);
}

void TestBlocks::toneOffsetIsFoundFromThePhase_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("offset"); // Hz from the nominal tone
    for (const double rate : {96000.0, 192000.0})
        for (const double offset : {-3300.0, -450.0, 0.0, 800.0, 3300.0})
            QTest::addRow("%g kHz, %+g Hz", rate / 1000, offset) << rate << offset;
}

void TestBlocks::toneOffsetIsFoundFromThePhase()
{
    QFETCH(double, rate);
    QFETCH(double, offset);
    // The tone through the mixer a sample a step, as the demodulator keeps
    // it, with the zero crossings' estimate 150 Hz off.
    MixTrace mix(1, rate);
    const std::size_t count = std::size_t(0.05 * rate);
    std::vector<double> tone(count);
    for (std::size_t n = 0; n < count; ++n)
        tone[n] = 0.3 * std::sin(2 * M_PI * (kToneFrequency + offset) * double(n) / rate);
    std::vector<std::complex<double>> turned(count);
    mix.push(tone.data(), count, turned.data());
    for (std::size_t n = 0; n < count; ++n) {
        mix.add(turned[n]);
        mix.keep(n);
    }
    std::vector<Burst> bursts;
    for (const Burst &b : burstsOf(bitsOf({0xE0})))
        bursts.push_back({b.begin * rate / kRate, b.end * rate / kRate, b.level});
    const double found = toneOffset(bursts, mix, 1, kToneFrequency + offset + 150);
    QVERIFY2(std::abs(found - offset) < 2, qPrintable(QString::number(found)));
}

void TestBlocks::bitsAreDecidedFromTheThirds_data()
{
    QTest::addColumn<QString>("shares"); // each slot's middle third against its tone, in %
    QTest::addColumn<double>("noise");   // against the tone
    QTest::addColumn<int>("faintSlot");  // one without tone where it begins, or -1
    QTest::addColumn<QString>("read");   // bytes, then the error
    // E0: 1110 0000 and its parity bit 0.
    const QString e0 = "10 10 10 90 90 90 90 90 90";
    QTest::newRow("E0") << e0 << 0.02 << -1 << "E0|";
    QTest::newRow("a bit at half in the noise, which parity settles")
        << "10 10 50 90 90 90 90 90 90" << 0.2 << -1 << "E0|";
    // Noise this low cannot have moved it there: a tone of the wrong length.
    QTest::newRow("a bit at half in clean samples")
        << "10 10 50 90 90 90 90 90 90" << 0.02 << -1
        << "C0|byte 1, bit 3: too close to call between a 0 and a 1 (50 %) @0/2";
    QTest::newRow("two bits at half, which parity cannot settle")
        << "10 50 50 90 90 90 90 90 90" << 0.2 << -1
        << "80|byte 1, bit 2: too close to call between a 0 and a 1 (50 %) @0/1";
    QTest::newRow("a slot without tone")
        << e0 << 0.02 << 4 << "E0|byte 1, bit 5: no tone where its slot begins @0/4";
    QTest::newRow("a parity that fails") << "10 10 10 90 90 90 90 90 10" << 0.02 << -1
                                         << "E0|byte 1: its parity bit does not hold @0/8";
}

void TestBlocks::bitsAreDecidedFromTheThirds()
{
    QFETCH(QString, shares);
    QFETCH(double, noise);
    QFETCH(int, faintSlot);
    QFETCH(QString, read);
    SlotThirds thirds;
    thirds.tone = 1;
    thirds.noise = noise;
    for (const QString &share : shares.split(' ')) {
        thirds.strength.push_back(int(thirds.strength.size()) == faintSlot ? 0.3 : 1.0);
        thirds.middle.push_back(share.toDouble() / 100);
    }
    Message m;
    m.bitCount = int(thirds.middle.size());
    decideBits(m, thirds);
    QString got = hex(m.bytes) + '|' + QString::fromStdString(m.error.text());
    if (m.errorByte >= 0)
        got += QString(" @%1/%2").arg(m.errorByte).arg(m.errorBit);
    QCOMPARE(got, read);
}

void TestBlocks::supplyMeterTakesTheLinesMean_data()
{
    QTest::addColumn<double>("from"); // ms
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("mean"); // V; NaN: none
    QTest::addColumn<double>("tone"); // V, the amplitude a step is measured against
    QTest::addColumn<bool>("steps");  // at `from`
    // 13 V, stepping to 18 V at 40 ms; the trace reaches back 40 ms of 60.
    QTest::newRow("after the step") << 45.0 << 55.0 << 18.0 << 0.325 << false;
    QTest::newRow("across it") << 35.0 << 45.0 << 15.5 << 0.325 << false;
    QTest::newRow("at the step") << 40.0 << 41.0 << 18.0 << 0.325 << true;
    // A step of 5 V is less than four times this tone's amplitude.
    QTest::newRow("at the step, a strong tone") << 40.0 << 41.0 << 18.0 << 1.5 << false;
    QTest::newRow("partly before the trace") << 10.0 << 30.0 << 13.0 << 0.325 << false;
    QTest::newRow("before the trace") << 0.0 << 10.0 << double(NAN) << 0.325 << false;
    QTest::newRow("beyond what was kept") << 70.0 << 80.0 << double(NAN) << 0.325 << false;
}

void TestBlocks::supplyMeterTakesTheLinesMean()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, mean);
    QFETCH(double, tone);
    QFETCH(bool, steps);
    PowerTrace trace(2, std::size_t(0.04 * kRate / 2));
    for (int i = 0; i < int(0.06 * kRate / 2); ++i) {
        trace.store(0, 2 * (i * 2 < 0.04 * kRate ? 13.0 : 18.0));
        trace.advance();
    }
    const SupplyMeter meter(trace, kRate);
    const double got = meter.mean(from * 1e-3 * kRate, to * 1e-3 * kRate);
    // Within a step of the trace at either end.
    QVERIFY2(std::isnan(mean) ? std::isnan(got) : std::abs(got - mean) < 0.01,
             qPrintable(QString::number(got)));
    QCOMPARE(meter.stepsAt(from * 1e-3 * kRate, tone * tone / 2), steps);
}

void TestBlocks::assemblerKeepsMessagesOnly_data()
{
    QTest::addColumn<QString>("bursts"); // bits, '|' for a silence, '!' for ringing
    QTest::addColumn<QStringList>("messages");
    const QString e0 = bitsOf({0xE0}), x70 = bitsOf({0x70});
    QTest::newRow("one") << e0 << QStringList{"E0 ok"};
    QTest::newRow("two, apart") << e0 + "|" + x70 << QStringList{"E0 ok", "70 ok"};
    QTest::newRow("ringing before it") << "!" + e0 << QStringList{"E0 ok"};
    QTest::newRow("fewer bits than a byte") << QString("0110") << QStringList{};
}

void TestBlocks::assemblerKeepsMessagesOnly()
{
    QFETCH(QString, bursts);
    QFETCH(QStringList, messages);
    PowerTrace trace(1, 16);
    MessageAssembler assembler(trace, kRate);
    double at = 0.05 * kRate;
    for (const QChar c : bursts) {
        if (c == '|') {
            at += 20e-3 * kRate;
            continue;
        }
        const bool ringing = c == '!';
        const double tone = c == '1' ? kOneTone : ringing ? 0.3e-3 : kZeroTone;
        // Crossings of a 22 kHz tone over the burst.
        const double toneTime = tone - 0.2e-3;
        assembler.push({at, at + tone * kRate, ringing ? 2.0 : 0.05,
                        std::round(toneTime * 2 * kToneFrequency), toneTime});
        at += (ringing ? 4e-3 : kBitPeriod) * kRate;
    }
    assembler.end(false);
    QStringList read;
    for (const Message &m : assembler.take()) {
        read << hex(m.bytes) +
                    (m.error.empty() ? " ok" : " " + QString::fromStdString(m.error.text()));
    }
    QCOMPARE(read, messages);
}

void TestBlocks::csvReaderReadsExports_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // the values at their rate, or the error
    QTest::newRow("volts") << "Time,Ch1\n0,0.5\n1e-5,-0.25\n2e-5,1"
                           << "0.5 -0.25 1 @100000";
    QTest::newRow("millivolts") << "Time (s),Ch1 (mV)\n0,500\n1e-5,-250\n2e-5,1000"
                                << "0.5 -0.25 1 @100000";
    QTest::newRow("decimal commas") << "Zeit;Kanal 1\n0;0,5\n0,00001;-0,25\n0,00002;1"
                                    << "0.5 -0.25 1 @100000";
    QTest::newRow("the second channel") << "t,a,b\n0,9,0.5\n1e-5,9,-0.25\n2e-5,9,1"
                                        << "#2 0.5 -0.25 1 @100000";
    QTest::newRow("one column at a given rate") << "0.5\n-0.25\n1"
                                                << "@@ 0.5 -0.25 1 @96000";
    QTest::newRow("one column without a rate")
        << "0.5\n-0.25\n1"
        << "it holds one column of values; give its sample rate";
    QTest::newRow("times of six decimals at 2 MHz repeat")
        << "t,v\n0.000000,1\n0.000001,2\n0.000001,3\n0.000002,4\n0.000002,5"
        << "1 2 3 4 5 @2000000";
    QTest::newRow("a time going back") << "t,v\n0,1\n2e-5,2\n1e-5,3"
                                       << "line 4: its time goes back before the line before";
    QTest::newRow("times that do not advance") << "t,v\n0,1\n0,2"
                                               << "its times do not advance";
    QTest::newRow("millivolts in a line of units")
        << "Vertical Units,mV\nTime,Ch1\n0,500\n1e-5,-250"
        << "0.5 -0.25 @100000";
    QTest::newRow("millivolts named elsewhere are not the values'")
        << "Trigger Level,120mV\nTime,Ch1 (V)\n0,0.5\n1e-5,-0.25"
        << "0.5 -0.25 @100000";
    QTest::newRow("the other channel's unit") << "t,a (mV),b (V)\n0,9,0.5\n1e-5,9,-0.25"
                                              << "#2 0.5 -0.25 @100000";
    QTest::newRow("a header alone") << "Time,Ch1 (V)\n"
                                    << "it holds no rows of numbers";
    QTest::newRow("a transponder list") << "11493H,12188V\n10773H,11836V"
                                        << "it holds no rows of numbers";
    QTest::newRow("a row short of a field") << "t,v,w\n0,1,2\n1e-5,2"
                                            << "line 3 has 2 field(s) where the lines before had 3";
    QTest::newRow("a single sample") << "t,v\n0,1"
                                     << "it holds a single sample";
    QTest::newRow("lines ended by CR") << "Time,Ch1\r0,0.5\r1e-5,-0.25\r2e-5,1"
                                       << "0.5 -0.25 1 @100000";
    QTest::newRow("lines ended by CR LF, counted once")
        << "Time,Ch1\r\n0,0.5\r\n1e-5,-0.25\r\n2e-5\r\n"
        << "line 4 has 1 field(s) where the lines before had 2";
    QTest::newRow("a line longer than any export's")
        << "Time,Ch1\n" + QString(70000, '1')
        << "line 2 is longer than 65536 bytes; an export's lines are short";
}

void TestBlocks::csvReaderReadsExports()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const int channel = read.startsWith("#2") ? 2 : 1;
    const double rate = read.startsWith("@@") ? 96000 : 0;
    CsvCapture capture;
    Phrase error;
    QString got;
    if (parseCsvCapture(text.toStdString(), channel, rate, capture, error)) {
        QStringList values;
        for (const float v : capture.samples)
            values << QString::number(double(v));
        got = (channel == 2 ? "#2 "
               : rate > 0   ? "@@ "
                            : "") +
              values.join(' ') + QString(" @%1").arg(qint64(std::round(capture.sampleRate)));
    } else {
        got = QString::fromStdString(error.text());
    }
    QCOMPARE(got, read);
}

QTEST_APPLESS_MAIN(TestBlocks)
#include "tst_blocks.moc"
