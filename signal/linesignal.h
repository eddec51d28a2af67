#pragma once

// The line signal both ways: commands made into the cable's signal, and
// found again in a recording of it.
#include "demodulator.h"
#include "generator.h"
