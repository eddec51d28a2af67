// The checks of a plan as the window and the tool take them: plan JSON in,
// findings out, each with the receivers, userbands and transponders it
// concerns; and the table's commands and landing frequencies.

#include "hextext.h"
#include "phrasetext.h"
#include "plan.h"
#include "planfields.h"
#include "planfile.h"

#include <QtTest>

namespace {

const char *const kKinds[] = {"UserbandFrequency",      "UserbandsTooClose",
                              "NoSuchUserband",         "UserbandBeyondStandard",
                              "PositionBeyondStandard", "StandardBeyondUnit",
                              "PinOutOfRange",          "SharedUserband",
                              "FreeUserband",           "CappedIntermediateFrequency"};

QString numbers(const QVector<int> &values)
{
    QStringList list;
    for (const int v : values)
        list << QString::number(v);
    return list.join(',');
}

// "SharedUserband r0,1 u2": the kind and whom it concerns.
QStringList summary(const QVector<Finding> &findings)
{
    QStringList lines;
    for (const Finding &f : findings) {
        QString line = QString::fromLatin1(kKinds[f.kind]);
        if (!f.receivers.isEmpty())
            line += " r" + numbers(f.receivers);
        if (!f.userbands.isEmpty())
            line += " u" + numbers(f.userbands);
        if (!f.transponders.isEmpty())
            line += " t" + numbers(f.transponders);
        lines << line;
    }
    return lines;
}

// A plan from its unit and receivers, written as in a plan file.
QByteArray plan(const char *unit, const char *receivers, const char *more = "")
{
    return QByteArray("{\"unit\": {") + unit + "}, \"receivers\": [" + receivers + "]" + more + "}";
}

// A plan with every key, in the spellings a file may use.
const char kFullPlan[] = R"({"installation": "Haus 7",
    "unit": {"standard": "EN 50607", "userbands": [974, 1076, 1178], "bandwidth": 40},
    "positions": {"A": "Astra", "b": "Hotbird", "5": "Turksat"},
    "receivers": [{"name": "Küche", "userband": 2},
                  {"name": "Alt", "userband": 3, "standard": "en50494", "pin": 0},
                  {"name": "Neu", "userband": 1, "pin": 255}],
    "transponders": ["11493H", "c 12188v", "64 10700V"]})";

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void refuses_data();
    void refuses();
    void tablesCommandsAndWhereTheyLand();
    void matchesHeardCommands_data();
    void matchesHeardCommands();
    void readsWhatTheFileHolds();
    void refusesAtTheLimits_data();
    void refusesAtTheLimits();
    void editorFieldsReadAsTheFile_data();
    void editorFieldsReadAsTheFile();
};

