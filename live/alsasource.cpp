#include "backends.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <cerrno>

namespace live {
namespace {

constexpr double kPeriodTime = 0.01; // s, as the server's blocks
// Rates tried in turn when none is asked for.
constexpr double kRates[] = {kPreferredRate, 96000, kLeastRate};

// The library's own notes on stderr would break the one line a refusal is.
void quiet(const char *, int, const char *, int, const char *, ...)
{
}

class AlsaSource : public LiveSource
{
public:
    explicit AlsaSource(const LiveSettings &settings);
    ~AlsaSource() override { snd_pcm_close(pcm); }
    bool read(std::vector<float> &block) override;
    void stop() override { stopping = true; }

private:
    snd_pcm_t *pcm = nullptr;
    unsigned channels = 1, channel = 0;
    snd_pcm_format_t format = SND_PCM_FORMAT_FLOAT_LE;
    snd_pcm_uframes_t period = 0;
    std::vector<char> raw;
    std::atomic<bool> stopping{false};
};

AlsaSource::AlsaSource(const LiveSettings &settings)
{
    const std::string name = settings.device.rfind(kAlsaPrefix, 0) == 0
                                 ? settings.device.substr(std::string(kAlsaPrefix).size())
                                 : "default";
    device = std::string(kAlsaPrefix) + name;
    snd_lib_error_set_handler(quiet);
    int error = snd_pcm_open(&pcm, name.c_str(), SND_PCM_STREAM_CAPTURE, 0);
    if (error == -ENOENT)
        throw NoSuchInput(said(kNoSuchInput, {device}));
    if (error < 0)
        throw LiveError(said(PHRASE_WORDS("Phrase", "%1: %2"), {device, snd_strerror(error)}));
    const auto fail = [&](int code) {
        Phrase reason = said(PHRASE_WORDS("Phrase", "%1: %2"), {device, snd_strerror(code)});
        snd_pcm_close(pcm);
        throw LiveError(reason);
    };
    snd_pcm_hw_params_t *params;
    snd_pcm_hw_params_alloca(&params);
    snd_pcm_hw_params_any(pcm, params);
    // The device's own rates only: a rate made up by resampling would only
    // seem to hold the tone.
    snd_pcm_hw_params_set_rate_resample(pcm, params, 0);
    if ((error = snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED)) < 0)
        fail(error);
    for (snd_pcm_format_t f :
         {SND_PCM_FORMAT_FLOAT_LE, SND_PCM_FORMAT_S32_LE, SND_PCM_FORMAT_S16_LE}) {
        if (snd_pcm_hw_params_test_format(pcm, params, f) == 0) {
            format = f;
            break;
        }
    }
    if ((error = snd_pcm_hw_params_set_format(pcm, params, format)) < 0)
        fail(error);
    unsigned most = 0;
    snd_pcm_hw_params_get_channels_max(params, &most);
    try {
        checkChannel(settings, device, int(std::min(most, 64u)));
        double own = 0;
        if (settings.rate > 0) {
            chosenRate(settings, device, 0);
            if (snd_pcm_hw_params_test_rate(pcm, params, unsigned(settings.rate), 0) != 0)
                throw LiveError(said(PHRASE_WORDS("Phrase", "%1 cannot record at %2"),
                                     {device, rateText(settings.rate)}));
            own = settings.rate;
        } else {
            for (double r : kRates) {
                if (snd_pcm_hw_params_test_rate(pcm, params, unsigned(r), 0) == 0) {
                    own = r;
                    break;
                }
            }
            if (own == 0) {
                unsigned fastest = 0;
                int dir = 0;
                snd_pcm_hw_params_get_rate_max(params, &fastest, &dir);
                chosenRate(settings, device, fastest);
                own = fastest;
            }
        }
        rate = own;
    } catch (const LiveError &) {
        snd_pcm_close(pcm);
        throw;
    }
    channels = unsigned(settings.channel);
    unsigned least = 1;
    snd_pcm_hw_params_get_channels_min(params, &least);
    channels = std::max(channels, least);
    channel = unsigned(settings.channel - 1);
    if ((error = snd_pcm_hw_params_set_channels(pcm, params, channels)) < 0 ||
        (error = snd_pcm_hw_params_set_rate(pcm, params, unsigned(rate), 0)) < 0)
        fail(error);
    period = snd_pcm_uframes_t(kPeriodTime * rate);
    int dir = 0;
    snd_pcm_hw_params_set_period_size_near(pcm, params, &period, &dir);
    snd_pcm_uframes_t buffer = period * 8;
    snd_pcm_hw_params_set_buffer_size_near(pcm, params, &buffer);
    if ((error = snd_pcm_hw_params(pcm, params)) < 0)
        fail(error);
    snd_pcm_hw_params_get_period_size(params, &period, &dir);
    raw.resize(period * channels * std::size_t(snd_pcm_format_physical_width(format) / 8));
}

bool AlsaSource::read(std::vector<float> &block)
{
    while (!stopping) {
        const snd_pcm_sframes_t got = snd_pcm_readi(pcm, raw.data(), period);
        if (got == -EPIPE) {
            // Not taken in time: the device dropped what it held.
            ++lost;
            snd_pcm_prepare(pcm);
            continue;
        }
        if (got == -ESTRPIPE) {
            while (snd_pcm_resume(pcm) == -EAGAIN)
                ;
            snd_pcm_prepare(pcm);
            continue;
        }
        if (got == -EAGAIN || got == -EINTR)
            continue;
        if (got < 0) {
            why =
                said(PHRASE_WORDS("Phrase", "%1 went away (%2)"), {device, snd_strerror(int(got))});
            return false;
        }
        block.resize(std::size_t(got));
        for (std::size_t f = 0; f < block.size(); ++f) {
            const std::size_t at = f * channels + channel;
            if (format == SND_PCM_FORMAT_FLOAT_LE)
                block[f] = reinterpret_cast<const float *>(raw.data())[at];
            else if (format == SND_PCM_FORMAT_S32_LE)
                block[f] =
                    float(reinterpret_cast<const std::int32_t *>(raw.data())[at]) / 2147483648.0f;
            else
                block[f] = float(reinterpret_cast<const std::int16_t *>(raw.data())[at]) / 32768.0f;
        }
        return true;
    }
    return false;
}

} // namespace

