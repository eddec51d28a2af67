#include "backends.h"

#include <windows.h>

#include <audioclient.h>
#include <mmdeviceapi.h>
#include <mmreg.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

// Windows's own audio: WASAPI capture in shared mode, as every Windows
// sound card and USB audio device offers it.
namespace live {
namespace {

constexpr double kBlockTime = 0.01;         // s, how often the device is asked
constexpr double kMostPending = 2;          // s, as the PulseAudio input keeps
constexpr REFERENCE_TIME kBuffer = 2000000; // 200 ms, in 100 ns units

// The device's friendly name; defined here, as only a library that not
// every MinGW carries defines it.
const PROPERTYKEY kFriendlyName = {
    {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};

template <typename T> class Com
{
public:
    Com() = default;
    ~Com()
    {
        if (p)
            p->Release();
    }
    Com(const Com &) = delete;
    Com &operator=(const Com &) = delete;
    T **out() { return &p; }
    T *operator->() const { return p; }
    T *get() const { return p; }
    explicit operator bool() const { return p != nullptr; }

private:
    T *p = nullptr;
};

std::string utf8(const wchar_t *text)
{
    if (!text)
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(std::size_t(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
    bytes.resize(std::strlen(bytes.c_str()));
    return bytes;
}

std::string hresultText(HRESULT result)
{
    switch (result) {
    case AUDCLNT_E_DEVICE_INVALIDATED:
        return "the device was removed";
    case AUDCLNT_E_DEVICE_IN_USE:
        return "another program uses the device exclusively";
    case AUDCLNT_E_UNSUPPORTED_FORMAT:
        return "the device does not record in that format";
    case AUDCLNT_E_SERVICE_NOT_RUNNING:
        return "the Windows audio service is not running";
    case E_ACCESSDENIED:
        return "access to the microphone is not allowed in the privacy settings";
    default:
        break;
    }
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(result), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::string said = length ? utf8(text) : std::string();
    LocalFree(text);
    while (!said.empty() &&
           (std::isspace(static_cast<unsigned char>(said.back())) || said.back() == '.'))
        said.pop_back();
    if (said.empty()) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
        said = std::string("error ") + code;
    }
    return said;
}

// COM's objects are used on the thread that made them, in its own
// apartment: a window's thread has one of another kind.
void onComThread(const std::function<void()> &work)
{
    std::exception_ptr failed;
    std::thread([&] {
        const HRESULT started = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        try {
            work();
        } catch (...) {
            failed = std::current_exception();
        }
        if (SUCCEEDED(started))
            CoUninitialize();
    }).join();
    if (failed)
        std::rethrow_exception(failed);
}

struct Endpoint
{
    InputDevice device;
    std::wstring id;
};

Phrase noServer(HRESULT result)
{
    return said(PHRASE_WORDS("Phrase", "Windows audio does not answer (%1)"),
                {hresultText(result)});
}

// Every active capture endpoint, the default first; runs on a COM thread.
std::vector<Endpoint> endpoints()
{
    Com<IMMDeviceEnumerator> enumerator;
    HRESULT result = CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                      __uuidof(IMMDeviceEnumerator),
                                      reinterpret_cast<void **>(enumerator.out()));
    if (FAILED(result))
        throw LiveError(noServer(result));
    std::wstring standard;
    {
        Com<IMMDevice> device;
        if (SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eCapture, eConsole, device.out()))) {
            wchar_t *id = nullptr;
            if (SUCCEEDED(device->GetId(&id))) {
                standard = id;
                CoTaskMemFree(id);
            }
        }
    }
    Com<IMMDeviceCollection> collection;
    result = enumerator->EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, collection.out());
    if (FAILED(result))
        throw LiveError(noServer(result));
    UINT count = 0;
    collection->GetCount(&count);
    std::vector<Endpoint> found;
    for (UINT i = 0; i < count; ++i) {
        Com<IMMDevice> device;
        if (FAILED(collection->Item(i, device.out())))
            continue;
        Endpoint endpoint;
        wchar_t *id = nullptr;
        if (FAILED(device->GetId(&id)))
            continue;
        endpoint.id = id;
        CoTaskMemFree(id);
        endpoint.device.name = utf8(endpoint.id.c_str());
        Com<IPropertyStore> properties;
        if (SUCCEEDED(device->OpenPropertyStore(STGM_READ, properties.out()))) {
            PROPVARIANT name;
            PropVariantInit(&name);
            if (SUCCEEDED(properties->GetValue(kFriendlyName, &name)) && name.vt == VT_LPWSTR)
                endpoint.device.description = utf8(name.pwszVal);
            PropVariantClear(&name);
        }
        Com<IAudioClient> client;
        if (SUCCEEDED(device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                                       reinterpret_cast<void **>(client.out())))) {
            WAVEFORMATEX *mix = nullptr;
            if (SUCCEEDED(client->GetMixFormat(&mix)) && mix) {
                endpoint.device.rate = mix->nSamplesPerSec;
                endpoint.device.channels = mix->nChannels;
                CoTaskMemFree(mix);
            }
        }
        endpoint.device.isDefault = endpoint.id == standard;
        found.push_back(std::move(endpoint));
    }
    std::stable_partition(found.begin(), found.end(),
                          [](const Endpoint &e) { return e.device.isDefault; });
    return found;
}

