// Recordings as they come from a real cable, made here and read from their
// files: a command anywhere in a short or long recording, faint noise over
// a minute, commands 20 and 30 dB apart with hum and off-nominal tones,
// samples that are not numbers, a header that claims more than the file
// holds; as sound files and as oscilloscope exports.

#include "capturefile.h"
#include "hextext.h"
#include "linesignal.h"
#include "recording.h"
#include "signalfile.h"

#include <QtTest>

#include <sndfile.h>

#include <algorithm>

#include <cmath>
#include <cstring>
#include <random>

using namespace linesignal;
using Frame = std::vector<std::uint8_t>;

namespace {

const Frame kCommand{0xE0, 0x10, 0x5C, 0x0C, 0xF6, 0x2A};
const Frame kOther{0x70, 0x03, 0xE8, 0x03};
const Frame kThird{0xE0, 0x10, 0x5A, 0x4D, 0x30};

// A command in a recording: where it starts, its level against the tone's
// nominal one, and its tone.
struct Placed
{
    Frame command;
    double at; // s
    double gain = 1;
    double tone = kToneFrequency;
};

struct Recording
{
    double seconds = 0.3;
    double rate = 192000;
    QVector<Placed> commands;
    double hum = 0;                    // V of 50 Hz
    double noiseLsb = 0;               // uniform noise of so many 16-bit steps
    QVector<QPair<double, float>> odd; // s and a sample that is not a number
    bool csv = false;
    bool overclaim = false; // a header that claims more samples than follow
};

// Full scale is 0.5 V, as vantir-cli writes the tone alone.
std::vector<float> samplesOf(const Recording &r)
{
    std::vector<float> samples(std::size_t(r.seconds * r.rate), 0.0f);
    for (const Placed &p : r.commands) {
        const std::vector<float> line = sampleLine(lineSignal({p.command}), r.rate, false, p.tone);
        const auto from = std::size_t(p.at * r.rate);
        for (std::size_t n = 0; n < line.size() && from + n < samples.size(); ++n)
            samples[from + n] += float(line[n] * p.gain);
    }
    std::mt19937 random(11);
    std::uniform_real_distribution<float> noise(-float(r.noiseLsb), float(r.noiseLsb));
    for (std::size_t n = 0; n < samples.size(); ++n) {
        samples[n] += float(r.hum * std::sin(2 * M_PI * 50 * double(n) / r.rate));
        samples[n] = samples[n] / 0.5f + (r.noiseLsb > 0 ? noise(random) / 32768.0f : 0.0f);
    }
    for (const auto &odd : r.odd)
        samples[std::size_t(odd.first * r.rate)] = odd.second;
    return samples;
}

// A WAV file of 32-bit float samples, which can hold what is not a number.
std::string floatWav(const std::vector<float> &samples, double rate, bool overclaim)
{
    const auto put = [](std::string &to, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            to += char(value >> (8 * i) & 0xFF);
    };
    const auto data = std::uint32_t(samples.size() * 4) * (overclaim ? 4 : 1);
    std::string file = "RIFF";
    put(file, 36 + data, 4);
    file += "WAVEfmt ";
    put(file, 16, 4);
    put(file, 3, 2); // IEEE float
    put(file, 1, 2);
    put(file, std::uint32_t(rate), 4);
    put(file, std::uint32_t(rate) * 4, 4);
    put(file, 4, 2);
    put(file, 32, 2);
    file += "data";
    put(file, data, 4);
    const std::size_t at = file.size();
    file.resize(at + samples.size() * 4);
    std::memcpy(&file[at], samples.data(), samples.size() * 4);
    return file;
}

// The samples as a PCM WAV file of 8, 16 or 24 bits, each at its nearest
// step, full scale and beyond at the format's ends.
std::string pcmWav(const std::vector<float> &samples, double rate, int bits)
{
    const auto put = [](std::string &to, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            to += char(value >> (8 * i) & 0xFF);
    };
    const int width = bits / 8;
    const auto data = std::uint32_t(samples.size()) * std::uint32_t(width);
    std::string file = "RIFF";
    put(file, 36 + data, 4);
    file += "WAVEfmt ";
    put(file, 16, 4);
    put(file, 1, 2); // PCM
    put(file, 1, 2);
    put(file, std::uint32_t(rate), 4);
    put(file, std::uint32_t(rate) * std::uint32_t(width), 4);
    put(file, std::uint32_t(width), 2);
    put(file, std::uint32_t(bits), 2);
    file += "data";
    put(file, data, 4);
    const double steps = std::ldexp(1.0, bits - 1);
    for (const float sample : samples) {
        const double value = std::isnan(sample)
                                 ? steps - 1
                                 : std::clamp(std::round(sample * steps), -steps, steps - 1);
        // 8-bit WAV is unsigned.
        put(file, std::uint32_t(std::int32_t(value) + (bits == 8 ? 128 : 0)), width);
    }
    return file;
}

// A line per message, "ok" and its bytes or "damaged" and why; a span of
// odd samples as "odd samples".
QStringList read(const CaptureReading &reading)
{
    QStringList lines;
    for (const Message &m : reading.messages) {
        const QString error = QString::fromStdString(m.error.text());
        lines << (error.isEmpty() ? "ok " + QString::fromStdString(bytesToHexText(m.bytes))
                  : error.startsWith("its samples") ? QString("odd samples")
                                                    : "damaged: " + error);
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Recording)

class TestRecordings : public QObject
{
    Q_OBJECT

private slots:
    void findsEachCommandAndNothingElse_data();
    void findsEachCommandAndNothingElse();
    void cancels();
    void keepsTimeAcrossDamagedStretches_data();
    void keepsTimeAcrossDamagedStretches();
    void readsWhatDamagedFilesHold();
};

void TestRecordings::findsEachCommandAndNothingElse_data()
{
    QTest::addColumn<Recording>("recording");
    QTest::addColumn<QStringList>("read");
    const QString ok = "ok E0 10 5C 0C F6 2A ";
    const double length = lineSignal({kCommand}).length;

    for (const bool csv : {false, true}) {
        // A minute as an export would be a few hundred MB; the sound file
        // carries that case.
        for (const double seconds : csv ? QVector<double>{0.3, 2} : QVector<double>{0.3, 2, 60}) {
            const QVector<QPair<const char *, double>> places{
                {"start", 0.0}, {"middle", 0.5}, {"end", 1.0}};
            for (const auto &place : places) {
                Recording r;
                r.seconds = seconds;
                r.csv = csv;
                r.commands = {Placed{kCommand, place.second * (seconds - length)}};
                QTest::addRow("%s, %g s, at the %s", csv ? "CSV" : "WAV", seconds, place.first)
                    << r << QStringList{ok};
            }
        }
        Recording three;
        three.seconds = 1;
        three.csv = csv;
        three.hum = 0.1;
        three.commands = {Placed{kCommand, 0.1, 1, 22000}, Placed{kOther, 0.4, 0.1, 21500},
                          Placed{kThird, 0.7, std::pow(10, -1.5), 22500}};
        QTest::addRow("%s, three commands at 0, -20 and -30 dB, hum", csv ? "CSV" : "WAV")
            << three << QStringList{ok, "ok 70 03 E8 03 ", "ok E0 10 5A 4D 30 "};
        Recording odd;
        odd.csv = csv;
        odd.commands = {Placed{kCommand, 0.1}};
        odd.odd = {{0.03, NAN}, {0.05, INFINITY}, {0.07, 1e30f}};
        QTest::addRow("%s, not numbers and clipped before a command", csv ? "CSV" : "WAV")
            << odd << QStringList{"odd samples", "odd samples", "odd samples", ok};
    }
    Recording fullScale;
    fullScale.commands = {Placed{kCommand, 0.1}};
    fullScale.odd = {{0.05, 1.0f}, {0.07, -1.0f}};
    QTest::newRow("WAV, full scale either way before a command")
        << fullScale << QStringList{"odd samples", "odd samples", ok};
    Recording faint;
    faint.seconds = 60;
    faint.noiseLsb = 2;
    faint.commands = {Placed{kCommand, 30}};
    QTest::newRow("WAV, faint noise over a minute") << faint << QStringList{ok};
    Recording noisy = faint;
    noisy.seconds = 20;
    noisy.noiseLsb = 20;
    noisy.commands = {Placed{kCommand, 10}};
    QTest::newRow("WAV, noise of 20 steps over 20 s") << noisy << QStringList{ok};
    Recording claims;
    claims.overclaim = true;
    claims.commands = {Placed{kCommand, 0.1}};
    QTest::newRow("WAV, a header that claims more than it holds") << claims << QStringList{ok};
}

void TestRecordings::findsEachCommandAndNothingElse()
{
    QFETCH(Recording, recording);
    QFETCH(QStringList, read);
    QTemporaryDir folder;
    const QString path = folder.filePath(recording.csv ? "r.csv" : "r.wav");
    const std::vector<float> samples = samplesOf(recording);
    std::string bytes;
    if (recording.csv) {
        std::vector<float> volts(samples);
        for (float &v : volts)
            v *= 0.5f;
        bytes = csvFile(volts, recording.rate);
    } else {
        bytes = floatWav(samples, recording.rate, recording.overclaim);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
    file.close();
    const CaptureReading reading = readCaptureMessages(path.toStdString(), 1, 0);
    QCOMPARE(::read(reading), read);
    QCOMPARE(reading.samples, std::uint64_t(samples.size()));
    QVERIFY(std::abs(reading.sampleRate / recording.rate - 1) < 1e-9);
}

void TestRecordings::keepsTimeAcrossDamagedStretches_data()
{
    QTest::addColumn<int>("bits"); // 32: float
    QTest::addColumn<float>("value");
    QTest::addColumn<double>("length"); // s
    for (const int bits : {8, 16, 24, 32}) {
        for (const double length : {0.1e-3, 2e-3, 20e-3}) {
            for (const float value : {NAN, 1.0f, -1.0f}) {
                if (std::isnan(value) && bits != 32)
                    continue; // only a float file holds what is not a number
                QTest::addRow("%d bits, %g ms of %g", bits, length * 1e3, double(value))
                    << bits << value << length;
            }
        }
    }
}

// A stretch of samples that cannot be read, before a command: a span of its
// own, and the command after it read at its own time and tone, exactly as
// without the stretch.
void TestRecordings::keepsTimeAcrossDamagedStretches()
{
    QFETCH(int, bits);
    QFETCH(float, value);
    QFETCH(double, length);
    Recording r;
    r.commands = {Placed{kCommand, 0.1}};
    const std::vector<float> clean = samplesOf(r);
    std::vector<float> damaged = clean;
    const auto from = std::size_t(0.05 * r.rate);
    std::fill(damaged.begin() + long(from),
              damaged.begin() + long(from + std::size_t(length * r.rate)), value);
    QTemporaryDir folder;
    QVector<CaptureReading> readings;
    for (const std::vector<float> *samples :
         {&clean, static_cast<const std::vector<float> *>(&damaged)}) {
        const std::string bytes =
            bits == 32 ? floatWav(*samples, r.rate, false) : pcmWav(*samples, r.rate, bits);
        QFile file(folder.filePath("r.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
        file.close();
        readings << readCaptureMessages(folder.filePath("r.wav").toStdString(), 1, 0);
    }
    QCOMPARE(read(readings[0]), QStringList{"ok E0 10 5C 0C F6 2A "});
    QCOMPARE(read(readings[1]), (QStringList{"odd samples", "ok E0 10 5C 0C F6 2A "}));
    const Message &before = readings[0].messages[0], &after = readings[1].messages[1];
    QVERIFY2(std::abs(after.start - before.start) < 2e-6,
             qPrintable(QString("%1 against %2 s").arg(after.start).arg(before.start)));
    QVERIFY2(
        std::abs(after.toneFrequency - before.toneFrequency) < 5,
        qPrintable(QString("%1 against %2 Hz").arg(after.toneFrequency).arg(before.toneFrequency)));
    QVERIFY(std::abs(readings[1].messages[0].damaged.value().end - readings[1].messages[0].start -
                     length) < 1e-4);
}

// A FLAC file damaged between two commands gives the first and says where
// it broke off; a WAV file whose header gives its sizes as 0, as a recorder
// stopped early leaves it, is read to its end.
void TestRecordings::readsWhatDamagedFilesHold()
{
    Recording r;
    r.seconds = 1;
    r.noiseLsb = 20; // so that the file's middle holds its middle second
    r.commands = {Placed{kCommand, 0.1}, Placed{kOther, 0.8}};
    const std::vector<float> samples = samplesOf(r);
    QTemporaryDir folder;
    const QByteArray flac = QFile::encodeName(folder.filePath("r.flac"));
    SF_INFO info{};
    info.samplerate = int(r.rate);
    info.channels = 1;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    SNDFILE *out = sf_open(flac.constData(), SFM_WRITE, &info);
    QVERIFY(out);
    QCOMPARE(sf_writef_float(out, samples.data(), sf_count_t(samples.size())),
             sf_count_t(samples.size()));
    sf_close(out);
    QFile file(flac);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    for (int i = bytes.size() / 2; i < bytes.size() / 2 + 256; ++i)
        bytes[i] = char(bytes[i] ^ 0x5A);
    QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
    file.close();
    const RecordingReport flacReport = readRecording(flac.toStdString(), 1, 0, 0);
    QCOMPARE(flacReport.messages.size(), std::size_t(1));
    QVERIFY2(flacReport.messages[0].clean(), flacReport.messages[0].message.error.text().c_str());
    QVERIFY2(QString::fromStdString(flacReport.brokenOff.text()).startsWith("breaks off after "),
             flacReport.brokenOff.text().c_str());
    QVERIFY(!flacReport.clean());

    std::string wav = pcmWav(samples, r.rate, 16);
    std::memset(&wav[4], 0, 4);  // the RIFF size
    std::memset(&wav[40], 0, 4); // the data size
    QFile zero(folder.filePath("r.wav"));
    QVERIFY(zero.open(QIODevice::WriteOnly) &&
            zero.write(wav.data(), qint64(wav.size())) == qint64(wav.size()));
    zero.close();
    const CaptureReading reading =
        readCaptureMessages(folder.filePath("r.wav").toStdString(), 1, 0);
    QCOMPARE(read(reading), (QStringList{"ok E0 10 5C 0C F6 2A ", "ok 70 03 E8 03 "}));
    QCOMPARE(reading.samples, std::uint64_t(samples.size()));
}

// Cancelled halfway, a reading stops there with what it found.
void TestRecordings::cancels()
{
    Recording r;
    r.seconds = 4;
    r.commands = {Placed{kCommand, 0.5}, Placed{kCommand, 3.5}};
    QTemporaryDir folder;
    const QString path = folder.filePath("r.wav");
    const std::string bytes = floatWav(samplesOf(r), r.rate, false);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())));
    file.close();
    double last = 0;
    const CaptureReading reading =
        readCaptureMessages(path.toStdString(), 1, 0, [&last](double done) {
            last = done;
            return done < 0.5;
        });
    QVERIFY(reading.cancelled);
    QVERIFY(last >= 0.5 && last < 0.6);
    QCOMPARE(::read(reading), QStringList{"ok E0 10 5C 0C F6 2A "});
}

QTEST_APPLESS_MAIN(TestRecordings)
#include "tst_recordings.moc"