void TestPlan::checks_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("findings");
    const char *en50607 = "\"standard\": \"EN 50607\", \"userbands\": [974, 1076]";
    const char *en50494 = "\"standard\": \"EN 50494\", \"userbands\": [1284, 1400]";
    const char *twoReceivers =
        "{\"name\": \"a\", \"userband\": 1}, {\"name\": \"b\", \"userband\": 2}";

    QTest::newRow("sound") << plan(en50607, twoReceivers) << QStringList();
    QTest::newRow("free userband")
        << plan(en50607, "{\"name\": \"a\", \"userband\": 2}") << QStringList{"FreeUserband u1"};
    QTest::newRow("shared userband")
        << plan(en50607, "{\"name\": \"a\", \"userband\": 2}, {\"name\": \"b\", \"userband\": 1},"
                         "{\"name\": \"c\", \"userband\": 2}")
        << QStringList{"SharedUserband r0,2 u2"};
    QTest::newRow("no such userband, and none at 0")
        << plan(en50607, "{\"name\": \"a\", \"userband\": 3}, {\"name\": \"b\", \"userband\": 0}")
        << QStringList{"NoSuchUserband r0", "NoSuchUserband r1", "FreeUserband u1",
                       "FreeUserband u2"};
    QTest::newRow("EN 50494 receiver up to userband 8")
        << plan("\"standard\": \"EN 50607\", \"userbands\": {\"preset\": 2}",
                "{\"name\": \"a\", \"userband\": 8, \"standard\": \"EN 50494\"},"
                "{\"name\": \"b\", \"userband\": 9, \"standard\": \"en50494\"},"
                "{\"name\": \"c\", \"userband\": 12}")
        << QStringList{"UserbandBeyondStandard r1", "FreeUserband u1", "FreeUserband u2",
                       "FreeUserband u3",           "FreeUserband u4", "FreeUserband u5",
                       "FreeUserband u6",           "FreeUserband u7", "FreeUserband u10",
                       "FreeUserband u11"};
    QTest::newRow("position C used by a transponder")
        << plan(en50494, twoReceivers, ", \"transponders\": [\"B 11493H\", \"c 12188V\"]")
        << QStringList{"PositionBeyondStandard r0", "PositionBeyondStandard r1"};
    QTest::newRow("position D named only")
        << plan(en50494,
                "{\"name\": \"a\", \"userband\": 1}, {\"name\": \"b\", \"userband\": 2, "
                "\"standard\": \"EN 50607\"}",
                ", \"positions\": {\"D\": \"28.2° E\"}")
        << QStringList{"PositionBeyondStandard r0", "StandardBeyondUnit r1"};
    QTest::newRow("PINs 0 and 255 and beyond")
        << plan(en50607, "{\"name\": \"a\", \"userband\": 1, \"pin\": 0},"
                         "{\"name\": \"b\", \"userband\": 2, \"pin\": 255},"
                         "{\"name\": \"c\", \"userband\": 2, \"pin\": 256},"
                         "{\"name\": \"d\", \"userband\": 1, \"pin\": -1}")
        << QStringList{"PinOutOfRange r2", "PinOutOfRange r3", "SharedUserband r0,3 u1",
                       "SharedUserband r1,2 u2"};
    QTest::newRow("cable's range")
        << plan("\"standard\": \"EN 50607\", \"userbands\": [949, 950, 2150, 2151]",
                "{\"name\": \"a\", \"userband\": 1}, {\"name\": \"b\", \"userband\": 2},"
                "{\"name\": \"c\", \"userband\": 3}, {\"name\": \"d\", \"userband\": 4}")
        << QStringList{"UserbandFrequency u1", "UserbandFrequency u4"};
    QTest::newRow("bandwidth")
        << plan("\"standard\": \"EN 50607\", \"userbands\": [1000, 1036, 1071], \"bandwidth\": 36",
                "{\"name\": \"a\", \"userband\": 1}, {\"name\": \"b\", \"userband\": 2},"
                "{\"name\": \"c\", \"userband\": 3}")
        << QStringList{"UserbandsTooClose u2,3"};
    QTest::newRow("EN 50607 caps above 2147 MHz")
        << plan(en50607, twoReceivers, ", \"transponders\": [\"12747H\", \"12748V\", \"11700H\"]")
        << QStringList{"CappedIntermediateFrequency t1"};
    QTest::newRow("EN 50494 alone sends every frequency")
        << plan(en50494, twoReceivers, ", \"transponders\": [\"12750H\"]") << QStringList();
}

void TestPlan::checks()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, findings);
    QCOMPARE(summary(checkPlan(readPlan(json))), findings);
}

