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

std::string positionName(int position)
{
    return std::string(1, char('A' + position));
}

int positionFromName(const std::string &name)
{
    if (name.size() != 1)
        return -1;
    const int letter = std::toupper(static_cast<unsigned char>(name[0]));
    return letter >= 'A' && letter <= 'D' ? letter - 'A' : -1;
}
