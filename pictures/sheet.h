#pragma once

#include "plan.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <limits>

class QPainter;

// The sheet an installer leaves in the building: the title, a picture of the
// cable from 950 to 2150 MHz with each userband's slot (its number and
// receiver, free ones drawn as free, conflicting ones marked) and where the
// transponders land, the checks, the receivers, and the commands, continued
// on further pages when long. PINs show as "PIN set" unless `showPins`.
class InstallationSheet
{
public:
    InstallationSheet(const Plan &plan, const QVector<Finding> &findings,
                      const QVector<PlanRow> &rows, bool showPins);

    // A4, in points; the painter paints in points too.
    static QSizeF pageSize();
    int pageCount() const { return m_pages; }

    // Paints every page in turn, or the first `mostPages` with a note at the
    // foot of the last about the others, calling `newPage` before each but
    // the first: a printer starts a new sheet there, one tall picture moves
    // the painter down a page.
    void paint(QPainter &painter, const std::function<void()> &newPage,
               int mostPages = std::numeric_limits<int>::max()) const;

    // Where userband `number`'s slot lies on the first page.
    QRectF userbandSlot(int number) const;

private:
    Plan m_plan;
    QVector<Finding> m_findings;
    QVector<PlanRow> m_rows;
    bool m_showPins;
    int m_pages = 1;
};

// PNG and SVG sheets hold at most this many pages, one below the other: a
// PNG of nine is 1190 by 15156 pixels, below the 16384 that common image
// tools open. PDF holds every page.
constexpr int kSheetPicturePages = 9;

struct SheetFile
{
    QByteArray bytes; // empty when the picture could not be encoded
    int pages = 0;
    int pagesShown = 0;
};

// The sheet as the bytes of a file of `format` ("pdf", "svg" or "png"): A4
// PDF with one page a page, or SVG or PNG with the pages one below the
// other.
SheetFile sheetFile(const InstallationSheet &sheet, const QString &format, const QString &title);
