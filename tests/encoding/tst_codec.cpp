// The codec as its callers use it: the frames both encoders send, the limits
// and the order in which they are checked, every int, the hex reader, and
// decoding back whatever the window can ask for.

#include "bands.h"
#include "commandencoding.h"
#include "diseqc.h"
#include "hextext.h"

#include <QtTest>

#include <array>
#include <climits>
#include <cmath>
#include <random>

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

Frame frameOf(const QString &text)
{
    return parseHexText(text.toStdString()).bytes;
}

QString hexOf(const Frame &frame)
{
    return QString::fromStdString(bytesToHexText(frame));
}

// A frame the decoder reads is the frame of what it read.
bool readsBackTheSame(const Frame &frame)
{
    const Decoded d = decode(frame);
    if (!d.ok())
        return d.command == Command() && !d.error.empty();
    const Encoded e = encode(d.command);
    return e.ok() && e.frame == frame;
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
    void buildsOnlyWhatItCanSend();
    void everyFrameReadIsSentTheSame();
    void randomValuesComeBack();
    void tuningsComeBackFromTheirCommands();
    void tuningForRefusesWhatTunesNoTransponder_data();
    void tuningForRefusesWhatTunesNoTransponder();
    void refusesValuesItCannotSend_data();
    void refusesValuesItCannotSend();
    void warnsOnlyOffTheCable_data();
    void warnsOnlyOffTheCable();
    void phrasesFillEachPlaceOnce_data();
    void phrasesFillEachPlaceOnce();
    void namesEveryDiseqcFrame_data();
    void namesEveryDiseqcFrame();
    void everyCatalogueCommandIsNamed();
    void switchesAndAnglesComeBack();
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
    row("A tuning word 1", A, "if=6 ubf=1398", 0, "E0 10 5A 0C 01 ");
    row("A tuning word 0 is a switch-off, not a channel", A, "if=0 ubf=1398", 3);
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
    row("B 101 MHz is tuning word 1", B, "if=101", 0, "70 00 01 03 ");
    row("B 100 MHz would be tuning word 0, a switch-off", B, "if=100", 3);
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
    for (int f = bands::kIfMin; f <= bands::kIfMax; ++f) {
        for (int ub = bands::kUserbandFrequencyMin; ub <= bands::kUserbandFrequencyMax; ++ub) {
            std::string text;
            encodeEn50494Command(text, 0, 0, 0, f, ub, 0, -1);
            const Decoded d = decode(frameOf(QString::fromStdString(text)));
            if (!d.ok() || d.command.tuningWord != std::lround((f + ub) / 4.0) - 350)
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
    const HexBytes hex = parseHexText(text.toStdString());
    if (hex.ok()) {
        QStringList read;
        for (const std::uint8_t byte : hex.bytes)
            read << QString::number(byte, 16).toUpper().rightJustified(2, '0');
        QCOMPARE(read.join(' '), bytes);
    } else {
        QVERIFY(hex.bytes.empty());
        QCOMPARE(QString::fromStdString(hex.error.text()), bytes);
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
            const Standard standard = b ? Standard::En50607 : Standard::En50494;
            const Encoded offFrame =
                encode(switchOff(standard, a.userbandIndex + 1, a.pin >= 0 ? Pin(a.pin) : Pin()));
            if (off && offFrame.ok())
                text = bytesToHexText(offFrame.frame);
            const int code = off ? offFrame.error
                             : b ? encode(encodeEn50607Command, a, text)
                                 : encode(encodeEn50494Command, a, text);
            const Decoded d = decode(frameOf(QString::fromStdString(text)));
            const Command &c = d.command;
            QString got = "refused " + QString::number(code);
            if (code == EncodeOk && d.ok()) {
                got = carried(c.standard == Standard::En50607, (c.kind == CommandKind::SwitchOff),
                              c.position, c.polarisation == Polarisation::Vertical,
                              c.band == Band::Low, c.userband - 1, c.pin.value_or(-1));
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
    Command command =
        unitCommand(CommandKind(kind), userband + 1, argument, pin >= 0 ? Pin(pin) : Pin());
    const Encoded encoded = encode(command);
    QCOMPARE(int(encoded.error), int(EncodeOk));
    QCOMPARE(hexOf(encoded.frame), bytes);
    const bool en50494 = command.standard == Standard::En50494;
    for (const bool repeated : {false, true}) {
        for (const std::uint8_t address : {0x10, 0x00, 0x11}) {
            if (!en50494 && (repeated || address != 0x10))
                continue;
            command.repeated = repeated;
            command.address = address;
            Frame frame = encoded.frame;
            if (en50494) {
                frame[0] = repeated ? 0xE1 : 0xE0;
                frame[1] = address;
            }
            QCOMPARE(hexOf(encode(command).frame), hexOf(frame));
            const Decoded d = decode(frame);
            QVERIFY2(d.ok(), d.error.text().c_str());
            QVERIFY(d.command == command);
            QCOMPARE(int(d.command.kind), kind);
            QCOMPARE(d.command.userband,
                     commandKindInfo(d.command.kind).userband ? userband + 1 : 1);
            QCOMPARE(d.command.argument, argument);
            QCOMPARE(d.command.pin.value_or(-1), pin);
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
    row("7D 04", "byte 2 is 04: its low three bits are reserved and must be 0");
    row("7E F9", "byte 2 is F9: its low three bits are reserved and must be 0");
    row("70 00 00 01", "byte 4 is 01: a switch-off (tuning word 0) names no position, "
                       "polarisation or band; it takes 00");
    row("71 F8 00 FC 2A", "byte 4 is FC: a switch-off (tuning word 0) names no position, "
                          "polarisation or band; it takes 00");
    row("E0 10 5A 04 00", "byte 4 is 04: a switch-off (tuning word 0) names no position, "
                          "polarisation or band; its bits 4..2 are reserved and must be 0");
    row("E0 10 5A F0 00", "byte 4 is F0: a switch-off (tuning word 0) names no position, "
                          "polarisation or band; its bits 4..2 are reserved and must be 0");
    row("E1 11 5C 08 00 07", "byte 4 is 08: a switch-off (tuning word 0) names no position, "
                             "polarisation or band; its bits 4..2 are reserved and must be 0");
}

void TestCodec::refusesWithTheByteAtFault()
{
    QFETCH(QString, bytes);
    QFETCH(QString, error);
    const Frame frame = frameOf(bytes);
    QVERIFY(!frame.empty());
    const Decoded d = decode(frame);
    QCOMPARE(QString::fromStdString(d.error.text()), error);
    QVERIFY(d.command == Command());
}

// Six bits of position in EN 50607's fourth byte; EN 50494 has one, and the
// window's encoder keeps to A..D.
void TestCodec::en50607CarriesSixtyFourPositions()
{
    for (int position = -1; position <= 64; ++position) {
        Tuning t;
        t.polarisation = Polarisation::Vertical;
        t.position = position;
        const Built built = channelChange(Standard::En50607, t);
        QCOMPARE(int(built.error),
                 position < 0 || position > 63 ? int(EncodePositionOutOfRange) : 0);
        if (!built.ok())
            continue;
        const Frame frame = encode(built.command).frame;
        QCOMPARE(int(frame[3]), position << 2 | 1);
        const Decoded d = decode(frame);
        QVERIFY(d.ok());
        QCOMPARE(d.command.position, position);
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

// A channel change is refused when it is made, not only when it is sent:
// below the lowest tuning word, above the highest, and at EN 50607's
// 100 MHz, whose word 0 would switch the receiver off.
void TestCodec::buildsOnlyWhatItCanSend()
{
    for (const Standard standard : {Standard::En50494, Standard::En50607}) {
        for (int f = -1; f <= 2200; ++f) {
            Tuning t;
            t.ifFrequency = f;
            const Built built = channelChange(standard, t);
            QVERIFY2(!built.ok() || encode(built.command).ok(), qPrintable(QString::number(f)));
        }
    }
}

// Every two-byte frame, every EN 50494 channel change and unit command
// and every EN 50607 channel change over its first and last data byte: what
// the decoder reads, the encoder sends byte for byte; what it refuses, it
// refuses whole.
void TestCodec::everyFrameReadIsSentTheSame()
{
    int read = 0;
    for (int i = 0; i < 1 << 16; ++i) {
        QVERIFY2(readsBackTheSame({std::uint8_t(i >> 8), std::uint8_t(i)}),
                 qPrintable(QString::number(i, 16)));
        read += decode({std::uint8_t(i >> 8), std::uint8_t(i)}).ok();
    }
    QCOMPARE(read, 64); // 7D and 7E with each of 32 userbands
    for (const std::uint8_t command : {0x5A, 0x5B, 0x5C, 0x5D}) {
        for (int i = 0; i < 1 << 16; ++i) {
            Frame frame{0xE0, 0x10, command, std::uint8_t(i >> 8), std::uint8_t(i)};
            if (command == 0x5C || command == 0x5D)
                frame.push_back(std::uint8_t(i * 7));
            QVERIFY2(readsBackTheSame(frame), qPrintable(hexOf(frame)));
        }
    }
    for (const std::uint8_t first : {0x70, 0x71}) {
        for (int i = 0; i < 1 << 16; ++i) {
            Frame frame{first, std::uint8_t(i >> 8), std::uint8_t(i * 13), std::uint8_t(i)};
            if (first == 0x71)
                frame.push_back(std::uint8_t(i * 7));
            QVERIFY2(readsBackTheSame(frame), qPrintable(hexOf(frame)));
        }
    }
}

// Values of every kind with random fields, most of them out of range: what
// encodes decodes to the same value, and what does not has no frame.
void TestCodec::randomValuesComeBack()
{
    std::mt19937 random(50607);
    const auto any = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int encoded = 0;
    for (int i = 0; i < 20000; ++i) {
        // A value of its kind's shape, then one field at random to anything.
        const auto kind = CommandKind(any(0, int(CommandKind::UserbandSwitches)));
        const Standard standard = any(0, 1) ? Standard::En50607 : Standard::En50494;
        const Pin pin = any(0, 1) ? Pin(any(0, 255)) : Pin();
        Command c;
        if (kind == CommandKind::ChannelChange) {
            Tuning t;
            t.polarisation = any(0, 1) ? Polarisation::Vertical : Polarisation::Horizontal;
            t.band = any(0, 1) ? Band::Low : Band::High;
            t.position = any(0, standardPositions(standard) - 1);
            t.ifFrequency = any(950, 2150);
            t.userbandFrequency = any(950, 2150);
            t.userband = any(1, standardUserbands(standard));
            t.pin = pin;
            c = channelChange(standard, t).command;
        } else if (kind == CommandKind::SwitchOff) {
            c = switchOff(standard, any(1, standardUserbands(standard)), pin);
        } else {
            c = unitCommand(kind, any(1, 8),
                            kind == CommandKind::Config ? any(0x10, 0x1F) : any(0, 0x14), pin);
        }
        if (c.standard == Standard::En50494) {
            c.repeated = any(0, 1);
            c.address = std::uint8_t(std::array<int, 3>{0x10, 0x00, 0x11}[std::size_t(any(0, 2))]);
        }
        switch (any(0, 12)) {
        case 0:
            c.userband = any(-1, 34);
            break;
        case 1:
            c.position = any(-1, 65);
            break;
        case 2:
            c.tuningWord = any(-1, 2049);
            break;
        case 3:
            c.argument = any(-1, 0x21);
            break;
        case 4:
            c.pin = any(-1, 256);
            break;
        case 5:
            c.address = std::uint8_t(any(0, 0x12));
            break;
        case 6:
            c.band = Band::Low;
            break;
        case 7:
            c.repeated = true;
            break;
        default:
            break; // as made
        }
        const Encoded e = encode(c);
        if (!e.ok()) {
            QVERIFY(e.frame.empty());
            continue;
        }
        ++encoded;
        const Decoded d = decode(e.frame);
        QVERIFY2(d.ok() && d.command == c,
                 qPrintable(hexOf(e.frame) + QString(d.error.text().c_str())));
    }
    QVERIFY2(encoded > 1000, "too few values were sendable to test anything");
}

// The window applies a command read back through the inverse of
// channelChange: every channel change it can send gives the choices that
// make that same command again, the intermediate frequency within the
// standard's steps.
void TestCodec::tuningsComeBackFromTheirCommands()
{
    std::mt19937 random(50494);
    const auto any = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        const Standard standard = any(0, 1) ? Standard::En50607 : Standard::En50494;
        Tuning t;
        t.polarisation = any(0, 1) ? Polarisation::Vertical : Polarisation::Horizontal;
        t.band = any(0, 1) ? Band::Low : Band::High;
        t.position = any(0, standardPositions(standard) - 1);
        t.ifFrequency = any(950, 2150);
        t.userbandFrequency = any(950, 2150);
        t.userband = any(1, standardUserbands(standard));
        t.pin = any(0, 1) ? Pin(any(0, 255)) : Pin();
        const Built built = channelChange(standard, t);
        if (!built.ok())
            continue;
        const Tuned tuned = tuningFor(built.command, t.userbandFrequency);
        if (!bands::inBand(t.ifFrequency + bands::localOscillator(t.band), t.band))
            continue; // the rows below refuse these
        ++checked;
        QVERIFY2(tuned.ok(), tuned.error.text().c_str());
        QVERIFY(channelChange(standard, tuned.tuning).command == built.command);
        const int off = tuned.tuning.ifFrequency - t.ifFrequency;
        // EN 50494 rounds the sum to 4 MHz; EN 50607 sends 2147..2150 alike.
        QVERIFY2(standard == Standard::En50494 ? off >= -1 && off <= 2
                                               : off == 0 || t.ifFrequency > 2147,
                 qPrintable(QString::number(off)));
        QCOMPARE(tuned.transponder, tuned.tuning.ifFrequency + bands::localOscillator(t.band));
        QCOMPARE(tuned.tuning.userband, t.userband);
        QVERIFY(tuned.tuning.pin == t.pin && tuned.tuning.position == t.position &&
                tuned.tuning.polarisation == t.polarisation && tuned.tuning.band == t.band);
    }
    QVERIFY(checked > 5000);
}

void TestCodec::tuningForRefusesWhatTunesNoTransponder_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("userbandFrequency");
    QTest::addColumn<QString>("error");
    QTest::newRow("a switch-off") << "70 00 00 00" << 0 << "it is not a channel change";
    QTest::newRow("an oscillator query")
        << "E0 10 5B 42 02" << 1284 << "it is not a channel change";
    QTest::newRow("a sum the userband does not lie below")
        << "E0 10 5A 00 01" << 1404
        << "its tuning word sums to 1404 MHz, no more than the userband's own 1404 MHz: it names "
           "no intermediate frequency";
    // The frame of 11700 MHz also stands for 11699 MHz, which the high band
    // does not hold: read as 11700 MHz.
    QTest::newRow("the high band's lowest") << "E0 10 5A 0C F6" << 1285 << "";
    QTest::newRow("below the low band")
        << "70 03 20 02" << 0
        << "its intermediate frequency of 900 MHz puts the transponder outside the low band";
    QTest::newRow("below the high band")
        << "70 03 84 03" << 0
        << "its intermediate frequency of 1000 MHz puts the transponder outside the high band";
    QTest::newRow("above the low band")
        << "70 07 D0 02" << 0
        << "its intermediate frequency of 2100 MHz puts the transponder outside the low band";
}

void TestCodec::tuningForRefusesWhatTunesNoTransponder()
{
    QFETCH(QString, bytes);
    QFETCH(int, userbandFrequency);
    QFETCH(QString, error);
    const HexBytes hex = parseHexText(bytes.toStdString());
    QVERIFY(hex.ok());
    const Decoded d = decode(hex.bytes);
    QVERIFY2(d.ok(), d.error.text().c_str());
    QCOMPARE(QString::fromStdString(tuningFor(d.command, userbandFrequency).error.text()), error);
}

void TestCodec::refusesValuesItCannotSend_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("error");
    // Each field at its edge, and one step over.
    QTest::newRow("userband 8") << "A ub=8" << 0;
    QTest::newRow("userband 9") << "A ub=9" << 2;
    QTest::newRow("userband 32") << "B ub=32" << 0;
    QTest::newRow("userband 33") << "B ub=33" << 2;
    QTest::newRow("userband 0") << "B ub=0" << 2;
    QTest::newRow("position B") << "A pos=1" << 0;
    QTest::newRow("position C") << "A pos=2" << 1;
    QTest::newRow("position 64") << "B pos=63" << 0;
    QTest::newRow("position 65") << "B pos=64" << 1;
    QTest::newRow("tuning word 1023") << "A tw=1023" << 0;
    QTest::newRow("tuning word 1024") << "A tw=1024" << 3;
    QTest::newRow("tuning word 2047") << "B tw=2047" << 0;
    QTest::newRow("tuning word 2048") << "B tw=2048" << 3;
    QTest::newRow("tuning word 0 tunes nothing") << "B tw=0" << 3;
    QTest::newRow("PIN 255") << "A pin=255" << 0;
    QTest::newRow("PIN 256") << "A pin=256" << 5;
    QTest::newRow("PIN -1") << "B pin=-1" << 5;
    QTest::newRow("address 11") << "A address=17" << 0;
    QTest::newRow("address 12") << "A address=18" << 4;
    QTest::newRow("EN 50607 has no framing") << "B repeated=1" << 4;
    QTest::newRow("a switch-off with a position") << "A off pos=1" << 4;
    QTest::newRow("a switch-off with a band") << "B off low=1" << 4;
}

void TestCodec::refusesValuesItCannotSend()
{
    QFETCH(QString, change);
    QFETCH(int, error);
    Command c;
    c.tuningWord = 100;
    QStringList fields = change.split(' ');
    c.standard = fields.takeFirst() == "B" ? Standard::En50607 : Standard::En50494;
    for (const QString &field : fields) {
        const QString name = field.section('=', 0, 0);
        const int value = field.section('=', 1).toInt();
        if (name == "off") {
            c.kind = CommandKind::SwitchOff;
            c.tuningWord = 0;
        }
        if (name == "ub")
            c.userband = value;
        if (name == "pos")
            c.position = value;
        if (name == "low")
            c.band = Band::Low;
        if (name == "tw")
            c.tuningWord = value;
        if (name == "pin")
            c.pin = value;
        if (name == "address")
            c.address = std::uint8_t(value);
        if (name == "repeated")
            c.repeated = true;
    }
    const Encoded e = encode(c);
    QCOMPARE(int(e.error), error);
    QCOMPARE(e.frame.empty(), error != 0);
}

void TestCodec::warnsOnlyOffTheCable_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("userbandFrequency");
    QTest::addColumn<QString>("warning");
    const QString off = "its intermediate frequency of %1 MHz lies outside 950..2150 MHz";
    // EN 50494's sum comes in 4 MHz steps: its own commands at the cable's
    // edges read back up to 2 MHz off and still belong on it.
    QTest::newRow("A 950 MHz at 1899 MHz") << "E0 10 5A 81 6A" << 1899 << "";
    QTest::newRow("A 2150 MHz at 950 MHz") << "E0 10 5A 0D A9" << 950 << "";
    QTest::newRow("A step below") << "E0 10 5A 81 69" << 1899 << off.arg(945);
    QTest::newRow("A step above") << "E0 10 5A 0D AA" << 950 << off.arg(2154);
    QTest::newRow("A read as 2152 MHz, may be 2150") << "E0 10 5A 0D AA" << 952 << "";
    QTest::newRow("A read as 2153 MHz, at least 2151") << "E0 10 5A 0D AA" << 951 << off.arg(2153);
    QTest::newRow("A read as 949 MHz, may be 950") << "E0 10 5A 0C 7C" << 947 << "";
    QTest::newRow("A read as 948 MHz, at most 949") << "E0 10 5A 0C 7C" << 948 << off.arg(948);
    QTest::newRow("A without the userband frequency") << "E0 10 5A 0C 01" << 0 << "";
    QTest::newRow("B 950 MHz") << "70 03 52 03" << 0 << "";
    QTest::newRow("B 949 MHz") << "70 03 51 03" << 0 << off.arg(949);
    QTest::newRow("B 2147 MHz and above") << "70 07 FF 03" << 0 << "";
    QTest::newRow("B 101 MHz") << "70 00 01 03" << 0 << off.arg(101);
    QTest::newRow("a switch-off tunes nothing") << "70 00 00 00" << 0 << "";
}

void TestCodec::warnsOnlyOffTheCable()
{
    QFETCH(QString, bytes);
    QFETCH(int, userbandFrequency);
    QFETCH(QString, warning);
    const Decoded d = decode(frameOf(bytes));
    QVERIFY2(d.ok(), d.error.text().c_str());
    QCOMPARE(QString::fromStdString(commandWarning(d.command, userbandFrequency).text()), warning);
}

void TestCodec::phrasesFillEachPlaceOnce_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("text");
    QTest::newRow("in order") << "byte %1 is %2" << QStringList{"3", "5A"} << "byte 3 is 5A";
    QTest::newRow("out of order") << "%2 before %1" << QStringList{"a", "b"} << "b before a";
    // What the user typed may hold a place of its own; it is not filled.
    QTest::newRow("a part holding a place")
        << "'%1' at column %2" << QStringList{"%2", "7"} << "'%2' at column 7";
    QTest::newRow("a place without a part") << "%1 of %3" << QStringList{"one"} << "one of %3";
    QTest::newRow("a percent sign") << "100% of %1" << QStringList{"it"} << "100% of it";
    QTest::newRow("a place at the end") << "ends with %" << QStringList{"x"} << "ends with %";
}

void TestCodec::phrasesFillEachPlaceOnce()
{
    QFETCH(QString, words);
    QFETCH(QStringList, parts);
    QFETCH(QString, text);
    const std::string english = words.toStdString();
    std::vector<Phrase> filling;
    for (const QString &part : parts)
        filling.push_back(Phrase::plainText(part.toStdString()));
    QCOMPARE(QString::fromStdString(Phrase(english.c_str(), filling).text()), text);
    // Plain text is never filled.
    QCOMPARE(QString::fromStdString(Phrase::plainText(english).text()), words);
}

void TestCodec::namesEveryDiseqcFrame_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("meaning");
    const auto row = [](const char *bytes, diseqc::FrameKind kind, const char *meaning) {
        QTest::newRow(bytes) << QString(bytes) << int(kind) << QString(meaning);
    };
    using diseqc::FrameKind;
    row("E0 10 38 F0", FrameKind::Command,
        "DiSEqC 1.0 committed switch: option A, position A, vertical, low band");
    row("E0 10 38 FF", FrameKind::Command,
        "DiSEqC 1.0 committed switch: option B, position B, horizontal, high band");
    row("E0 10 38 F6", FrameKind::Command,
        "DiSEqC 1.0 committed switch: option A, position B, horizontal, low band");
    row("E0 10 38 C0", FrameKind::Command,
        "DiSEqC 1.0 committed switch, data C0: a high nibble other than F, which sets only some "
        "of the switches");
    row("E0 10 39 F0", FrameKind::Command, "DiSEqC 1.1 uncommitted switch: input 1");
    row("E0 10 39 FF", FrameKind::Command, "DiSEqC 1.1 uncommitted switch: input 16");
    row("E0 10 26", FrameKind::Command, "DiSEqC 1.0 switch: select satellite position B");
    row("E0 31 6E E0 C5", FrameKind::Command, "positioner: go to 12.3° east");
    row("E0 31 6E DF FE", FrameKind::Command, "positioner: go to 255.9° west");
    row("E0 31 6E E0 01", FrameKind::Command, "positioner: go to 0.0625° east");
    row("E0 31 6E 01 00", FrameKind::Command, "positioner: go to 16.0° clockwise from north");
    row("E0 31 6E 1F FE", FrameKind::Command, "positioner: go to 511.9° clockwise from north");
    row("E0 31 6E FF 3B", FrameKind::Command, "positioner: go to -12.3° clockwise from north");
    row("E0 31 6E 90 00", FrameKind::Command,
        "positioner: go to an angle, data 90 00: its first nibble 9 names no direction (E east, "
        "D west; 0, 1 or F an azimuth)");
    row("E0 31 68 00", FrameKind::Command, "positioner: drive east until halted");
    row("E0 31 69 7F", FrameKind::Command, "positioner: drive west for 127 s");
    row("E0 31 68 80", FrameKind::Command, "positioner: drive east by 128 steps");
    row("E0 31 69 FF", FrameKind::Command, "positioner: drive west by 1 step");
    row("E0 31 6A 00", FrameKind::Command, "positioner: store the position as number 0");
    row("E0 31 6B FF", FrameKind::Command, "positioner: go to stored position 255");
    row("E3 31 60", FrameKind::Command, "Halt: stop the positioner");
    row("E0 10 45", FrameKind::Command, "DiSEqC command 45, which this tool does not know");
    row("E4", FrameKind::Reply, "reply from a slave: OK, no errors");
    row("E6 12 34", FrameKind::Reply,
        "reply from a slave: parity error, repeat requested, with data 12 34");
    row("E0 10 5A 0C F6", FrameKind::SingleCable, "tunes a transponder");
    row("70 03 E8 03", FrameKind::SingleCable, "tunes a transponder");
    row("E0 10 38", FrameKind::NotDiseqc, "Write N0 takes 1 data byte; got 0");
    row("E0 10 38 F0 00", FrameKind::NotDiseqc, "Write N0 takes 1 data byte; got 2");
    row("E0 31 6F", FrameKind::NotDiseqc, "Set Posns takes 1 to 3 data bytes; got 0");
    row("E0 31 60 00", FrameKind::NotDiseqc, "Halt takes 0 data bytes; got 1");
    row("E2 10", FrameKind::NotDiseqc,
        "a DiSEqC command takes a framing, an address and a command byte; got 2 byte(s)");
    row("E2 10 5A 0C F6", FrameKind::NotDiseqc,
        "byte 1 is E2: neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, "
        "71, 7A to 7E)");
    row("E8 10 38 F0", FrameKind::NotDiseqc,
        "byte 1 is E8: neither a DiSEqC framing byte (E0 to E7) nor an EN 50607 command (70, 71, "
        "7A to 7E)");
    row("DF", FrameKind::NotDiseqc,
        "byte 1 is DF: neither a DiSEqC framing byte (E0 to E7) nor an EN 50607 command (70, 71, "
        "7A to 7E)");
}

void TestCodec::namesEveryDiseqcFrame()
{
    QFETCH(QString, bytes);
    QFETCH(int, kind);
    QFETCH(QString, meaning);
    const diseqc::FrameReading r = diseqc::readFrame(frameOf(bytes));
    QCOMPARE(int(r.kind), kind);
    const bool refused = r.kind == diseqc::FrameKind::NotDiseqc;
    QCOMPARE(QString::fromStdString((refused ? r.error : r.meaning).text()), meaning);
    // Every frame but a single-cable command's says why a unit ignores it.
    QCOMPARE(r.notSingleCable.empty(), refused || r.kind == diseqc::FrameKind::SingleCable);
    QCOMPARE(r.command.has_value(), r.kind == diseqc::FrameKind::SingleCable);
}

// Each command of the catalogue at the edges of its data, and every code
// outside it: named, never refused for its code, and reserved ones called so.
void TestCodec::everyCatalogueCommandIsNamed()
{
    for (const diseqc::CommandCode &code : diseqc::commandCodes()) {
        for (const int count : {code.data.fewest, code.data.most}) {
            for (const std::uint8_t fill : {std::uint8_t(0x00), std::uint8_t(0xFF)}) {
                Frame frame{0xE0, 0x31, code.code};
                frame.resize(frame.size() + std::size_t(count), fill);
                const diseqc::FrameReading r = diseqc::readFrame(frame);
                QVERIFY2(r.kind == diseqc::FrameKind::Command, code.name);
                QVERIFY(!r.meaning.empty());
                const auto command =
                    std::find_if(r.fields.begin(), r.fields.end(),
                                 [](const CommandField &f) { return f.key == "command"; });
                QVERIFY(command != r.fields.end());
                QCOMPARE(command->text, hexByte(code.code));
                // Its bytes as read, byte for byte.
                QCOMPARE(r.fields.front().key, std::string("bytes"));
                QCOMPARE(r.fields.front().text, bytesToHexText(frame));
            }
        }
        Frame tooLong{0xE0, 0x10, code.code};
        tooLong.resize(tooLong.size() + std::size_t(code.data.most) + 1);
        QCOMPARE(int(diseqc::readFrame(tooLong).kind), int(diseqc::FrameKind::NotDiseqc));
    }
    for (int byte = 0; byte < 256; ++byte) {
        const auto code = std::uint8_t(byte);
        const bool singleCable = code >= 0x5A && code <= 0x5D;
        if (!diseqc::commandCode(code) && !singleCable) {
            const diseqc::FrameReading r = diseqc::readFrame({0xE0, 0x10, code});
            QCOMPARE(int(r.kind), int(diseqc::FrameKind::Command));
            QVERIFY(QString::fromStdString(r.meaning.text()).contains("does not know"));
        }
        const diseqc::FrameReading r = diseqc::readFrame({0xE1, code, 0x00});
        const std::string address = r.fields.at(2).shown.text();
        QCOMPARE(QString::fromStdString(address).contains("reserved"),
                 diseqc::address(code) == nullptr || (byte & 0xF0) == 0x60 ||
                     (byte & 0xF0) == 0xF0);
    }
}

void TestCodec::switchesAndAnglesComeBack()
{
    const auto field = [](const diseqc::FrameReading &r, const char *key) {
        for (const CommandField &f : r.fields)
            if (f.key == key)
                return f.kind == CommandField::Number ? std::to_string(f.number) : f.text;
        return std::string("(none)");
    };
    for (int bits = 0; bits < 16; ++bits) {
        diseqc::CommittedSwitch s;
        s.optionB = bits & 8;
        s.positionB = bits & 4;
        s.polarisation = bits & 2 ? Polarisation::Horizontal : Polarisation::Vertical;
        s.band = bits & 1 ? Band::High : Band::Low;
        const Frame frame = diseqc::committedSwitch(s, bits % 3 == 0);
        QCOMPARE(int(frame.at(3)), 0xF0 | bits);
        QCOMPARE(int(frame.at(0)), bits % 3 == 0 ? 0xE1 : 0xE0);
        const diseqc::FrameReading r = diseqc::readFrame(frame);
        QCOMPARE(field(r, "option"), std::string(s.optionB ? "B" : "A"));
        QCOMPARE(field(r, "position"), std::string(s.positionB ? "B" : "A"));
        QCOMPARE(field(r, "polarisation"), std::string(bits & 2 ? "horizontal" : "vertical"));
        QCOMPARE(field(r, "band"), std::string(bits & 1 ? "high" : "low"));
    }
    for (int input = 1; input <= 16; ++input)
        QCOMPARE(field(diseqc::readFrame(diseqc::uncommittedSwitch(input)), "input"),
                 std::to_string(input));
    const std::pair<double, const char *> angles[] = {{0, "0.0"},    {0.1, "0.1"},
                                                      {-0.1, "0.1"}, {12.3, "12.3"},
                                                      {-80, "80.0"}, {255.9375, "255.9375"}};
    for (const auto &[degrees, text] : angles) {
        const diseqc::FrameReading r = diseqc::readFrame(diseqc::goToAngle(degrees));
        QCOMPARE(field(r, "angle"), std::string(text));
        QCOMPARE(field(r, "direction"), std::string(degrees < 0 ? "west" : "east"));
    }
}

QTEST_APPLESS_MAIN(TestCodec)
#include "tst_codec.moc"
