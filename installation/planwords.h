#pragma once

#include "plan.h"

#include <limits>

// The plan reader's and the checks' words, shared by the files that say
// them.
namespace planwords {

// What the user or the file gave, which no language changes.
inline Phrase plain(const QString &text)
{
    return Phrase::plainText(text.toStdString());
}
inline Phrase number(long long n)
{
    return Phrase::number(n);
}

inline Phrase notAStandard(const QString &given)
{
    return Phrase(PHRASE_WORDS("Phrase", "%1 is not EN 50494 or EN 50607"), {plain(quoted(given))});
}
inline Phrase beyondWholeNumbers(Phrase given)
{
    return Phrase(PHRASE_WORDS("Phrase", "%1 is beyond the whole numbers a plan holds (%2..%3)"),
                  {std::move(given), number(std::numeric_limits<int>::min()),
                   number(std::numeric_limits<int>::max())});
}

[[noreturn]] inline void wrong(const QString &path, Phrase what)
{
    throw PlanError(path, std::move(what));
}

} // namespace planwords
