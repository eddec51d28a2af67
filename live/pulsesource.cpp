#include "backends.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>

namespace live {
namespace {

// A block is this long: short enough that a message is printed well within
// 0.1 s of its end, long enough that the server wakes us seldom.
constexpr double kBlockTime = 0.01; // s
// A backlog longer than this is dropped, as a device's overrun would, and
// left as a stretch of unreadable samples: memory stays bounded when the
// reader falls behind.
constexpr double kMostPending = 2; // s

// The connection to the server, with the loop that runs its callbacks on
// their own thread; each call into it holds the loop's lock.
class Connection
{
public:
    Connection()
    {
        loop = pa_threaded_mainloop_new();
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "vantir");
        pa_context_set_state_callback(context, &Connection::stateChanged, loop);
        // No server is started for us: without one, ALSA is used.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
            pa_threaded_mainloop_start(loop) < 0)
            return;
        Lock lock(loop);
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                ready = true;
                return;
            }
            if (!PA_CONTEXT_IS_GOOD(state))
                return;
            pa_threaded_mainloop_wait(loop);
        }
    }
    ~Connection()
    {
        pa_threaded_mainloop_stop(loop);
        pa_context_disconnect(context);
        pa_context_unref(context);
        pa_threaded_mainloop_free(loop);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    struct Lock
    {
        explicit Lock(pa_threaded_mainloop *l) : loop(l) { pa_threaded_mainloop_lock(loop); }
        ~Lock() { pa_threaded_mainloop_unlock(loop); }
        pa_threaded_mainloop *loop;
    };

    std::string error() const { return pa_strerror(pa_context_errno(context)); }

    // Waits, holding the lock, for an operation to end.
    void finish(pa_operation *operation)
    {
        if (!operation)
            return;
        while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
            pa_threaded_mainloop_wait(loop);
        pa_operation_unref(operation);
    }

    struct Listing
    {
        pa_threaded_mainloop *loop;
        std::vector<InputDevice> devices;
    };

    std::vector<InputDevice> sources(const char *only)
    {
        Listing listing{loop, {}};
        const auto each = [](pa_context *, const pa_source_info *info, int end, void *data) {
            auto *l = static_cast<Listing *>(data);
            if (end == 0 && info) {
                InputDevice d;
                d.name = info->name;
                d.description = info->description ? info->description : "";
                d.rate = info->sample_spec.rate;
                d.channels = info->sample_spec.channels;
                l->devices.push_back(d);
            }
            pa_threaded_mainloop_signal(l->loop, 0);
        };
        finish(only ? pa_context_get_source_info_by_name(context, only, each, &listing)
                    : pa_context_get_source_info_list(context, each, &listing));
        return listing.devices;
    }

    std::string defaultSource()
    {
        std::pair<pa_threaded_mainloop *, std::string> answer{loop, {}};
        const auto got = [](pa_context *, const pa_server_info *info, void *data) {
            auto *a = static_cast<std::pair<pa_threaded_mainloop *, std::string> *>(data);
            if (info && info->default_source_name)
                a->second = info->default_source_name;
            pa_threaded_mainloop_signal(a->first, 0);
        };
        finish(pa_context_get_server_info(context, got, &answer));
        return answer.second;
    }

    pa_threaded_mainloop *loop;
    pa_context *context;
    bool ready = false;

private:
    static void stateChanged(pa_context *, void *loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
    }
};

class PulseSource : public LiveSource
{
public:
    explicit PulseSource(const LiveSettings &settings);
    ~PulseSource() override;
    bool read(std::vector<float> &block) override;
    void stop() override;

private:
    static void readable(pa_stream *stream, std::size_t, void *self);
    static void overflowed(pa_stream *, void *self);
    static void stateChanged(pa_stream *, void *self);

    Connection connection;
    pa_stream *stream = nullptr;
    int channels = 1, channel = 0;
    std::vector<float> pending; // of the chosen channel, not yet read
    std::atomic<bool> stopping{false};
};

