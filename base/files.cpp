#include "files.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <QSaveFile>
#else
#include <fcntl.h>
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

// The file a chain of links ends at, which need not exist yet; empty with
// `error` set when the chain cannot be followed.
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

QString writeBeside(const fs::path &target, const QByteArray &bytes)
{
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A name of our own beside the target; O_EXCL never takes another's.
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = target;
        temporary += ".vantir-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == 100))
            return reason(errno);
    }
    int error = 0;
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (!error && !writeAll(fd, bytes))
        error = errno ? errno : EIO;
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return reason(error);
    }
    return {};
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
