#include "listener.h"

#include "demodulator.h"

#include <cmath>

namespace live {
namespace {

// The highest step of a 16-bit card, as a sound server hands it on: a
// sample there or beyond was clipped on its way in.
constexpr float kClipped = 32767.0f / 32768.0f;

} // namespace

Listener::Listener(std::unique_ptr<LiveSource> source, UserbandFrequency userbandFrequency,
                   bool keepHeard)
    : input(std::move(source)),
      demodulator(std::make_unique<linesignal::Demodulator>(input->sampleRate(), kClipped)),
      frequencyOf(std::move(userbandFrequency)), keep(keepHeard)
{
}

Listener::~Listener() = default;

bool Listener::listen()
{
    if (!input->read(block))
        return false;
    for (float v : block) {
        const float size = std::abs(v);
        if (!(size < kClipped))
            sinceAsked.clipped = true;
        if (size > sinceAsked.peak)
            sinceAsked.peak = size;
    }
    demodulator->push(block.data(), block.size());
    count += block.size();
    if (keep)
        kept.insert(kept.end(), block.begin(), block.end());
    return true;
}

std::vector<ReadMessage> Listener::take()
{
    std::vector<ReadMessage> read;
    for (linesignal::Message &m : demodulator->take()) {
        read.push_back(readMessage(std::move(m), 0));
        // The userband is known once the command is read; its frequency
        // gives the intermediate one.
        ReadMessage &last = read.back();
        if (last.command && frequencyOf) {
            if (const int centre = frequencyOf(last.command->userband))
                last.warning = commandWarning(*last.command, centre);
        }
    }
    return read;
}

void Listener::finish()
{
    demodulator->flush();
}

InputLevel Listener::level()
{
    const InputLevel l = sinceAsked;
    sinceAsked = {};
    return l;
}

} // namespace live
