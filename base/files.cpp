#include "files.h"

#include "system.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kMostLinks = 40; // as the system allows

// The system's own words, in the system's language.
Phrase reason(const std::error_code &error)
{
    return Phrase::plainText(QString::fromLocal8Bit(error.message().c_str()).toStdString());
}

Phrase reason(int error)
{
    return reason(std::error_code(error, std::generic_category()));
}

const Phrase kNotRegular(PHRASE_WORDS("Phrase", "not a regular file"));

// The file a chain of links ends at, which need not exist yet; empty with
// `error` set when the chain cannot or may not be followed.
fs::path followLinks(fs::path path, Phrase &error)
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
            error =
                Phrase(PHRASE_WORDS("Phrase", "a link in a shared folder that another user owns"));
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

std::optional<Phrase> saveFile(const FilePath &path, const QByteArray &bytes)
{
    Phrase error;
    const fs::path target = followLinks(path, error);
    if (target.empty())
        return error;
    std::error_code code;
    const fs::file_status status = fs::status(target, code);
    if (fs::exists(status) && !fs::is_regular_file(status))
        return kNotRegular;
    return os::replaceFile(target, bytes);
}

FileBytes readFile(const FilePath &path, qint64 most, const Phrase &tooLarge)
{
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (code)
        return {{}, reason(code)};
    if (!fs::is_regular_file(status))
        return {{}, kNotRegular};
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {{}, reason(errno ? errno : EIO)};
    QByteArray read;
    char chunk[1 << 16];
    while (file && read.size() <= most) {
        file.read(chunk, sizeof chunk);
        read.append(chunk, int(file.gcount()));
    }
    if (file.bad())
        return {{}, reason(errno ? errno : EIO)};
    if (read.size() > most)
        return {{}, tooLarge};
    return {read, {}};
}
