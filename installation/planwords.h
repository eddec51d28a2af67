#pragma once

#include "plan.h"

#include <QCoreApplication>

// The plan reader's and the checks' words, shared by the files that say
// them.
namespace planwords {

// The reader's and the checks' words, which a catalogue installed in the
// window translates; the tool installs none and prints them as they are.
inline QString text(const char *source)
{
    return QCoreApplication::translate("Plan", source);
}

[[noreturn]] inline void wrong(const QString &path, const QString &what)
{
    throw PlanError(path, what);
}

} // namespace planwords
