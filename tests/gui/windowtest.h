#pragma once

#include "failure.h"

#include <QtTest>

// What a window did not do, shown by a failing comparison.
namespace QTest {
template <> inline char *toString(const Failure &failure)
{
    return QTest::toString(failure ? *failure : QStringLiteral("(done)"));
}
} // namespace QTest
