#pragma once

#include <QString>

#include <optional>

// Why something the window was asked to do was not done, in the window's
// language; nothing when it was done.
using Failure = std::optional<QString>;
