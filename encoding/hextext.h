#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Renders a frame as the text installers copy: two upper-case hex digits and
// one blank per byte, the last byte included ("70 03 E8 03 ").
std::string bytesToHexText(const std::vector<std::uint8_t> &frame);
