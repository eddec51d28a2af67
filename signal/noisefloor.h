#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace linesignal {

// The noise floor: the quietest mean power of a short block within the last
// while. Inside a message that is one of its gaps, so the floor follows the
// noise around each burst and not the tone.
class NoiseFloor
{
public:
    // Powers are added every `resolution` seconds.
    explicit NoiseFloor(double resolution);

    void add(double power);
    double level() const { return floor; } // infinite until a block is whole
    // After a stretch of samples that cannot be read: the floor is found
    // anew from what follows.
    void forget();

private:
    const std::size_t perBlock;
    std::vector<double> blocks; // the latest, round
    std::size_t next = 0;
    double sum = 0;
    std::size_t inBlock = 0;
    double floor = INFINITY;
};

} // namespace linesignal