void TestPlan::refuses_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    const char *unit = "\"standard\": \"EN 50607\", \"userbands\": [974]";
    QTest::newRow("misspelt key")
        << plan(unit, "{\"name\": \"a\", \"userbad\": 1}")
        << "receivers[0].'userbad': no such key; use name, userband, standard, pin";
    QTest::newRow("fraction") << plan(unit, "{\"name\": \"a\", \"userband\": 1.5}")
                              << "receivers[0].userband: must be a whole number";
    QTest::newRow("no position E") << plan(unit, "", ", \"transponders\": [\"E 11493H\"]")
                                   << "transponders[0]: 'E 11493H' is not a transponder; write it "
                                      "as 11493H, B 12188V or 5 12188V";
    QTest::newRow("four digits, outside both bands")
        << plan(unit, "", ", \"transponders\": [\"9999H\"]")
        << "transponders[0]: 9999 MHz is outside both bands (10700..12750 MHz)";
    QTest::newRow("unknown standard") << plan("\"standard\": \"EN 5\", \"userbands\": [974]", "")
                                      << "unit.standard: 'EN 5' is not EN 50494 or EN 50607";
    QTest::newRow("33 userbands") << plan(("\"standard\": \"EN 50607\", \"userbands\": [" +
                                           QByteArray("974,").repeated(32) + "974]")
                                              .constData(),
                                          "")
                                  << "unit.userbands: holds 33 entries; a plan holds at most 32";
    // JSON as the standard writes it, and keys exactly as written.
    QTest::newRow("a raw control character in a string")
        << plan(unit, "{\"name\": \"a\tb\", \"userband\": 1}")
        << "line 1, column 81: a control character inside a string; write it as \\u0009";
    QTest::newRow("a number ending in its point")
        << plan(unit, "{\"name\": \"a\", \"userband\": 1.}")
        << "line 1, column 98: a number needs a digit here";
    QTest::newRow("a number with a leading zero")
        << plan(unit, "{\"name\": \"a\", \"userband\": 01}")
        << "line 1, column 97: a number does not start with 0";
    QTest::newRow("bytes that are not UTF-8")
        << plan(unit, "{\"name\": \"a\xFF\", \"userband\": 1}") << "line 1, column 80: not UTF-8";
    QTest::newRow("text after the object") << plan(unit, "") + "}"
                                           << "line 1, column 72: text after the object";
    QTest::newRow("a key with a byte order mark")
        << plan(unit, "{\"name\": \"a\", \"userband\": 1, \"\xEF\xBB\xBFpin\": 7}")
        << "receivers[0].'\\uFEFFpin': no such key: it holds a character that does not show";
    QTest::newRow("a key written twice, once escaped")
        << plan(unit, "{\"name\": \"a\", \"userband\": 1, \"user\\u0062and\": 2}")
        << "receivers[0].'userband': given more than once";
    QTest::newRow("one position in two spellings")
        << plan(unit, "", ", \"positions\": {\"B\": \"x\", \"b\": \"y\"}")
        << "positions.'b': names a position another key names too";
    QTest::newRow("lists nested deeper than any plan")
        << QByteArray(200000, '[') << "line 1, column 33: nested too deep";
}

void TestPlan::refuses()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    try {
        readPlan(json);
        QFAIL("read as a plan");
    } catch (const PlanError &error) {
        QCOMPARE(QString::fromStdString(error.what()), message);
    }
}

namespace {

// Three receivers, one of them EN 50494 with a PIN and one on a userband the
// unit lacks, and two transponders.
Plan tablePlan()
{
    return readPlan(plan("\"standard\": \"EN 50607\", \"userbands\": [974, 1076]",
                         "{\"name\": \"a\", \"userband\": 1},"
                         "{\"name\": \"b\", \"userband\": 2, \"standard\": "
                         "\"EN 50494\", \"pin\": 12},"
                         "{\"name\": \"c\", \"userband\": 3}",
                         ", \"transponders\": [\"11493H\", \"12750V\"]"));
}

} // namespace

