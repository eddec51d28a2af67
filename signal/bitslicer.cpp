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

std::string formatted(const char *pattern, double a, double b, double c, double d)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

void fail(Message &message, std::string error, int byte, int bit)
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
    if (std::abs(m.bitPeriod / kBitPeriod - 1) > kTimingTolerance)
        fail(m, formatted("its bit period of %.2f ms is outside %.2f..%.2f ms", m.bitPeriod * 1e3,
                          kBitPeriod * (1 - kTimingTolerance) * 1e3,
                          kBitPeriod * (1 + kTimingTolerance) * 1e3));

    m.bitCount = int(count);
    BitGatherer bits(m);
    for (std::size_t i = 0; i < count; ++i) {
        const int byteIndex = int(i / kBitsPerByte), bitIndex = int(i % kBitsPerByte);
        const double slot = i < periods.size() ? periods[i] : m.bitPeriod;
        const double share = (bursts[i].end - bursts[i].begin) / rate / slot;
        if (std::abs(slot / m.bitPeriod - 1) > kTimingTolerance)
            fail(m,
                 bitPlace(int(i)) + formatted("its slot of %.2f ms is off the message's %.2f ms",
                                              slot * 1e3, m.bitPeriod * 1e3),
                 byteIndex, bitIndex);
        else if (share > kOneShareMax && share < kZeroShareMin)
            fail(m,
                 bitPlace(int(i)) +
                     formatted("%.0f %% of its slot is tone, neither a 0 nor a 1", share * 100),
                 byteIndex, bitIndex);
        bits.add(share <= kOneShareMax);
    }
    bits.finish();
}

std::string bitPlace(int index)
{
    return formatted("byte %.0f, bit %.0f: ", index / kBitsPerByte + 1, index % kBitsPerByte + 1);
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
        fail(m, formatted("byte %.0f: its parity bit does not hold", byteIndex + 1), byteIndex,
             kBitsPerByte - 1);
    ones = 0;
    byte = 0;
}

void BitGatherer::finish()
{
    if (count % kBitsPerByte != 0)
        fail(m, formatted("its %.0f bits do not make whole bytes of 9", double(count)));
}

} // namespace linesignal
