// Writing files whole or not at all, and reading them within a bound, as
// every output and input of the program does, on every system; and values
// shown on one line.

#include "contents.h"
#include "files.h"
#include "shown.h"

#include <QtTest>

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void savesWhole_data();
    void savesWhole();
    void readsWithinItsBound_data();
    void readsWithinItsBound();
    void showsValuesOnOneLine_data();
    void showsValuesOnOneLine();
};

void TestFiles::savesWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target"); // what stands there before
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing") << "out.txt"
                             << "none" << true;
    QTest::newRow("a file") << "out.txt"
                            << "file" << true;
    QTest::newRow("a folder is refused") << "out.txt"
                                         << "folder" << false;
    QTest::newRow("umlauts, new") << "Küche Süd.json"
                                  << "none" << true;
    QTest::newRow("umlauts, replaced") << "Küche Süd.json"
                                       << "file" << true;
    // Outside the Basic Multilingual Plane: a pair of UTF-16 halves.
    QTest::newRow("a satellite dish") << QString::fromUtf8("Sch\xC3\xBC"
                                                           "ssel \xF0\x9F\x93\xA1.json")
                                      << "file" << true;
}

// Nothing stands beside the file afterwards, and on failure the old file
// is as it was.
void TestFiles::savesWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    const QByteArray old = "old\n", bytes = QByteArray(100000, 'n') + "\n";
    if (target == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    if (target == "folder")
        QVERIFY(QDir(folder.path()).mkdir(name));

    QCOMPARE(!saveFile(filePath(path), bytes), saved);
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs |
                            QDir::NoDotAndDotDot),
             QStringList{name});
    if (saved)
        QCOMPARE(contents(path), bytes);
    else if (target == "file")
        QCOMPARE(contents(path), old);
}

void TestFiles::readsWithinItsBound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("most");
    QTest::addColumn<QString>("error");
    QTest::newRow("below") << "in" << 99 << 100 << "";
    QTest::newRow("at the bound") << "in" << 100 << 100 << "";
    QTest::newRow("one over") << "in" << 101 << 100 << "too large";
    QTest::newRow("empty") << "in" << 0 << 100 << "";
    QTest::newRow("umlauts") << "Grüße.json" << 10 << 100 << "";
}

void TestFiles::readsWithinItsBound()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(int, most);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'x')) == size);
    file.close();
    const FileBytes read = readFile(filePath(path), most, Phrase("too large"));
    QCOMPARE(QString::fromStdString(read.error.text()), error);
    QCOMPARE(read.bytes.size(), error.isEmpty() ? size : 0);
}

void TestFiles::showsValuesOnOneLine_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Küche"
                           << "'Küche'";
    QTest::newRow("a line break") << "a\nb"
                                  << "'a\\nb'";
    QTest::newRow("a control character") << QString("a") + QChar(1) << "'a\\x01'";
    QTest::newRow("cut at 40") << QString(50, 'x') << "'" + QString(40, 'x') + "...'";
    QTest::newRow("a byte order mark") << QString(QChar(0xFEFF)) + "pin"
                                       << "'\\uFEFFpin'";
    QTest::newRow("a right-to-left override") << "a" + QString(QChar(0x202E)) + "txt.exe"
                                              << "'a\\u202Etxt.exe'";
    QTest::newRow("a pair kept, a half escaped")
        << QString::fromUtf8("\xF0\x9F\x93\xA1") + QChar(0xD800)
        << QString::fromUtf8("'\xF0\x9F\x93\xA1\\uD800'");
}

void TestFiles::showsValuesOnOneLine()
{
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QCOMPARE(quoted(value), shown);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
