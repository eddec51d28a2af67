#include "transponder.h"

#include "bands.h"
#include "standards.h"

#include <cctype>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool parseTransponder(const std::string &text, Transponder &transponder, bool *positionWritten)
{
    Transponder t;
    t.position = -1;
    std::size_t i = 0;
    const auto skipBlank = [&] {
        if (i < text.size() && text[i] == ' ')
            ++i;
    };
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && isDigit(text[end]))
            ++end;
        return end;
    };
    if (!text.empty() && !isDigit(text[0])) {
        t.position = positionFromName(text.substr(0, 1));
        if (t.position < 0)
            return false;
        ++i;
        skipBlank();
    } else if (const std::size_t end = digitsFrom(0);
               end + 1 < text.size() && text[end] == ' ' && isDigit(text[end + 1])) {
        // A numbered position stands apart from the frequency: "5 12188V".
        t.position = positionFromName(text.substr(0, end));
        if (t.position < 0)
            return false;
        i = end + 1;
    }
    const std::size_t digitsStart = i;
    i = digitsFrom(i);
    const std::size_t digits = i - digitsStart;
    if (digits < 4 || digits > 5)
        return false;
    for (std::size_t d = digitsStart; d < i; ++d)
        t.frequency = t.frequency * 10 + (text[d] - '0');
    skipBlank();
    if (i + 1 != text.size())
        return false;
    const char polarisation = char(std::toupper(static_cast<unsigned char>(text[i])));
    if (polarisation != 'H' && polarisation != 'V')
        return false;
    t.polarisation = polarisation == 'V' ? Polarisation::Vertical : Polarisation::Horizontal;
    if (positionWritten)
        *positionWritten = t.position >= 0;
    if (t.position < 0)
        t.position = 0;
    t.band = bands::bandOf(t.frequency);
    transponder = t;
    return true;
}

bool transponderInBands(const Transponder &t)
{
    return bands::inBand(t.frequency, t.band);
}

std::string transponderName(const Transponder &t)
{
    return positionName(t.position) + " " + transponderText({0, t.frequency, t.polarisation});
}

std::string transponderText(const Transponder &t)
{
    const std::string rest =
        std::to_string(t.frequency) + (t.polarisation == Polarisation::Vertical ? "V" : "H");
    return t.position == 0 ? rest : positionName(t.position) + " " + rest;
}

Tuning transponderTuning(const Transponder &t, int userband, int userbandFrequency, Pin pin)
{
    Tuning tuning;
    tuning.polarisation = t.polarisation;
    tuning.band = t.band;
    tuning.position = t.position;
    tuning.ifFrequency = bands::intermediateFrequency(t.frequency, t.band);
    tuning.userbandFrequency = userbandFrequency;
    tuning.userband = userband;
    tuning.pin = pin;
    return tuning;
}
