#include "files.h"

#include "system.h"

#include <cerrno>
#include <fstream>
#include <system_error>

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
        if (!os::mayFollowLink(path)) {
            error = QStringLiteral("a link in a shared folder that another user owns");
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

} // namespace

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
    return os::replaceFile(target, bytes);
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
