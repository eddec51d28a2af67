#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// Runs the built tool as a user does and checks what reaches the terminal.
class TestCli : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };

    static Run run(const QStringList &arguments)
    {
        QProcess process;
        // The sanitizer build of the tool runs the same tests.
        process.start(qEnvironmentVariable("VANTIR_CLI", QStringLiteral(VANTIR_CLI_PATH)),
                      arguments);
        process.closeWriteChannel();
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, {}, QStringLiteral("did not finish normally")};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // The tool's whole answer: stderr, stdout and exit status.
    static void expectRun(const QStringList &arguments, int exitCode, const QString &out,
                          const QString &err = QString())
    {
        const Run result = run(arguments);
        QCOMPARE(result.err, err);
        QCOMPARE(result.out, out);
        QCOMPARE(result.exitCode, exitCode);
    }

    // A refusal: one line on stderr, nothing on stdout.
    static void expectRefusal(const QStringList &arguments, int exitCode, const QString &message)
    {
        expectRun(arguments, exitCode, QString(), QStringLiteral("vantir-cli: %1\n").arg(message));
    }

private slots:
    void encodesCommands_data();
    void encodesCommands();
    void printsJson();
    void rejectsBadInput_data();
    void rejectsBadInput();
    void answersHelpAndVersion();
    void encodesSwitchOff_data();
    void encodesSwitchOff();
    void decodesCommands_data();
    void decodesCommands();
    void decodesJson();
    void rejectsBadCommands_data();
    void rejectsBadCommands();
    void tablesEveryCombination_data();
    void tablesEveryCombination();
    void tableFormats();
    void tableReportsBadEntriesAndPrintsTheRest();
    void tableRejectsBadOptions_data();
    void tableRejectsBadOptions();
};

static QString report(const QString &ifFrequency, const QString &en50494, const QString &en50607)
{
    return QStringLiteral("Intermediate frequency: %1 MHz\nEN 50494: %2\nEN 50607: %3\n")
        .arg(ifFrequency, en50494, en50607);
}

void TestCli::encodesCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");

    QTest::newRow("defaults") << QStringList{} << 0
                              << report("1100", "E0 10 5A 0C F6 ", "70 03 E8 03 ");
    QTest::newRow("explicit encode")
        << QStringList{"encode"} << 0 << report("1100", "E0 10 5A 0C F6 ", "70 03 E8 03 ");
    QTest::newRow("every option") << QStringList{"-p", "v",    "-b", "low", "-s", "B",
                                                 "-i", "1000", "-u", "2",   "-r", "1400"}
                                  << 0 << report("1000", "E0 10 5A 30 FA ", "70 0B 84 04 ");
    QTest::newRow("long option spellings")
        << QStringList{"--polarisation=Vertical",
                       "--band=LOW",
                       "--position=b",
                       "--if=1000",
                       "--userband=2",
                       "--userband-frequency=1400"}
        << 0 << report("1000", "E0 10 5A 30 FA ", "70 0B 84 04 ");
    QTest::newRow("high band transponder")
        << QStringList{"-f", "12000"} << 0 << report("1400", "E0 10 5A 0D 41 ", "70 05 14 03 ");
    QTest::newRow("band follows the transponder")
        << QStringList{"-f", "11000"} << 0 << report("1250", "E0 10 5A 09 1C ", "70 04 7E 02 ");
    QTest::newRow("11700 without band is high")
        << QStringList{"-f", "11700"} << 0 << report("1100", "E0 10 5A 0C F6 ", "70 03 E8 03 ");
    QTest::newRow("low band keeps 11700 MHz")
        << QStringList{"-b", "low"} << 0 << report("1950", "E0 10 5A 09 CB ", "70 07 3A 02 ");
    QTest::newRow("pin 0") << QStringList{"--pin", "0"} << 0
                           << report("1100", "E0 10 5C 0C F6 00 ", "71 03 E8 03 00 ");
    QTest::newRow("pin 255") << QStringList{"--pin", "255"} << 0
                             << report("1100", "E0 10 5C 0C F6 FF ", "71 03 E8 03 FF ");
    QTest::newRow("position C") << QStringList{"-s", "C"} << 1
                                << report("1100", "position out of range", "70 03 E8 0B ");
    QTest::newRow("userband 9") << QStringList{"-u", "9"} << 1
                                << report("1100", "userband number out of range", "70 43 E8 03 ");
    QTest::newRow("only EN 50607 carries position D")
        << QStringList{"--standard", "en50607", "-s", "D"} << 0
        << QStringLiteral("Intermediate frequency: 1100 MHz\nEN 50607: 70 03 E8 0F \n");
    QTest::newRow("only EN 50494 cannot carry position D")
        << QStringList{"--standard", "EN 50494", "-s", "D"} << 1
        << QStringLiteral("Intermediate frequency: 1100 MHz\nEN 50494: position out of range\n");
}

