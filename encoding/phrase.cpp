#include "phrase.h"

#include <cstdio>

Phrase Phrase::plainText(std::string text)
{
    Phrase p;
    p.words = std::move(text);
    p.plain = true;
    return p;
}

Phrase Phrase::decimal(double number, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, number);
    Phrase p = plainText(text);
    p.value = number;
    p.decimals = digits;
    return p;
}

std::string Phrase::text() const
{
    if (plain)
        return words;
    std::vector<std::string> filled;
    filled.reserve(parts.size());
    for (const Phrase &part : parts)
        filled.push_back(part.text());
    return fillIn(words, filled);
}

std::string fillIn(const std::string &words, const std::vector<std::string> &parts)
{
    std::string out;
    out.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char next = i + 1 < words.size() ? words[i + 1] : '\0';
        const std::size_t n = std::size_t(next - '1');
        if (words[i] == '%' && next >= '1' && next <= '9' && n < parts.size()) {
            out += parts[n];
            ++i;
        } else {
            out += words[i];
        }
    }
    return out;
}
