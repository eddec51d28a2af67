#include "capturefile.h"

#include "capturecsv.h"
#include "linesignal.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// Ten seconds at 10 MHz as text is about 1 GiB at most; anything larger is not a
// capture of one command.
constexpr std::uintmax_t kMaxCsvSize = std::uintmax_t(1) << 30;

[[noreturn]] void refuse(const std::string &why)
{
    throw CaptureError(why);
}

void checkRate(double rate)
{
    if (rate > linesignal::kMaxSampleRate)
        refuse("its times give more than 10^9 samples a second");
    if (rate < linesignal::kMinSampleRate) {
        char count[32];
        std::snprintf(count, sizeof count, "%.0f", std::round(rate));
        refuse(std::string("its ") + count +
               " samples a second are too few for a 22 kHz tone; record at 88200 or more");
    }
}

Capture readSoundFile(const std::filesystem::path &path, int channel)
{
    SF_INFO info{};
#ifdef _WIN32
    SNDFILE *file = sf_wchar_open(path.c_str(), SFM_READ, &info);
#else
    SNDFILE *file = sf_open(path.c_str(), SFM_READ, &info);
#endif
    if (!file)
        refuse(std::string("not a sound file (") + sf_strerror(nullptr) + ")");
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> closer(file, sf_close);
    if (info.frames <= 0)
        refuse("holds no samples");
    checkRate(info.samplerate);
    if (channel > info.channels)
        refuse("has " + std::to_string(info.channels) + " channel(s); channel " +
               std::to_string(channel) + " is not one of them");

    Capture capture;
    capture.sampleRate = info.samplerate;
    capture.unit = "FS";
    capture.samples.reserve(std::size_t(info.frames));
    std::vector<float> block(std::size_t(4096 * info.channels));
    for (sf_count_t read; (read = sf_readf_float(file, block.data(), 4096)) > 0;) {
        for (sf_count_t frame = 0; frame < read; ++frame)
            capture.samples.push_back(block[std::size_t(frame * info.channels + channel - 1)]);
    }
    if (sf_error(file) != SF_ERR_NO_ERROR || capture.samples.size() != std::size_t(info.frames))
        refuse("breaks off after " + std::to_string(capture.samples.size()) + " of its " +
               std::to_string(info.frames) + " samples");
    return capture;
}

Capture readCsv(const std::filesystem::path &path, int channel, double sampleRate)
{
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kMaxCsvSize && !error)
        refuse("is larger than a capture of one command can be");
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        refuse(std::strerror(errno ? errno : EIO));
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        refuse(std::strerror(errno));
    CsvCapture csv;
    std::string why;
    if (!parseCsvCapture(text, channel, sampleRate, csv, why))
        refuse(why);
    checkRate(csv.sampleRate);
    return {std::move(csv.samples), csv.sampleRate, "V"};
}

// libsndfile writes into memory through these.
struct MemoryFile
{
    std::string bytes;
    sf_count_t at = 0;
};

sf_count_t memoryLength(void *user)
{
    return sf_count_t(static_cast<MemoryFile *>(user)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->at : memoryLength(m);
    m->at = std::max<sf_count_t>(0, base + offset);
    return m->at;
}

sf_count_t memoryRead(void *to, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, memoryLength(m) - m->at));
    std::memcpy(to, m->bytes.data() + m->at, std::size_t(n));
    m->at += n;
    return n;
}

sf_count_t memoryWrite(const void *from, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    if (m->at + count > memoryLength(m))
        m->bytes.resize(std::size_t(m->at + count));
    std::memcpy(&m->bytes[std::size_t(m->at)], from, std::size_t(count));
    m->at += count;
    return count;
}

sf_count_t memoryTell(void *user)
{
    return static_cast<MemoryFile *>(user)->at;
}

void appendNumber(std::string &text, double value, std::chars_format format, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    text.append(buffer, result.ptr);
}

} // namespace

Capture readCapture(const std::filesystem::path &path, int channel, double sampleRate)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error == std::errc::no_such_file_or_directory)
        refuse("no such file");
    if (error)
        refuse(error.message());
    if (!fs::is_regular_file(status))
        refuse("not a regular file");
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return suffix == ".csv" || suffix == ".txt" ? readCsv(path, channel, sampleRate)
                                                : readSoundFile(path, channel);
}

std::string wavFile(const std::vector<float> &samples, double sampleRate)
{
    MemoryFile memory;
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SF_INFO info{};
    info.samplerate = int(sampleRate);
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *sound = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!sound)
        return {};
    // Beyond full scale clips rather than wrapping round.
    sf_command(sound, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    sf_writef_float(sound, samples.data(), sf_count_t(samples.size()));
    sf_close(sound);
    return memory.bytes;
}

std::string csvFile(const std::vector<float> &volts, double sampleRate)
{
    std::string text = "time_s,voltage_V\n";
    text.reserve(volts.size() * 28 + text.size());
    for (std::size_t n = 0; n < volts.size(); ++n) {
        appendNumber(text, double(n) / sampleRate, std::chars_format::general, 10);
        text += ',';
        appendNumber(text, double(volts[n]), std::chars_format::fixed, 6);
        text += '\n';
    }
    return text;
}
