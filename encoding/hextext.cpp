#include "hextext.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kShownGroupLength = 20;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r';
}

Phrase describeChar(char c)
{
    if (std::isprint(static_cast<unsigned char>(c)))
        return Phrase::plainText(std::string("'") + c + "'");
    return {PHRASE_WORDS("Phrase", "byte %1"),
            {Phrase::plainText(hexByte(static_cast<std::uint8_t>(c)))}};
}

} // namespace

std::string bytesToHexText(const std::vector<std::uint8_t> &frame)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(frame.size() * 3);
    for (const std::uint8_t byte : frame) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
        text += ' ';
    }
    return text;
}

std::string hexByte(std::uint8_t byte)
{
    std::string text = bytesToHexText({byte});
    text.pop_back();
    return text;
}

HexBytes parseHexText(const std::string &text)
{
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        const std::size_t groupStart = i;
        if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'))
            i += 2;
        const std::size_t digitsStart = i;
        while (i < text.size() && !isSeparator(text[i])) {
            if (hexValue(text[i]) < 0) {
                return {{},
                        {PHRASE_WORDS("Phrase", "%1 at column %2 is not a hex digit"),
                         {describeChar(text[i]), Phrase::number(static_cast<long long>(i + 1))}}};
            }
            ++i;
        }
        const std::size_t digits = i - digitsStart;
        // A long group is named by its start, so that the message stays short.
        const std::size_t shown = std::min<std::size_t>(i - groupStart, kShownGroupLength);
        const std::string group =
            text.substr(groupStart, shown) + (shown < i - groupStart ? "..." : "");
        if (digits == 0 || digits % 2 != 0) {
            return {
                {},
                {digits == 0
                     ? PHRASE_WORDS("Phrase", "'%1' at column %2 has no hex digits")
                     : PHRASE_WORDS("Phrase", "'%1' at column %2 has an odd number of hex digits"),
                 {Phrase::plainText(group),
                  Phrase::number(static_cast<long long>(groupStart + 1))}}};
        }
        for (std::size_t d = digitsStart; d < i; d += 2)
            bytes.push_back(
                static_cast<std::uint8_t>(hexValue(text[d]) << 4 | hexValue(text[d + 1])));
    }
    if (bytes.empty())
        return {{}, PHRASE_WORDS("Phrase", "no hex bytes given")};
    return {bytes, {}};
}
