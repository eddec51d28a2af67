#pragma once

#include "files.h"
#include "phrase.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

// What POSIX systems and Windows do each their own way. system_posix.cpp
// and system_windows.cpp answer it; the build takes one of them, and no
// other file asks which system it runs on.
namespace os {

// Writes `bytes` as `target`, a regular file or none yet, whole or not at
// all (files.h says how). Returns the system's reason for a failure, or
// nothing.
std::optional<Phrase> replaceFile(const FilePath &target, const QByteArray &bytes);

// Whether a link may be followed to write the file it names.
bool mayFollowLink(const FilePath &link);

// The folder of the running program, known before an application object
// exists.
QString programFolder();

// The toolkit's platform for drawing without showing a window: offscreen
// where there may be no display to connect to; Windows's own, which always
// has one and whose fonts are the system's, where the offscreen platform
// would find none.
const char *drawingPlatform();

// The program's arguments reach `main` as bytes to be taken as they are
// (POSIX), or as text the system has already read (Windows), which the
// application object gives.
bool argumentsAreBytes();

// A closed stdin, stdout or stderr is opened on the null device, so that
// no file the program opens takes its place; false when stdout was closed.
bool keepStandardStreamsFilled();

bool isTerminal(std::FILE *stream);

// Writes UTF-8 `text` to a standard stream and flushes it: a console gets
// it in the console's own way, anything else the bytes. False when not all
// of it arrived, errno saying why.
bool writeText(std::FILE *stream, const QByteArray &text);

// While it lives, Ctrl+C and a termination request call `stop` once, from
// a thread of their own, instead of ending the program.
class Interrupts
{
public:
    explicit Interrupts(std::function<void()> stop);
    ~Interrupts();
    Interrupts(const Interrupts &) = delete;
    Interrupts &operator=(const Interrupts &) = delete;

    bool happened() const;

private:
    struct Watch;
    std::unique_ptr<Watch> watch;
};

} // namespace os
