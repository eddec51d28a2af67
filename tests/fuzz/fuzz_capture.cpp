// Fuzzes the demodulator: each input as 16-bit samples of the cable, and as a
// command sent through the line with impairments the input chooses (level,
// noise, timing, tone, cuts, odd samples). Whatever is read must hold
// together: whole bytes from whole bits, and an error wherever a bit or a
// parity bit did not hold; a command sent cleanly must come back exactly.

#include "linesignal.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkMessages(const std::vector<linesignal::Message> &messages)
{
    double previous = -1;
    for (const linesignal::Message &m : messages) {
        check(m.start > previous && m.bytes.size() == std::size_t(m.bitCount / 9));
        check(m.error.empty() ? m.bitCount % 9 == 0 && m.errorByte < 0
                              : m.errorByte < int(m.bytes.size()) + 1 && m.errorBit < 9);
        previous = m.start;
    }
}

// Input bytes 0..9 choose the impairments, the next two the command.
void sendThroughTheLine(const std::uint8_t *data, std::size_t size)
{
    if (size < 11)
        return;
    // Up to two bytes: a byte's end and the next one's start are what a
    // longer command repeats, and a short line signal keeps the runs many.
    const std::vector<std::uint8_t> command(data + 10, data + std::min<std::size_t>(size, 12));
    const double rate = 88200 + 500.0 * data[0];            // 88.2 kHz .. 216 kHz
    const double level = std::pow(10, -data[1] / 64.0);     // 0 .. -80 dB
    const double noise = data[2] / 255.0 * level;           // up to the tone's level
    const double timing = 1 + (int(data[3]) - 128) / 640.0; // +-20 %
    const double tone = 17000 + 40.0 * data[4];             // 17 .. 27 kHz
    const double cutFront = data[5] < 200 ? 0 : (data[5] - 200) * 0.2e-3;
    const double cutBack = data[6] < 200 ? 0 : (data[6] - 200) * 0.2e-3;
    const bool supply = data[7] & 1;
    const std::size_t oddAt = data[8] * 97u, oddKind = data[9] % 4;

    const linesignal::LineSignal signal = linesignal::lineSignal({command});
    std::vector<float> samples = linesignal::sampleLine(signal, rate, supply, tone);
    // The bits with 4 ms of the line on either side: the supply's steps
    // are far from them, and the reader needs no more.
    const double from = std::max(0.0, signal.bits.front().start - 4e-3);
    const double to = signal.bits.back().start + linesignal::kBitPeriod + 4e-3;
    samples.erase(samples.begin() + long(std::min(samples.size(), std::size_t(to * rate))),
                  samples.end());
    samples.erase(samples.begin(), samples.begin() + long(std::size_t(from * rate)));
    std::mt19937 random(data[2]);
    // Uniform noise of that power, from the generator's bits directly: the
    // library's distributions take a logarithm per number, most of a run.
    const float spread = float(noise * std::sqrt(3.0));
    for (float &v : samples)
        v = float(v * level) + spread * (float(random() >> 8) * 0x1p-23f - 1.0f);
    const auto front = std::min(samples.size(), std::size_t(cutFront * rate));
    const auto back = std::min(samples.size() - front, std::size_t(cutBack * rate));
    samples.erase(samples.end() - long(back), samples.end());
    samples.erase(samples.begin(), samples.begin() + long(front));
    if (oddKind && oddAt < samples.size())
        samples[oddAt] = oddKind == 1 ? NAN : oddKind == 2 ? INFINITY : 1e30f;

    // Read at the rate the timing makes, in blocks of a size the input chose.
    linesignal::Demodulator demodulator(rate / timing);
    const std::size_t block = 1 + data[9] * 61u;
    for (std::size_t at = 0; at < samples.size(); at += block)
        demodulator.push(samples.data() + at, std::min(block, samples.size() - at));
    demodulator.flush();
    const std::vector<linesignal::Message> messages = demodulator.take();
    checkMessages(messages);
    // Sent cleanly, loud and on time, it comes back exactly.
    if (noise == 0 && level > 0.01 && timing == 1 && tone >= 18000 && tone <= 26000 && !front &&
        !back && !oddKind) {
        check(messages.size() == 1 && messages[0].error.empty() && messages[0].bytes == command);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<float> samples(size / 2);
    for (std::size_t n = 0; n < samples.size(); ++n)
        samples[n] = float(std::int16_t(data[2 * n] | data[2 * n + 1] << 8)) / 32768.0f;
    checkMessages(linesignal::readMessages(samples, 192000));

    sendThroughTheLine(data, size);
    return 0;
}
