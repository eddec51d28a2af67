#include "capturecsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

const char *skipBlanks(const char *begin, const char *end)
{
    while (begin < end && (*begin == ' ' || *begin == '\t' || *begin == '\r' || *begin == '"'))
        ++begin;
    return begin;
}

const char *trimEnd(const char *begin, const char *end)
{
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r' || end[-1] == '"'))
        --end;
    return end;
}

// The common case of a decimal number, "-0.000031" or "1.5e-06", read
// exactly where the digits fit into a double's mantissa and the power of
// ten is one a double holds exactly; false for anything else, which
// from_chars then reads.
bool fastNumber(const char *begin, const char *end, double &value)
{
    static const double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char *c = begin;
    const bool negative = c < end && *c == '-';
    c += negative;
    std::uint64_t mantissa = 0;
    int digits = 0, exponent = 0;
    const char *digitsStart = c;
    for (; c < end && *c >= '0' && *c <= '9'; ++c, ++digits)
        mantissa = mantissa * 10 + std::uint64_t(*c - '0');
    bool any = c > digitsStart;
    if (c < end && *c == '.') {
        const char *fraction = ++c;
        for (; c < end && *c >= '0' && *c <= '9'; ++c, ++digits)
            mantissa = mantissa * 10 + std::uint64_t(*c - '0');
        exponent -= int(c - fraction);
        any = any || c > fraction;
    }
    if (!any || digits > 15)
        return false;
    if (c < end && (*c == 'e' || *c == 'E')) {
        ++c;
        const bool down = c < end && *c == '-';
        c += c < end && (*c == '-' || *c == '+');
        int shift = 0;
        const char *shiftStart = c;
        for (; c < end && *c >= '0' && *c <= '9' && shift < 1000; ++c)
            shift = shift * 10 + (*c - '0');
        if (c == shiftStart)
            return false;
        exponent += down ? -shift : shift;
    }
    if (c != end || exponent < -22 || exponent > 22)
        return false;
    const double m = double(mantissa);
    value = exponent < 0 ? m / kPowers[-exponent] : m * kPowers[exponent];
    if (negative)
        value = -value;
    return true;
}

// Independent of the process's locale, unlike strtod. A value that is not a
// number ("nan", "inf") is still read, for the reader to mark.
bool readNumber(const char *begin, const char *end, bool decimalComma, double &value,
                bool finite = true)
{
    begin = skipBlanks(begin, end);
    end = trimEnd(begin, end);
    if (begin < end && *begin == '+')
        ++begin;
    if (begin == end)
        return false;
    char copy[64];
    if (decimalComma && std::find(begin, end, ',') != end) {
        if (end - begin >= long(sizeof copy))
            return false;
        std::transform(begin, end, copy, [](char c) { return c == ',' ? '.' : c; });
        end = copy + (end - begin);
        begin = copy;
    }
    if (fastNumber(begin, end, value))
        return true;
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && (!finite || std::isfinite(value));
}

// The scale a header field gives its column's values: "mV", "Ch1 (mV)" or
// "[mV]" millivolts, "V", "Volt" or "(V)" volts; nothing for any other
// text, such as "120mV" in a trigger level.
std::optional<double> unitScale(const char *begin, const char *end)
{
    std::string token;
    for (const char *c = trimEnd(begin, end); c > begin;) {
        const char before = c[-1];
        if (before == ' ' || before == '(' || before == '[' || before == '"' || before == ':')
            break;
        token.insert(token.begin(), before);
        --c;
        if (token.size() > 8)
            return std::nullopt;
    }
    while (!token.empty() && (token.back() == ')' || token.back() == ']'))
        token.pop_back();
    if (token == "mV")
        return 1e-3;
    if (token == "V" || token == "Volt" || token == "Volts" || token == "volt" || token == "volts")
        return 1.0;
    return std::nullopt;
}

bool namesUnits(const char *begin, const char *end)
{
    static const char kUnit[] = "unit";
    return std::search(begin, end, kUnit, kUnit + 4, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           }) != end;
}

std::string shortened(const char *begin, const char *end)
{
    std::string shown;
    for (const char *c = begin; c < end && shown.size() < 40; ++c)
        shown += static_cast<unsigned char>(*c) < 0x20 ? '?' : *c;
    return "'" + shown + (end - begin > 40 ? "...'" : "'");
}

} // namespace

CsvReader::CsvReader(int column, double rate) : channel(column), givenRate(rate)
{
}

