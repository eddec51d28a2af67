#pragma once

#include "linesignal.h"

#include <QSize>
#include <QString>

class QPainter;

// A picture of a command on the line: the supply with its step up and down,
// the tone bursts, each bit labelled 0 or 1 with the parity bits marked, and
// the bytes with their hex values. `title` names the command.

// The picture's size in the painter's units.
QSize signalPictureSize();
void paintSignalPicture(QPainter &painter, const linesignal::LineSignal &signal,
                        const QString &title);

// The bytes of an SVG or PNG file of the same painting; empty when the
// picture could not be encoded.
QByteArray signalPictureFile(const linesignal::LineSignal &signal, const QString &title, bool svg);
