#include "capturecsv.h"

#include <charconv>
#include <cmath>

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\"");
    const auto last = text.find_last_not_of(" \t\r\"");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string &line, char separator)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t at; (at = line.find(separator, from)) != std::string::npos; from = at + 1)
        fields.push_back(line.substr(from, at - from));
    fields.push_back(line.substr(from));
    return fields;
}

// Independent of the process's locale, unlike strtod.
bool readNumber(std::string field, bool decimalComma, double &value)
{
    field = trimmed(field);
    if (decimalComma) {
        for (char &c : field)
            c = c == ',' ? '.' : c;
    }
    if (!field.empty() && field[0] == '+')
        field.erase(0, 1);
    const char *end = field.data() + field.size();
    const auto result = std::from_chars(field.data(), end, value);
    return !field.empty() && result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

std::string shortened(const std::string &line)
{
    std::string shown;
    for (const char c : line.substr(0, 40))
        shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return "'" + shown + (line.size() > 40 ? "...'" : "'");
}

} // namespace

bool parseCsvCapture(const std::string &text, int channel, double sampleRate, CsvCapture &capture,
                     std::string &error)
{
    CsvCapture read;
    std::vector<double> times;
    double scale = 1;
    char separator = 0;
    bool inData = false;
    std::size_t lineNumber = 0, columns = 0;
    for (std::size_t from = 0; from < text.size();) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trimmed(text.substr(from, end - from));
        from = end + 1;
        ++lineNumber;
        if (line.empty())
            continue;
        if (!separator) {
            separator = line.find(';') != std::string::npos    ? ';'
                        : line.find('\t') != std::string::npos ? '\t'
                                                               : ',';
        }
        const bool decimalComma = separator != ',';
        const std::vector<std::string> fields = split(line, separator);
        if (inData && fields.size() != columns) {
            error = "line " + std::to_string(lineNumber) + " has " + std::to_string(fields.size()) +
                    " field(s) where the lines before had " + std::to_string(columns);
            return false;
        }
        const bool oneColumn = fields.size() == 1;
        const std::size_t column = oneColumn ? 0 : std::size_t(channel);
        double time = 0, value = 0;
        const bool timed = oneColumn || readNumber(fields[0], decimalComma, time);
        if (timed && column >= fields.size()) {
            error = "line " + std::to_string(lineNumber) + " has " +
                    std::to_string(fields.size() - 1) + " value column(s); channel " +
                    std::to_string(channel) + " is not one of them";
            return false;
        }
        if (!timed || !readNumber(fields[column], decimalComma, value)) {
            if (inData) {
                error = "line " + std::to_string(lineNumber) + ": " + shortened(line) +
                        " is not a row of numbers";
                return false;
            }
            if (line.find("mV") != std::string::npos)
                scale = 1e-3;
            continue;
        }
        if (!inData && oneColumn && !(sampleRate > 0)) {
            error = "it holds one column of values; give its sample rate";
            return false;
        }
        inData = true;
        columns = fields.size();
        read.samples.push_back(float(value * scale));
        if (!oneColumn) {
            if (!times.empty() && !(time > times.back())) {
                error = "line " + std::to_string(lineNumber) +
                        ": its time does not follow the line before";
                return false;
            }
            times.push_back(time);
        }
    }
    if (read.samples.size() < 2) {
        error = read.samples.empty() ? "it holds no samples" : "it holds a single sample";
        return false;
    }
    read.sampleRate =
        times.empty() ? sampleRate : double(times.size() - 1) / (times.back() - times.front());
    capture = std::move(read);
    return true;
}
