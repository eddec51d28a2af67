// Writing files whole or not at all on Windows: a read-only file refused,
// the old file's attributes kept, and what a writer that was ended outright
// left behind removed once its process is gone.

#include "contents.h"
#include "files.h"

#include <QtTest>

#include <windows.h>

class TestWindowsFiles : public QObject
{
    Q_OBJECT

private slots:
    void keepsWhatTheOldFileWas_data();
    void keepsWhatTheOldFileWas();
    void removesWhatAGoneWriterLeft_data();
    void removesWhatAGoneWriterLeft();
};

namespace {

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

void TestWindowsFiles::keepsWhatTheOldFileWas_data()
{
    QTest::addColumn<int>("attributes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a plain file") << int(FILE_ATTRIBUTE_ARCHIVE) << true;
    QTest::newRow("a hidden file, kept so") << int(FILE_ATTRIBUTE_HIDDEN) << true;
    QTest::newRow("a read-only file is refused") << int(FILE_ATTRIBUTE_READONLY) << false;
}

void TestWindowsFiles::keepsWhatTheOldFileWas()
{
    QFETCH(int, attributes);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString path = folder.filePath("plan.json");
    const QByteArray old = "old\n", bytes = "new\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    QVERIFY(SetFileAttributesW(wide(path).c_str(), DWORD(attributes)));

    QCOMPARE(!saveFile(filePath(path), bytes), saved);
    QCOMPARE(contents(path), saved ? bytes : old);
    const DWORD after = GetFileAttributesW(wide(path).c_str());
    const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    QCOMPARE(int(after & kept), attributes & int(kept));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{"plan.json"});
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

void TestWindowsFiles::removesWhatAGoneWriterLeft_data()
{
    QTest::addColumn<bool>("writerGone");
    QTest::newRow("its process is gone") << true;
    QTest::newRow("its process still writes") << false;
}

void TestWindowsFiles::removesWhatAGoneWriterLeft()
{
    QFETCH(bool, writerGone);
    QTemporaryDir folder;
    // A process number no process has: they are multiples of four.
    const QString left =
        QStringLiteral(".vantir-%1-0").arg(writerGone ? 4000001 : int(GetCurrentProcessId()));
    {
        QFile file(folder.filePath(left));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("half") == 4);
    }
    QVERIFY(!saveFile(filePath(folder.filePath("out.txt")), "new\n"));
    QStringList expected{"out.txt"};
    if (!writerGone)
        expected.prepend(left);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

QTEST_GUILESS_MAIN(TestWindowsFiles)
#include "tst_files_windows.moc"
