#include "capturefile.h"

#include "bitslicer.h"
#include "capturecsv.h"
#include "linesignal.h"
#include "soundfile.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// Samples read at a time, of all channels together.
constexpr std::size_t kBlockSamples = 1 << 16;
// More channels than any recorder of a cable has: a damaged header.
constexpr int kMostChannels = 256;
constexpr std::size_t kCsvBlockBytes = 1 << 20;
// Far beyond any voltage on an LNB cable: a misreading, not a sample.
constexpr double kCsvClip = 1e5;
// An export's rate is taken from this many rows before reading starts, and
// made exact from all of them at the end.
constexpr std::uint64_t kRateRows = 4096;

[[noreturn]] void refuse(Phrase why)
{
    throw CaptureError(std::move(why));
}

Phrase systemError()
{
    return Phrase::plainText(std::strerror(errno ? errno : EIO));
}

// libsndfile's reasons in the program's own words, the system's where it
// failed.
Phrase soundFileError(SNDFILE *file)
{
    switch (sf_error(file)) {
    case SF_ERR_SYSTEM:
        return systemError();
    case SF_ERR_UNRECOGNISED_FORMAT:
        return PHRASE_WORDS("Phrase",
                            "not a sound file this program reads (WAV, RF64, FLAC and the like)");
    case SF_ERR_MALFORMED_FILE:
        return PHRASE_WORDS("Phrase", "a damaged sound file");
    case SF_ERR_UNSUPPORTED_ENCODING:
        return PHRASE_WORDS("Phrase", "a sound file in an encoding this program does not read");
    default:
        return PHRASE_WORDS("Phrase", "damaged, or not a sound file this program reads");
    }
}

// Why a file broke off partway: its data does not decode.
Phrase brokenReason(SNDFILE *file, std::uint64_t samples)
{
    return {PHRASE_WORDS("Phrase", "breaks off after %1 samples: %2"),
            {Phrase::plainText(std::to_string(samples)),
             sf_error(file) == SF_ERR_SYSTEM
                 ? systemError()
                 : Phrase(PHRASE_WORDS("Phrase", "its data is damaged there"))}};
}

void checkRate(double rate)
{
    if (rate > linesignal::kMaxSampleRate)
        refuse(PHRASE_WORDS("Phrase", "its times give more than 10^9 samples a second"));
    if (!(rate >= linesignal::kMinSampleRate))
        refuse({PHRASE_WORDS("Phrase", "its %1 samples a second are too few for a 22 kHz tone; "
                                       "record at 88200 or more"),
                {Phrase::decimal(std::round(rate), 0)}});
}

// The least value that counts as clipped: either end of an integer format's
// range (its highest step lies just below 1, its lowest at -1), and 1 for
// formats of real numbers, which a recorder clips there.
double fullScale(int format)
{
    int bits = 0;
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        bits = 8;
        break;
    case SF_FORMAT_PCM_16:
        bits = 16;
        break;
    case SF_FORMAT_PCM_24:
        bits = 24;
        break;
    default:
        return 1.0;
    }
    const double steps = std::ldexp(1.0, bits - 1);
    return (steps - 1) / steps;
}

void takeMessages(linesignal::Demodulator &demodulator, CaptureReading &reading)
{
    for (linesignal::Message &m : demodulator.take())
        reading.messages.push_back(std::move(m));
}