// EN 50494 moves a transponder off the userband's centre by its 4 MHz steps;
// EN 50607 puts it on the centre unless its intermediate frequency was
// capped at 2147 MHz.
void TestPlan::tablesCommandsAndWhereTheyLand()
{
    const Plan p = tablePlan();
    QStringList rows;
    for (const PlanRow &row : planTable(p))
        rows << QString("%1 %2 %3 %4")
                    .arg(p.receivers[row.receiver].name,
                         transponderLabel(p.transponders[row.transponder]),
                         (row.encoded() ? row.hexText() : phraseText(row.problem)).trimmed())
                    .arg(row.landing);
    QCOMPARE(rows,
             (QStringList{"a A 11493H 70 06 6B 02 974", "a A 12750V 70 07 FF 01 977",
                          "b A 11493H E0 10 5C 29 63 0C 1077", "b A 12750V E0 10 5C 25 C9 0C 1078",
                          "c A 11493H no such userband 0", "c A 12750V no such userband 0"}));
}

// A command heard on the cable, against the plan of the table above.
void TestPlan::matchesHeardCommands_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<QString>("text");
    QTest::newRow("a's first") << "70 06 6B 02" << true << "receiver 'a', A 11493H";
    QTest::newRow("b's, repeated, another address")
        << "E1 00 5C 25 C9 0C" << true << "receiver 'b', A 12750V";
    QTest::newRow("b's without its PIN")
        << "E0 10 5A 25 C9" << false
        << "receiver 'b', but for no transponder of the plan (or with another PIN)";
    QTest::newRow("b's with another PIN")
        << "E0 10 5C 25 C9 0D" << false
        << "receiver 'b', but for no transponder of the plan (or with another PIN)";
    QTest::newRow("a's userband, another transponder")
        << "70 03 E8 03" << false
        << "receiver 'a', but for no transponder of the plan (or with another PIN)";
    QTest::newRow("a's userband in the other standard")
        << "E0 10 5A 0C F6" << false << "no receiver of the plan sends EN 50494 on userband 1";
    QTest::newRow("c's userband, which the unit lacks")
        << "70 16 6B 02" << false
        << "receiver 'c', but for no transponder of the plan (or with another PIN)";
    QTest::newRow("a userband no receiver uses")
        << "70 1E 6B 02" << false << "no receiver of the plan sends EN 50607 on userband 4";
    QTest::newRow("a switching off") << "70 00 00 00" << true << "receiver 'a', switching off";
    QTest::newRow("b switching off without its PIN")
        << "E0 10 5A 20 00" << false << "receiver 'b', switching off with another PIN";
    QTest::newRow("b switching off")
        << "E0 10 5C 20 00 0C" << true << "receiver 'b', switching off";
    QTest::newRow("a query from a's userband")
        << "7D 00" << false << "receiver 'a', but not a command it sends";
}

void TestPlan::matchesHeardCommands()
{
    QFETCH(QString, bytes);
    QFETCH(bool, expected);
    QFETCH(QString, text);
    const Plan p = tablePlan();
    const HexBytes hex = parseHexText(bytes.toStdString());
    QVERIFY(hex.ok());
    const Decoded heard = decode(hex.bytes);
    QVERIFY2(heard.ok(), heard.error.text().c_str());
    const PlanMatch match = matchCommand(p, heard.command);
    QCOMPARE(phraseText(match.text), text);
    QCOMPARE(match.expected(), expected);
}