void TestCli::encodesCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);

    expectRun(arguments, exitCode, out);
}

void TestCli::printsJson()
{
    const Run result = run({"--json", "-s", "C", "--pin", "7", "-f", "12000"});
    QCOMPARE(result.exitCode, 1);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);

    QCOMPARE(root["intermediateFrequency"].toInt(), 1400);
    const QJsonObject settings = root["settings"].toObject();
    QCOMPARE(settings["position"].toString(), QStringLiteral("C"));
    QCOMPARE(settings["pin"].toInt(), 7);
    QCOMPARE(settings["transponderFrequency"].toInt(), 12000);
    QCOMPARE(settings["band"].toString(), QStringLiteral("high"));
    QCOMPARE(root["en50494"].toObject()["error"].toString(),
             QStringLiteral("position out of range"));
    QVERIFY(!root["en50494"].toObject().contains("command"));
    QCOMPARE(root["en50607"].toObject()["command"].toString(), QStringLiteral("71 05 14 0B 07 "));

    const QJsonObject noPin = QJsonDocument::fromJson(run({"--json"}).out.toUtf8()).object();
    QVERIFY(noPin["settings"].toObject()["pin"].isNull());
    QCOMPARE(noPin["en50494"].toObject()["command"].toString(), QStringLiteral("E0 10 5A 0C F6 "));
}

void TestCli::rejectsBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("pin not a number")
        << QStringList{"--pin", "abc"} << "--pin: 'abc' is not a whole number; use 0..255";
    QTest::newRow("pin empty") << QStringList{"--pin="}
                               << "--pin: '' is not a whole number; use 0..255";
    QTest::newRow("pin fraction") << QStringList{"--pin", "1.5"}
                                  << "--pin: '1.5' is not a whole number; use 0..255";
    QTest::newRow("pin 256") << QStringList{"--pin", "256"}
                             << "--pin: 256 is out of range; use 0..255";
    QTest::newRow("pin negative") << QStringList{"--pin", "-1"}
                                  << "--pin: -1 is out of range; use 0..255";
    QTest::newRow("pin beyond 64 bits") << QStringList{"--pin", "99999999999999999999"}
                                        << "--pin: 99999999999999999999 is out of range; use "
                                           "0..255";
    QTest::newRow("pin without value") << QStringList{"--pin"} << "Missing value after '--pin'.";
    QTest::newRow("position E") << QStringList{"-s", "E"}
                                << "--position: 'E' is not a position; use A, B, C or D";
    QTest::newRow("position word")
        << QStringList{"-s", "AB"} << "--position: 'AB' is not a position; use A, B, C or D";
    QTest::newRow("polarisation") << QStringList{"-p", "x"}
                                  << "--polarisation: 'x' is not a polarisation; use "
                                     "horizontal (h) or vertical (v)";
    QTest::newRow("band") << QStringList{"-b", "mid"}
                          << "--band: 'mid' is not a band; use high or low";
    QTest::newRow("transponder below both bands")
        << QStringList{"-f", "10699"} << "--frequency: 10699 is out of range; use 10700..12750";
    QTest::newRow("transponder outside high band")
        << QStringList{"-b", "high", "-f", "11000"}
        << "--frequency (high band): 11000 is out of range; use 11700..12750";
    QTest::newRow("transponder outside low band")
        << QStringList{"-f", "12000", "-b", "low"}
        << "--frequency (low band): 12000 is out of range; use 10700..11700";
    QTest::newRow("if too high") << QStringList{"-i", "2151"}
                                 << "--if: 2151 is out of range; use 950..2150";
    QTest::newRow("userband 0") << QStringList{"-u", "0"}
                                << "--userband: 0 is out of range; use 1..32";
    QTest::newRow("userband 33") << QStringList{"-u", "33"}
                                 << "--userband: 33 is out of range; use 1..32";
    QTest::newRow("userband frequency") << QStringList{"-r", "949"}
                                        << "--userband-frequency: 949 is out of range; use "
                                           "950..2150";
    QTest::newRow("frequency and if") << QStringList{"-f", "12000", "-i", "1000"}
                                      << "--frequency and --if exclude each other; give one";
    QTest::newRow("repeated option")
        << QStringList{"--pin", "1", "--pin", "2"} << "--pin: given more than once";
    QTest::newRow("standard") << QStringList{"--standard", "dvb"}
                              << "--standard: 'dvb' is not a standard; use en50494, en50607 "
                                 "or both";
    QTest::newRow("unknown option") << QStringList{"--frob"} << "Unknown option 'frob'.";
    QTest::newRow("unknown command") << QStringList{"encdoe"} << "unexpected argument 'encdoe'";
}

