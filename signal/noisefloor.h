#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace linesignal {

// The noise floor: the median of the mean powers of short blocks within the
// last while, the noise's typical level, steadier than its quietest
// moment. The demodulator feeds it between messages only, where it follows
// the noise and not the tone.
class NoiseFloor
{
public:
    // Powers are added every `resolution` seconds.
    explicit NoiseFloor(double resolution);

    void push(double power);
    double level() const { return floor; } // infinite until a few blocks are whole
    // Whether its whole while has been seen since it was last forgotten.
    bool settled() const { return seen >= blocks.size(); }
    // After a stretch of samples that cannot be read: the floor is found
    // anew from what follows.
    void reset();

private:
    const std::size_t perBlock;
    std::vector<double> blocks; // the latest, round
    std::vector<double> sorted; // the same, in order, for their median
    std::size_t next = 0;
    std::size_t seen = 0; // blocks since it was last forgotten
    double sum = 0;
    std::size_t inBlock = 0;
    double floor = INFINITY;
};

} // namespace linesignal
