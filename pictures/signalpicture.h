#pragma once

#include "linesignal.h"

#include <QRectF>
#include <QString>

class QFont;
class QPainter;

// A picture of a command on the line: the supply with its step up and down,
// the tone bursts, each bit labelled 0 or 1 with the parity bits marked, and
// the bytes with their hex values. `title` names the command.

// Painted into `area` with `font` as its text: the text keeps its size
// and the drawing fits the area, so that it reads alike in a small window
// and in a large file. Below signalPictureMinimum() for that font, parts
// of it fall outside the area.
void paintSignalPicture(QPainter &painter, const linesignal::LineSignal &signal,
                        const QString &title, const QRectF &area, const QFont &font);
QSizeF signalPictureMinimum(const QFont &font);

// The bytes of an SVG or PNG file of the same painting; empty when the
// picture could not be encoded.
QByteArray signalPictureFile(const linesignal::LineSignal &signal, const QString &title, bool svg);
