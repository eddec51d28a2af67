#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace linesignal {

// A recording far faster than the tone needs, taken down by a whole factor
// before anything else sees it: each sample out is a triangle over two
// groups of `factor` samples in (a second-order CIC filter), which keeps
// the tone and folds back far less noise than a plain average. A group
// with a sample that cannot be read makes the two samples out that it
// touches not numbers. This is the only stage that sees every sample of a
// fast recording, so each kind of input has one tight loop: 16-bit samples
// are summed as integers, exactly.
class Decimator
{
public:
    // Floats at or beyond `clip` cannot be read; so cannot 16-bit samples
    // at either end of their range.
    Decimator(std::size_t factor, double clip);

    // The samples out are appended to `out`.
    void push(const float *samples, std::size_t count, std::vector<float> &out);
    void push(const std::int16_t *samples, std::size_t count, std::vector<float> &out);

    std::size_t factor() const { return groupSize; }
    // How much of a tone at `frequency` passes, from 0 to 1, at the rate in.
    double gain(double frequency, double sampleRate) const;

private:
    template <typename Sample, typename Sum>
    void take(const Sample *samples, std::size_t count, std::vector<float> &out, float scale);
    float endGroup(double groupSum, double groupWeighted, bool groupBad, float scale);

    const std::size_t groupSize;
    const float clip;
    const double perSquare; // 1 / factor²
    // The group still filling: its plain sum and its sum weighted by the
    // samples' places in it.
    double sum = 0, weighted = 0;
    std::size_t inGroup = 0;
    bool bad = false;
    // The group before, as it enters the triangle's rising half.
    double previousRising = 0;
    bool previousBad = false, started = false;
};

} // namespace linesignal
