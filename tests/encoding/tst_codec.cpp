// The codec as its callers use it: the frames both encoders send, the limits
// and the order in which they are checked, every int, the hex reader, and
// decoding back whatever the window can ask for.

#include "bands.h"
#include "commanddecoding.h"
#include "commandencoding.h"
#include "hextext.h"

#include <QtTest>

#include <climits>
#include <cmath>

namespace {

// The encoders' arguments after the text, at the window's defaults.
struct Args
{
    int vertical = 0, lowBand = 0, position = 0, ifFrequency = 1100, userbandFrequency = 1284,
        userbandIndex = 0, pin = -1;
};

// "if=2000 ubf=-1 pin=max": the arguments that differ from the defaults.
Args args(const QString &changes)
{
    Args a;
    const QMap<QString, int *> fields{
        {"v", &a.vertical},     {"low", &a.lowBand},           {"pos", &a.position},
        {"if", &a.ifFrequency}, {"ubf", &a.userbandFrequency}, {"ub", &a.userbandIndex},
        {"pin", &a.pin}};
    for (const QString &change : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString value = change.section('=', 1);
        *fields.value(change.section('=', 0, 0)) = value == "min"   ? INT_MIN
                                                   : value == "max" ? INT_MAX
                                                                    : value.toInt();
    }
    return a;
}

using Encoder = int (*)(std::string &, int, int, int, int, int, int, int);

int encode(Encoder encoder, const Args &a, std::string &text)
{
    return encoder(text, a.vertical, a.lowBand, a.position, a.ifFrequency, a.userbandFrequency,
                   a.userbandIndex, a.pin);
}

bool decode(const std::string &text, DecodedCommand &command)
{
    std::vector<std::uint8_t> frame;
    std::string error;
    return parseHexText(text, frame, error) && decodeCommand(frame, command, error);
}

} // namespace

class TestCodec : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void roundsAsTheRealQuotient();
    void readsHexAsPeoplePasteIt_data();
    void readsHexAsPeoplePasteIt();
    void decodesWhatTheWindowCanAskFor();
    void everyCommandComesBack_data();
    void everyCommandComesBack();
    void refusesWithTheByteAtFault_data();
    void refusesWithTheByteAtFault();
    void en50607CarriesSixtyFourPositions();
};

