#include "noisefloor.h"

#include <algorithm>

namespace linesignal {
namespace {

// Blocks of 0.25 ms over the last 10 ms: a message's gaps between bursts
// (0.5 to 1 ms) hold whole blocks, and 10 ms reaches back over the longest
// stretch of tone a message holds.
constexpr double kFloorBlock = 0.25e-3; // s
constexpr double kFloorTime = 10e-3;    // s

} // namespace

NoiseFloor::NoiseFloor(double resolution)
    : perBlock(std::size_t(kFloorBlock / resolution)),
      blocks(std::size_t(kFloorTime / kFloorBlock), INFINITY)
{
}

void NoiseFloor::add(double power)
{
    sum += power;
    if (++inBlock == perBlock) {
        blocks[next] = sum / double(inBlock);
        next = (next + 1) % blocks.size();
        floor = *std::min_element(blocks.begin(), blocks.end());
        sum = 0;
        inBlock = 0;
    }
}

void NoiseFloor::forget()
{
    std::fill(blocks.begin(), blocks.end(), INFINITY);
    floor = INFINITY;
}

} // namespace linesignal
