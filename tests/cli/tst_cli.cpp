// The tool run as a user runs it: each row is one call and the whole answer,
// exit status, stdout and stderr. JSON answers are compared as documents.

#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

namespace {

const QString kDefaults = "Intermediate frequency: 1100 MHz\nEN 50494: E0 10 5A 0C F6 \n"
                          "EN 50607: 70 03 E8 03 \n";
const QString kDecoded494 = "Standard: EN 50494\nCommand: channel change\n"
                            "Framing: E0 (first transmission)\n"
                            "Address: 10 (any LNB, switcher or SMATV)\nUserband: 1\nPosition: A\n"
                            "Polarisation: horizontal\nBand: high\nTuning word: 246\n";
const QString kSum = "Intermediate + userband frequency: 2384 MHz\nPIN: none\n";

void row(const char *name, const QStringList &arguments, int exitCode, const QString &out,
         const QString &err = QString())
{
    QTest::newRow(name) << arguments << exitCode << out << err;
}

void refusal(const char *name, const QStringList &arguments, int exitCode, const QString &message)
{
    row(name, arguments, exitCode, QString(), "vantir-cli: " + message + "\n");
}

QString report(const char *ifFrequency, const char *en50494, const char *en50607)
{
    return QString("Intermediate frequency: %1 MHz\nEN 50494: %2\nEN 50607: %3\n")
        .arg(ifFrequency, en50494, en50607);
}

} // namespace

