// How many commands come through clean near the noise: for each cell of
// two sample rates and three tones, N random EN 50494 channel changes from
// the tests' own modulator, each with noise at the given SNR (tone power
// over the noise within 30 kHz); and how many were read clean with bytes
// that were not sent, which must be none. The README's sensitivity figures
// are its output:
//
//     build/bin/sensitivity [commands a cell] [dB] [sample rate...]

#include "cable.h"
#include "linesignal.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    const int commands = argc > 1 ? std::atoi(argv[1]) : 100;
    const double snr = argc > 2 ? std::atof(argv[2]) : 4;
    std::vector<double> rates;
    for (int i = 3; i < argc; ++i)
        rates.push_back(std::atof(argv[i]));
    if (rates.empty())
        rates = {96000, 192000};
    int wrong = 0;
    for (const double rate : rates)
        for (const double tone : {18700.0, 22000.0, 25300.0}) {
            std::mt19937 random(std::uint32_t(rate + tone));
            int clean = 0;
            for (int i = 0; i < commands; ++i) {
                const cable::Bytes sent{0xE0, 0x10, 0x5A, std::uint8_t(random()),
                                        std::uint8_t(random() | 1)};
                cable::Line line;
                line.rate = rate;
                line.tone = tone;
                line.phase = std::uniform_real_distribution<double>(0, 2 * cable::kPi)(random);
                line.keying.send(sent,
                                 0.05 + std::uniform_real_distribution<double>(0, 1e-3)(random));
                line.seconds = line.keying.last + 0.05;
                std::vector<double> volts = cable::volts(line);
                cable::addNoise(volts, rate, line.peakToPeak, snr, random);
                for (const linesignal::Message &m :
                     linesignal::readMessages({volts.begin(), volts.end()}, rate)) {
                    if (m.error.empty() && m.bytes == sent)
                        ++clean;
                    else if (m.error.empty())
                        ++wrong;
                }
            }
            std::printf("%g kHz, tone %g kHz, %g dB: %d of %d clean\n", rate / 1e3, tone / 1e3,
                        snr, clean, commands);
        }
    std::printf("read clean with bytes not sent: %d\n", wrong);
    return wrong == 0 ? 0 : 1;
}