void TestCodec::encodes_data()
{
    QTest::addColumn<bool>("en50607");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, bool en50607, const char *changes, int code,
                        const char *text = "") {
        QTest::newRow(name) << en50607 << QString(changes) << code << QString(text);
    };
    const bool A = false, B = true;

    row("A defaults", A, "", 0, "E0 10 5A 0C F6 ");
    row("A every flag", A, "v=1 low=1 pos=1 if=1000 ubf=1400 ub=1", 0, "E0 10 5A 30 FA ");
    row("A quarter rounds down", A, "if=1101", 0, "E0 10 5A 0C F6 ");
    row("A half rounds up", A, "if=1102", 0, "E0 10 5A 0C F7 ");
    row("A three quarters round up", A, "if=1103", 0, "E0 10 5A 0C F7 ");
    row("A highest of the window", A, "if=2150 ubf=2150 ub=7", 0, "E0 10 5A EE D5 ");
    row("A lowest of the window", A, "if=950 ubf=950", 0, "E0 10 5A 0C 7D ");
    row("A position B, userband 8", A, "pos=1 ub=7", 0, "E0 10 5A FC F6 ");
    row("A tuning word 0", A, "if=0 ubf=1398", 0, "E0 10 5A 0C 00 ");
    row("A tuning word 1023", A, "if=2743 ubf=2750", 0, "E0 10 5A 0F FF ");
    row("A PIN 0", A, "pin=0", 0, "E0 10 5C 0C F6 00 ");
    row("A PIN 255", A, "pin=255", 0, "E0 10 5C 0C F6 FF ");
    row("A PIN 256 sends its low byte", A, "pin=256", 0, "E0 10 5C 0C F6 00 ");
    row("A PIN INT_MAX", A, "pin=max", 0, "E0 10 5C 0C F6 FF ");
    row("A PIN INT_MIN is none", A, "pin=min", 0, "E0 10 5A 0C F6 ");
    row("A PIN with every flag", A, "v=1 low=1 pos=1 if=1000 ubf=1400 ub=1 pin=42", 0,
        "E0 10 5C 30 FA 2A ");
    row("A position C", A, "pos=2", 1);
    row("A userband 9", A, "ub=8", 2);
    row("A userband before position", A, "ub=8 pos=2", 2);
    row("A position before negative userband", A, "ub=-1 pos=2", 1);
    row("A position before negative frequency", A, "if=-1 pos=2", 1);
    row("A tuning word 1024", A, "if=2744 ubf=2750", 3);
    row("A tuning word -1", A, "if=0 ubf=1397", 3);
    row("A negative userband frequency", A, "if=2000 ubf=-1", 3);
    row("A vertical INT_MIN", A, "v=min", 0, "E0 10 5A 04 F6 ");
    row("A low band INT_MAX", A, "low=max", 0, "E0 10 5A 08 F6 ");
    row("A position INT_MIN", A, "pos=min", 1);
    row("A position INT_MAX", A, "pos=max", 1);
    row("A frequency INT_MIN", A, "if=min", 3);
    row("A both frequencies INT_MAX", A, "if=max ubf=max", 3);
    row("A userband frequency INT_MIN", A, "ubf=min", 3);
    row("A userband INT_MIN", A, "ub=min", 2);
    row("A userband INT_MAX", A, "ub=max", 2);

    row("B defaults", B, "", 0, "70 03 E8 03 ");
    row("B every flag", B, "v=1 low=1 pos=1 if=1000 ubf=1400 ub=1", 0, "70 0B 84 04 ");
    row("B position C", B, "pos=2 low=1 if=1250", 0, "70 04 7E 0A ");
    row("B userband 32, position D", B, "v=1 pos=3 if=2150 ub=31", 0, "70 FF FF 0D ");
    row("B 2147 MHz", B, "if=2147", 0, "70 07 FF 03 ");
    row("B 2148 MHz is sent as 2147", B, "if=2148", 0, "70 07 FF 03 ");
    row("B 100 MHz is tuning word 0", B, "if=100", 0, "70 00 00 03 ");
    row("B ignores the userband frequency", B, "ubf=max", 0, "70 03 E8 03 ");
    row("B PIN 0", B, "pin=0", 0, "71 03 E8 03 00 ");
    row("B PIN 256 sends its low byte", B, "pin=256", 0, "71 03 E8 03 00 ");
    row("B PIN INT_MIN is none", B, "pin=min", 0, "70 03 E8 03 ");
    row("B PIN with every flag", B, "v=1 low=1 pos=1 if=1000 ubf=1400 ub=1 pin=42", 0,
        "71 0B 84 04 2A ");
    row("B position E", B, "pos=4", 1);
    row("B userband 33", B, "ub=32", 2);
    row("B 2151 MHz", B, "if=2151", 3);
    row("B 99 MHz", B, "if=99", 3);
    row("B position before userband", B, "pos=4 ub=32", 1);
    row("B userband before frequency", B, "ub=32 if=2151", 2);
    row("B high frequency before negative position", B, "pos=-1 if=2151", 3);
    row("B vertical INT_MAX", B, "v=max", 0, "70 03 E8 01 ");
    row("B low band INT_MIN", B, "low=min", 0, "70 03 E8 02 ");
    row("B position INT_MIN", B, "pos=min", 1);
    row("B frequency INT_MIN", B, "if=min", 3);
    row("B frequency INT_MAX", B, "if=max", 3);
    row("B negative userband frequency", B, "ubf=-1", 3);
    row("B userband INT_MIN", B, "ub=min", 2);
    row("B userband INT_MAX", B, "ub=max", 2);
}

void TestCodec::encodes()
{
    QFETCH(bool, en50607);
    QFETCH(QString, changes);
    QFETCH(int, code);
    QFETCH(QString, text);

    // A failure leaves the caller's text as it was.
    std::string result = "untouched";
    QCOMPARE(encode(en50607 ? encodeEn50607Command : encodeEn50494Command, args(changes), result),
             code);
    QCOMPARE(QString::fromStdString(result), code == EncodeOk ? text : QString("untouched"));
}