// Every value of the file as it stands in it, and the plan written back
// reads as the same plan.
void TestPlan::readsWhatTheFileHolds()
{
    const Plan p = readPlan(kFullPlan);
    QCOMPARE(p.installation, QString("Haus 7"));
    QCOMPARE(int(p.standard), int(Standard::En50607));
    QCOMPARE(p.userbands, (QVector<int>{974, 1076, 1178}));
    QCOMPARE(p.bandwidth, 40);
    QCOMPARE(p.positions, (QMap<int, QString>{{0, "Astra"}, {1, "Hotbird"}, {4, "Turksat"}}));
    QCOMPARE(p.receivers.size(), 3);
    QCOMPARE(p.receivers[0].name, QString("Küche"));
    QCOMPARE(p.receivers[0].userband, 2);
    QCOMPARE(int(p.receivers[0].standard), int(Standard::En50607));
    QVERIFY(!p.receivers[0].pin);
    QCOMPARE(int(p.receivers[1].standard), int(Standard::En50494));
    QCOMPARE(p.receivers[1].pin, Pin(0));
    QCOMPARE(p.receivers[2].pin, Pin(255));
    QCOMPARE(p.transponders.size(), 3);
    const Transponder expected[] = {{0, 11493, Polarisation::Horizontal, Band::Low},
                                    {2, 12188, Polarisation::Vertical, Band::High},
                                    {63, 10700, Polarisation::Vertical, Band::Low}};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(p.transponders[i] == expected[i], qPrintable(transponderLabel(p.transponders[i])));

    const Plan again = readPlan(planJson(p));
    QVERIFY(again == p);
    QCOMPARE(int(again.receivers[1].standard), int(Standard::En50494));
    // A receiver's standard is written only where it is not the unit's.
    const QJsonArray written =
        QJsonDocument::fromJson(planJson(p)).object().value("receivers").toArray();
    QVERIFY(!written[0].toObject().contains("standard"));
    QCOMPARE(written[1].toObject().value("standard").toString(), QString("EN 50494"));
}

void TestPlan::refusesAtTheLimits_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message"); // empty: read
    const char *unit = "\"standard\": \"EN 50607\", \"userbands\": [974]";
    const auto bandwidth = [](const char *mhz) {
        return plan((QByteArray("\"standard\": \"EN 50607\", \"userbands\": [974], "
                                "\"bandwidth\": ") +
                     mhz)
                        .constData(),
                    "");
    };
    const auto receivers = [unit](int count) {
        const QByteArray one = "{\"name\": \"r\", \"userband\": 1},";
        QByteArray list = one.repeated(count);
        list.chop(1);
        return plan(unit, list.constData());
    };
    const auto transponders = [unit](int count) {
        QByteArray list = QByteArray("\"11493H\",").repeated(count);
        list.chop(1);
        return plan(unit, "", (", \"transponders\": [" + list + "]").constData());
    };
    const auto position = [unit](const char *key) {
        return plan(unit, "",
                    (QByteArray(", \"positions\": {\"") + key + "\": \"x\"}").constData());
    };
    const QString noPosition = "positions.'%1': no such position; use A to D, or 5 to 64";
    QTest::newRow("bandwidth 1") << bandwidth("1") << "";
    QTest::newRow("bandwidth 1200") << bandwidth("1200") << "";
    QTest::newRow("bandwidth 1201")
        << bandwidth("1201") << "unit.bandwidth: 1201 MHz is not a bandwidth; use 1..1200";
    QTest::newRow("bandwidth 0") << bandwidth("0")
                                 << "unit.bandwidth: 0 MHz is not a bandwidth; use 1..1200";
    QTest::newRow("64 receivers") << receivers(64) << "";
    QTest::newRow("65 receivers") << receivers(65)
                                  << "receivers: holds 65 entries; a plan holds at most 64";
    QTest::newRow("500 transponders") << transponders(500) << "";
    QTest::newRow("501 transponders")
        << transponders(501) << "transponders: holds 501 entries; a plan holds at most 500";
    QTest::newRow("position D") << position("D") << "";
    QTest::newRow("position 4") << position("4") << noPosition.arg(4);
    QTest::newRow("position 5") << position("5") << "";
    QTest::newRow("position 64") << position("64") << "";
    QTest::newRow("position 65") << position("65") << noPosition.arg(65);
    QTest::newRow("no userband") << plan("\"standard\": \"EN 50607\", \"userbands\": []", "")
                                 << "unit.userbands: names no userband";
}

