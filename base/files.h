#pragma once

#include "phrase.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <optional>

// Reading and writing files for every output and input of the program.

// A file's name as the system takes it: bytes on Unix, whatever they are,
// and UTF-16 on Windows.
using FilePath = std::filesystem::path;

// A name chosen as text, as in a file dialog.
FilePath filePath(const QString &name);

// Writes `bytes` as the file `path`, whole or not at all: into a temporary
// file beside it (one without a name where the file system allows, else a
// short name of its own, removed on an interrupt or termination), every
// write and the close checked, flushed to disk, then renamed over it,
// keeping the old file's permissions, and its owner where the caller may.
// A file the caller could not open for writing is refused, as the shell's
// > would. A link is followed to the file it names, which is replaced
// there, except a link that another user laid in a shared folder such as
// /tmp; a target that exists but is not a regular file (a device, a fifo,
// a folder) is refused. On failure the old file stays as it was and the
// temporary file is removed. Returns why it failed (the system's reason,
// in the system's words), or nothing.
std::optional<Phrase> saveFile(const FilePath &path, const QByteArray &bytes);

// A file's bytes, or why it could not be read.
struct FileBytes
{
    QByteArray bytes;
    Phrase error;

    bool ok() const { return error.empty(); }
};

// Reads a regular file whole. Anything else (a fifo, a device, a folder) is
// refused before it is opened, so that nothing waits for a writer. Fails
// with the system's reason, or with `tooLarge` when the file holds more
// than `most` bytes.
FileBytes readFile(const FilePath &path, qint64 most, const Phrase &tooLarge);
