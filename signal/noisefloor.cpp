#include "noisefloor.h"

#include <algorithm>
#include <cmath>

namespace linesignal {
namespace {

// Blocks of 0.25 ms over the last 10 ms: enough of them for a steady
// median, recent enough to follow a noise that changes.
constexpr double kFloorBlock = 0.25e-3; // s
constexpr double kFloorTime = 10e-3;    // s
// The median of fewer blocks is too unsteady to measure bursts against:
// the floor is found 1 ms after the recording starts or after a damaged span.
constexpr std::size_t kFewestBlocks = 4;

} // namespace

NoiseFloor::NoiseFloor(double resolution)
    : perBlock(std::size_t(kFloorBlock / resolution)),
      blocks(std::size_t(kFloorTime / kFloorBlock), INFINITY), sorted(blocks.size())
{
}

void NoiseFloor::push(double power)
{
    sum += power;
    if (++inBlock == perBlock) {
        blocks[next] = sum / double(inBlock);
        next = (next + 1) % blocks.size();
        ++seen;
        // Of the blocks seen since the floor was last forgotten: the
        // others are infinite and lie above them.
        const std::size_t finite = std::min(seen, blocks.size());
        if (finite >= kFewestBlocks) {
            std::copy(blocks.begin(), blocks.end(), sorted.begin());
            std::nth_element(sorted.begin(), sorted.begin() + long(finite / 2), sorted.end());
            floor = sorted[finite / 2];
        }
        sum = 0;
        inBlock = 0;
    }
}

void NoiseFloor::reset()
{
    std::fill(blocks.begin(), blocks.end(), INFINITY);
    floor = INFINITY;
    seen = 0;
}

} // namespace linesignal