// The capture devices of the sound cards themselves: ALSA's plugins (rate
// converters, JACK, OSS, up- and downmixing) are ways to other inputs, not
// inputs. Each through plughw, which converts format and channels but, as
// opened here, never the rate.
std::vector<InputDevice> alsaInputs()
{
    std::vector<InputDevice> devices;
    snd_lib_error_set_handler(quiet);
    for (int card = -1; snd_card_next(&card) == 0 && card >= 0;) {
        snd_ctl_t *control = nullptr;
        if (snd_ctl_open(&control, ("hw:" + std::to_string(card)).c_str(), 0) < 0)
            continue;
        snd_ctl_card_info_t *cardInfo;
        snd_ctl_card_info_alloca(&cardInfo);
        if (snd_ctl_card_info(control, cardInfo) < 0) {
            snd_ctl_close(control);
            continue;
        }
        const std::string id = snd_ctl_card_info_get_id(cardInfo);
        const std::string cardName = snd_ctl_card_info_get_name(cardInfo);
        for (int pcm = -1; snd_ctl_pcm_next_device(control, &pcm) == 0 && pcm >= 0;) {
            snd_pcm_info_t *info;
            snd_pcm_info_alloca(&info);
            snd_pcm_info_set_device(info, unsigned(pcm));
            snd_pcm_info_set_subdevice(info, 0);
            snd_pcm_info_set_stream(info, SND_PCM_STREAM_CAPTURE);
            if (snd_ctl_pcm_info(control, info) < 0)
                continue; // plays only
            InputDevice d;
            d.name = std::string(kAlsaPrefix) + "plughw:CARD=" + id + ",DEV=" + std::to_string(pcm);
            d.description = cardName + ": " + snd_pcm_info_get_name(info);
            // Where ALSA's default leads without a configuration of its own.
            d.isDefault = devices.empty();
            devices.push_back(d);
        }
        snd_ctl_close(control);
    }
    return devices;
}

std::unique_ptr<LiveSource> openAlsaInput(const LiveSettings &settings)
{
    return std::make_unique<AlsaSource>(settings);
}

} // namespace live
