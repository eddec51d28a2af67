#include "burstdetector.h"

#include "tonefilter.h"

#include <algorithm>

namespace linesignal {
namespace {

// A burst may begin at six times the noise floor: far above its swells.
constexpr double kDetection = 5;
// Inside a message, at a third of the last burst's level: the bursts of one
// message are alike, and a weaker tone beside it is another's.
constexpr double kRearm = 0.3;
// And only where the power has risen fourfold since the last burst ended,
// not on that burst's falling tail.
constexpr double kRise = 4;
// Its plateau is the powers above half its peak; at 12 times the noise
// floor it is tone and not noise.
constexpr double kPlateau = 0.5;
constexpr double kBurstLevel = 7;
// The edges lie where the amplitude crosses half (rising) and 0.45
// (falling) of the plateau's, which places a 0's and a 1's tone right for
// the filter's own rise and fall.
constexpr double kRisingEdge = 0.5 * 0.5, kFallingEdge = 0.5 * 0.5;
// Crossings this close to a burst's edges belong to the filter's ringing.
constexpr double kCrossingMargin = 0.1e-3; // s

} // namespace

PowerTrace::PowerTrace(std::size_t samplesPerPower, std::size_t count)
    : step(samplesPerPower), length(count), powers(count, 0.0f), sums(count, 0.0)
{
}

BurstDetector::BurstDetector(const PowerTrace &powerTrace, double sampleRate, double lag)
    : trace(powerTrace), rate(sampleRate), delay(lag),
      lookBack(std::uint64_t(kLookBack / kPowerResolution) + 1)
{
}

double BurstDetector::threshold(double floor, double lastLevel)
{
    const double detect = std::max(kDetection * floor, kSilentPower);
    return lastLevel > 0 ? std::max(detect, kRearm * lastLevel) : detect;
}

bool BurstDetector::begins(double power, double threshold)
{
    if (power < threshold || power < kRise * trough)
        return false;
    const std::uint64_t k = trace.kept;
    active = true;
    burstFrom = std::max(earliest, k > lookBack ? k - lookBack : 0);
    peak = float(power);
    return true;
}

bool BurstDetector::goesOn(double power)
{
    peak = std::max(peak, float(power));
    const bool tooLong = double(trace.kept - burstFrom) * double(trace.step) > kLongestBurst * rate;
    const bool fallen = power < kEnd * peak;
    lengthCut = tooLong && !fallen;
    return !(fallen || tooLong);
}

void BurstDetector::quiet(double power)
{
    trough = std::min(trough, power);
}

void BurstDetector::reset()
{
    crossings.clear();
    earliest = trace.kept;
}

std::optional<Burst> BurstDetector::end(double power, double floor, double firstLevel,
                                        std::optional<double> cutAt)
{
    active = false;
    trough = power;
    const std::uint64_t to = trace.kept; // powers burstFrom .. to - 1
    earliest = to;
    std::vector<float> plateau;
    for (std::uint64_t i = burstFrom; i < to; ++i) {
        if (trace.power(i) >= kPlateau * peak)
            plateau.push_back(trace.power(i));
    }
    if (plateau.empty())
        return std::nullopt;
    std::nth_element(plateau.begin(), plateau.begin() + long(plateau.size() / 2), plateau.end());
    const double level = plateau[plateau.size() / 2];
    if (level < kBurstLevel * floor) // a swell of the noise
        return std::nullopt;
    // A burst far off the message's level starts a message of its own or
    // is dropped with it.
    const double edges =
        firstLevel > 0 && level < 2 * firstLevel && 2 * level > firstLevel ? firstLevel : level;
    const double step = double(trace.step);
    // Where the power crosses a threshold between two kept powers.
    const auto at = [this](std::uint64_t i) { return double(trace.power(i)); };
    // The rising edge is the one just before the plateau: the burst may
    // begin on the falling tail of the one before.
    std::uint64_t rise = burstFrom;
    while (rise + 1 < to && trace.power(rise) < kPlateau * peak)
        ++rise;
    const auto crossedUp = [&](double threshold) {
        for (std::uint64_t i = rise + 1; i-- > burstFrom;) {
            if (at(i) < threshold) {
                const double fraction =
                    at(i + 1) != at(i) ? (threshold - at(i)) / (at(i + 1) - at(i)) : 1;
                return (double(i) + std::clamp(fraction, 0.0, 1.0)) * step;
            }
        }
        return double(burstFrom * trace.step);
    };
    const auto crossedDown = [&](double threshold) {
        for (std::uint64_t i = to; i-- > burstFrom;) {
            if (at(i) >= threshold) {
                if (i + 1 >= to)
                    return double(to) * step;
                const double fraction = (at(i) - threshold) / (at(i) - at(i + 1));
                return (double(i) + std::clamp(fraction, 0.0, 1.0)) * step;
            }
        }
        return double(to * trace.step);
    };
    Burst burst{std::max(0.0, crossedUp(kRisingEdge * edges) - delay),
                cutAt ? *cutAt : crossedDown(kFallingEdge * edges) - delay, level};
    if (burst.end <= burst.begin)
        return std::nullopt;

    // Half a tone period from one crossing to the next.
    const double margin = kCrossingMargin * rate;
    const auto from = std::lower_bound(crossings.begin(), crossings.end(), burst.begin + margin);
    const auto until = std::upper_bound(from, crossings.end(), burst.end - margin);
    if (until - from > 1) {
        burst.halfPeriods = double(until - from - 1);
        burst.toneTime = (*(until - 1) - *from) / rate;
    }
    crossings.erase(crossings.begin(), until);
    return burst;
}

} // namespace linesignal
