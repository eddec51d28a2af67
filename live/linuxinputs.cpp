#include "backends.h"

// A sound server's inputs where one answers, else ALSA's.
namespace live {

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