// The EN 50494 tuning word is a real quotient rounded half away from zero;
// the integer arithmetic must agree over every pair the window can set.
void TestCodec::roundsAsTheRealQuotient()
{
    DecodedCommand c;
    for (int f = bands::kIfMin; f <= bands::kIfMax; ++f) {
        for (int ub = bands::kUserbandFrequencyMin; ub <= bands::kUserbandFrequencyMax; ++ub) {
            std::string text;
            encodeEn50494Command(text, 0, 0, 0, f, ub, 0, -1);
            if (!decode(text, c) || c.tuningWord != std::lround((f + ub) / 4.0) - 350)
                QFAIL(qPrintable(QString("%1 + %2 gave '%3'").arg(f).arg(ub).arg(text.c_str())));
        }
    }
}

void TestCodec::readsHexAsPeoplePasteIt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes"); // or the error
    const auto row = [](const char *text, const char *bytes) {
        QTest::newRow(text) << QString(text) << QString(bytes);
    };
    row("E0 10 5A 0C F6 ", "E0 10 5A 0C F6");
    row("e0105a0cf6", "E0 10 5A 0C F6");
    row("0xE0, 0x10,0x5a", "E0 10 5A");
    row("0XE0 0X10", "E0 10");
    row("E0\t10\r\n5A", "E0 10 5A");
    row("E0 10 5A 0C F", "'F' at column 13 has an odd number of hex digits");
    row("E0 1G", "'G' at column 5 is not a hex digit");
    row("E0 \x01", "byte 01 at column 4 is not a hex digit");
    row("0x", "'0x' at column 1 has no hex digits");
    row(" , ", "no hex bytes given");
}

void TestCodec::readsHexAsPeoplePasteIt()
{
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    std::vector<std::uint8_t> frame;
    std::string error;
    if (parseHexText(text.toStdString(), frame, error)) {
        QStringList read;
        for (const std::uint8_t byte : frame)
            read << QString::number(byte, 16).toUpper().rightJustified(2, '0');
        QCOMPARE(read.join(' '), bytes);
    } else {
        QCOMPARE(QString::fromStdString(error), bytes);
    }
}

// What a frame carries, or why there is none, in one comparable line.
QString carried(bool en50607, int off, int position, bool vertical, bool lowBand, int ub, int pin)
{
    return QString::asprintf("%s off %d pos %d v %d low %d ub %d pin %d", en50607 ? "B" : "A", off,
                             position, vertical, lowBand, ub, pin);
}

// Every choice of the window, every frequency it can set and every
// switch-off comes back from both standards' frames, or the standard refuses
// it for the window's reasons.
void TestCodec::decodesWhatTheWindowCanAskFor()
{
    QVector<Args> all;
    for (int v = 0; v <= 1; ++v)
        for (int low = 0; low <= 1; ++low)
            for (int pos = 0; pos <= 3; ++pos)
                for (int ub = -1; ub <= bands::kUserbandNumberMax; ++ub)
                    for (int pin = -1; pin <= bands::kPinMax; pin += 16)
                        all << Args{v, low, pos, low ? 1950 : 1100, 1284, ub, pin};
    for (int f = bands::kIfMin; f <= bands::kIfMax; ++f)
        for (const int ub : {bands::kUserbandFrequencyMin, bands::kUserbandFrequencyMax})
            all << Args{0, 0, 0, f, ub, 0, -1} << Args{0, 0, 0, ub, f, 0, -1};

    for (const Args &a : all) {
        for (const int kind : {0, 1, 2, 3}) { // A, B, A switch-off, B switch-off
            const bool b = kind % 2, off = kind > 1;
            std::string text;
            const int code = off ? (b ? encodeEn50607PowerOff
                                      : encodeEn50494PowerOff)(text, a.userbandIndex, a.pin)
                             : b ? encode(encodeEn50607Command, a, text)
                                 : encode(encodeEn50494Command, a, text);
            DecodedCommand c;
            QString got = "refused " + QString::number(code);
            if (code == EncodeOk && decode(text, c)) {
                got = carried(c.standard == Standard::En50607, (c.kind == CommandKind::SwitchOff),
                              off ? 0 : c.position, !off && c.vertical, !off && c.lowBand,
                              c.userbandIndex, c.pin);
                // EN 50494 sends the sum in 4 MHz steps; EN 50607 tops out at 2147 MHz.
                const int back = b ? en50607IfFrequency(c.tuningWord)
                                   : en50494FrequencySum(c.tuningWord) - a.userbandFrequency;
                if (!off && std::abs(back - std::min(a.ifFrequency, b ? 2147 : INT_MAX)) > !b * 2)
                    got += QString(" at %1 MHz").arg(back);
            }
            // The checks' order: too high a userband, a position beyond B for
            // EN 50494, then a negative userband.
            const int refused = a.userbandIndex > (b ? 31 : 7) ? 2
                                : !off && !b && a.position > 1 ? 1
                                : a.userbandIndex < 0          ? 2
                                                               : 0;
            const QString asked =
                carried(b, off, a.position, a.vertical, a.lowBand, a.userbandIndex, a.pin) +
                QString(" if %1 ubf %2: ").arg(a.ifFrequency).arg(a.userbandFrequency);
            QCOMPARE(asked + got,
                     asked + (refused ? "refused " + QString::number(refused)
                                      : carried(b, off, off ? 0 : a.position, !off && a.vertical,
                                                !off && a.lowBand, a.userbandIndex, a.pin)));
        }
    }
}