// The samples of one frame as floats, whatever the device's format.
struct SampleFormat
{
    bool isFloat = true;
    int bytes = 4; // a sample's container
    int bits = 32; // of it, the valid ones

    explicit SampleFormat(const WAVEFORMATEX &format)
    {
        bytes = format.wBitsPerSample / 8;
        bits = format.wBitsPerSample;
        isFloat = format.wFormatTag == WAVE_FORMAT_IEEE_FLOAT;
        if (format.wFormatTag == WAVE_FORMAT_EXTENSIBLE && format.cbSize >= 22) {
            const auto &extended = reinterpret_cast<const WAVEFORMATEXTENSIBLE &>(format);
            // The subformat's first field is the format tag it stands for.
            isFloat = extended.SubFormat.Data1 == WAVE_FORMAT_IEEE_FLOAT;
            if (extended.Samples.wValidBitsPerSample)
                bits = extended.Samples.wValidBitsPerSample;
        }
    }
    bool readable() const { return isFloat ? bytes == 4 : bytes == 2 || bytes == 3 || bytes == 4; }
    float at(const unsigned char *sample) const
    {
        if (isFloat) {
            float value;
            std::memcpy(&value, sample, sizeof value);
            return value;
        }
        std::int32_t value = 0;
        for (int b = 0; b < bytes; ++b)
            value |= std::int32_t(std::uint32_t(sample[b]) << (8 * (4 - bytes + b)));
        return float(double(value) / 2147483648.0);
    }
};

class WasapiSource : public LiveSource
{
public:
    explicit WasapiSource(const LiveSettings &settings);
    ~WasapiSource() override;
    bool read(std::vector<float> &block) override;
    void stop() override;

private:
    void capture(const Endpoint &endpoint, double wanted);
    void started(Phrase refusal);

    std::thread worker;
    std::mutex lock;
    std::condition_variable changed;
    std::vector<float> pending;
    bool opened = false, running = true, stopping = false;
    Phrase refused;
    int channels = 1, channel = 0;
    HANDLE wake = nullptr;
};

WasapiSource::WasapiSource(const LiveSettings &settings)
{
    const std::vector<Endpoint> all = [] {
        std::vector<Endpoint> found;
        onComThread([&] { found = endpoints(); });
        return found;
    }();
    const Endpoint *chosen = nullptr;
    for (const Endpoint &e : all) {
        const bool named = settings.device.empty() ? e.device.isDefault
                                                   : e.device.name == settings.device ||
                                                         e.device.description == settings.device;
        if (named) {
            chosen = &e;
            break;
        }
    }
    if (!chosen)
        throw NoSuchInput(
            {kNoSuchInput,
             {settings.device.empty() ? Phrase(PHRASE_WORDS("Phrase", "the default input"))
                                      : Phrase::plainText(settings.device)}});
    device = chosen->device.description.empty() ? chosen->device.name : chosen->device.description;
    rate = chosenRate(settings, device, chosen->device.rate);
    checkChannel(settings, device, chosen->device.channels);
    channels = chosen->device.channels;
    channel = settings.channel - 1;
    wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    worker = std::thread([this, endpoint = *chosen] { capture(endpoint, rate); });
    std::unique_lock<std::mutex> held(lock);
    changed.wait(held, [this] { return opened; });
    if (!refused.empty()) {
        held.unlock();
        worker.join();
        CloseHandle(wake);
        throw LiveError(refused);
    }
}

