#include "standards.h"

#include <cctype>

const char *standardName(Standard standard)
{
    return standard == Standard::En50494 ? "EN 50494" : "EN 50607";
}

const char *standardKey(Standard standard)
{
    return standard == Standard::En50494 ? "en50494" : "en50607";
}

bool parseStandard(const std::string &text, Standard &standard)
{
    std::string name;
    for (const char c : text) {
        if (c != ' ')
            name += char(std::tolower(static_cast<unsigned char>(c)));
    }
    if (name.compare(0, 2, "en") == 0)
        name.erase(0, 2);
    if (name == "50494")
        standard = Standard::En50494;
    else if (name == "50607")
        standard = Standard::En50607;
    else
        return false;
    return true;
}

namespace {

constexpr int kLettered = 4; // A to D

} // namespace

std::string positionName(int position)
{
    return position < kLettered ? std::string(1, char('A' + position))
                                : std::to_string(position + 1);
}

int positionFromName(const std::string &name)
{
    if (name.size() == 1 && !std::isdigit(static_cast<unsigned char>(name[0]))) {
        const int letter = std::toupper(static_cast<unsigned char>(name[0]));
        return letter >= 'A' && letter < 'A' + kLettered ? letter - 'A' : -1;
    }
    // A number without sign or leading zero.
    if (name.empty() || name.size() > 2 || name[0] == '0')
        return -1;
    int number = 0;
    for (const char c : name) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
        number = number * 10 + (c - '0');
    }
    return number <= standardPositions(Standard::En50607) ? number - 1 : -1;
}