void TestCli::rejectsBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    expectRefusal(arguments, 2, message);
}

void TestCli::answersHelpAndVersion()
{
    const Run help = run({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: vantir-cli [encode] [options]\n"));
    QVERIFY(help.out.contains("Exit status:"));
    QVERIFY(run({"decode", "--help"}).out.startsWith("Usage: vantir-cli decode [options] <hex>"));
    QVERIFY(run({"table", "-h"}).out.startsWith("Usage: vantir-cli table [options] <transponder>"));
    QVERIFY(help.out.contains("--userband-frequency <MHz>"));

    const Run version = run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("vantir-cli 1.0.0\n"));
}

void TestCli::encodesSwitchOff_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");

    QTest::newRow("userband 1") << QStringList{"--power-off"} << 0
                                << "EN 50494 switch-off: E0 10 5A 00 00 \n"
                                   "EN 50607 switch-off: 70 00 00 00 \n";
    QTest::newRow("userband 8 with PIN")
        << QStringList{"--power-off", "-u", "8", "--pin", "200"} << 0
        << "EN 50494 switch-off: E0 10 5C E0 00 C8 \nEN 50607 switch-off: 71 38 00 00 C8 \n";
    QTest::newRow("userband 32") << QStringList{"--power-off", "-u", "32"} << 1
                                 << "EN 50494 switch-off: userband number out of range\n"
                                    "EN 50607 switch-off: 70 F8 00 00 \n";
    QTest::newRow("one standard") << QStringList{"--power-off", "--standard", "en50607"} << 0
                                  << "EN 50607 switch-off: 70 00 00 00 \n";
}

void TestCli::encodesSwitchOff()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    expectRun(arguments, exitCode, out);
}

void TestCli::decodesCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");

    const QString defaults494 = "Standard: EN 50494\nCommand: channel change\n"
                                "Framing: E0 (first transmission)\n"
                                "Address: 10 (any LNB, switcher or SMATV)\nUserband: 1\n"
                                "Position: A\nPolarisation: horizontal\nBand: high\n"
                                "Tuning word: 246\n";
    QTest::newRow("as the window shows it")
        << QStringList{"decode", "E0 10 5A 0C F6 ", "-r", "1284"}
        << defaults494 +
               "Intermediate frequency: 1100 MHz\nIntermediate + userband frequency: 2384 "
               "MHz\nPIN: none\n";
    QTest::newRow("without userband frequency")
        << QStringList{"decode", "E0 10 5A 0C F6"}
        << defaults494 + "Intermediate + userband frequency: 2384 MHz\nPIN: none\n";
    QTest::newRow("no blanks, lower case")
        << QStringList{"decode", "e0105a0cf6"}
        << defaults494 + "Intermediate + userband frequency: 2384 MHz\nPIN: none\n";
    QTest::newRow("0x and commas")
        << QStringList{"decode", "0xE0, 0x10,0x5A ,0x0C,0xF6"}
        << defaults494 + "Intermediate + userband frequency: 2384 MHz\nPIN: none\n";
    QTest::newRow("several arguments")
        << QStringList{"decode", "E0", "10", "5A", "0C", "F6"}
        << defaults494 + "Intermediate + userband frequency: 2384 MHz\nPIN: none\n";
    QTest::newRow("EN 50494 with PIN, repeat, address 00")
        << QStringList{"decode", "E1 00 5C 30 FA 2A"}
        << "Standard: EN 50494\nCommand: channel change\n"
           "Framing: E1 (repeated transmission)\nAddress: 00 (any device)\nUserband: 2\n"
           "Position: B\nPolarisation: vertical\nBand: low\nTuning word: 250\n"
           "Intermediate + userband frequency: 2400 MHz\nPIN: 42\n";
    QTest::newRow("EN 50607 with PIN")
        << QStringList{"decode", "71", "03", "e8", "03", "2a"}
        << "Standard: EN 50607\nCommand: channel change\nUserband: 1\nPosition: A\n"
           "Polarisation: horizontal\nBand: high\nTuning word: 1000\n"
           "Intermediate frequency: 1100 MHz\nPIN: 42\n";
    QTest::newRow("EN 50607 position D, userband 32")
        << QStringList{"decode", "70FFFF0D"}
        << "Standard: EN 50607\nCommand: channel change\nUserband: 32\nPosition: D\n"
           "Polarisation: vertical\nBand: high\nTuning word: 2047\n"
           "Intermediate frequency: 2147 MHz\nPIN: none\n";
    QTest::newRow("EN 50494 switch-off, address 11")
        << QStringList{"decode", "E0 11 5A E0 00"}
        << "Standard: EN 50494\nCommand: switch-off\nFraming: E0 (first transmission)\n"
           "Address: 11 (LNB)\nUserband: 8\nPIN: none\n";
    QTest::newRow("EN 50607 switch-off with PIN")
        << QStringList{"decode", "71 F8 00 00 07"}
        << "Standard: EN 50607\nCommand: switch-off\nUserband: 32\nPIN: 7\n";
}