void TestCli::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    row("defaults", {}, 0, kDefaults);
    row("encode by name", {"encode"}, 0, kDefaults);
    row("every option", {"-p", "v", "-b", "low", "-s", "B", "-i", "1000", "-u", "2", "-r", "1400"},
        0, report("1000", "E0 10 5A 30 FA ", "70 0B 84 04 "));
    row("long spellings, any case",
        {"--polarisation=Vertical", "--band=LOW", "--position=b", "--if=1000", "--userband=2",
         "--userband-frequency=1400"},
        0, report("1000", "E0 10 5A 30 FA ", "70 0B 84 04 "));
    row("band follows the transponder", {"-f", "11000"}, 0,
        report("1250", "E0 10 5A 09 1C ", "70 04 7E 02 "));
    row("11700 MHz is high band", {"-f", "11700"}, 0, kDefaults);
    row("low band keeps 11700 MHz", {"-b", "low"}, 0,
        report("1950", "E0 10 5A 09 CB ", "70 07 3A 02 "));
    row("PIN", {"--pin", "255"}, 0, report("1100", "E0 10 5C 0C F6 FF ", "71 03 E8 03 FF "));
    row("position C", {"-s", "C"}, 1, report("1100", "position out of range", "70 03 E8 0B "));
    row("userband 9", {"-u", "9"}, 1,
        report("1100", "userband number out of range", "70 43 E8 03 "));
    row("EN 50607 alone", {"--standard", "en50607", "-s", "D"}, 0,
        "Intermediate frequency: 1100 MHz\nEN 50607: 70 03 E8 0F \n");
    row("EN 50494 alone", {"--standard", "EN 50494", "-s", "D"}, 1,
        "Intermediate frequency: 1100 MHz\nEN 50494: position out of range\n");
    row("JSON", {"--json", "-s", "C", "--pin", "7", "-f", "12000"}, 1,
        R"({"command": "channel change", "intermediateFrequency": 1400,
            "en50494": {"error": "position out of range", "result": 1, "standard": "EN 50494"},
            "en50607": {"command": "71 05 14 0B 07 ", "result": 0, "standard": "EN 50607"},
            "settings": {"band": "high", "pin": 7, "polarisation": "horizontal", "position": "C",
                         "transponderFrequency": 12000, "userband": 1, "userbandFrequency": 1284}})");
    row("JSON without transponder", {"--json", "--if", "1000"}, 0,
        R"({"command": "channel change", "intermediateFrequency": 1000,
            "en50494": {"command": "E0 10 5A 0C DD ", "result": 0, "standard": "EN 50494"},
            "en50607": {"command": "70 03 84 03 ", "result": 0, "standard": "EN 50607"},
            "settings": {"band": "high", "pin": null, "polarisation": "horizontal",
                         "position": "A", "userband": 1, "userbandFrequency": 1284}})");
    row("switch-off", {"--power-off"}, 0,
        "EN 50494 switch-off: E0 10 5A 00 00 \nEN 50607 switch-off: 70 00 00 00 \n");
    row("switch-off, userband 8 with PIN", {"--power-off", "-u", "8", "--pin", "200"}, 0,
        "EN 50494 switch-off: E0 10 5C E0 00 C8 \nEN 50607 switch-off: 71 38 00 00 C8 \n");
    row("switch-off, userband 32", {"--power-off", "-u", "32", "--standard", "both"}, 1,
        "EN 50494 switch-off: userband number out of range\n"
        "EN 50607 switch-off: 70 F8 00 00 \n");
    row("version", {"--version"}, 0, "vantir-cli 1.0.0\n");

    refusal("PIN not a number", {"--pin", "abc"}, 2,
            "--pin: 'abc' is not a whole number; use 0..255");
    refusal("PIN empty", {"--pin="}, 2, "--pin: '' is not a whole number; use 0..255");
    refusal("PIN fraction", {"--pin", "1.5"}, 2, "--pin: '1.5' is not a whole number; use 0..255");
    refusal("PIN 256", {"--pin", "256"}, 2, "--pin: 256 is out of range; use 0..255");
    refusal("PIN -1", {"--pin", "-1"}, 2, "--pin: -1 is out of range; use 0..255");
    refusal("PIN beyond 64 bits", {"--pin", "99999999999999999999"}, 2,
            "--pin: 99999999999999999999 is out of range; use 0..255");
    refusal("PIN without value", {"--pin"}, 2, "Missing value after '--pin'.");
    refusal("position E", {"-s", "E"}, 2, "--position: 'E' is not a position; use A, B, C or D");
    refusal("polarisation", {"-p", "x"}, 2,
            "--polarisation: 'x' is not a polarisation; use horizontal (h) or vertical (v)");
    refusal("band", {"-b", "mid"}, 2, "--band: 'mid' is not a band; use high or low");
    refusal("transponder below both bands", {"-f", "10699"}, 2,
            "--frequency: 10699 is out of range; use 10700..12750");
    refusal("transponder outside the high band", {"-b", "high", "-f", "11000"}, 2,
            "--frequency (high band): 11000 is out of range; use 11700..12750");
    refusal("IF 2151", {"-i", "2151"}, 2, "--if: 2151 is out of range; use 950..2150");
    refusal("userband 33", {"-u", "33"}, 2, "--userband: 33 is out of range; use 1..32");
    refusal("userband frequency", {"-r", "949"}, 2,
            "--userband-frequency: 949 is out of range; use 950..2150");
    refusal("frequency and IF", {"-f", "12000", "-i", "1000"}, 2,
            "--frequency and --if exclude each other; give one");
    refusal("repeated option", {"--pin", "1", "--pin", "2"}, 2, "--pin: given more than once");
    refusal("standard", {"--standard", "dvb"}, 2,
            "--standard: 'dvb' is not a standard; use en50494, en50607 or both");
    refusal("unknown option", {"--frob"}, 2, "Unknown option 'frob'.");
    refusal("unknown command", {"encdoe"}, 2, "unexpected argument 'encdoe'");
    refusal("switch-off with a transponder", {"--power-off", "-f", "12000"}, 2,
            "--power-off takes no --frequency; a switch-off names only the userband (and the PIN)");
    refusal("switch-off with a userband frequency", {"--power-off", "-r", "1400"}, 2,
            "--power-off takes no --userband-frequency; a switch-off names only the userband "
            "(and the PIN)");

    row("decode as the window shows it", {"decode", "E0 10 5A 0C F6 ", "-r", "1284"}, 0,
        kDecoded494 + "Intermediate frequency: 1100 MHz\n" + kSum);
    row("decode pasted in pieces", {"decode", "0xE0,", "0x10", "5a0C", "f6"}, 0,
        kDecoded494 + kSum);
    row("decode EN 50494 repeat with PIN", {"decode", "E1 00 5C 30 FA 2A"}, 0,
        "Standard: EN 50494\nCommand: channel change\nFraming: E1 (repeated transmission)\n"
        "Address: 00 (any device)\nUserband: 2\nPosition: B\nPolarisation: vertical\n"
        "Band: low\nTuning word: 250\nIntermediate + userband frequency: 2400 MHz\nPIN: 42\n");
    row("decode EN 50607 with PIN", {"decode", "71 03 e8 03 2a"}, 0,
        "Standard: EN 50607\nCommand: channel change\nUserband: 1\nPosition: A\n"
        "Polarisation: horizontal\nBand: high\nTuning word: 1000\n"
        "Intermediate frequency: 1100 MHz\nPIN: 42\n");
    row("decode EN 50607 at its limits", {"decode", "70FFFF0D"}, 0,
        "Standard: EN 50607\nCommand: channel change\nUserband: 32\nPosition: D\n"
        "Polarisation: vertical\nBand: high\nTuning word: 2047\n"
        "Intermediate frequency: 2147 MHz\nPIN: none\n");
    row("decode EN 50494 switch-off", {"decode", "E0 11 5A E0 00"}, 0,
        "Standard: EN 50494\nCommand: switch-off\nFraming: E0 (first transmission)\n"
        "Address: 11 (LNB)\nUserband: 8\nPIN: none\n");
    row("decode EN 50607 switch-off", {"decode", "71 F8 00 00 07"}, 0,
        "Standard: EN 50607\nCommand: switch-off\nUserband: 32\nPIN: 7\n");
    row("decode JSON", {"decode", "--json", "E0 10 5C 0C F6 00", "-r", "1284"}, 0,
        R"({"address": "10", "band": "high", "bytes": "E0 10 5C 0C F6 00 ",
            "command": "channel change", "framing": "E0", "frequencySum": 2384,
            "intermediateFrequency": 1100, "pin": 0, "polarisation": "horizontal",
            "position": "A", "standard": "EN 50494", "tuningWord": 246, "userband": 1})");
    row("decode JSON without userband frequency", {"decode", "--json", "70 00 00 00"}, 0,
        R"({"bytes": "70 00 00 00 ", "command": "switch-off", "pin": null,
            "standard": "EN 50607", "userband": 1})");

    refusal("decode odd digits", {"decode", "E0105A0CF"}, 3,
            "decode: 'E0105A0CF' at column 1 has an odd number of hex digits");
    refusal("decode counts columns across arguments", {"decode", "E0", "10", "5A", "0C", "Fx"}, 3,
            "decode: 'x' at column 14 is not a hex digit");
    refusal("decode nothing", {"decode", " , "}, 3, "decode: no hex bytes given");
    refusal("decode without bytes", {"decode"}, 2, "decode: give the command's bytes in hex");
    refusal("decode unknown framing", {"decode", "E2 10 5A 0C F6"}, 3,
            "decode: byte 1 is E2: neither an EN 50494 framing byte (E0, E1) nor an EN 50607 "
            "command (70, 71)");
    refusal("decode unknown address", {"decode", "E0 20 5A 0C F6"}, 3,
            "decode: byte 2 is 20: not a single-cable address (10, 00 or 11)");
    refusal("decode unknown command", {"decode", "E0 10 5B 0C F6"}, 3,
            "decode: byte 3 is 5B: not an EN 50494 command (5A, or 5C with PIN)");
    refusal("decode EN 50494 cut short", {"decode", "E0 10"}, 3,
            "decode: EN 50494 frame ends after 2 byte(s); it needs an address and a command byte");
    refusal("decode EN 50494 too long", {"decode", "E0 10 5A 0C F6 00"}, 3,
            "decode: EN 50494 command 5A takes 5 bytes; got 6");
    refusal("decode EN 50494 PIN missing", {"decode", "E0 10 5C 0C F6"}, 3,
            "decode: EN 50494 command 5C (with PIN, the last byte) takes 6 bytes; got 5");
    refusal("decode EN 50607 PIN missing", {"decode", "71 03 E8 03"}, 3,
            "decode: EN 50607 command 71 (with PIN, the last byte) takes 5 bytes; got 4");
    refusal("decode EN 50607 reserved bits", {"decode", "70 03 E8 13"}, 3,
            "decode: byte 4 is 13: its upper four bits are reserved and must be 0");
    refusal("decode userband frequency at the encoded sum", {"decode", "E0105A0C7D", "-r", "1900"},
            2,
            "--userband-frequency: 1900 MHz is not below the 1900 MHz that the command's tuning "
            "word encodes");

    row("table", {"table", "11493H", "12188V", "-u", "1-2"}, 0,
        "Transponder MHz  Pol  Band  Userband  Userband MHz  IF MHz  EN 50494         EN 50607\n"
        "11493            H    low   1         1284          1743    E0 10 5A 09 97   70 06 6B 02 "
        "\n"
        "11493            H    low   2         1400          1743    E0 10 5A 29 B4   70 0E 6B 02 "
        "\n"
        "12188            V    high  1         1284          1588    E0 10 5A 05 70   70 05 D0 01 "
        "\n"
        "12188            V    high  2         1400          1588    E0 10 5A 25 8D   70 0D D0 "
        "01 \n");
    row("table of list 2 beyond list 1, as CSV",
        {"table", "11700h", "--list", "2", "-u", "12-13", "--format", "csv"}, 0,
        "transponder,polarisation,band,userband,userbandFrequency,intermediateFrequency,"
        "en50494,en50607\n"
        "11700,horizontal,high,12,2096,1100,\"userband number out of range\",\"70 5B E8 03 \"\n"
        "11700,horizontal,high,13,,1100,\"userband number out of range\",\"70 63 E8 03 \"\n");
    row("table with every option, as JSON",
        {"table", "11700V", "-u", "2", "-b", "low", "-s", "B", "--pin", "9", "--format", "json"}, 0,
        R"([{"band": "low", "en50494": "E0 10 5C 31 E8 09 ", "en50607": "71 0F 3A 04 09 ",
             "intermediateFrequency": 1950, "polarisation": "vertical",
             "transponderFrequency": 11700, "userband": 2, "userbandFrequency": 1400}])");
    row("table keeps the good entries",
        {"table", "11493H", "99999V", "abc", "-u", "1", "--format", "csv"}, 4,
        "transponder,polarisation,band,userband,userbandFrequency,intermediateFrequency,"
        "en50494,en50607\n11493,horizontal,low,1,1284,1743,\"E0 10 5A 09 97 \",\"70 06 6B 02 \"\n",
        "vantir-cli: table: transponder 2: '99999V': 99999 MHz is outside both bands "
        "(10700..12750 MHz)\n"
        "vantir-cli: table: transponder 3: 'abc' is not a transponder; write its frequency in MHz "
        "and H or V, e.g. 11493H\n");
    refusal("table without transponders", {"table"}, 2,
            "table: give the transponders, e.g. 11493H 12188V");
    refusal("table list 3", {"table", "11700H", "--list", "3"}, 2,
            "--list: 3 is out of range; use 1..2");
    refusal("table userbands backwards", {"table", "11700H", "-u", "8-1"}, 2,
            "--userbands: '8-1' runs backwards; use 1..32 in rising order");
    refusal("table userbands not a range", {"table", "11700H", "-u", "a-b"}, 2,
            "--userbands: 'a-b' is not a number or range like 1-8");
    refusal("table format", {"table", "11700H", "--format", "xml"}, 2,
            "--format: 'xml' is not a format; use text, csv or json");
}

void TestCli::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QProcess process;
    process.start(VANTIR_CLI_PATH, arguments);
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), err);
    const QByteArray printed = process.readAllStandardOutput();
    if (out.startsWith('{') || out.startsWith('[')) {
        const QByteArray expected = QJsonDocument::fromJson(out.toUtf8()).toJson();
        QVERIFY2(expected != QJsonDocument().toJson(), "the row's JSON does not parse");
        QCOMPARE(QJsonDocument::fromJson(printed).toJson(), expected);
    } else {
        QCOMPARE(QString::fromUtf8(printed), out);
    }
    QCOMPARE(process.exitCode(), exitCode);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
