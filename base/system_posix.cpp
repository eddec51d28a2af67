#include "system.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The system's own words, in the system's language.
Phrase reason(int error)
{
    return Phrase::plainText(
        QString::fromLocal8Bit(std::generic_category().message(error).c_str()).toStdString());
}

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

} // namespace

FilePath filePath(const QString &name)
{
    return FilePath(QFile::encodeName(name).toStdString());
}

namespace os {

// A link in a folder that anyone may write to and only owners may delete
// from (such as /tmp) is followed only when it is the caller's or the
// folder owner's: another user may have laid it there to turn a write
// elsewhere, as the system itself refuses for its own opens.
bool mayFollowLink(const FilePath &link)
{
    struct stat folder, own;
    const fs::path parent = link.has_parent_path() ? link.parent_path() : fs::path(".");
    if (::stat(parent.c_str(), &folder) != 0 || ::lstat(link.c_str(), &own) != 0)
        return true; // the reading of the link itself will say why
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || own.st_uid == ::geteuid() || own.st_uid == folder.st_uid;
}

std::optional<Phrase> replaceFile(const FilePath &target, const QByteArray &bytes)
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
    if (error)
        return reason(error);
    return std::nullopt;
}

QString programFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

const char *drawingPlatform()
{
    return "offscreen";
}

bool argumentsAreBytes()
{
    return true;
}

bool keepStandardStreamsFilled()
{
    bool stdoutOpen = true;
    // open() takes the lowest free descriptor, which is the closed one.
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            stdoutOpen = stdoutOpen && fd != 1;
            open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        }
    }
    return stdoutOpen;
}

bool isTerminal(std::FILE *stream)
{
    return ::isatty(::fileno(stream)) != 0;
}

bool writeText(std::FILE *stream, const QByteArray &text)
{
    return std::fwrite(text.constData(), 1, std::size_t(text.size()), stream) ==
               std::size_t(text.size()) &&
           std::fflush(stream) == 0;
}

namespace {

volatile std::sig_atomic_t interrupted = 0;
int wakeUp = -1; // the pipe's writing end, for the handler

void interrupt(int)
{
    interrupted = 1;
    const char stop = 's';
    if (wakeUp >= 0 && ::write(wakeUp, &stop, 1) < 0) {
        // Nothing to do: the flag is set, and a handler may not block.
    }
}

} // namespace

// A handler may do little but write to a pipe: a thread woken through it
// makes the call.
struct Interrupts::Watch
{
    int ends[2] = {-1, -1};
    std::thread watcher;
    void (*previousInt)(int) = nullptr;
    void (*previousTerm)(int) = nullptr;
};

Interrupts::Interrupts(std::function<void()> stop) : watch(std::make_unique<Watch>())
{
    interrupted = 0;
    if (::pipe(watch->ends) == 0) {
        wakeUp = watch->ends[1];
        watch->watcher = std::thread([this, stop = std::move(stop)] {
            char c = 0;
            while (::read(watch->ends[0], &c, 1) < 0 && errno == EINTR) {
            }
            if (c == 's')
                stop();
        });
    }
    watch->previousInt = std::signal(SIGINT, interrupt);
    watch->previousTerm = std::signal(SIGTERM, interrupt);
}

Interrupts::~Interrupts()
{
    std::signal(SIGINT, watch->previousInt);
    std::signal(SIGTERM, watch->previousTerm);
    if (watch->watcher.joinable()) {
        wakeUp = -1;
        const char end = 'e';
        if (::write(watch->ends[1], &end, 1) == 1)
            watch->watcher.join();
        else
            watch->watcher.detach();
        ::close(watch->ends[0]);
        ::close(watch->ends[1]);
    }
}

bool Interrupts::happened() const
{
    return interrupted != 0;
}

} // namespace os
