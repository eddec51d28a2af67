#include "commandencoding.h"
#include "encoderargs.h"
#include "hextext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ostream>
#include <string>

namespace {

using Args = EncoderArgs;

struct Case
{
    const char *name;
    Args args;
    int code;
    const char *text; // expected hex text; unused when code != 0
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

// Runs one encoder the way every caller does and checks both outcomes: the
// frame on success, an untouched text on failure.
template <typename Encoder> void expectEncodes(Encoder encoder, const Case &c)
{
    const std::string sentinel = "untouched";
    std::string text = sentinel;
    const Args &a = c.args;
    const int code = encoder(text, a.vertical, a.lowBand, a.position, a.ifFrequency,
                             a.userbandFrequency, a.userbandIndex, a.pin);
    EXPECT_EQ(code, c.code);
    if (c.code == EncodeOk)
        EXPECT_EQ(text, c.text);
    else
        EXPECT_EQ(text, sentinel);
}

Args with(void (*change)(Args &))
{
    Args a;
    change(a);
    return a;
}

#define ARGS(body) with([](Args &a) { body; })

class En50494 : public testing::TestWithParam<Case>
{
};

TEST_P(En50494, Encodes)
{
    expectEncodes(encodeEn50494Command, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Frames, En50494,
    testing::Values(
        Case{"defaults", Args{}, 0, "E0 10 5A 0C F6 "},
        Case {
            "verticalLowBandPositionB",
                ARGS(a.vertical = 1; a.lowBand = 1; a.position = 1; a.ifFrequency = 1000;
                     a.userbandFrequency = 1400; a.userbandIndex = 1),
                0, "E0 10 5A 30 FA "
        },
        Case{"quarterRoundsDown", ARGS(a.ifFrequency = 1101), 0, "E0 10 5A 0C F6 "},
        Case{"halfRoundsUp", ARGS(a.ifFrequency = 1102), 0, "E0 10 5A 0C F7 "},
        Case{"threeQuartersRoundUp", ARGS(a.ifFrequency = 1103), 0, "E0 10 5A 0C F7 "},
        Case {
            "halfRoundsUpPositionB",
                ARGS(a.vertical = 1; a.position = 1; a.userbandFrequency = 974), 0,
                "E0 10 5A 14 A9 "
        },
        Case {
            "highestTuningWordOfTheWindow",
                ARGS(a.ifFrequency = 2150; a.userbandFrequency = 2150; a.userbandIndex = 7), 0,
                "E0 10 5A EE D5 "
        },
        Case {
            "lowestTuningWordOfTheWindow", ARGS(a.ifFrequency = 950; a.userbandFrequency = 950), 0,
                "E0 10 5A 0C 7D "
        },
        Case {
            "allFlagsAndUserband8", ARGS(a.position = 1; a.userbandIndex = 7), 0, "E0 10 5A FC F6 "
        },
        Case {
            "tuningWordZero", ARGS(a.ifFrequency = 0; a.userbandFrequency = 1398), 0,
                "E0 10 5A 0C 00 "
        },
        Case {
            "tuningWord1023", ARGS(a.ifFrequency = 2743; a.userbandFrequency = 2750), 0,
                "E0 10 5A 0F FF "
        }),
    caseName);

INSTANTIATE_TEST_SUITE_P(Pin, En50494,
                         testing::Values(
                             Case{"pin0", ARGS(a.pin = 0), 0, "E0 10 5C 0C F6 00 "},
                             Case{"pin1", ARGS(a.pin = 1), 0, "E0 10 5C 0C F6 01 "},
                             Case{"pin255", ARGS(a.pin = 255), 0, "E0 10 5C 0C F6 FF "},
                             Case{"pin256SendsLowByte", ARGS(a.pin = 256), 0, "E0 10 5C 0C F6 00 "},
                             Case{"pinIntMax", ARGS(a.pin = INT_MAX), 0, "E0 10 5C 0C F6 FF "},
                             Case{"pinIntMinIsNoPin", ARGS(a.pin = INT_MIN), 0, "E0 10 5A 0C F6 "},
                             Case {
                                 "pinWithOtherSettings",
                                     ARGS(a.vertical = 1; a.lowBand = 1; a.position = 1;
                                          a.ifFrequency = 1000; a.userbandFrequency = 1400;
                                          a.userbandIndex = 1; a.pin = 42),
                                     0, "E0 10 5C 30 FA 2A "
                             }),
                         caseName);

INSTANTIATE_TEST_SUITE_P(
    Limits, En50494,
    testing::Values(
        Case{"positionC", ARGS(a.position = 2), 1, nullptr},
        Case{"positionD", ARGS(a.position = 3), 1, nullptr},
        Case{"userband9", ARGS(a.userbandIndex = 8), 2, nullptr},
        Case{"userband32", ARGS(a.userbandIndex = 31), 2, nullptr},
        Case { "userbandBeforePosition", ARGS(a.userbandIndex = 8; a.position = 2), 2, nullptr },
        Case {
            "positionBeforeNegativeUserband", ARGS(a.userbandIndex = -1; a.position = 2), 1, nullptr
        },
        Case {
            "positionBeforeNegativeFrequency", ARGS(a.ifFrequency = -1; a.position = 2), 1, nullptr
        },
        Case {
            "tuningWord1024", ARGS(a.ifFrequency = 2744; a.userbandFrequency = 2750), 3, nullptr
        },
        Case {
            "tuningWordMinus1", ARGS(a.ifFrequency = 0; a.userbandFrequency = 1397), 3, nullptr
        }),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ExtremeInts, En50494,
    testing::Values(
        Case{"verticalIntMin", ARGS(a.vertical = INT_MIN), 0, "E0 10 5A 04 F6 "},
        Case{"verticalIntMax", ARGS(a.vertical = INT_MAX), 0, "E0 10 5A 04 F6 "},
        Case{"lowBandIntMin", ARGS(a.lowBand = INT_MIN), 0, "E0 10 5A 08 F6 "},
        Case{"lowBandIntMax", ARGS(a.lowBand = INT_MAX), 0, "E0 10 5A 08 F6 "},
        Case{"positionIntMin", ARGS(a.position = INT_MIN), 1, nullptr},
        Case{"positionMinus1", ARGS(a.position = -1), 1, nullptr},
        Case{"positionIntMax", ARGS(a.position = INT_MAX), 1, nullptr},
        Case{"ifIntMin", ARGS(a.ifFrequency = INT_MIN), 3, nullptr},
        Case{"ifMinus1", ARGS(a.ifFrequency = -1), 3, nullptr},
        Case{"ifIntMax", ARGS(a.ifFrequency = INT_MAX), 3, nullptr},
        Case{"userbandFrequencyIntMin", ARGS(a.userbandFrequency = INT_MIN), 3, nullptr},
        Case{"userbandFrequencyIntMax", ARGS(a.userbandFrequency = INT_MAX), 3, nullptr},
        Case {
            "bothFrequenciesIntMax", ARGS(a.ifFrequency = INT_MAX; a.userbandFrequency = INT_MAX),
                3, nullptr
        },
        Case{"userbandIndexIntMin", ARGS(a.userbandIndex = INT_MIN), 2, nullptr},
        Case{"userbandIndexMinus1", ARGS(a.userbandIndex = -1), 2, nullptr},
        Case{"userbandIndexIntMax", ARGS(a.userbandIndex = INT_MAX), 2, nullptr}),
    caseName);

class En50607 : public testing::TestWithParam<Case>
{
};

TEST_P(En50607, Encodes)
{
    expectEncodes(encodeEn50607Command, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Frames, En50607,
    testing::Values(
        Case{"defaults", Args{}, 0, "70 03 E8 03 "},
        Case {
            "verticalLowBandPositionB",
                ARGS(a.vertical = 1; a.lowBand = 1; a.position = 1; a.ifFrequency = 1000;
                     a.userbandFrequency = 1400; a.userbandIndex = 1),
                0, "70 0B 84 04 "
        },
        Case {
            "positionC", ARGS(a.position = 2; a.lowBand = 1; a.ifFrequency = 1250), 0,
                "70 04 7E 0A "
        },
        Case {
            "userband32PositionD2150",
                ARGS(a.vertical = 1; a.position = 3; a.ifFrequency = 2150; a.userbandIndex = 31), 0,
                "70 FF FF 0D "
        },
        Case{"userband9", ARGS(a.userbandIndex = 8), 0, "70 43 E8 03 "},
        Case{"if2146", ARGS(a.ifFrequency = 2146), 0, "70 07 FE 03 "},
        Case{"if2147", ARGS(a.ifFrequency = 2147), 0, "70 07 FF 03 "},
        Case{"if2148Capped", ARGS(a.ifFrequency = 2148), 0, "70 07 FF 03 "},
        Case{"if2149Capped", ARGS(a.ifFrequency = 2149), 0, "70 07 FF 03 "},
        Case{"if950", ARGS(a.ifFrequency = 950), 0, "70 03 52 03 "},
        Case{"if100IsTuningWordZero", ARGS(a.ifFrequency = 100), 0, "70 00 00 03 "},
        Case{"userbandFrequencyIgnored", ARGS(a.userbandFrequency = INT_MAX), 0, "70 03 E8 03 "}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Pin, En50607,
                         testing::Values(
                             Case{"pin0", ARGS(a.pin = 0), 0, "71 03 E8 03 00 "},
                             Case{"pin1", ARGS(a.pin = 1), 0, "71 03 E8 03 01 "},
                             Case{"pin255", ARGS(a.pin = 255), 0, "71 03 E8 03 FF "},
                             Case{"pin256SendsLowByte", ARGS(a.pin = 256), 0, "71 03 E8 03 00 "},
                             Case{"pinIntMax", ARGS(a.pin = INT_MAX), 0, "71 03 E8 03 FF "},
                             Case{"pinIntMinIsNoPin", ARGS(a.pin = INT_MIN), 0, "70 03 E8 03 "},
                             Case {
                                 "pinWithOtherSettings",
                                     ARGS(a.vertical = 1; a.lowBand = 1; a.position = 1;
                                          a.ifFrequency = 1000; a.userbandFrequency = 1400;
                                          a.userbandIndex = 1; a.pin = 42),
                                     0, "71 0B 84 04 2A "
                             }),
                         caseName);

INSTANTIATE_TEST_SUITE_P(
    Limits, En50607,
    testing::Values(
        Case{"positionE", ARGS(a.position = 4), 1, nullptr},
        Case{"userband33", ARGS(a.userbandIndex = 32), 2, nullptr},
        Case{"if2151", ARGS(a.ifFrequency = 2151), 3, nullptr},
        Case{"if99", ARGS(a.ifFrequency = 99), 3, nullptr},
        Case { "positionBeforeUserband", ARGS(a.position = 4; a.userbandIndex = 32), 1, nullptr },
        Case {
            "userbandBeforeFrequency", ARGS(a.userbandIndex = 32; a.ifFrequency = 2151), 2, nullptr
        },
        Case {
            "tooHighFrequencyBeforeNegativePosition", ARGS(a.position = -1; a.ifFrequency = 2151),
                3, nullptr
        }),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ExtremeInts, En50607,
    testing::Values(Case{"verticalIntMin", ARGS(a.vertical = INT_MIN), 0, "70 03 E8 01 "},
                    Case{"verticalIntMax", ARGS(a.vertical = INT_MAX), 0, "70 03 E8 01 "},
                    Case{"lowBandIntMin", ARGS(a.lowBand = INT_MIN), 0, "70 03 E8 02 "},
                    Case{"lowBandIntMax", ARGS(a.lowBand = INT_MAX), 0, "70 03 E8 02 "},
                    Case{"positionIntMin", ARGS(a.position = INT_MIN), 1, nullptr},
                    Case{"positionMinus1", ARGS(a.position = -1), 1, nullptr},
                    Case{"positionIntMax", ARGS(a.position = INT_MAX), 1, nullptr},
                    Case{"ifIntMin", ARGS(a.ifFrequency = INT_MIN), 3, nullptr},
                    Case{"ifMinus1", ARGS(a.ifFrequency = -1), 3, nullptr},
                    Case{"ifIntMax", ARGS(a.ifFrequency = INT_MAX), 3, nullptr},
                    Case{"userbandFrequencyIntMin", ARGS(a.userbandFrequency = INT_MIN), 3,
                         nullptr},
                    Case{"userbandIndexIntMin", ARGS(a.userbandIndex = INT_MIN), 2, nullptr},
                    Case{"userbandIndexMinus1", ARGS(a.userbandIndex = -1), 2, nullptr},
                    Case{"userbandIndexIntMax", ARGS(a.userbandIndex = INT_MAX), 2, nullptr}),
    caseName);

long byteAt(const std::string &hexText, int index)
{
    return std::stol(hexText.substr(3 * index, 2), nullptr, 16);
}

// The tuning word is defined as a real quotient rounded half away from zero;
// check the integer arithmetic against that definition over every pair of
// frequencies the window can set.
TEST(En50494Rounding, MatchesRealQuotientOverTheWindowRange)
{
    std::string text;
    for (int ifFrequency = 950; ifFrequency <= 2150; ++ifFrequency) {
        for (int userband = 950; userband <= 2150; ++userband) {
            ASSERT_EQ(encodeEn50494Command(text, 0, 0, 0, ifFrequency, userband, 0, -1), 0);
            const long t = std::lround((ifFrequency + userband) / 4.0) - 350;
            const long sent = (byteAt(text, 3) & 3) << 8 | byteAt(text, 4);
            ASSERT_EQ(sent, t) << ifFrequency << " + " << userband;
        }
    }
}

TEST(HexText, RendersEveryByteAsTwoUpperCaseDigitsAndABlank)
{
    EXPECT_EQ(bytesToHexText({}), "");
    EXPECT_EQ(bytesToHexText({0x00, 0x03, 0x9F, 0xA0, 0xE8, 0xFF}), "00 03 9F A0 E8 FF ");
    EXPECT_EQ(bytesToHexText({0x70, 0x03, 0xE8, 0x03}), "70 03 E8 03 ");
}

} // namespace
