#pragma once

#include "plan.h"

#include <QString>

// The sheet an installer leaves in the building: the title, a picture of the
// cable from 950 to 2150 MHz with each userband's slot (its number and
// receiver, free ones drawn as free, conflicting ones marked) and where the
// transponders land, the receivers, and the commands, continued on further
// pages when long. A4, as PDF, or as SVG or PNG with the pages one below the
// other, by the file's extension. PINs show as "PIN set" unless `showPins`.
// Returns why it could not be written, or nothing.
QString saveSheet(const QString &path, const Plan &plan, const QVector<Finding> &findings,
                  const QVector<PlanRow> &rows, bool showPins);

// The x of a frequency on the sheet's picture of the cable, in points from
// the page's left edge.
double cableX(double megahertz);
