// Writing files whole or not at all on a POSIX system: permissions and
// owners kept, links followed where that is safe, other users' files
// refused, and nothing left behind by a writer that is killed.

#include "contents.h"
#include "files.h"

#include <QtTest>

#include <csignal>
#include <random>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestPosixFiles : public QObject
{
    Q_OBJECT

private slots:
    void savesWhole_data();
    void savesWhole();
    void refusesWhatTheCallerMayNotWrite_data();
    void refusesWhatTheCallerMayNotWrite();
    void savesUnderTheLongestName();
    void leavesNothingWhenKilled_data();
    void leavesNothingWhenKilled();
};

void TestPosixFiles::savesWhole_data()
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

void TestPosixFiles::savesWhole()
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

    QCOMPARE(!saveFile(filePath(path), bytes), saved);
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

namespace {

constexpr int kNobody = 65534;

bool chownTo(const QString &path, int owner, bool link = false)
{
    const QByteArray name = QFile::encodeName(path);
    return (link ? ::lchown(name, uid_t(owner), gid_t(owner))
                 : ::chown(name, uid_t(owner), gid_t(owner))) == 0;
}

} // namespace

void TestPosixFiles::refusesWhatTheCallerMayNotWrite_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("folderOwner");
    QTest::addColumn<int>("fileOwner"); // -1: no file there yet
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("linkOwner"); // -1: the file itself; else a link to it
    QTest::addColumn<int>("writer");
    QTest::addColumn<bool>("saved");
    const int root = 0, nobody = kNobody, none = -1;
    QTest::newRow("another's file in a folder anyone may write")
        << 0777 << root << root << 0644 << none << nobody << false;
    QTest::newRow("its own read-only file")
        << 0777 << root << nobody << 0444 << none << nobody << false;
    QTest::newRow("its own file") << 0755 << nobody << nobody << 0644 << none << nobody << true;
    QTest::newRow("a new file where it may") << 0777 << root << none << 0 << none << nobody << true;
    QTest::newRow("a new file where it may not")
        << 0755 << root << none << 0 << none << nobody << false;
    QTest::newRow("another's file, kept theirs")
        << 0755 << root << nobody << 0640 << none << root << true;
    QTest::newRow("a link another laid in a shared folder")
        << 01777 << root << root << 0644 << nobody << root << false;
    QTest::newRow("its own link in a shared folder")
        << 01777 << root << root << 0644 << root << root << true;
    QTest::newRow("the folder owner's link in a shared folder")
        << 01777 << nobody << root << 0644 << nobody << root << true;
    QTest::newRow("another's link in a folder not shared")
        << 0777 << root << root << 0644 << nobody << root << true;
}

// Run as another user in a child process, as the system sees it: nothing
// is replaced that the writer could not have written with the shell's >.
void TestPosixFiles::refusesWhatTheCallerMayNotWrite()
{
    QFETCH(int, folderMode);
    QFETCH(int, folderOwner);
    QFETCH(int, fileOwner);
    QFETCH(int, fileMode);
    QFETCH(int, linkOwner);
    QFETCH(int, writer);
    QFETCH(bool, saved);
    if (::geteuid() != 0)
        QSKIP("needs root, to write as other users");
    QTemporaryDir base;
    QVERIFY(QFile::setPermissions(base.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                   QFileDevice::ExeOther));
    const QString folder = base.filePath("folder"), path = folder + "/out.txt";
    const QString file = linkOwner >= 0 ? base.filePath("victim.txt") : path;
    QVERIFY(QDir(base.path()).mkdir("folder"));
    QVERIFY(::chmod(QFile::encodeName(folder), mode_t(folderMode)) == 0 &&
            chownTo(folder, folderOwner));
    const QByteArray old = "old\n", bytes = "new\n";
    if (fileOwner >= 0) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        f.close();
        QVERIFY(::chmod(QFile::encodeName(file), mode_t(fileMode)) == 0 &&
                chownTo(file, fileOwner));
    }
    if (linkOwner >= 0)
        QVERIFY(QFile::link(file, path) && chownTo(path, linkOwner, true));

    const pid_t child = ::fork();
    if (child == 0) {
        if (writer != 0 && (::setgid(gid_t(writer)) != 0 || ::setuid(uid_t(writer)) != 0))
            ::_exit(2);
        ::_exit(saveFile(filePath(path), bytes) ? 1 : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) != 2);
    QCOMPARE(WEXITSTATUS(status) == 0, saved);
    QCOMPARE(contents(file), saved ? bytes : fileOwner >= 0 ? old : QByteArray("(none)"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
             saved || fileOwner >= 0 || linkOwner >= 0 ? QStringList{"out.txt"} : QStringList{});
    struct stat after;
    if (saved) {
        QCOMPARE(::stat(QFile::encodeName(file), &after), 0);
        QCOMPARE(int(after.st_uid), fileOwner >= 0 ? fileOwner : writer);
    }
}

// The temporary file's name is short whatever the target's.
void TestPosixFiles::savesUnderTheLongestName()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(255, 'n'));
    QVERIFY(!saveFile(filePath(path), "new\n"));
    QCOMPARE(contents(path), QByteArray("new\n"));
    QVERIFY(saveFile(filePath(path + "n"), "new\n"));
}

void TestPosixFiles::leavesNothingWhenKilled_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGKILL") << int(SIGKILL);
}

// A writer interrupted or terminated at any moment leaves the old file or
// the new one, whole, and nothing beside it; one killed outright may leave
// its temporary file only if it died in the instant that had a name, and
// the next write there removes it.
void TestPosixFiles::leavesNothingWhenKilled()
{
    QFETCH(int, signal);
    QTemporaryDir folder;
    const QString path = folder.filePath("out.bin");
    std::mt19937 delays{std::uint32_t(signal)};
    const int kSize = 256 << 10;
    for (int round = 0; round < 40; ++round) {
        // The signals wait until the child has dropped the test's handlers.
        sigset_t held, before;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        ::sigprocmask(SIG_BLOCK, &held, &before);
        const pid_t child = ::fork();
        if (child == 0) {
            // As a program of its own would be, and gone with the test.
            std::signal(SIGINT, SIG_DFL);
            std::signal(SIGTERM, SIG_DFL);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::sigprocmask(SIG_SETMASK, &before, nullptr);
            for (char fill = 'a';; fill = fill == 'z' ? 'a' : char(fill + 1))
                saveFile(filePath(path), QByteArray(kSize, fill));
        }
        ::sigprocmask(SIG_SETMASK, &before, nullptr);
        ::usleep(useconds_t(1000 + delays() % 20000));
        ::kill(child, signal);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        if (signal == SIGKILL && left.size() > 1) {
            QVERIFY(!saveFile(filePath(folder.filePath("other.bin")), "x"));
            QVERIFY(QFile::remove(folder.filePath("other.bin")));
            left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        }
        QVERIFY2(left.isEmpty() || left == QStringList{"out.bin"}, qPrintable(left.join(' ')));
        if (!left.isEmpty()) {
            const QByteArray bytes = contents(path);
            QCOMPARE(bytes.size(), kSize);
            QCOMPARE(bytes.count(bytes.at(0)), bytes.size());
        }
    }
}

QTEST_GUILESS_MAIN(TestPosixFiles)
#include "tst_files_posix.moc"
