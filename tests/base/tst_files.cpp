// Writing files whole or not at all, and reading them within a bound, as
// every output and input of the program does.

#include "files.h"
#include "shown.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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
    QTest::addColumn<QString>("target"); // what stands there before
    QTest::addColumn<int>("mode");       // of the old file
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing") << "none" << 0 << true;
    QTest::newRow("a file, its permissions kept") << "file" << 0640 << true;
    QTest::newRow("a read-only file, kept so") << "file" << 0444 << true;
    QTest::newRow("an executable, kept so") << "file" << 0751 << true;
    QTest::newRow("a link: the file it names") << "link" << 0600 << true;
    QTest::newRow("a folder is refused") << "folder" << 0 << false;
    QTest::newRow("a fifo is refused") << "fifo" << 0 << false;
}

void TestFiles::savesWhole()
{
    QFETCH(QString, target);
    QFETCH(int, mode);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath("out.txt"), real = folder.filePath("real.txt");
    const QByteArray old = "old\n", bytes = "new\n";
    const auto write = [&old](const QString &name, int permissions) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(old) == old.size() &&
               ::chmod(QFile::encodeName(name).constData(), mode_t(permissions)) == 0;
    };
    if (target == "file")
        QVERIFY(write(path, mode));
    if (target == "link")
        QVERIFY(write(real, mode) && QFile::link(real, path));
    if (target == "folder")
        QVERIFY(QDir(folder.path()).mkdir("out.txt"));
    if (target == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    const QString error = saveFile(filePath(path), bytes);
    QCOMPARE(error.isEmpty(), saved);
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot),
             target == "link" ? QStringList({"out.txt", "real.txt"}) : QStringList{"out.txt"});
    if (!saved)
        return;
    const QString written = target == "link" ? real : path;
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QVERIFY(QFileInfo(path).isSymLink() == (target == "link"));
    struct stat status;
    QCOMPARE(::stat(QFile::encodeName(written).constData(), &status), 0);
    if (mode) {
        QCOMPARE(int(status.st_mode & 07777), mode);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(int(status.st_mode & 07777), int(0666 & ~mask));
    }
}

void TestFiles::readsWithinItsBound_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("most");
    QTest::addColumn<QString>("error");
    QTest::newRow("below") << 99 << 100 << "";
    QTest::newRow("at the bound") << 100 << 100 << "";
    QTest::newRow("one over") << 101 << 100 << "too large";
    QTest::newRow("empty") << 0 << 100 << "";
}

void TestFiles::readsWithinItsBound()
{
    QFETCH(int, size);
    QFETCH(int, most);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString path = folder.filePath("in");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'x')) == size);
    file.close();
    QByteArray bytes;
    QString why;
    QCOMPARE(readFile(filePath(path), most, "too large", bytes, why), error.isEmpty());
    QCOMPARE(why, error);
    QCOMPARE(bytes.size(), error.isEmpty() ? size : bytes.size());
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
}

void TestFiles::showsValuesOnOneLine()
{
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QCOMPARE(quoted(value), shown);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