WasapiSource::~WasapiSource()
{
    stop();
    if (worker.joinable())
        worker.join();
    CloseHandle(wake);
}

void WasapiSource::started(Phrase refusal)
{
    std::lock_guard<std::mutex> held(lock);
    opened = true;
    refused = std::move(refusal);
    if (!refused.empty())
        running = false;
    changed.notify_all();
}

// The device's whole life, on a thread of its own with its own COM
// apartment: opened, read every few milliseconds, closed.
void WasapiSource::capture(const Endpoint &endpoint, double wanted)
{
    const HRESULT comStarted = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const auto fail = [this](const Phrase &reason) {
        std::lock_guard<std::mutex> held(lock);
        if (!stopping)
            why = reason;
        running = false;
        changed.notify_all();
    };
    const auto run = [&] {
        Com<IMMDeviceEnumerator> enumerator;
        Com<IMMDevice> source;
        Com<IAudioClient> client;
        HRESULT result = CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                          __uuidof(IMMDeviceEnumerator),
                                          reinterpret_cast<void **>(enumerator.out()));
        if (SUCCEEDED(result))
            result = enumerator->GetDevice(endpoint.id.c_str(), source.out());
        if (SUCCEEDED(result))
            result = source->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                                      reinterpret_cast<void **>(client.out()));
        WAVEFORMATEX *mix = nullptr;
        if (SUCCEEDED(result))
            result = client->GetMixFormat(&mix);
        if (FAILED(result)) {
            started(said(PHRASE_WORDS("Phrase", "%1: %2"), {device, hresultText(result)}));
            return;
        }
        // The device's own format where it records at the rate asked for;
        // otherwise floats at that rate, converted down by Windows.
        WAVEFORMATEXTENSIBLE asked{};
        DWORD flags = 0;
        const WAVEFORMATEX *format = mix;
        if (std::lround(wanted) != long(mix->nSamplesPerSec) || !SampleFormat(*mix).readable()) {
            asked.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
            asked.Format.nChannels = mix->nChannels;
            asked.Format.nSamplesPerSec = DWORD(std::lround(wanted));
            asked.Format.wBitsPerSample = 32;
            asked.Format.nBlockAlign = WORD(4 * mix->nChannels);
            asked.Format.nAvgBytesPerSec = asked.Format.nSamplesPerSec * asked.Format.nBlockAlign;
            asked.Format.cbSize = sizeof asked - sizeof asked.Format;
            asked.Samples.wValidBitsPerSample = 32;
            asked.dwChannelMask = 0;
            asked.SubFormat = mix->wFormatTag == WAVE_FORMAT_EXTENSIBLE
                                  ? reinterpret_cast<WAVEFORMATEXTENSIBLE *>(mix)->SubFormat
                                  : GUID{};
            asked.SubFormat.Data1 = WAVE_FORMAT_IEEE_FLOAT;
            asked.SubFormat.Data2 = 0x0000;
            asked.SubFormat.Data3 = 0x0010;
            const unsigned char tail[8] = {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71};
            std::memcpy(asked.SubFormat.Data4, tail, sizeof tail);
            format = &asked.Format;
            flags = AUDCLNT_STREAMFLAGS_AUTOCONVERTPCM | AUDCLNT_STREAMFLAGS_SRC_DEFAULT_QUALITY;
        }
        const SampleFormat samples(*format);
        const int frameBytes = format->nBlockAlign;
        result = client->Initialize(AUDCLNT_SHAREMODE_SHARED, flags, kBuffer, 0, format, nullptr);
        CoTaskMemFree(mix);
        Com<IAudioCaptureClient> captured;
        if (SUCCEEDED(result))
            result = client->GetService(__uuidof(IAudioCaptureClient),
                                        reinterpret_cast<void **>(captured.out()));
        if (SUCCEEDED(result))
            result = client->Start();
        if (FAILED(result)) {
            started(said(PHRASE_WORDS("Phrase", "%1: %2"), {device, hresultText(result)}));
            return;
        }
        started({});
        const DWORD every = DWORD(std::lround(kBlockTime * 1000 / 2));
        std::vector<float> taken;
        for (;;) {
            WaitForSingleObject(wake, every);
            {
                std::lock_guard<std::mutex> held(lock);
                if (stopping)
                    break;
            }
            taken.clear();
            UINT32 packet = 0;
            while (SUCCEEDED(result = captured->GetNextPacketSize(&packet)) && packet > 0) {
                BYTE *data = nullptr;
                UINT32 frames = 0;
                DWORD state = 0;
                result = captured->GetBuffer(&data, &frames, &state, nullptr, nullptr);
                if (FAILED(result))
                    break;
                if (state & AUDCLNT_BUFFERFLAGS_DATA_DISCONTINUITY)
                    ++lost;
                if (state & AUDCLNT_BUFFERFLAGS_SILENT) {
                    taken.insert(taken.end(), frames, 0.0f);
                } else {
                    for (UINT32 f = 0; f < frames; ++f)
                        taken.push_back(
                            samples.at(data + std::size_t(f) * std::size_t(frameBytes) +
                                       std::size_t(channel) * std::size_t(samples.bytes)));
                }
                captured->ReleaseBuffer(frames);
            }
            if (FAILED(result)) {
                client->Stop();
                fail(said(PHRASE_WORDS("Phrase", "%1 went away (%2)"),
                          {device, hresultText(result)}));
                return;
            }
            if (taken.empty())
                continue;
            std::lock_guard<std::mutex> held(lock);
            pending.insert(pending.end(), taken.begin(), taken.end());
            // A reader that falls behind loses the oldest, as a device's
            // overrun would, left as unreadable samples.
            if (double(pending.size()) > kMostPending * rate) {
                std::fill(pending.begin(), pending.end(), NAN);
                pending.resize(std::size_t(kMostPending * rate));
                ++lost;
            }
            changed.notify_all();
        }
        client->Stop();
    };
    try {
        run();
    } catch (const std::exception &error) {
        // Out of memory, most likely: the constructor must not wait for
        // ever, nor a reader.
        fail(said(PHRASE_WORDS("Phrase", "%1: %2"), {device, error.what()}));
    }
    {
        std::lock_guard<std::mutex> held(lock);
        if (!opened) {
            opened = true;
            refused = why.empty()
                          ? said(PHRASE_WORDS("Phrase", "%1: %2"), {device, "could not be opened"})
                          : why;
        }
        running = false;
        changed.notify_all();
    }
    if (SUCCEEDED(comStarted))
        CoUninitialize();
}

bool WasapiSource::read(std::vector<float> &block)
{
    std::unique_lock<std::mutex> held(lock);
    changed.wait(held, [this] { return !pending.empty() || stopping || !running; });
    if (stopping || pending.empty())
        return false;
    block.swap(pending);
    pending.clear();
    return true;
}

void WasapiSource::stop()
{
    {
        std::lock_guard<std::mutex> held(lock);
        stopping = true;
        changed.notify_all();
    }
    if (wake)
        SetEvent(wake);
}

} // namespace

std::vector<InputDevice> inputDevices()
{
    std::vector<InputDevice> devices;
    onComThread([&] {
        for (Endpoint &e : endpoints())
            devices.push_back(std::move(e.device));
    });
    return devices;
}

std::unique_ptr<LiveSource> openInput(const LiveSettings &settings)
{
    return std::make_unique<WasapiSource>(settings);
}

} // namespace live
