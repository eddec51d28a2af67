#include "capture.h"

#include "linesignal.h"
#include "values.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTextStream>

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace {

// A capture of ten seconds at 10 MHz; anything larger is not a capture of
// one command.
constexpr qint64 kMaxCsvSize = qint64(2) << 30;

[[noreturn]] void refuse(const QString &path, const QString &why)
{
    throw UsageError(QStringLiteral("%1: %2").arg(quoted(path), why));
}

void checkRate(const QString &path, double rate)
{
    if (rate < linesignal::kMinSampleRate)
        refuse(path, QStringLiteral("its %1 samples a second are too few for a 22 kHz tone; "
                                    "record at 88200 or more")
                         .arg(std::round(rate)));
}

Capture readSoundFile(const QString &path, int channel)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        refuse(path, QStringLiteral("not a sound file (%1)").arg(sf_strerror(nullptr)));
    const auto close = qScopeGuard([file] { sf_close(file); });
    if (info.frames <= 0)
        refuse(path, QStringLiteral("holds no samples"));
    checkRate(path, info.samplerate);
    if (channel > info.channels)
        refuse(path, QStringLiteral("has %1 channel(s); --channel %2 is not one of them")
                         .arg(info.channels)
                         .arg(channel));

    Capture capture;
    capture.sampleRate = info.samplerate;
    capture.unit = QStringLiteral("FS");
    capture.samples.reserve(std::size_t(info.frames));
    std::vector<float> block(std::size_t(4096 * info.channels));
    for (sf_count_t read; (read = sf_readf_float(file, block.data(), 4096)) > 0;) {
        for (sf_count_t frame = 0; frame < read; ++frame)
            capture.samples.push_back(block[std::size_t(frame * info.channels + channel - 1)]);
    }
    if (sf_error(file) != SF_ERR_NO_ERROR || capture.samples.size() != std::size_t(info.frames))
        refuse(path, QStringLiteral("breaks off after %1 of its %2 samples")
                         .arg(capture.samples.size())
                         .arg(info.frames));
    return capture;
}

bool readNumber(QString field, QChar decimalComma, double &value)
{
    field = field.trimmed();
    if (!decimalComma.isNull())
        field.replace(decimalComma, QLatin1Char('.'));
    bool ok = false;
    value = field.toDouble(&ok);
    return ok && std::isfinite(value);
}

Capture readCsv(const QString &path, int channel, double sampleRate)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, file.errorString());
    if (file.size() > kMaxCsvSize)
        refuse(path, QStringLiteral("is larger than a capture of one command can be"));

    Capture capture;
    capture.unit = QStringLiteral("V");
    double scale = 1; // millivolts when the header says so
    std::vector<double> times;
    QChar separator, decimalComma;
    int lineNumber = 0;
    bool inData = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        if (separator.isNull()) {
            separator = line.contains(QLatin1Char(';'))    ? QLatin1Char(';')
                        : line.contains(QLatin1Char('\t')) ? QLatin1Char('\t')
                                                           : QLatin1Char(',');
            // "0,000001;18,3": a comma is the decimal mark when it separates
            // nothing.
            if (separator != QLatin1Char(','))
                decimalComma = QLatin1Char(',');
        }
        const QStringList fields = line.split(separator);
        const bool oneColumn = fields.size() == 1;
        const int column = oneColumn ? 0 : channel;
        double time = 0, value = 0;
        if (!oneColumn && column >= fields.size() && readNumber(fields[0], decimalComma, time))
            refuse(path, QStringLiteral("line %1 has %2 value column(s); --channel %3 is not "
                                        "one of them")
                             .arg(lineNumber)
                             .arg(fields.size() - 1)
                             .arg(channel));
        const bool numbers = (oneColumn || readNumber(fields[0], decimalComma, time)) &&
                             column < fields.size() &&
                             readNumber(fields[column], decimalComma, value);
        if (!numbers) {
            if (inData)
                refuse(path, QStringLiteral("line %1: %2 is not a row of numbers")
                                 .arg(lineNumber)
                                 .arg(quoted(line)));
            if (line.contains(QLatin1String("mV")))
                scale = 1e-3;
            continue;
        }
        if (!inData && oneColumn && !(sampleRate > 0))
            refuse(path, QStringLiteral("holds one column of values; give its --sample-rate"));
        inData = true;
        capture.samples.push_back(float(value * scale));
        if (!oneColumn) {
            if (!times.empty() && time <= times.back())
                refuse(path, QStringLiteral("line %1: its time does not follow the line "
                                            "before")
                                 .arg(lineNumber));
            times.push_back(time);
        }
    }
    if (capture.samples.size() < 2)
        refuse(path, capture.samples.empty() ? QStringLiteral("holds no samples")
                                             : QStringLiteral("holds a single sample"));
    capture.sampleRate =
        times.empty() ? sampleRate : double(times.size() - 1) / (times.back() - times.front());
    checkRate(path, capture.sampleRate);
    return capture;
}

} // namespace

Capture readCapture(const QString &path, int channel, double sampleRate)
{
    const QFileInfo info(path);
    if (!info.exists())
        refuse(path, QStringLiteral("no such file"));
    if (!info.isFile() || !info.isReadable())
        refuse(path, QStringLiteral("not a file that can be read"));
    const QString suffix = info.suffix().toLower();
    return suffix == QLatin1String("csv") || suffix == QLatin1String("txt")
               ? readCsv(path, channel, sampleRate)
               : readSoundFile(path, channel);
}

QString writeWav(const QString &path, const std::vector<float> &samples, double sampleRate)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    SF_INFO info{};
    info.samplerate = int(sampleRate);
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *sound = sf_open_fd(file.handle(), SFM_WRITE, &info, SF_FALSE);
    if (!sound)
        return QString::fromLocal8Bit(sf_strerror(nullptr));
    const auto written = sf_writef_float(sound, samples.data(), sf_count_t(samples.size()));
    const int closed = sf_close(sound);
    if (written != sf_count_t(samples.size()) || closed != 0)
        return QStringLiteral("the samples could not all be written");
    return file.commit() ? QString() : file.errorString();
}

QString writeCsv(const QString &path, const std::vector<float> &volts, double sampleRate)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QTextStream out(&file);
    out << "time_s,voltage_V\n";
    for (std::size_t n = 0; n < volts.size(); ++n)
        out << QString::number(double(n) / sampleRate, 'g', 10) << ','
            << QString::number(double(volts[n]), 'f', 6) << '\n';
    out.flush();
    return file.commit() ? QString() : file.errorString();
}