CaptureReading readSoundFile(const std::filesystem::path &path, int channel,
                             const CaptureProgress &progress)
{
    const SoundFile sound(path);
    SNDFILE *file = sound.handle();
    if (!file && sound.openError())
        refuse(Phrase::plainText(std::strerror(sound.openError())));
    if (!file)
        refuse(soundFileError(nullptr));
    const SF_INFO &info = sound.info();
    checkRate(info.samplerate);
    if (info.channels > kMostChannels)
        refuse(
            {PHRASE_WORDS("Phrase", "its header gives %1 channels; a recording holds at most %2"),
             {Phrase::number(info.channels), Phrase::number(kMostChannels)}});
    if (info.channels < 1 || channel > info.channels)
        refuse({PHRASE_WORDS("Phrase", "has %1 channel(s); channel %2 is not one of them"),
                {Phrase::number(info.channels), Phrase::number(channel)}});

    CaptureReading reading;
    reading.sampleRate = info.samplerate;
    reading.channels = info.channels;
    reading.unit = "FS";
    linesignal::Demodulator demodulator(info.samplerate, fullScale(info.format));
    const std::size_t frames = kBlockSamples / std::size_t(info.channels);
    // 16-bit files as they are, which is several times faster than as
    // floats; every other format as floats.
    const bool shorts = (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    std::vector<float> block(shorts ? 0 : frames * std::size_t(info.channels)), picked;
    std::vector<std::int16_t> shortBlock(shorts ? frames * std::size_t(info.channels) : 0),
        shortPicked;
    // A mono 16-bit WAV in the host's byte order is read as it lies, into
    // the block: the library's own conversion copies every sample once more.
    // Only a container that holds the samples plainly: FLAC's raw bytes are
    // its compressed stream.
    const int container = info.format & SF_FORMAT_TYPEMASK;
    const bool plain = container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX ||
                       container == SF_FORMAT_RF64 || container == SF_FORMAT_W64;
    const bool raw = shorts && plain && info.channels == 1 &&
                     sf_command(file, SFC_RAW_DATA_NEEDS_ENDSWAP, nullptr, 0) == SF_FALSE;
    const auto readRaw = [](SNDFILE *from, std::int16_t *to, sf_count_t count) {
        const sf_count_t bytes = sf_read_raw(from, to, count * sf_count_t(sizeof *to));
        return bytes / sf_count_t(sizeof *to);
    };
    // The next block's frames of the channel read, or none at the end.
    const auto next = [&](auto &whole, auto &one, auto readFrames) {
        const sf_count_t read = readFrames(file, whole.data(), sf_count_t(frames));
        if (read > 0 && info.channels > 1) {
            one.resize(std::size_t(read));
            for (sf_count_t f = 0; f < read; ++f)
                one[std::size_t(f)] = whole[std::size_t(f * info.channels + channel - 1)];
        }
        const auto *from = info.channels > 1 ? one.data() : whole.data();
        if (read > 0)
            demodulator.push(from, std::size_t(read));
        return read;
    };
    for (sf_count_t read; (read = raw      ? next(shortBlock, shortPicked, readRaw)
                                  : shorts ? next(shortBlock, shortPicked, sf_readf_short)
                                           : next(block, picked, sf_readf_float)) > 0;) {
        reading.samples += std::uint64_t(read);
        takeMessages(demodulator, reading);
        // A decoder's error comes with a short read of what it could decode
        // and is cleared by the next read: it is seen here or not at all,
        // and what would follow it is not to be trusted.
        if (sf_error(file) != SF_ERR_NO_ERROR) {
            reading.brokenOff = brokenReason(file, reading.samples);
            break;
        }
        // The header's count only paces the progress; what is read decides.
        if (progress && info.frames > 0 &&
            !progress(std::min(1.0, double(reading.samples) / double(info.frames)))) {
            reading.cancelled = true;
            return reading;
        }
    }
    if (reading.brokenOff.empty() && sf_error(file) != SF_ERR_NO_ERROR)
        reading.brokenOff = brokenReason(file, reading.samples);
    if (reading.samples == 0)
        refuse(reading.brokenOff.empty() ? Phrase(PHRASE_WORDS("Phrase", "holds no samples"))
                                         : reading.brokenOff);
    demodulator.flush();
    takeMessages(demodulator, reading);
    return reading;
}

CaptureReading readCsv(const std::filesystem::path &path, int channel, double sampleRate,
                       const CaptureProgress &progress)
{
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        refuse(systemError());
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);

    CaptureReading reading;
    reading.unit = "V";
    CsvReader csv(channel, sampleRate);
    std::unique_ptr<linesignal::Demodulator> demodulator;
    double rate = 0; // the one the demodulator runs at
    Phrase why;
    const auto feed = [&](bool last) {
        std::vector<float> &values = csv.values();
        if (!demodulator) {
            if (!last && (csv.count() == 0 || (csv.timed() && csv.count() < kRateRows)))
                return; // not enough rows yet to know the rate
            rate = csv.sampleRate();
            checkRate(rate);
            demodulator = std::make_unique<linesignal::Demodulator>(rate, kCsvClip);
        }
        demodulator->push(values.data(), values.size());
        values.clear();
        takeMessages(*demodulator, reading);
    };

    std::vector<char> buffer(kCsvBlockBytes);
    std::uint64_t done = 0;
    while (file) {
        file.read(buffer.data(), std::streamsize(buffer.size()));
        const std::size_t got = std::size_t(file.gcount());
        if (got == 0)
            break;
        done += got;
        if (!csv.text(buffer.data(), buffer.data() + got, false, why))
            refuse(why);
        feed(false);
        if (progress && size > 0 && !progress(std::min(1.0, double(done) / double(size)))) {
            reading.cancelled = true;
            reading.sampleRate = rate;
            reading.samples = csv.count();
            return reading;
        }
    }
    if (file.bad())
        refuse(systemError());
    if (!csv.text(buffer.data(), buffer.data(), true, why))
        refuse(why);
    if (!csv.finish(why))
        refuse(why);
    feed(true);
    demodulator->flush();
    takeMessages(*demodulator, reading);
    reading.samples = csv.count();
    // The times of all rows give the rate exactly; the reading ran at the
    // first rows' estimate, which scales every time it measured.
    reading.sampleRate = csv.sampleRate();
    checkRate(reading.sampleRate);
    const double ratio = rate / reading.sampleRate;
    if (ratio != 1) {
        for (linesignal::Message &m : reading.messages) {
            m.start *= ratio;
            if (m.damaged)
                m.damaged->end *= ratio;
            m.bitPeriod *= ratio;
            m.toneFrequency /= ratio;
            // Read at the estimate, checked at the rate it truly has.
            if (m.damaged)
                continue;
            linesignal::judgeTiming(m);
        }
    }
    return reading;
}

} // namespace

CaptureReading readCaptureMessages(const std::filesystem::path &path, int channel,
                                   double sampleRate, const CaptureProgress &progress)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error == std::errc::no_such_file_or_directory)
        refuse(PHRASE_WORDS("Phrase", "no such file"));
    if (error)
        refuse(Phrase::plainText(error.message()));
    if (!fs::is_regular_file(status))
        refuse(PHRASE_WORDS("Phrase", "not a regular file"));
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return suffix == ".csv" || suffix == ".txt" ? readCsv(path, channel, sampleRate, progress)
                                                : readSoundFile(path, channel, progress);
}
