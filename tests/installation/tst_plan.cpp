// The checks of a plan as the window and the tool take them: plan JSON in,
// findings out, each with the receivers, userbands and transponders it
// concerns; and the table's commands and landing frequencies.

#include "plan.h"

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
}

void TestPlan::refuses()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    try {
        readPlan(json);
        QFAIL("read as a plan");
    } catch (const PlanError &error) {
        QCOMPARE(error.message(), message);
    }
}

// EN 50494 moves a transponder off the userband's centre by its 4 MHz steps;
// EN 50607 puts it on the centre unless its intermediate frequency was
// capped at 2147 MHz.
void TestPlan::tablesCommandsAndWhereTheyLand()
{
    const Plan p = readPlan(plan("\"standard\": \"EN 50607\", \"userbands\": [974, 1076]",
                                 "{\"name\": \"a\", \"userband\": 1},"
                                 "{\"name\": \"b\", \"userband\": 2, \"standard\": "
                                 "\"EN 50494\", \"pin\": 12},"
                                 "{\"name\": \"c\", \"userband\": 3}",
                                 ", \"transponders\": [\"11493H\", \"12750V\"]"));
    QStringList rows;
    for (const PlanRow &row : planTable(p))
        rows << QString("%1 %2 %3 %4")
                    .arg(p.receivers[row.receiver].name,
                         transponderName(p.transponders[row.transponder]), row.command.trimmed())
                    .arg(row.landing);
    QCOMPARE(rows,
             (QStringList{"a A 11493H 70 06 6B 02 974", "a A 12750V 70 07 FF 01 977",
                          "b A 11493H E0 10 5C 29 63 0C 1077", "b A 12750V E0 10 5C 25 C9 0C 1078",
                          "c A 11493H no such userband 0", "c A 12750V no such userband 0"}));
}

QTEST_APPLESS_MAIN(TestPlan)
#include "tst_plan.moc"
