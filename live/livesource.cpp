#include "backends.h"

#include <cmath>

namespace live {

std::string rateText(double rate)
{
    return std::to_string(std::lround(rate)) + " Hz";
}

Phrase said(const char *words, const std::vector<std::string> &parts)
{
    Phrase phrase(words);
    for (const std::string &part : parts)
        phrase.parts.push_back(Phrase::plainText(part));
    return phrase;
}

double chosenRate(const LiveSettings &settings, const std::string &device, double own)
{
    const std::string least = rateText(kLeastRate);
    if (settings.rate > 0 && settings.rate < kLeastRate)
        throw LiveError(
            said(PHRASE_WORDS("Phrase", "--rate %1 is too slow; the 22 kHz tone needs %2 "
                                        "or more: choose another input or set the card "
                                        "to 96000 or 192000 Hz"),
                 {rateText(settings.rate), least}));
    if (own > 0 && own < kLeastRate)
        throw LiveError(said(PHRASE_WORDS("Phrase", "%1 records at %2; the 22 kHz tone needs %3 or "
                                                    "more: choose another input or set the card to "
                                                    "96000 or 192000 Hz"),
                             {device, rateText(own), least}));
    if (own > 0 && settings.rate > own)
        throw LiveError(said(PHRASE_WORDS("Phrase", "%1 records at %2, not %3"),
                             {device, rateText(own), rateText(settings.rate)}));
    return settings.rate > 0 ? settings.rate : own;
}

void checkChannel(const LiveSettings &settings, const std::string &device, int channels)
{
    if (settings.channel < 1 || settings.channel > channels)
        throw LiveError(said(channels == 1
                                 ? PHRASE_WORDS("Phrase", "%1 has %2 channel, not a channel %3")
                                 : PHRASE_WORDS("Phrase", "%1 has %2 channels, not a channel %3"),
                             {device, std::to_string(channels), std::to_string(settings.channel)}));
}

} // namespace live
