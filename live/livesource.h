#pragma once

#include "diseqcbus.h"
#include "phrase.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace live {

// The tone needs this rate or more; a device that records slower, resampled
// up by a sound server, would only seem to hold it.
constexpr double kLeastRate = linesignal::kMinSampleRate;
constexpr double kPreferredRate = 192000;

// An input the system offers: PulseAudio's sources (PipeWire's too, through
// its PulseAudio interface) or, without a sound server, ALSA's capture
// devices, named "alsa:NAME".
struct InputDevice
{
    std::string name;
    std::string description;
    double rate = 0; // the device's own, 0 when it takes several
    int channels = 0;
    bool isDefault = false;
};

// Why listening could not start or could not go on, in words for the
// installer.
class LiveError : public PhraseError
{
public:
    using PhraseError::PhraseError;
};

// The input named is not there, or no longer: a window renews its list.
class NoSuchInput : public LiveError
{
public:
    using LiveError::LiveError;
};

struct LiveSettings
{
    std::string device; // empty: the system's default input
    double rate = 0;    // 0: the device's own, or the best one it offers
    int channel = 1;    // from 1
};

// The level of what came in since it was last asked for: the largest
// sample, and whether any was at full scale.
struct InputLevel
{
    float peak = 0;
    bool clipped = false;
};

// One opened input. `read` waits for the next block of the chosen channel;
// it returns false once the device has gone or failed, with `ended` saying
// why. Blocks come every few milliseconds, so a caller that must stop (an
// interrupt, a Stop button) sets `stop` from anywhere and the next read
// returns false with `ended` empty.
class LiveSource
{
public:
    virtual ~LiveSource() = default;
    virtual bool read(std::vector<float> &block) = 0;
    virtual void stop() = 0;
    double sampleRate() const { return rate; }
    const std::string &deviceName() const { return device; }
    const Phrase &ended() const { return why; }
    // Blocks the device lost because they were not taken in time.
    std::size_t overruns() const { return lost; }

protected:
    double rate = 0;
    std::string device;
    Phrase why;
    std::atomic<std::size_t> lost{0}; // counted on the server's thread
};

// The inputs there are now, the default first; empty when there are none;
// throws LiveError when no audio system answers.
std::vector<InputDevice> inputDevices();

// Opens the input; throws LiveError naming the device and the reason,
// also when it records below kLeastRate.
std::unique_ptr<LiveSource> openInput(const LiveSettings &settings);

} // namespace live