PulseSource::PulseSource(const LiveSettings &settings)
{
    const Phrase named = settings.device.empty()
                             ? Phrase(PHRASE_WORDS("Phrase", "the default input"))
                             : Phrase::plainText(settings.device);
    if (!connection.ready)
        throw LiveError({PHRASE_WORDS("Phrase", "%1: no sound server answers (%2)"),
                         {named, Phrase::plainText(connection.error())}});
    Connection::Lock lock(connection.loop);
    const std::string name = settings.device.empty() ? connection.defaultSource() : settings.device;
    const std::vector<InputDevice> found = connection.sources(name.c_str());
    if (found.empty())
        throw NoSuchInput({kNoSuchInput, {named}});
    device = found.front().name;
    rate = chosenRate(settings, device, found.front().rate);
    checkChannel(settings, device, found.front().channels);
    channels = found.front().channels;
    channel = settings.channel - 1;

    const pa_sample_spec format{PA_SAMPLE_FLOAT32LE, std::uint32_t(rate), std::uint8_t(channels)};
    stream = pa_stream_new(connection.context, "cable", &format, nullptr);
    if (!stream)
        throw LiveError(said(PHRASE_WORDS("Phrase", "%1: %2"), {device, connection.error()}));
    // The destructor does not run when the constructor throws.
    const auto fail = [this]() {
        Phrase reason = said(PHRASE_WORDS("Phrase", "%1: %2"), {device, connection.error()});
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
        throw LiveError(reason);
    };
    pa_stream_set_read_callback(stream, &PulseSource::readable, this);
    pa_stream_set_overflow_callback(stream, &PulseSource::overflowed, this);
    pa_stream_set_state_callback(stream, &PulseSource::stateChanged, this);
    pa_buffer_attr buffer;
    std::memset(&buffer, 0xff, sizeof buffer);
    buffer.fragsize = std::uint32_t(pa_usec_to_bytes(pa_usec_t(kBlockTime * 1e6), &format));
    if (pa_stream_connect_record(stream, device.c_str(), &buffer, PA_STREAM_ADJUST_LATENCY) < 0)
        fail();
    for (;;) {
        const pa_stream_state_t state = pa_stream_get_state(stream);
        if (state == PA_STREAM_READY)
            break;
        if (!PA_STREAM_IS_GOOD(state))
            fail();
        pa_threaded_mainloop_wait(connection.loop);
    }
}

PulseSource::~PulseSource()
{
    if (stream) {
        Connection::Lock lock(connection.loop);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
    }
}

void PulseSource::readable(pa_stream *stream, std::size_t, void *self)
{
    auto *source = static_cast<PulseSource *>(self);
    const void *data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 &&
           bytes > 0) {
        const std::size_t frames = bytes / sizeof(float) / std::size_t(source->channels);
        if (data) {
            const auto *samples = static_cast<const float *>(data);
            for (std::size_t f = 0; f < frames; ++f)
                source->pending.push_back(
                    samples[f * std::size_t(source->channels) + std::size_t(source->channel)]);
        } else {
            // A hole where samples were lost: unreadable samples keep the
            // reader's clock in step and damage a message across it.
            source->pending.insert(source->pending.end(), frames, NAN);
            ++source->lost;
        }
        pa_stream_drop(stream);
        if (double(source->pending.size()) > kMostPending * source->rate) {
            std::fill(source->pending.begin(), source->pending.end(), NAN);
            source->pending.resize(std::size_t(kMostPending * source->rate));
            ++source->lost;
        }
    }
    pa_threaded_mainloop_signal(source->connection.loop, 0);
}

void PulseSource::overflowed(pa_stream *, void *self)
{
    ++static_cast<PulseSource *>(self)->lost;
}

void PulseSource::stateChanged(pa_stream *, void *self)
{
    pa_threaded_mainloop_signal(static_cast<PulseSource *>(self)->connection.loop, 0);
}

bool PulseSource::read(std::vector<float> &block)
{
    Connection::Lock lock(connection.loop);
    while (pending.empty() && !stopping) {
        if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)) ||
            !PA_CONTEXT_IS_GOOD(pa_context_get_state(connection.context))) {
            why = said(PHRASE_WORDS("Phrase", "%1 went away (%2)"), {device, connection.error()});
            return false;
        }
        pa_threaded_mainloop_wait(connection.loop);
    }
    if (stopping)
        return false;
    block.swap(pending);
    pending.clear();
    return true;
}

void PulseSource::stop()
{
    Connection::Lock lock(connection.loop);
    stopping = true;
    pa_threaded_mainloop_signal(connection.loop, 0);
}

} // namespace

bool pulseAnswers()
{
    return Connection().ready;
}

std::optional<std::vector<InputDevice>> pulseInputs()
{
    Connection connection;
    if (!connection.ready)
        return std::nullopt;
    Connection::Lock lock(connection.loop);
    std::vector<InputDevice> devices = connection.sources(nullptr);
    const std::string standard = connection.defaultSource();
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (devices[i].name == standard) {
            devices[i].isDefault = true;
            std::rotate(devices.begin(), devices.begin() + long(i), devices.begin() + long(i) + 1);
        }
    }
    return devices;
}

std::unique_ptr<LiveSource> openPulseInput(const LiveSettings &settings)
{
    return std::make_unique<PulseSource>(settings);
}

} // namespace live
