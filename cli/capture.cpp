#include "capture.h"

#include "capturecsv.h"
#include "linesignal.h"
#include "values.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTextStream>

#include <sndfile.h>

#include <cmath>

namespace {

// Ten seconds at 10 MHz as text is about 1 GiB at most; anything larger is not a
// capture of one command.
constexpr qint64 kMaxCsvSize = qint64(1) << 30;

[[noreturn]] void refuse(const QString &path, const QString &why)
{
    throw UsageError(QStringLiteral("--capture %1: %2").arg(quoted(path), why));
}

void checkRate(const QString &path, double rate)
{
    if (rate > linesignal::kMaxSampleRate)
        refuse(path, QStringLiteral("its times give more than 10^9 samples a second"));
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

Capture readCsv(const QString &path, int channel, double sampleRate)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, file.errorString());
    if (file.size() > kMaxCsvSize)
        refuse(path, QStringLiteral("is larger than a capture of one command can be"));
    const QByteArray text = file.readAll();
    CsvCapture csv;
    std::string error;
    if (!parseCsvCapture(text.toStdString(), channel, sampleRate, csv, error))
        refuse(path, QString::fromStdString(error));
    checkRate(path, csv.sampleRate);
    return {std::move(csv.samples), csv.sampleRate, QStringLiteral("V")};
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
    // Beyond full scale clips rather than wrapping round.
    sf_command(sound, SFC_SET_CLIPPING, nullptr, SF_TRUE);
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
