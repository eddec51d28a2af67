#include "files.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kMostLinks = 40; // as the system allows

QString reason(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message().c_str());
}

QString reason(int error)
{
    return reason(std::error_code(error, std::generic_category()));
}

const QString kNotRegular = QStringLiteral("not a regular file");

#ifndef _WIN32

// A link in a folder that anyone may write to and only owners may delete
// from (such as /tmp) is followed only when it is the caller's or the
// folder owner's: another user may have laid it there to turn a write
// elsewhere, as the system itself refuses for its own opens.
bool mayFollow(const fs::path &link)
{
    struct stat folder, own;
    const fs::path parent = link.has_parent_path() ? link.parent_path() : fs::path(".");
    if (::stat(parent.c_str(), &folder) != 0 || ::lstat(link.c_str(), &own) != 0)
        return true; // the reading of the link itself will say why
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || own.st_uid == ::geteuid() || own.st_uid == folder.st_uid;
}

#endif

// The file a chain of links ends at, which need not exist yet; empty with
// `error` set when the chain cannot or may not be followed.
fs::path followLinks(fs::path path, QString &error)
{
    for (int hops = 0;; ++hops) {
        std::error_code code;
        const fs::file_status status = fs::symlink_status(path, code);
        if (code && code != std::errc::no_such_file_or_directory) {
            error = reason(code);
            return {};
        }
        if (!fs::is_symlink(status))
            return path;
        if (hops == kMostLinks) {
            error = reason(ELOOP);
            return {};
        }
#ifndef _WIN32
        if (!mayFollow(path)) {
            error = QStringLiteral("a link in a shared folder that another user owns");
            return {};
        }
#endif
        const fs::path next = fs::read_symlink(path, code);
        if (code) {
            error = reason(code);
            return {};
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
}

#ifndef _WIN32

// Writes all of `bytes`, through interruptions and short writes.
bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// While a temporary file has a name, an interrupt or a termination removes
// it before the signal takes its course: nothing is left behind but the
// old file.
char temporaryName[PATH_MAX];
volatile sig_atomic_t temporaryNamed = 0;
constexpr int kCleanedSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction previousActions[std::size(kCleanedSignals)];

void removeTemporary(int signal)
{
    if (temporaryNamed)
        ::unlink(temporaryName);
    temporaryNamed = 0;
    // The signal again, as it was handled before: it is held until this
    // handler returns.
    for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i) {
        if (kCleanedSignals[i] == signal)
            ::sigaction(signal, &previousActions[i], nullptr);
    }
    ::raise(signal);
}

// Holds the name of the temporary file for the signal handlers above, for
// as long as it has one; one writer at a time.
class NamedTemporary
{
public:
    explicit NamedTemporary(const fs::path &name)
    {
        lock.lock();
        std::strncpy(temporaryName, name.c_str(), sizeof temporaryName - 1);
        temporaryNamed = 1;
        struct sigaction action = {};
        action.sa_handler = removeTemporary;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i)
            ::sigaction(kCleanedSignals[i], &action, &previousActions[i]);
    }
    ~NamedTemporary()
    {
        for (std::size_t i = 0; i < std::size(kCleanedSignals); ++i)
            ::sigaction(kCleanedSignals[i], &previousActions[i], nullptr);
        temporaryNamed = 0;
        lock.unlock();
    }
    NamedTemporary(const NamedTemporary &) = delete;
    NamedTemporary &operator=(const NamedTemporary &) = delete;

private:
    static std::mutex lock;
};

std::mutex NamedTemporary::lock;

// A short name of our own in `folder`, whatever the length of the target's.
const std::string kTemporaryPrefix = ".vantir-";

fs::path temporaryIn(const fs::path &folder, int attempt)
{
    return folder / (kTemporaryPrefix + std::to_string(::getpid()) + "-" + std::to_string(attempt));
}

// A writer killed outright in the instant its file had a name left it
// behind: the next write to the folder removes it, when its process is gone
// and the file is the caller's.
void removeStale(const fs::path &folder)
{
    DIR *entries = ::opendir(folder.c_str());
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (name.compare(0, kTemporaryPrefix.size(), kTemporaryPrefix) != 0)
            continue;
        char *end = nullptr;
        const long pid = std::strtol(name.c_str() + kTemporaryPrefix.size(), &end, 10);
        struct stat own;
        const fs::path path = folder / name;
        if (pid > 0 && *end == '-' && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH &&
            ::lstat(path.c_str(), &own) == 0 && S_ISREG(own.st_mode) && own.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
    ::closedir(entries);
}

QString writeBeside(const fs::path &target, const QByteArray &bytes)
{
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // The caller must be able to write the file itself, as the shell's >
    // would: a rename would otherwise replace a file it may only read.
    if (exists) {
        const int probe = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0)
            return reason(errno);
        ::close(probe);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // A file without a name until it is whole, where the file system has
    // them: a kill at any moment leaves nothing behind.
    bool unnamed = true;
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    fs::path temporary;
    std::optional<NamedTemporary> named;
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        unnamed = false;
        for (int attempt = 0; fd < 0; ++attempt) {
            temporary = temporaryIn(folder, attempt);
            named.emplace(temporary);
            fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && (errno != EEXIST || attempt == 100)) {
                const int error = errno;
                named.reset();
                return reason(error);
            }
        }
    }
    if (fd < 0)
        return reason(errno);
    int error = 0;
    // The old file's owner and group where the caller may give them, then
    // its permissions (a change of owner clears set-ID bits).
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)!::fchown(fd, uid_t(-1), old.st_gid);
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (!error && !writeAll(fd, bytes))
        error = errno ? errno : EIO;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (!error && unnamed) {
        // Named only for the instant before it replaces the target.
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        for (int attempt = 0;; ++attempt) {
            temporary = temporaryIn(folder, attempt);
            named.emplace(temporary);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) ==
                0)
                break;
            named.reset();
            if (errno != EEXIST || attempt == 100) {
                error = errno;
                temporary.clear();
                break;
            }
        }
    }
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error && !temporary.empty())
        ::unlink(temporary.c_str());
    named.reset();
    if (!error)
        removeStale(folder);
    return error ? reason(error) : QString();
}

#else

QString writeBeside(const fs::path &target, const QByteArray &bytes)
{
    QSaveFile file(QString::fromStdWString(target.wstring()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    return file.commit() ? QString() : file.errorString();
}

#endif

} // namespace

FilePath filePath(const QString &name)
{
#ifdef _WIN32
    return FilePath(name.toStdWString());
#else
    return FilePath(QFile::encodeName(name).toStdString());
#endif
}

QString saveFile(const FilePath &path, const QByteArray &bytes)
{
    QString error;
    const fs::path target = followLinks(path, error);
    if (target.empty())
        return error;
    std::error_code code;
    const fs::file_status status = fs::status(target, code);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return kNotRegular;
    return writeBeside(target, bytes);
}

bool readFile(const FilePath &path, qint64 most, const QString &tooLarge, QByteArray &bytes,
              QString &error)
{
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (code) {
        error = reason(code);
        return false;
    }
    if (!fs::is_regular_file(status)) {
        error = kNotRegular;
        return false;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = reason(errno ? errno : EIO);
        return false;
    }
    QByteArray read;
    char chunk[1 << 16];
    while (file && read.size() <= most) {
        file.read(chunk, sizeof chunk);
        read.append(chunk, int(file.gcount()));
    }
    if (file.bad()) {
        error = reason(errno ? errno : EIO);
        return false;
    }
    if (read.size() > most) {
        error = tooLarge;
        return false;
    }
    bytes = read;
    return true;
}