bool CsvReader::line(const char *begin, const char *end, Phrase &error)
{
    ++lineNumber;
    begin = skipBlanks(begin, end);
    end = trimEnd(begin, end);
    if (begin == end)
        return true;
    if (!separator) {
        separator = std::memchr(begin, ';', std::size_t(end - begin))    ? ';'
                    : std::memchr(begin, '\t', std::size_t(end - begin)) ? '\t'
                                                                         : ',';
    }
    const bool decimalComma = separator != ',';
    // The fields' bounds: the first, the wanted one, and how many there are.
    const char *fieldStart[2] = {begin, nullptr}, *fieldEnd[2] = {end, nullptr};
    std::size_t fields = 1;
    const char *from = begin;
    for (const char *at;
         (at = static_cast<const char *>(std::memchr(from, separator, std::size_t(end - from))));
         from = at + 1) {
        if (fields == 1)
            fieldEnd[0] = at;
        if (fields == std::size_t(channel))
            fieldStart[1] = at + 1;
        if (fields == std::size_t(channel) + 1)
            fieldEnd[1] = at;
        ++fields;
    }
    if (fieldStart[1] && !fieldEnd[1])
        fieldEnd[1] = end;

    if (inData && fields != columns) {
        error = {PHRASE_WORDS("Phrase", "line %1 has %2 field(s) where the lines before had %3"),
                 {Phrase::plainText(std::to_string(lineNumber)),
                  Phrase::number(static_cast<long long>(fields)),
                  Phrase::number(static_cast<long long>(columns))}};
        return false;
    }
    const bool oneColumn = fields == 1;
    double time = 0, value = 0;
    const bool timeRead = oneColumn || readNumber(fieldStart[0], fieldEnd[0], decimalComma, time);
    if (timeRead && !oneColumn && !fieldStart[1]) {
        error = {
            PHRASE_WORDS("Phrase", "line %1 has %2 value column(s); channel %3 is not one of them"),
            {Phrase::plainText(std::to_string(lineNumber)),
             Phrase::number(static_cast<long long>(fields - 1)), Phrase::number(channel)}};
        return false;
    }
    const bool valueRead =
        timeRead &&
        (oneColumn ? readNumber(begin, end, decimalComma, value, false)
                   : readNumber(fieldStart[1], fieldEnd[1], decimalComma, value, false));
    if (!valueRead) {
        if (inData) {
            error = {PHRASE_WORDS("Phrase", "line %1: %2 is not a row of numbers"),
                     {Phrase::plainText(std::to_string(lineNumber)),
                      Phrase::plainText(shortened(begin, end))}};
            return false;
        }
        // A header line: the unit of the value column's header, or of a
        // line of units ("Vertical Units,mV"), decides the scale; other
        // lines may mention units of other things.
        const bool unitsLine = fields > 1 && namesUnits(fieldStart[0], fieldEnd[0]);
        std::optional<double> unit;
        if (unitsLine) {
            const char *second = fieldEnd[0] + 1;
            const char *secondEnd = static_cast<const char *>(
                std::memchr(second, separator, std::size_t(end - second)));
            unit = unitScale(second, secondEnd ? secondEnd : end);
        } else if (oneColumn) {
            unit = unitScale(begin, end);
        } else if (fieldStart[1]) {
            unit = unitScale(fieldStart[1], fieldEnd[1]);
        }
        if (unit)
            scale = *unit;
        return true;
    }
    if (!inData && oneColumn && !(givenRate > 0)) {
        error = PHRASE_WORDS("Phrase", "it holds one column of values; give its sample rate");
        return false;
    }
    if (!oneColumn) {
        // Times written with few decimals repeat; the rate comes from the
        // whole span.
        if (inData && time < lastTime) {
            error = {PHRASE_WORDS("Phrase", "line %1: its time goes back before the line before"),
                     {Phrase::plainText(std::to_string(lineNumber))}};
            return false;
        }
        if (!inData)
            firstTime = time;
        lastTime = time;
        hasTime = true;
    }
    inData = true;
    columns = fields;
    pending.push_back(float(value * scale));
    ++samples;
    return true;
}

bool CsvReader::finish(Phrase &error)
{
    if (samples < 2) {
        error = samples == 0 ? PHRASE_WORDS("Phrase", "it holds no rows of numbers")
                             : PHRASE_WORDS("Phrase", "it holds a single sample");
        return false;
    }
    if (hasTime && !(lastTime > firstTime)) {
        error = PHRASE_WORDS("Phrase", "its times do not advance");
        return false;
    }
    return true;
}

double CsvReader::sampleRate() const
{
    return hasTime ? (samples > 1 ? double(samples - 1) / (lastTime - firstTime) : 0) : givenRate;
}

bool CsvReader::text(const char *begin, const char *end, bool last, Phrase &error)
{
    if (afterCr && begin != end && *begin == '\n')
        ++begin;
    afterCr = false;
    while (begin != end) {
        const char *at = begin;
        while (at != end && *at != '\n' && *at != '\r')
            ++at;
        if (carry.size() + std::size_t(at - begin) > kLongestCsvLine) {
            error = {PHRASE_WORDS("Phrase",
                                  "line %1 is longer than %2 bytes; an export's lines are short"),
                     {Phrase::plainText(std::to_string(lineNumber + 1)),
                      Phrase::plainText(std::to_string(kLongestCsvLine))}};
            return false;
        }
        if (at == end) {
            carry.append(begin, end);
            break;
        }
        bool ok;
        if (carry.empty()) {
            ok = line(begin, at, error);
        } else {
            carry.append(begin, at);
            ok = line(carry.data(), carry.data() + carry.size(), error);
            carry.clear();
        }
        if (!ok)
            return false;
        begin = at + 1;
        if (*at == '\r') {
            if (begin == end)
                afterCr = true;
            else if (*begin == '\n')
                ++begin;
        }
    }
    if (last && !carry.empty()) {
        const bool ok = line(carry.data(), carry.data() + carry.size(), error);
        carry.clear();
        return ok;
    }
    return true;
}

bool parseCsvCapture(const std::string &text, int channel, double sampleRate, CsvCapture &capture,
                     Phrase &error)
{
    CsvReader reader(channel, sampleRate);
    if (!reader.text(text.data(), text.data() + text.size(), true, error) || !reader.finish(error))
        return false;
    capture.samples = std::move(reader.values());
    capture.sampleRate = reader.sampleRate();
    return true;
}
