// Fuzzes the CSV export reader: each input as the text of an export, fed
// whole and in pieces of a size the input chooses. Both must read the same
// samples at the same rate or fail with the same reason, and a failure
// always says why.

#include "capturecsv.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Result
{
    bool ok;
    Phrase error;
    std::vector<float> samples;
    double rate;
};

Result read(const std::string &text, std::size_t piece, int channel, double rate)
{
    CsvReader reader(channel, rate);
    Result result{true, {}, {}, 0};
    std::vector<float> samples;
    for (std::size_t at = 0; result.ok && at <= text.size(); at += piece) {
        const std::size_t size = std::min(piece, text.size() - std::min(at, text.size()));
        const bool last = at + piece > text.size();
        result.ok = reader.text(text.data() + at, text.data() + at + size, last, result.error);
        samples.insert(samples.end(), reader.values().begin(), reader.values().end());
        reader.values().clear();
    }
    if (result.ok)
        result.ok = reader.finish(result.error);
    samples.insert(samples.end(), reader.values().begin(), reader.values().end());
    result.samples = samples;
    result.rate = result.ok ? reader.sampleRate() : 0;
    check(result.ok || !result.error.empty());
    return result;
}

bool same(float a, float b)
{
    return a == b || (a != a && b != b);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t piece = 1 + data[0] % 64;
    const int channel = 1 + data[1] % 3;
    const double rate = data[1] & 0x80 ? 96000 : 0;
    const std::string text(reinterpret_cast<const char *>(data) + 2, size - 2);
    const Result whole = read(text, text.size() + 1, channel, rate);
    const Result pieces = read(text, piece, channel, rate);
    check(whole.ok == pieces.ok && whole.error.text() == pieces.error.text());
    if (whole.ok) {
        check(whole.samples.size() == pieces.samples.size() && whole.rate == pieces.rate);
        for (std::size_t i = 0; i < whole.samples.size(); ++i)
            check(same(whole.samples[i], pieces.samples[i]));
        check(whole.samples.size() >= 2 && whole.rate > 0);
    }
    return 0;
}