void TestCli::decodesCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    expectRun(arguments, 0, out);
}

void TestCli::decodesJson()
{
    const Run result = run({"decode", "--json", "E0 10 5C 0C F6 00", "-r", "1284"});
    QCOMPARE(result.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    QCOMPARE(root["standard"].toString(), QStringLiteral("EN 50494"));
    QCOMPARE(root["command"].toString(), QStringLiteral("channel change"));
    QCOMPARE(root["bytes"].toString(), QStringLiteral("E0 10 5C 0C F6 00 "));
    QCOMPARE(root["userband"].toInt(), 1);
    QCOMPARE(root["pin"].toInt(), 0);
    QCOMPARE(root["intermediateFrequency"].toInt(), 1100);
    QCOMPARE(root["frequencySum"].toInt(), 2384);

    const QJsonObject unknown =
        QJsonDocument::fromJson(run({"decode", "--json", "E0105A0CF6"}).out.toUtf8()).object();
    QVERIFY(unknown["intermediateFrequency"].isNull());
    QVERIFY(unknown["pin"].isNull());
}

void TestCli::rejectsBadCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("odd number of digits")
        << QStringList{"decode", "E0 10 5A 0C F"} << 3
        << "decode: 'F' at column 13 has an odd number of hex digits";
    QTest::newRow("odd run without blanks")
        << QStringList{"decode", "E0105A0CF"} << 3
        << "decode: 'E0105A0CF' at column 1 has an odd number of hex digits";
    QTest::newRow("not hex") << QStringList{"decode", "E0 10 5G 0C F6"} << 3
                             << "decode: 'G' at column 8 is not a hex digit";
    QTest::newRow("not hex in a later argument")
        << QStringList{"decode", "E0", "10", "5A", "0C", "Fx"} << 3
        << "decode: 'x' at column 14 is not a hex digit";
    QTest::newRow("bare 0x") << QStringList{"decode", "0x"} << 3
                             << "decode: '0x' at column 1 has no hex digits";
    QTest::newRow("nothing") << QStringList{"decode", " , "} << 3 << "decode: no hex bytes given";
    QTest::newRow("no argument") << QStringList{"decode"} << 2
                                 << "decode: give the command's bytes in hex";
    QTest::newRow("unknown framing") << QStringList{"decode", "E2 10 5A 0C F6"} << 3
                                     << "decode: byte 1 is E2: neither an EN 50494 framing byte "
                                        "(E0, E1) nor an EN 50607 command (70, 71)";
    QTest::newRow("unknown address") << QStringList{"decode", "E0 20 5A 0C F6"} << 3
                                     << "decode: byte 2 is 20: not a single-cable address (10, "
                                        "00 or 11)";
    QTest::newRow("unknown command") << QStringList{"decode", "E0 10 5B 0C F6"} << 3
                                     << "decode: byte 3 is 5B: not an EN 50494 command (5A, or "
                                        "5C with PIN)";
    QTest::newRow("EN 50494 cut short") << QStringList{"decode", "E0 10"} << 3
                                        << "decode: EN 50494 frame ends after 2 byte(s); it "
                                           "needs an address and a command byte";
    QTest::newRow("EN 50494 too short") << QStringList{"decode", "E0 10 5A 0C"} << 3
                                        << "decode: EN 50494 command 5A takes 5 bytes; got 4";
    QTest::newRow("EN 50494 too long") << QStringList{"decode", "E0 10 5A 0C F6 00"} << 3
                                       << "decode: EN 50494 command 5A takes 5 bytes; got 6";
    QTest::newRow("EN 50494 PIN missing")
        << QStringList{"decode", "E0 10 5C 0C F6"} << 3
        << "decode: EN 50494 command 5C (with PIN, the last byte) takes 6 bytes; got 5";
    QTest::newRow("EN 50607 too long") << QStringList{"decode", "70 03 E8 03 00"} << 3
                                       << "decode: EN 50607 command 70 takes 4 bytes; got 5";
    QTest::newRow("EN 50607 PIN missing")
        << QStringList{"decode", "71 03 E8 03"} << 3
        << "decode: EN 50607 command 71 (with PIN, the last byte) takes 5 bytes; got 4";
    QTest::newRow("EN 50607 reserved bits")
        << QStringList{"decode", "70 03 E8 13"} << 3
        << "decode: byte 4 is 13: its upper four bits are reserved and must be 0";
    QTest::newRow("bad userband frequency")
        << QStringList{"decode", "E0105A0CF6", "-r", "abc"} << 2
        << "--userband-frequency: 'abc' is not a whole number; use 950..2150";
    QTest::newRow("userband frequency above the encoded sum")
        << QStringList{"decode", "E0 10 5A 0C 7D", "-r", "2150"} << 2
        << "--userband-frequency: 2150 MHz is not below the 1900 MHz that the command's tuning "
           "word encodes";
    QTest::newRow("power-off with a frequency")
        << QStringList{"--power-off", "-f", "12000"} << 2
        << "--power-off takes no --frequency; a switch-off names only the userband (and the PIN)";
}

