#include "signalfile.h"

#include "soundfile.h"

#include <sndfile.h>

#include <charconv>

namespace {

void appendNumber(std::string &text, double value, std::chars_format format, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    text.append(buffer, result.ptr);
}

} // namespace

std::string wavFile(const std::vector<float> &samples, double sampleRate)
{
    return soundFileBytes(samples, int(sampleRate), SF_FORMAT_WAV | SF_FORMAT_PCM_16);
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

std::string lineSignalFile(const linesignal::LineSignal &signal, bool csv, double sampleRate,
                           bool withSupply)
{
    constexpr double kSupplyFullScale = 20.0, kToneFullScale = 0.5;
    std::vector<float> samples = linesignal::sampleLine(signal, sampleRate, csv || withSupply);
    if (csv)
        return csvFile(samples, sampleRate);
    const double fullScale = withSupply ? kSupplyFullScale : kToneFullScale;
    for (float &sample : samples)
        sample = float(sample / fullScale);
    return wavFile(samples, sampleRate);
}
