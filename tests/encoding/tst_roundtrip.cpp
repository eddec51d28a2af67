// Whatever the window can ask for, decoding the encoded command gives back
// the same settings.

#include "bands.h"
#include "commanddecoding.h"
#include "commandencoding.h"
#include "encoderargs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

namespace {

using Settings = EncoderArgs;

::testing::AssertionResult decodes(const std::string &text, DecodedCommand &command)
{
    std::vector<std::uint8_t> frame;
    std::string error;
    if (!parseHexText(text, frame, error) || !decodeCommand(frame, command, error))
        return ::testing::AssertionFailure() << "'" << text << "': " << error;
    return ::testing::AssertionSuccess();
}

// Encodes with both standards and checks what decoding gives back; a standard
// that cannot carry the settings must say so for exactly the window's reasons.
void expectRoundTrip(const Settings &s)
{
    SCOPED_TRACE(::testing::Message()
                 << "vertical " << s.vertical << " low " << s.lowBand << " position " << s.position
                 << " if " << s.ifFrequency << " ub " << s.userbandIndex + 1 << " at "
                 << s.userbandFrequency << " pin " << s.pin);
    std::string text;
    DecodedCommand c;

    const int code494 = encodeEn50494Command(text, s.vertical, s.lowBand, s.position, s.ifFrequency,
                                             s.userbandFrequency, s.userbandIndex, s.pin);
    const int expected494 = s.userbandIndex > 7 ? EncodeUserbandOutOfRange
                            : s.position > 1    ? EncodePositionOutOfRange
                                                : EncodeOk;
    ASSERT_EQ(code494, expected494);
    if (code494 == EncodeOk) {
        ASSERT_TRUE(decodes(text, c));
        EXPECT_EQ(c.standard, SingleCableStandard::En50494);
        EXPECT_FALSE(c.switchOff);
        EXPECT_EQ(c.userbandIndex, s.userbandIndex);
        EXPECT_EQ(c.position, s.position);
        EXPECT_EQ(c.vertical, s.vertical != 0);
        EXPECT_EQ(c.lowBand, s.lowBand != 0);
        EXPECT_EQ(c.pin, s.pin);
        // 4 MHz steps, rounded to the nearest: the sum comes back within 2 MHz.
        const int ifBack = en50494FrequencySum(c.tuningWord) - s.userbandFrequency;
        EXPECT_LE(std::abs(ifBack - s.ifFrequency), 2) << "decoded " << ifBack;
    }

    text.clear();
    ASSERT_EQ(encodeEn50607Command(text, s.vertical, s.lowBand, s.position, s.ifFrequency,
                                   s.userbandFrequency, s.userbandIndex, s.pin),
              EncodeOk);
    ASSERT_TRUE(decodes(text, c));
    EXPECT_EQ(c.standard, SingleCableStandard::En50607);
    EXPECT_FALSE(c.switchOff);
    EXPECT_EQ(c.userbandIndex, s.userbandIndex);
    EXPECT_EQ(c.position, s.position);
    EXPECT_EQ(c.vertical, s.vertical != 0);
    EXPECT_EQ(c.lowBand, s.lowBand != 0);
    EXPECT_EQ(c.pin, s.pin);
    // The 11-bit field tops out at 2147 MHz; 2148..2150 are sent as 2147.
    EXPECT_EQ(en50607IfFrequency(c.tuningWord), std::min(s.ifFrequency, 2147));
}

// Every transponder of both bands with the lowest, default and highest
// userband frequency, and every userband frequency with the lowest, default
// and highest intermediate frequency.
TEST(RoundTrip, EveryFrequencyOfTheWindow)
{
    for (const int lowBand : {0, 1}) {
        for (int f = bands::transponderMin(lowBand); f <= bands::transponderMax(lowBand); ++f) {
            for (const int userband :
                 {bands::kUserbandFrequencyMin, 1284, bands::kUserbandFrequencyMax}) {
                Settings s;
                s.lowBand = lowBand;
                s.ifFrequency = bands::intermediateFrequency(f, lowBand);
                s.userbandFrequency = userband;
                expectRoundTrip(s);
                if (HasFailure())
                    return;
            }
        }
    }
    for (int userband = bands::kUserbandFrequencyMin; userband <= bands::kUserbandFrequencyMax;
         ++userband) {
        for (const int ifFrequency : {bands::kIfMin, 1100, bands::kIfMax}) {
            Settings s;
            s.ifFrequency = ifFrequency;
            s.userbandFrequency = userband;
            expectRoundTrip(s);
            if (HasFailure())
                return;
        }
    }
}

// Every polarisation, band, position, userband number and PIN.
TEST(RoundTrip, EveryChoiceOfTheWindow)
{
    for (int vertical = 0; vertical <= 1; ++vertical)
        for (int lowBand = 0; lowBand <= 1; ++lowBand)
            for (int position = 0; position <= 3; ++position)
                for (int userband = 0; userband < bands::kUserbandNumberMax; ++userband)
                    for (int pin = -1; pin <= bands::kPinMax; ++pin) {
                        Settings s;
                        s.vertical = vertical;
                        s.lowBand = lowBand;
                        s.position = position;
                        s.ifFrequency = lowBand ? 1950 : 1100;
                        s.userbandIndex = userband;
                        s.pin = pin;
                        expectRoundTrip(s);
                        if (HasFailure())
                            return;
                    }
}

TEST(RoundTrip, SwitchOff)
{
    for (int userband = 0; userband < bands::kUserbandNumberMax; ++userband) {
        for (int pin = -1; pin <= bands::kPinMax; ++pin) {
            std::string text;
            DecodedCommand c;
            const int code494 = encodeEn50494PowerOff(text, userband, pin);
            ASSERT_EQ(code494, userband > 7 ? EncodeUserbandOutOfRange : EncodeOk);
            if (code494 == EncodeOk) {
                ASSERT_TRUE(decodes(text, c));
                EXPECT_EQ(c.standard, SingleCableStandard::En50494);
                EXPECT_TRUE(c.switchOff);
                EXPECT_EQ(c.userbandIndex, userband);
                EXPECT_EQ(c.pin, pin);
            }
            ASSERT_EQ(encodeEn50607PowerOff(text, userband, pin), EncodeOk);
            ASSERT_TRUE(decodes(text, c));
            EXPECT_EQ(c.standard, SingleCableStandard::En50607);
            EXPECT_TRUE(c.switchOff);
            EXPECT_EQ(c.userbandIndex, userband);
            EXPECT_EQ(c.pin, pin);
        }
    }
}

TEST(PowerOff, RejectsUserbandsOutsideTheStandard)
{
    std::string text = "untouched";
    EXPECT_EQ(encodeEn50494PowerOff(text, 8, -1), EncodeUserbandOutOfRange);
    EXPECT_EQ(encodeEn50494PowerOff(text, -1, -1), EncodeUserbandOutOfRange);
    EXPECT_EQ(encodeEn50607PowerOff(text, 32, -1), EncodeUserbandOutOfRange);
    EXPECT_EQ(encodeEn50607PowerOff(text, INT_MIN, 0), EncodeUserbandOutOfRange);
    EXPECT_EQ(text, "untouched");
}

} // namespace
