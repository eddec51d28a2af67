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
constexpr std::uint8_t kEn50494UnitCommand = 0x5B; // signal on, configuration, oscillator
constexpr std::uint8_t kEn50494UnitCommandPin = 0x5D;
constexpr std::uint8_t kEn50607ChannelChange = 0x70;
constexpr std::uint8_t kEn50607ChannelChangePin = 0x71;
constexpr std::uint8_t kEn50607UserbandsAvailable = 0x7A;
constexpr std::uint8_t kEn50607UserbandsWithPin = 0x7B;
constexpr std::uint8_t kEn50607UserbandsInUse = 0x7C;
constexpr std::uint8_t kEn50607UserbandFrequency = 0x7D;
constexpr std::uint8_t kEn50607UserbandSwitches = 0x7E;

// The low five bits of an EN 50494 unit command's first data byte.
constexpr std::uint8_t kSignalOn = 0x00, kConfig = 0x01, kOscillator = 0x02;

} // namespace framebytes
