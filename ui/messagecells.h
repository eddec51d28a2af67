#pragma once

#include "recording.h"

#include <QStringList>

// A message's row in the lists of the recording reader and of listening:
// when, its bytes, whether every bit held (or what went wrong), and what
// it means.
QStringList messageCells(const ReadMessage &read);
