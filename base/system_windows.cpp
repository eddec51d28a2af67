#include "system.h"

#include <QFileInfo>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cwchar>
#include <fcntl.h>
#include <io.h>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The system's own words, in the system's language.
Phrase reason(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString said = length ? QString::fromWCharArray(text, int(length)).trimmed()
                          : QStringLiteral("system error %1").arg(error);
    LocalFree(text);
    // The system's sentences end in a full stop; the program's reasons do not.
    if (said.endsWith(QLatin1Char('.')))
        said.chop(1);
    return Phrase::plainText(said.toStdString());
}

// While a temporary file has a name, Ctrl+C or closing the console removes
// it before the program ends: nothing is left behind but the old file.
std::mutex temporaryLock;
std::wstring temporaryName;

BOOL WINAPI removeTemporary(DWORD)
{
    std::lock_guard<std::mutex> lock(temporaryLock);
    if (!temporaryName.empty())
        DeleteFileW(temporaryName.c_str());
    temporaryName.clear();
    return FALSE; // on to the next handler, which ends the program
}

class NamedTemporary
{
public:
    explicit NamedTemporary(const std::wstring &name)
    {
        {
            std::lock_guard<std::mutex> lock(temporaryLock);
            temporaryName = name;
        }
        SetConsoleCtrlHandler(removeTemporary, TRUE);
    }
    ~NamedTemporary()
    {
        SetConsoleCtrlHandler(removeTemporary, FALSE);
        std::lock_guard<std::mutex> lock(temporaryLock);
        temporaryName.clear();
    }
    NamedTemporary(const NamedTemporary &) = delete;
    NamedTemporary &operator=(const NamedTemporary &) = delete;
};

const std::wstring kTemporaryPrefix = L".vantir-";

std::wstring temporaryIn(const fs::path &folder, int attempt)
{
    return (folder / (kTemporaryPrefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                      std::to_wstring(attempt)))
        .wstring();
}

// A writer ended outright in the instant its file had a name left it
// behind: the next write to the folder removes it once its process is gone.
void removeStale(const fs::path &folder)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder / (kTemporaryPrefix + L"*")).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = entry.cFileName;
        wchar_t *end = nullptr;
        const unsigned long pid = std::wcstoul(name.c_str() + kTemporaryPrefix.size(), &end, 10);
        if (pid == 0 || *end != L'-' || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
        if (process) {
            CloseHandle(process);
            continue;
        }
        if (GetLastError() == ERROR_INVALID_PARAMETER) // no such process
            DeleteFileW((folder / name).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

bool writeAll(HANDLE file, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qint64>(left, 1 << 24));
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

FilePath filePath(const QString &name)
{
    return FilePath(name.toStdWString());
}

namespace os {

bool mayFollowLink(const FilePath &)
{
    // Creating a link takes a privilege or developer mode on Windows: a
    // link is laid by its folder's owner or an administrator.
    return true;
}

std::optional<Phrase> replaceFile(const FilePath &target, const QByteArray &bytes)
{
    const std::wstring name = target.wstring();
    const DWORD attributes = GetFileAttributesW(name.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // The caller must be able to write the file itself: a replacement would
    // otherwise take the place of a file it may only read.
    if (exists) {
        const HANDLE probe = CreateFileW(name.c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE)
            return reason(GetLastError());
        CloseHandle(probe);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(L".");
    HANDLE file = INVALID_HANDLE_VALUE;
    std::wstring temporary;
    std::optional<NamedTemporary> named;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = temporaryIn(folder, attempt);
        named.emplace(temporary);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (file == INVALID_HANDLE_VALUE &&
            (GetLastError() != ERROR_FILE_EXISTS || attempt == 100)) {
            const DWORD error = GetLastError();
            named.reset();
            return reason(error);
        }
    }
    DWORD error = 0;
    if (!writeAll(file, bytes) || !FlushFileBuffers(file))
        error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    if (!CloseHandle(file) && !error)
        error = GetLastError();
    // The old file's attributes, which not every ReplaceFileW keeps (Wine's
    // does not); it keeps the old file's security and streams.
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                       FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (!error && exists && (attributes & kept) &&
        !SetFileAttributesW(temporary.c_str(), attributes & kept))
        error = GetLastError();
    if (!error && exists &&
        !ReplaceFileW(name.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr))
        error = GetLastError();
    if (!error && !exists && !MoveFileExW(temporary.c_str(), name.c_str(), MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error)
        DeleteFileW(temporary.c_str());
    named.reset();
    if (!error)
        removeStale(folder);
    if (error)
        return reason(error);
    return std::nullopt;
}

QString programFolder()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size())
            return QFileInfo(QString::fromWCharArray(path.data(), int(length))).absolutePath();
        path.resize(path.size() * 2);
    }
}

const char *drawingPlatform()
{
    return "windows";
}

bool argumentsAreBytes()
{
    return false;
}

bool keepStandardStreamsFilled()
{
    // A program started without a console, or with a stream closed, has no
    // valid handle for it; the runtime's stream is reopened on NUL.
    bool stdoutOpen = true;
    for (int fd = 0; fd <= 2; ++fd) {
        if (_get_osfhandle(fd) < 0) {
            stdoutOpen = stdoutOpen && fd != 1;
            std::freopen("NUL", fd == 0 ? "r" : "w", fd == 0 ? stdin : fd == 1 ? stdout : stderr);
        }
    }
    // The answer's bytes go out as they are, the same on every system.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return stdoutOpen;
}

bool isTerminal(std::FILE *stream)
{
    DWORD mode = 0;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
}

bool writeText(std::FILE *stream, const QByteArray &text)
{
    if (!isTerminal(stream)) {
        if (std::fwrite(text.constData(), 1, std::size_t(text.size()), stream) ==
                std::size_t(text.size()) &&
            std::fflush(stream) == 0)
            return true;
        if (!errno)
            errno = EIO;
        return false;
    }
    // A console takes UTF-16 whatever its code page, which would garble
    // UTF-8 bytes.
    std::fflush(stream);
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    const std::wstring wide = QString::fromUtf8(text).toStdWString();
    std::size_t done = 0;
    while (done < wide.size()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<std::size_t>(wide.size() - done, 8192));
        if (!WriteConsoleW(handle, wide.data() + done, chunk, &written, nullptr) || written == 0) {
            errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

namespace {

std::mutex interruptLock;
std::function<void()> onInterrupt;
std::atomic<bool> interrupted{false};

// Runs on a thread the system starts for it; returning TRUE keeps the
// program running, so that what was heard is still printed.
BOOL WINAPI interrupt(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    interrupted = true;
    std::lock_guard<std::mutex> lock(interruptLock);
    if (onInterrupt) {
        onInterrupt();
        onInterrupt = nullptr;
    }
    return TRUE;
}

} // namespace

struct Interrupts::Watch
{
};

Interrupts::Interrupts(std::function<void()> stop) : watch(std::make_unique<Watch>())
{
    interrupted = false;
    {
        std::lock_guard<std::mutex> lock(interruptLock);
        onInterrupt = std::move(stop);
    }
    SetConsoleCtrlHandler(interrupt, TRUE);
}

Interrupts::~Interrupts()
{
    SetConsoleCtrlHandler(interrupt, FALSE);
    std::lock_guard<std::mutex> lock(interruptLock);
    onInterrupt = nullptr;
}

bool Interrupts::happened() const
{
    return interrupted;
}

} // namespace os
