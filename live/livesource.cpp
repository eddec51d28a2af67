#include "backends.h"

#include <cmath>

namespace live {

std::string rateText(double rate)
{
    return std::to_string(std::lround(rate)) + " Hz";
}

double chosenRate(const LiveSettings &settings, const std::string &device, double own)
{
    const std::string advice =
        "; the 22 kHz tone needs " + rateText(kLeastRate) +
        " or more: choose another input or set the card to 96000 or 192000 Hz";
    if (settings.rate > 0 && settings.rate < kLeastRate)
        throw LiveError("--rate " + rateText(settings.rate) + " is too slow" + advice);
    if (own > 0 && own < kLeastRate)
        throw LiveError(device + " records at " + rateText(own) + advice);
    if (own > 0 && settings.rate > own)
        throw LiveError(device + " records at " + rateText(own) + ", not " +
                        rateText(settings.rate));
    return settings.rate > 0 ? settings.rate : own;
}

void checkChannel(const LiveSettings &settings, const std::string &device, int channels)
{
    if (settings.channel < 1 || settings.channel > channels)
        throw LiveError(device + " has " + std::to_string(channels) + " channel" +
                        (channels == 1 ? "" : "s") + ", not a channel " +
                        std::to_string(settings.channel));
}

std::vector<InputDevice> inputDevices()
{
    if (auto pulse = pulseInputs())
        return *pulse;
    return alsaInputs();
}

std::unique_ptr<LiveSource> openInput(const LiveSettings &settings)
{
    if (settings.device.rfind(kAlsaPrefix, 0) == 0)
        return openAlsaInput(settings);
    // Without a sound server the default is ALSA's; a name is a server's.
    if (settings.device.empty() && !pulseAnswers())
        return openAlsaInput(settings);
    return openPulseInput(settings);
}

} // namespace live
