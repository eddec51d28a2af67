#include "bitslicer.h"

#include "diseqcbus.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace linesignal {
namespace {

// A 1 holds a third of its slot in tone, a 0 two thirds; a share between
// these is neither.
constexpr double kOneShareMax = 0.45, kZeroShareMin = 0.55;
constexpr int kBitsPerByte = 9; // eight and the parity bit

// The mean of the middle half: steady against a few odd values, and finer
// than the median when the values alternate about the true one.
double middleMean(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t from = values.size() / 4, to = values.size() - values.size() / 4;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += values[i];
    return sum / double(to - from);
}

} // namespace

void fail(Message &message, Phrase error, int byte, int bit)
{
    if (!message.error.empty())
        return;
    message.error = std::move(error);
    message.errorByte = byte;
    message.errorBit = bit;
}

void sliceBits(Message &m, const std::vector<Burst> &bursts, double rate)
{
    const std::size_t count = bursts.size();
    std::vector<double> periods;
    for (std::size_t i = 0; i + 1 < count; ++i)
        periods.push_back((bursts[i + 1].begin - bursts[i].begin) / rate);
    m.bitPeriod = periods.empty() ? kBitPeriod : middleMean(periods);
    for (const double period : periods)
        m.timingSpread = std::max(m.timingSpread, std::abs(period - m.bitPeriod) / m.bitPeriod);
    judgeTiming(m);

    m.bitCount = int(count);
    BitGatherer bits(m);
    for (std::size_t i = 0; i < count; ++i) {
        const int byteIndex = int(i / kBitsPerByte), bitIndex = int(i % kBitsPerByte);
        const double slot = i < periods.size() ? periods[i] : m.bitPeriod;
        const double share = (bursts[i].end - bursts[i].begin) / rate / slot;
        if (std::abs(slot / m.bitPeriod - 1) > kTimingTolerance)
            fail(
                m,
                bitPlace(int(i),
                         {PHRASE_WORDS("Phrase", "its slot of %1 ms is off the message's %2 ms"),
                          {Phrase::decimal(slot * 1e3, 2), Phrase::decimal(m.bitPeriod * 1e3, 2)}}),
                byteIndex, bitIndex);
        else if (share > kOneShareMax && share < kZeroShareMin)
            fail(m,
                 bitPlace(int(i),
                          {PHRASE_WORDS("Phrase", "%1 % of its slot is tone, neither a 0 nor a 1"),
                           {Phrase::decimal(share * 100, 0)}}),
                 byteIndex, bitIndex);
        bits.add(share <= kOneShareMax);
    }
    bits.flush();
}

Phrase bitPlace(int index, Phrase what)
{
    return {PHRASE_WORDS("Phrase", "byte %1, bit %2: %3"),
            {Phrase::number(index / kBitsPerByte + 1), Phrase::number(index % kBitsPerByte + 1),
             std::move(what)}};
}

void judgeTiming(Message &m)
{
    if (m.toneFrequency < kMinToneFrequency || m.toneFrequency > kMaxToneFrequency)
        fail(m, {PHRASE_WORDS("Phrase", "its tone of %1 kHz is outside %2..%3 kHz"),
                 {Phrase::decimal(m.toneFrequency / 1e3, 1),
                  Phrase::decimal(kMinToneFrequency / 1e3, 1),
                  Phrase::decimal(kMaxToneFrequency / 1e3, 1)}});
    if (std::abs(m.bitPeriod / kBitPeriod - 1) > kTimingTolerance)
        fail(m, {PHRASE_WORDS("Phrase", "its bit period of %1 ms is outside %2..%3 ms"),
                 {Phrase::decimal(m.bitPeriod * 1e3, 2),
                  Phrase::decimal(kBitPeriod * (1 - kTimingTolerance) * 1e3, 2),
                  Phrase::decimal(kBitPeriod * (1 + kTimingTolerance) * 1e3, 2)}});
}

void BitGatherer::add(bool value)
{
    const int byteIndex = count / kBitsPerByte;
    ++count;
    ones += value;
    if (count % kBitsPerByte != 0) {
        byte = std::uint8_t(byte << 1 | value);
        return;
    }
    m.bytes.push_back(byte);
    if (ones % 2 == 0)
        fail(m,
             {PHRASE_WORDS("Phrase", "byte %1: its parity bit does not hold"),
              {Phrase::number(byteIndex + 1)}},
             byteIndex, kBitsPerByte - 1);
    ones = 0;
    byte = 0;
}

void BitGatherer::flush()
{
    if (count % kBitsPerByte != 0)
        fail(m, {PHRASE_WORDS("Phrase", "its %1 bits do not make whole bytes of 9"),
                 {Phrase::number(count)}});
}

} // namespace linesignal