void TestPlan::refusesAtTheLimits()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QString got;
    Plan read;
    try {
        read = readPlan(json);
    } catch (const PlanError &error) {
        got = QString::fromStdString(error.what());
    }
    QCOMPARE(got, message);
    // A plan at the limits is written as it was read.
    if (message.isEmpty())
        QVERIFY(readPlan(planJson(read)) == read);
}

// An editor's fields make the plan the file makes, and refuse what the
// reader refuses, with its words.
void TestPlan::editorFieldsReadAsTheFile_data()
{
    QTest::addColumn<QStringList>("fields"); // userbands, positions, transponders, receiver cells
    QTest::addColumn<QString>("message");    // empty: the same plan as the file
    QTest::addColumn<QString>("place");      // where the fields show it, counted from 1
    const auto row = [](const char *name, const QStringList &fields, const QString &message,
                        const QString &place = QString()) {
        QTest::newRow(name) << fields << message << place;
    };
    row("the file's plan",
        {"974, 1076;1178", "A Astra; b Hotbird ;5 Turksat", "11493H, c 12188v;64 10700V",
         "Küche|2||", "Alt|3|en50494|0", "Neu|1||255"},
        "");
    row("33 userbands", {QString("974 ").repeated(33), "", "", ""},
        "unit.userbands: holds 33 entries; a plan holds at most 32", "userbands");
    row("a userband that is no number", {"974, 1O76", "", "", ""},
        "unit.userbands[1]: '1O76' is not a whole number", "userband 2");
    row("position 4", {"974", "4 Astra", "", ""},
        "positions.'4': no such position; use A to D, or 5 to 64", "position '4'");
    row("a position twice", {"974", "B x; b y", "", ""}, "positions.'b': given more than once",
        "position 'b'");
    row("no transponder", {"974", "", "11493X", ""},
        "transponders[0]: '11493X' is not a transponder; write it as 11493H, B 12188V or 5 12188V",
        "transponder 1");
    row("outside the bands", {"974", "", "11493H, 9999H", ""},
        "transponders[1]: 9999 MHz is outside both bands (10700..12750 MHz)", "transponder 2");
    row("a receiver's userband that is no number", {"974", "", "", "a|x||"},
        "receivers[0].userband: 'x' is not a whole number", "receiver 1, userband");
    row("a PIN beyond the numbers", {"974", "", "", "a|1||99999999999"},
        "receivers[0].pin: 99999999999 is beyond the whole numbers a plan holds "
        "(-2147483648..2147483647)",
        "receiver 1, PIN");
    row("an unknown standard", {"974", "", "", "a|1|EN 5|"},
        "receivers[0].standard: 'EN 5' is not EN 50494 or EN 50607", "receiver 1, standard");
    row("65 receivers", QStringList{"974", "", ""} + QVector<QString>(65, "a|1||").toList(),
        "receivers: holds 65 entries; a plan holds at most 64", "receivers");
}

void TestPlan::editorFieldsReadAsTheFile()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, place);
    PlanFields typed{" Haus 7 ",      "EN 50607", fields.value(0), 40, fields.value(1),
                     fields.value(2), {}};
    for (int i = 3; i < fields.size(); ++i)
        if (!fields[i].isEmpty())
            typed.receivers << fields[i].split('|');
    QString got;
    Plan p;
    try {
        p = planFromFields(typed);
    } catch (const PlanError &error) {
        got = QString::fromStdString(error.what());
        QCOMPARE(phraseText(fieldPlace(error.path())), place);
    }
    QCOMPARE(got, message);
    if (!message.isEmpty())
        return;
    const Plan file = readPlan(kFullPlan);
    QVERIFY(p == file);
    // And the fields written from the plan read back as it.
    QVERIFY(planFromFields(fieldsOf(file)) == file);
    QCOMPARE(fieldsOf(file).receivers[1][2], QString("EN 50494"));
    QCOMPARE(fieldsOf(file).receivers[0][2], QString());
}

QTEST_APPLESS_MAIN(TestPlan)
#include "tst_plan.moc"
