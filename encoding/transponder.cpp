#include "transponder.h"

#include "standards.h"

#include <cctype>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool parseTransponder(const std::string &text, TransponderNotation &transponder)
{
    TransponderNotation t;
    std::size_t i = 0;
    const auto skipBlank = [&] {
        if (i < text.size() && text[i] == ' ')
            ++i;
    };
    if (!text.empty() && !isDigit(text[0])) {
        t.position = positionFromName(text.substr(0, 1));
        if (t.position < 0)
            return false;
        ++i;
        skipBlank();
    }
    const std::size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i]))
        t.frequency = t.frequency * 10 + (text[i++] - '0');
    const std::size_t digits = i - digitsStart;
    if (digits < 4 || digits > 5)
        return false;
    skipBlank();
    if (i + 1 != text.size())
        return false;
    const char polarisation = char(std::toupper(static_cast<unsigned char>(text[i])));
    if (polarisation != 'H' && polarisation != 'V')
        return false;
    t.vertical = polarisation == 'V';
    transponder = t;
    return true;
}

std::string transponderName(int position, int frequency, bool vertical)
{
    return positionName(position) + " " + std::to_string(frequency) + (vertical ? "V" : "H");
}
