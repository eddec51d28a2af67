#include "decimator.h"

#include "diseqcbus.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace linesignal {
namespace {

constexpr float kShortScale = 1.0f / 32768;

inline bool unreadable(float sample, float clip)
{
    return !(std::abs(sample) < clip);
}

// The two ends of the range, and one step inside the lower one, which is
// as far from zero as the upper end.
inline bool unreadable(std::int16_t sample, float)
{
    return unsigned(sample + 32766) > 65532u;
}

} // namespace

Decimator::Decimator(std::size_t factor, double clipAt)
    : groupSize(std::max<std::size_t>(1, factor)), clip(float(clipAt)),
      perSquare(1 / (double(groupSize) * double(groupSize)))
{
}

double Decimator::gain(double frequency, double sampleRate) const
{
    if (groupSize == 1)
        return 1;
    const double x = kPi * frequency / sampleRate, d = double(groupSize);
    const double one = std::sin(x * d) / (d * std::sin(x));
    return one * one;
}

void Decimator::push(const float *samples, std::size_t count, std::vector<float> &out)
{
    take<float, double>(samples, count, out, 1.0f);
}

namespace {

// Whole groups of D 16-bit samples, none unreadable, after a group that was
// readable: with D known to the compiler each group's sums unroll into a
// few vector operations. The sums are exact, as in Decimator::take, so the
// samples out are the same. Returns the last group's rising half.
template <std::size_t D>
std::int64_t wholeGroups(const std::int16_t *samples, std::size_t groups, std::int64_t before,
                         float *to, double perSquare)
{
    for (std::size_t g = 0; g < groups; ++g, samples += D) {
        std::int32_t plain = 0, byPlace = 0;
        for (std::size_t k = 0; k < D; ++k) {
            plain += samples[k];
            byPlace += std::int32_t(k) * samples[k];
        }
        const std::int64_t falling = std::int64_t(D - 1) * plain - byPlace;
        to[g] = float(double(before + falling) * perSquare) * kShortScale;
        before = std::int64_t(byPlace) + plain;
    }
    return before;
}

using WholeGroups = std::int64_t (*)(const std::int16_t *, std::size_t, std::int64_t, float *,
                                     double);

// For the factors of recordings up to about 3 MHz.
template <std::size_t... D> constexpr auto wholeGroupsBy(std::index_sequence<D...>)
{
    return std::array<WholeGroups, sizeof...(D)>{wholeGroups<D>...};
}
constexpr auto kWholeGroups = wholeGroupsBy(std::make_index_sequence<33>());

// The least and the most, which the compiler takes several at a time.
bool anyUnreadable(const std::int16_t *samples, std::size_t count)
{
    std::int16_t least = 0, most = 0;
    for (std::size_t i = 0; i < count; ++i) {
        least = std::min(least, samples[i]);
        most = std::max(most, samples[i]);
    }
    return unreadable(least, 0) || unreadable(most, 0);
}

} // namespace

void Decimator::push(const std::int16_t *samples, std::size_t count, std::vector<float> &out)
{
    // Checked for unreadable samples this many at a time: one spoils only
    // its own stretch's speed.
    constexpr std::size_t kStretch = 4096;
    if (groupSize < 2 || groupSize >= kWholeGroups.size()) {
        take<std::int16_t, std::int64_t>(samples, count, out, kShortScale);
        return;
    }
    const WholeGroups fast = kWholeGroups[groupSize];
    while (count > 0) {
        const std::size_t whole = std::min(count, kStretch) / groupSize * groupSize;
        std::size_t n = std::min(groupSize - inGroup, count);
        if (inGroup == 0 && started && !previousBad && whole > 0) {
            n = whole;
            if (anyUnreadable(samples, whole)) {
                take<std::int16_t, std::int64_t>(samples, n, out, kShortScale);
            } else {
                const std::size_t first = out.size();
                out.resize(first + whole / groupSize);
                previousRising =
                    double(fast(samples, whole / groupSize, std::int64_t(previousRising),
                                out.data() + first, perSquare));
            }
        } else {
            // A group partly read, or one without a readable group before
            // it: one group as any other input.
            take<std::int16_t, std::int64_t>(samples, n, out, kShortScale);
        }
        samples += n;
        count -= n;
    }
}

template <typename Sample, typename Sum>
void Decimator::take(const Sample *samples, std::size_t count, std::vector<float> &out, float scale)
{
    if (groupSize == 1) {
        for (std::size_t i = 0; i < count; ++i)
            out.push_back(unreadable(samples[i], clip) ? NAN : float(samples[i]) * scale);
        return;
    }
    const std::size_t first = out.size();
    out.resize(first + (inGroup + count) / groupSize);
    float *to = out.data() + first;
    while (count > 0) {
        const std::size_t n = std::min(groupSize - inGroup, count);
        // A running sum and the sum of it: two dependent additions a sample,
        // from which the group's plain sum and its sum weighted by place
        // follow.
        Sum running = 0, ofRunning = 0;
        bool odd = false;
        for (std::size_t k = 0; k < n; ++k) {
            running += Sum(samples[k]);
            ofRunning += running;
            odd |= unreadable(samples[k], clip);
        }
        // Σ r_k = Σ (n - k) x_k over the piece's places k.
        const double plain = double(running), byPlace = double(n) * plain - double(ofRunning);
        samples += n;
        count -= n;
        if (inGroup == 0 && n == groupSize) {
            *to++ = endGroup(plain, byPlace, odd, scale);
            continue;
        }
        // Joined to the part of the group read before.
        weighted += byPlace + double(inGroup) * plain;
        sum += plain;
        bad = bad || odd;
        inGroup += n;
        if (inGroup == groupSize) {
            *to++ = endGroup(sum, weighted, bad, scale);
            sum = weighted = 0;
            inGroup = 0;
            bad = false;
        }
    }
}

float Decimator::endGroup(double groupSum, double groupWeighted, bool groupBad, float scale)
{
    // The falling half's weights are D - 1 - i over the group's places i,
    // the rising half's i + 1.
    const double d = double(groupSize);
    const double falling = (d - 1) * groupSum - groupWeighted, rising = groupWeighted + groupSum;
    // The first group stands in for the one before it.
    const double before = started ? previousRising : rising;
    const bool either = groupBad || (started && previousBad);
    previousRising = rising;
    previousBad = groupBad;
    started = true;
    return either ? NAN : float((before + falling) * perSquare) * scale;
}

} // namespace linesignal