void TestCli::rejectsBadCommands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    expectRefusal(arguments, exitCode, message);
}

// The plain table as rows of cells, so that column widths do not matter.
static QVector<QStringList> tableRows(const QString &text)
{
    QVector<QStringList> rows;
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(1)) {
        QStringList cells = line.split(QRegularExpression("  +"), Qt::SkipEmptyParts);
        for (QString &cell : cells)
            cell = cell.trimmed();
        rows << cells;
    }
    return rows;
}

void TestCli::tablesEveryCombination_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<QStringList>("lastRow");

    QTest::newRow("two transponders, list 1")
        << QStringList{"table", "11493H", "12188V", "--list", "1"} << 16
        << QStringList{"11493", "H", "low", "1", "1284", "1743", "E0 10 5A 09 97", "70 06 6B 02"}
        << QStringList{"12188", "V", "high", "8", "2096", "1588", "E0 10 5A E6 3B", "70 3D D0 01"};
    QTest::newRow("default list is list 1")
        << QStringList{"table", "11700h"} << 8
        << QStringList{"11700", "H", "high", "1", "1284", "1100", "E0 10 5A 0C F6", "70 03 E8 03"}
        << QStringList{"11700", "H", "high", "8", "2096", "1100", "E0 10 5A ED C1", "70 3B E8 03"};
    QTest::newRow("list 2 has twelve")
        << QStringList{"table", "11700H", "--list", "2"} << 12
        << QStringList{"11700", "H", "high", "1", "974", "1100", "E0 10 5A 0C A9", "70 03 E8 03"}
        << QStringList{
               "11700",      "H", "high", "12", "2096", "1100", "userband number out of range",
               "70 5B E8 03"};
    QTest::newRow("numbers beyond the list")
        << QStringList{"table", "11700H", "-u", "8-32"} << 25
        << QStringList{"11700", "H", "high", "8", "2096", "1100", "E0 10 5A ED C1", "70 3B E8 03"}
        << QStringList{"11700",      "H", "high", "32", "-", "1100", "userband number out of range",
                       "70 FB E8 03"};
    QTest::newRow("band, position and PIN for all")
        << QStringList{"table", "11700V", "-u", "2", "-b", "low", "-s", "B", "--pin", "9"} << 1
        << QStringList{"11700",         "V", "low", "2", "1400", "1950", "E0 10 5C 31 E8 09",
                       "71 0F 3A 04 09"}
        << QStringList{"11700",         "V", "low", "2", "1400", "1950", "E0 10 5C 31 E8 09",
                       "71 0F 3A 04 09"};
}

