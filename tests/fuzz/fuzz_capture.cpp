// Fuzzes the capture reader and the demodulator: each input as the text of
// an oscilloscope's CSV export, and as 16-bit samples of the cable. Whatever
// is read must hold together: whole bytes from whole bits, and an error
// wherever a bit or a parity bit did not hold.

#include "capturecsv.h"
#include "linesignal.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkMessages(const std::vector<linesignal::Message> &messages)
{
    double previous = -1;
    for (const linesignal::Message &m : messages) {
        check(m.start > previous && m.bytes.size() == std::size_t(m.bitCount / 9));
        check(m.error.empty() ? m.bitCount % 9 == 0 && m.errorByte < 0
                              : m.errorByte < int(m.bytes.size()) + 1 && m.errorBit < 9);
        previous = m.start;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CsvCapture csv;
    std::string error;
    if (parseCsvCapture(std::string(reinterpret_cast<const char *>(data), size), 1, 192000, csv,
                        error)) {
        check(csv.samples.size() >= 2 && csv.sampleRate > 0);
        checkMessages(linesignal::readMessages(csv.samples, csv.sampleRate));
    } else {
        check(!error.empty());
    }

    std::vector<float> samples(size / 2);
    for (std::size_t n = 0; n < samples.size(); ++n)
        samples[n] = float(std::int16_t(data[2 * n] | data[2 * n + 1] << 8)) / 32768.0f;
    checkMessages(linesignal::readMessages(samples, 192000));
    return 0;
}