void TestCodec::everyCommandComesBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("userband"); // index
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("pin");
    QTest::addColumn<QString>("bytes");
    const auto row = [](const char *name, CommandKind kind, int ub, int argument, int pin,
                        const char *bytes) {
        QTest::newRow(name) << int(kind) << ub << argument << pin << QString(bytes);
    };
    using K = CommandKind;
    row("signal on", K::SignalOn, 0, -1, -1, "E0 10 5B 00 00 ");
    row("signal on, PIN", K::SignalOn, 0, -1, 0, "E0 10 5D 00 00 00 ");
    row("config, userband 1, lowest", K::Config, 0, 0x10, -1, "E0 10 5B 01 10 ");
    row("config, userband 8, highest, PIN", K::Config, 7, 0x1F, 255, "E0 10 5D E1 1F FF ");
    row("oscillator 9750 MHz, userband 3", K::Oscillator, 2, 0x02, -1, "E0 10 5B 42 02 ");
    row("oscillator none, a switch", K::Oscillator, 0, 0x00, -1, "E0 10 5B 02 00 ");
    row("oscillator 13850 MHz", K::Oscillator, 0, 0x0C, -1, "E0 10 5B 02 0C ");
    row("oscillator wide band 13450 MHz, PIN", K::Oscillator, 1, 0x14, 12, "E0 10 5D 22 14 0C ");
    row("userbands available", K::UserbandsAvailable, 0, -1, -1, "7A ");
    row("userbands with PIN", K::UserbandsWithPin, 0, -1, -1, "7B ");
    row("userbands in use", K::UserbandsInUse, 0, -1, -1, "7C ");
    row("frequency of userband 1", K::UserbandFrequency, 0, -1, -1, "7D 00 ");
    row("frequency of userband 32", K::UserbandFrequency, 31, -1, -1, "7D F8 ");
    row("switches of userband 9", K::UserbandSwitches, 8, -1, -1, "7E 40 ");
}

// Written, read back unchanged, and for EN 50494 read back the same through
// every framing and address a receiver may use.
void TestCodec::everyCommandComesBack()
{
    QFETCH(int, kind);
    QFETCH(int, userband);
    QFETCH(int, argument);
    QFETCH(int, pin);
    QFETCH(QString, bytes);
    std::vector<std::uint8_t> frame;
    QCOMPARE(unitCommandFrame(CommandKind(kind), frame, userband, argument, pin), int(EncodeOk));
    QCOMPARE(QString::fromStdString(bytesToHexText(frame)), bytes);
    const bool en50494 = frame.size() > 2;
    for (const std::uint8_t framing : {0xE0, 0xE1}) {
        for (const std::uint8_t address : {0x10, 0x00, 0x11}) {
            if (en50494) {
                frame[0] = framing;
                frame[1] = address;
            }
            DecodedCommand c;
            std::string error;
            QVERIFY2(decodeCommand(frame, c, error), error.c_str());
            QCOMPARE(int(c.kind), kind);
            QCOMPARE(c.userbandIndex, commandKindInfo(c.kind).userband ? userband : 0);
            QCOMPARE(c.argument, argument);
            QCOMPARE(c.pin, pin);
        }
    }
}