void TestCli::tablesEveryCombination()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, rowCount);
    QFETCH(QStringList, firstRow);
    QFETCH(QStringList, lastRow);
    const Run result = run(arguments);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    const QVector<QStringList> rows = tableRows(result.out);
    QCOMPARE(rows.size(), rowCount);
    QCOMPARE(rows.first(), firstRow);
    QCOMPARE(rows.last(), lastRow);
}

void TestCli::tableFormats()
{
    const Run csv = run({"table", "11700H", "-u", "8-9", "--format", "csv"});
    QCOMPARE(csv.exitCode, 0);
    QCOMPARE(csv.out, QStringLiteral(
                          "transponder,polarisation,band,userband,userbandFrequency,"
                          "intermediateFrequency,en50494,en50607\n"
                          "11700,horizontal,high,8,2096,1100,\"E0 10 5A ED C1 \",\"70 3B E8 03 \"\n"
                          "11700,horizontal,high,9,,1100,\"userband number out of range\","
                          "\"70 43 E8 03 \"\n"));

    const Run json = run({"table", "11700H", "12000V", "--format", "json", "-u", "9"});
    QCOMPARE(json.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(rows.size(), 2);
    const QJsonObject second = rows[1].toObject();
    QCOMPARE(second["transponderFrequency"].toInt(), 12000);
    QCOMPARE(second["polarisation"].toString(), QStringLiteral("vertical"));
    QCOMPARE(second["userband"].toInt(), 9);
    QVERIFY(second["userbandFrequency"].isNull());
    QCOMPARE(second["intermediateFrequency"].toInt(), 1400);
    QCOMPARE(second["en50494"].toString(), QStringLiteral("userband number out of range"));
    QCOMPARE(second["en50607"].toString(), QStringLiteral("70 45 14 01 "));
}

void TestCli::tableReportsBadEntriesAndPrintsTheRest()
{
    const Run result =
        run({"table", "11493X", "12188V", "9000H", "-u", "1", "12000H", "abc", "-b", "low"});
    QCOMPARE(result.exitCode, 4);
    QCOMPARE(result.err,
             QStringLiteral(
                 "vantir-cli: table: transponder 1: '11493X' is not a transponder; write its "
                 "frequency in MHz and H or V, e.g. 11493H\n"
                 "vantir-cli: table: transponder 2: '12188V': 12188 MHz is outside the low band "
                 "(10700..11700 MHz)\n"
                 "vantir-cli: table: transponder 3: '9000H': 9000 MHz is outside the low band "
                 "(10700..11700 MHz)\n"
                 "vantir-cli: table: transponder 4: '12000H': 12000 MHz is outside the low band "
                 "(10700..11700 MHz)\n"
                 "vantir-cli: table: transponder 5: 'abc' is not a transponder; write its "
                 "frequency in MHz and H or V, e.g. 11493H\n"));
    QCOMPARE(tableRows(result.out).size(), 0);

    const Run some = run({"table", "11493H", "99999V", "12188V", "-u", "1"});
    QCOMPARE(some.exitCode, 4);
    QCOMPARE(some.err, QStringLiteral("vantir-cli: table: transponder 2: '99999V': 99999 MHz is "
                                      "outside both bands (10700..12750 MHz)\n"));
    const QVector<QStringList> rows = tableRows(some.out);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].first(), QStringLiteral("11493"));
    QCOMPARE(rows[1].first(), QStringLiteral("12188"));
}

void TestCli::tableRejectsBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no transponders")
        << QStringList{"table"} << "table: give the transponders, e.g. 11493H 12188V";
    QTest::newRow("list 3") << QStringList{"table", "11700H", "--list", "3"}
                            << "--list: 3 is out of range; use 1..2";
    QTest::newRow("userbands backwards")
        << QStringList{"table", "11700H", "-u", "8-1"}
        << "--userbands: '8-1' runs backwards; use 1..32 in rising order";
    QTest::newRow("userbands beyond 32") << QStringList{"table", "11700H", "-u", "1-33"}
                                         << "--userbands: 33 is out of range; use 1..32";
    QTest::newRow("userbands not a range") << QStringList{"table", "11700H", "-u", "a-b"}
                                           << "--userbands: 'a-b' is not a number or range like "
                                              "1-8";
    QTest::newRow("format") << QStringList{"table", "11700H", "--format", "xml"}
                            << "--format: 'xml' is not a format; use text, csv or json";
}

void TestCli::tableRejectsBadOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    expectRefusal(arguments, 2, message);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
