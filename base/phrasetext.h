#pragma once

#include "phrase.h"

#include <QString>

// A message of the libraries in the window's language: its words looked up
// in the catalogue, each part in turn, then filled in.
QString phraseText(const Phrase &phrase);
