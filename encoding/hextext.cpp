#include "hextext.h"

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
