#pragma once

#include <cstdint>

// The fixed bytes of the single-cable commands, shared by the encoders and
// the decoder so that both speak exactly the same frames.
namespace framebytes {

constexpr std::uint8_t kEn50494Framing = 0xE0;       // from the master, no reply, first try
constexpr std::uint8_t kEn50494FramingRepeat = 0xE1; // the same, repeated
constexpr std::uint8_t kEn50494Address = 0x10;       // any LNB, switcher or SMATV
constexpr std::uint8_t kEn50494ChannelChange = 0x5A;
constexpr std::uint8_t kEn50494ChannelChangePin = 0x5C;
constexpr std::uint8_t kEn50607ChannelChange = 0x70;
constexpr std::uint8_t kEn50607ChannelChangePin = 0x71;

} // namespace framebytes
