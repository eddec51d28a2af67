#pragma once

// A cable as a receiver drives it, written here from the bus's timing alone
// and not from the program's own generator: a free-running oscillator keyed
// on and off by the bits at times that fall anywhere between samples, a
// supply that steps or sags, and what a probe, a sound card and noise make
// of it.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace cable {

using Bytes = std::vector<std::uint8_t>;

constexpr double kPi = 3.14159265358979323846;

// When the tone is on, in seconds.
struct Keying
{
    std::vector<std::pair<double, double>> on;
    double first = INFINITY, last = 0; // the first slot's start, the last one's end

    // A frame from `at`: each byte most significant bit first, then a bit
    // that makes its ones odd; 1.5 ms a slot, starting with 1 ms of tone
    // for a 0 and 0.5 ms for a 1.
    void send(const Bytes &frame, double at)
    {
        first = std::min(first, at);
        for (const std::uint8_t byte : frame) {
            int ones = 0;
            for (int bit = 7; bit >= -1; --bit) {
                const bool one = bit >= 0 ? (byte >> bit) & 1 : ones % 2 == 0;
                ones += one;
                on.emplace_back(at, at + (one ? 0.5e-3 : 1.0e-3));
                at += 1.5e-3;
            }
        }
        last = std::max(last, at);
    }
};

struct Line
{
    double rate = 192000;
    double seconds = 0.2;
    double tone = 22000;      // Hz
    double peakToPeak = 0.65; // V
    double phase = 0.3;       // of the oscillator at 0 s
    std::function<double(double)> supply = [](double) { return 0.0; };
    Keying keying;
};

inline std::vector<double> volts(const Line &line)
{
    const auto count = std::size_t(line.seconds * line.rate);
    std::vector<double> v(count);
    for (std::size_t n = 0; n < count; ++n)
        v[n] = line.supply(double(n) / line.rate);
    for (const auto &[from, to] : line.keying.on)
        for (auto n = std::size_t(std::ceil(from * line.rate));
             n < count && double(n) < to * line.rate; ++n)
            v[n] += line.peakToPeak / 2 *
                    std::sin(2 * kPi * line.tone * double(n) / line.rate + line.phase);
    return v;
}

// The mean of `f` over [from, to), as finely as a microsecond.
inline double mean(const std::function<double(double)> &f, double from, double to)
{
    const int steps = std::max(1, int((to - from) * 1e6));
    double sum = 0;
    for (int i = 0; i < steps; ++i)
        sum += f(from + (i + 0.5) * (to - from) / steps);
    return sum / steps;
}

// The supply at `low`, raised to `high` over each window.
inline std::function<double(double)> steps(double low, double high,
                                           std::vector<std::pair<double, double>> windows)
{
    return [=](double t) {
        for (const auto &[from, to] : windows)
            if (t >= from && t < to)
                return high;
        return low;
    };
}

// A receiver sending each frame from its time, each inside a stretch of
// its own at 18 V from 8 ms before it to `after` s after its last bit, as
// receivers raise and lower the supply around a command.
inline Line receiver(double rate, const std::vector<std::pair<Bytes, double>> &frames, double after)
{
    Line line;
    line.rate = rate;
    std::vector<std::pair<double, double>> windows;
    for (const auto &[frame, at] : frames) {
        line.keying.send(frame, at);
        windows.emplace_back(at - 0.008, line.keying.last + after);
    }
    line.supply = steps(13, 18, windows);
    line.seconds = line.keying.last + 0.05;
    return line;
}

// Gaussian noise `snr` dB below a tone of `peakToPeak`, counted within
// 30 kHz, as a receiver's front end sees it.
inline void addNoise(std::vector<double> &v, double rate, double peakToPeak, double snr,
                     std::mt19937 &random)
{
    const double tonePower = peakToPeak * peakToPeak / 8;
    std::normal_distribution<double> noise(
        0, std::sqrt(tonePower / std::pow(10, snr / 10) * (rate / 2) / 30000));
    for (double &x : v)
        x += noise(random);
}

// A coupling capacitor into a sound card's input: a first-order high-pass
// at `corner` Hz, the input's impedance halving the level.
inline void probe(std::vector<double> &v, double rate, double corner = 80, double divide = 2)
{
    const double k = 1 / (1 + 2 * kPi * corner / rate);
    double in = v.empty() ? 0 : v[0], out = 0;
    for (double &x : v) {
        out = k * (out + x - in);
        in = x;
        x = out / divide;
    }
}

// A sound card of `bits`: full scale 1, clipped beyond it.
inline std::vector<float> card(const std::vector<double> &v, int bits = 16)
{
    const double steps = std::ldexp(1.0, bits - 1);
    std::vector<float> out;
    out.reserve(v.size());
    for (const double x : v)
        out.push_back(float(std::clamp(std::round(x * steps), -steps, steps - 1) / steps));
    return out;
}

// An oscilloscope's export: a header, the columns' names and their units.
inline std::string scopeCsv(const std::vector<double> &v, double rate, int timeDecimals = 9)
{
    std::string text =
        "Model,DSO\nSample interval," + std::to_string(1 / rate) + "\n\nTime,Volt\ns,V\n";
    char line[64];
    for (std::size_t n = 0; n < v.size(); ++n) {
        std::snprintf(line, sizeof line, "%.*f,%.5f\n", timeDecimals, double(n) / rate, v[n]);
        text += line;
    }
    return text;
}

// A WAV file of interleaved channels, written here: 16-bit PCM or 32-bit
// floats, as recorders write them.
inline std::string interleavedWav(const std::vector<std::vector<float>> &channels, double rate,
                                  bool shorts)
{
    const auto put = [](std::string &to, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            to += char(value >> (8 * i) & 0xFF);
    };
    const auto count = std::uint32_t(channels.size()), width = shorts ? 2u : 4u;
    const auto data = std::uint32_t(channels[0].size()) * count * width;
    std::string file = "RIFF";
    put(file, 36 + data, 4);
    file += "WAVEfmt ";
    put(file, 16, 4);
    put(file, shorts ? 1 : 3, 2);
    put(file, count, 2);
    put(file, std::uint32_t(rate), 4);
    put(file, std::uint32_t(rate) * count * width, 4);
    put(file, count * width, 2);
    put(file, 8 * width, 2);
    file += "data";
    put(file, data, 4);
    for (std::size_t n = 0; n < channels[0].size(); ++n)
        for (const std::vector<float> &channel : channels) {
            std::uint32_t bits;
            if (shorts) {
                bits = std::uint32_t(std::int32_t(std::lround(channel[n] * 32767)));
            } else {
                std::memcpy(&bits, &channel[n], 4);
            }
            put(file, bits, int(width));
        }
    return file;
}

} // namespace cable
