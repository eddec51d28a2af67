#include "supplymeter.h"

#include <algorithm>
#include <cmath>

namespace linesignal {
namespace {

// A supply this many times the tone's amplitude is one; less is the tone's
// own offset. So is a step of it.
constexpr double kSupplyOverTone = 4;
// The line's mean is compared over about this long on either side of a
// burst's beginning.
constexpr double kStepWindow = 0.2e-3; // s

} // namespace

SupplyMeter::SupplyMeter(const PowerTrace &powerTrace, double sampleRate)
    : trace(powerTrace), rate(sampleRate)
{
}

double SupplyMeter::mean(double from, double to) const
{
    const std::uint64_t k = trace.kept;
    const std::uint64_t oldest = k > trace.length ? k - trace.length + 1 : 0;
    const double step = double(trace.step);
    const std::uint64_t first =
        std::max(oldest, std::uint64_t(std::max(0.0, std::ceil(from / step))));
    const std::uint64_t last = std::min(k, std::uint64_t(std::max(0.0, to / step)));
    double sum = 0;
    for (std::uint64_t i = first; i < last; ++i)
        sum += trace.sum(i);
    return last > first ? sum / (double(last - first) * step) : NAN;
}

bool SupplyMeter::stepsAt(double at, double level) const
{
    // At the start of a capture nothing says so.
    const double window = kStepWindow * rate;
    const double before = mean(at - 2 * window, at - window / 2),
                 after = mean(at + window / 2, at + 2 * window);
    return std::abs(after - before) > kSupplyOverTone * std::sqrt(2 * level);
}

void SupplyMeter::measure(Message &m, double end) const
{
    const auto orNone = [](double value) { return std::isnan(value) ? 0.0 : value; };
    m.supplyBefore = orNone(mean((m.start - kSupplyWindow) * rate, m.start * rate));
    m.supplyDuring = orNone(mean(m.start * rate, end * rate));
    m.hasSupply = std::max(std::abs(m.supplyBefore), std::abs(m.supplyDuring)) >
                  kSupplyOverTone * m.tonePeakToPeak / 2;
}

} // namespace linesignal