void TestCodec::refusesWithTheByteAtFault_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("error");
    const auto row = [](const char *bytes, const char *error) {
        QTest::newRow(bytes) << QString(bytes) << QString(error);
    };
    row("7D 07", "byte 2 is 07: its low three bits are reserved and must be 0");
    row("7E 01", "byte 2 is 01: its low three bits are reserved and must be 0");
    row("7A 00", "EN 50607 command 7A takes 1 byte; got 2");
    row("7D", "EN 50607 command 7D takes 2 bytes; got 1");
    row("79", "byte 1 is 79: neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command "
              "(70, 71, 7A to 7E)");
    row("7F 00", "byte 1 is 7F: neither an EN 50494 framing byte (E0, E1) nor an EN 50607 "
                 "command (70, 71, 7A to 7E)");
    row("E0 10 5B 20 00", "byte 4 is 20: ODU_UbxSignal_ON names no userband; it takes 00");
    row("E0 10 5B 00 01", "byte 5 is 01: ODU_UbxSignal_ON takes 00");
    row("E0 10 5B 01 0F", "byte 5 is 0F: not a configuration (10 to 1F)");
    row("E0 10 5B 01 20", "byte 5 is 20: not a configuration (10 to 1F)");
    row("E0 10 5B 02 0D", "byte 5 is 0D: not an oscillator code (00 to 0C, 10 to 14)");
    row("E0 10 5B 02 15", "byte 5 is 15: not an oscillator code (00 to 0C, 10 to 14)");
    row("E0 10 5B 03 00", "byte 4 is 03: its bits 4..0 name no EN 50494 command (00 signal on, "
                          "01 configuration, 02 oscillator)");
    row("E0 10 5D 00 00", "EN 50494 command 5D (with PIN, the last byte) takes 6 bytes; got 5");
    row("E0 10 5B 00 00 00", "EN 50494 command 5B takes 5 bytes; got 6");
    row("E0 10 59 00 00", "byte 3 is 59: not an EN 50494 command (5A or 5B, 5C or 5D with PIN)");
    row("E0 12 5B 00 00", "byte 2 is 12: not a single-cable address (10, 00 or 11)");
}

void TestCodec::refusesWithTheByteAtFault()
{
    QFETCH(QString, bytes);
    QFETCH(QString, error);
    std::vector<std::uint8_t> frame;
    std::string why;
    DecodedCommand c;
    QVERIFY(parseHexText(bytes.toStdString(), frame, why));
    QVERIFY(!decodeCommand(frame, c, why));
    QCOMPARE(QString::fromStdString(why), error);
}

// Six bits of position in EN 50607's fourth byte; EN 50494 has one, and the
// window's encoder keeps to A..D.
void TestCodec::en50607CarriesSixtyFourPositions()
{
    for (int position = -1; position <= 64; ++position) {
        std::vector<std::uint8_t> frame;
        const int code = en50607Frame(frame, 1, 0, position, 1100, 0, 0, -1);
        QCOMPARE(code, position < 0 || position > 63 ? int(EncodePositionOutOfRange) : 0);
        if (code != EncodeOk)
            continue;
        QCOMPARE(int(frame[3]), position << 2 | 1);
        DecodedCommand c;
        std::string error;
        QVERIFY(decodeCommand(frame, c, error));
        QCOMPARE(c.position, position);
        QCOMPARE(positionFromName(positionName(position)), position);
        std::string text;
        QCOMPARE(encodeEn50607Command(text, 1, 0, position, 1100, 0, 0, -1),
                 position > 3 ? int(EncodePositionOutOfRange) : 0);
    }
    QCOMPARE(positionName(3), std::string("D"));
    QCOMPARE(positionName(4), std::string("5"));
    QCOMPARE(positionFromName("64"), 63);
    for (const char *notAPosition : {"E", "0", "05", "65", "", "AB", "-1"})
        QCOMPARE(positionFromName(notAPosition), -1);
}

QTEST_APPLESS_MAIN(TestCodec)
#include "tst_codec.moc"
