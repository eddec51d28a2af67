// Fuzzes the codec with each input three ways: as text through the hex
// reader, as bytes through the decoder, and as ints through the encoders.
// Whatever one side accepts, the other must give back unchanged.

#include "commandencoding.h"
#include "diseqc.h"
#include "hextext.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

Frame bytesOf(const std::string &text)
{
    const HexBytes hex = parseHexText(text);
    check(hex.ok());
    return hex.bytes;
}

// Any frame is named or refused with a reason; a single-cable command is
// exactly what the decoder reads.
void checkNamed(const Frame &frame)
{
    const diseqc::FrameReading r = diseqc::readFrame(frame);
    const Decoded decoded = decode(frame);
    check(r.command.has_value() == (r.kind == diseqc::FrameKind::SingleCable));
    if (r.command)
        check(decoded.ok() && *r.command == decoded.command);
    if (r.kind == diseqc::FrameKind::NotDiseqc) {
        check(!r.error.empty());
    } else if (r.kind != diseqc::FrameKind::SingleCable) {
        check(!decoded.ok() && !r.meaning.empty() && !r.notSingleCable.empty());
        check(!r.fields.empty() && r.fields.front().text == bytesToHexText(frame));
    }
}

// A frame the decoder accepts is what the encoder sends for what was read.
void checkDecoded(const Frame &frame)
{
    checkNamed(frame);
    const Decoded decoded = decode(frame);
    if (!decoded.ok()) {
        check(!decoded.error.empty() && decoded.command == Command());
        return;
    }
    const Encoded encoded = encode(decoded.command);
    check(encoded.ok() && encoded.frame == frame);
}

// A command that encodes decodes to itself, and the window's encoders send
// what they were asked for.
void checkEncoded(const int (&a)[8])
{
    Tuning t;
    t.polarisation = a[0] & 1 ? Polarisation::Vertical : Polarisation::Horizontal;
    t.band = a[0] & 2 ? Band::Low : Band::High;
    t.position = a[1];
    t.ifFrequency = a[2];
    t.userbandFrequency = a[3];
    t.userband = a[4];
    if (a[5] >= 0)
        t.pin = a[5] & 0x1FF; // past 255 too
    const Standard standard = a[0] & 4 ? Standard::En50607 : Standard::En50494;
    const Built built = channelChange(standard, t);
    Command commands[] = {built.command, switchOff(standard, a[4], t.pin),
                          unitCommand(kUnitCommands[unsigned(a[6]) % std::size(kUnitCommands)],
                                      a[4], a[7] & 0xFF, t.pin)};
    for (Command &c : commands) {
        c.repeated = a[0] & 8;
        if (c.standard == Standard::En50607)
            c.repeated = false;
        const Encoded encoded = encode(c);
        if (!encoded.ok()) {
            check(encoded.frame.empty());
            continue;
        }
        const Decoded back = decode(encoded.frame);
        check(back.ok() && back.command == c);
    }
    if (built.ok())
        check(built.command.kind == CommandKind::ChannelChange && built.command.tuningWord > 0);

    std::string text = "untouched";
    const int code = (standard == Standard::En50607 ? encodeEn50607Command : encodeEn50494Command)(
        text, a[0] & 1, a[0] & 2, a[1], a[2], a[3], a[4], a[5]);
    if (code != EncodeOk) {
        check(text == "untouched");
        return;
    }
    const Decoded read = decode(bytesOf(text));
    check(read.ok() && read.command.standard == standard && read.command.userband == a[4] + 1 &&
          read.command.pin == (a[5] >= 0 ? Pin(a[5] & 0xFF) : Pin()) &&
          read.command.position == a[1]);
    const long long sum = static_cast<long long>(a[2]) + a[3];
    const int word = read.command.tuningWord;
    check(standard == Standard::En50607
              ? en50607IfFrequency(word) == (a[2] > 2147 ? 2147 : a[2])
              : sum - en50494FrequencySum(word) >= -2 && sum - en50494FrequencySum(word) <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const HexBytes hex = parseHexText(std::string(reinterpret_cast<const char *>(data), size));
    if (hex.ok()) {
        check(bytesOf(bytesToHexText(hex.bytes)) == hex.bytes);
        checkDecoded(hex.bytes);
    } else {
        check(hex.bytes.empty());
    }
    checkDecoded(std::vector<std::uint8_t>(data, data + size));

    int a[8] = {};
    std::memcpy(a, data, size < sizeof a ? size : sizeof a);
    checkEncoded(a);
    return 0;
}
