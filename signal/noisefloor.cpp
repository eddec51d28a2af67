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
      blocks(std::size_t(kFloorTime / kFloorBlock), INFINITY), sorted(blocks)
{
}

void NoiseFloor::push(double power)
{
    sum += power;
    if (++inBlock == perBlock) {
        const double mean = sum / double(inBlock);
        // The block it replaces leaves the sorted copy and the new one goes
        // in at its place: a few moves, where sorting anew every block cost
        // more than all the rest of a quiet line's reading. Powers are
        // never NaN, so both are found.
        const auto out = std::lower_bound(sorted.begin(), sorted.end(), blocks[next]);
        const auto in = std::lower_bound(sorted.begin(), sorted.end(), mean);
        if (in <= out) {
            std::move_backward(in, out, out + 1);
            *in = mean;
        } else {
            std::move(out + 1, in, out);
            *(in - 1) = mean;
        }
        blocks[next] = mean;
        next = (next + 1) % blocks.size();
        ++seen;
        // Of the blocks seen since the floor was last forgotten: the
        // others are infinite and lie above them.
        const std::size_t finite = std::min(seen, blocks.size());
        if (finite >= kFewestBlocks)
            floor = sorted[finite / 2];
        sum = 0;
        inBlock = 0;
    }
}

void NoiseFloor::reset()
{
    std::fill(blocks.begin(), blocks.end(), INFINITY);
    std::fill(sorted.begin(), sorted.end(), INFINITY);
    floor = INFINITY;
    seen = 0;
}

} // namespace linesignal
