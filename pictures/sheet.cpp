#include "sheet.h"

#include "phrasetext.h"

#include <QCoreApplication>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <functional>

namespace {

// The sheet's own words, through the catalogue the program installed: the
// window's sheet speaks its language; the tool, which installs none, prints
// them as they stand.
QString words(const char *source)
{
    return QCoreApplication::translate("InstallationSheet", source);
}

// An A4 page in points.
constexpr double kPageWidth = 595, kPageHeight = 842, kMargin = 40;
constexpr double kCableLeft = 60, kCableRight = 555;
constexpr double kCableFrom = 950, kCableTo = 2150; // MHz
constexpr double kSlotWidth = 20;                   // MHz, when the plan gives no bandwidth
constexpr double kRow = 13;                         // a table row
constexpr double kPngScale = 2;                     // pixels a point

const QColor kInk(30, 30, 30), kGrid(150, 150, 150), kSlot(200, 220, 245), kConflict(240, 120, 110),
    kLanding(20, 70, 160);

// Lays the sheet out top to bottom and starts a new page where the next
// piece does not fit. Without a painter it only counts the pages; after
// `mostPages` it says at the foot of the last one how many it leaves out,
// and paints no further.
class Sheet
{
public:
    Sheet(QPainter *device, std::function<void()> newPage, int mostPages = 0, int totalPages = 0)
        : painter(device), startPage(std::move(newPage)), most(mostPages), total(totalPages)
    {
    }

    void need(double height)
    {
        if (y + height <= kPageHeight - kMargin)
            return;
        ++pages;
        y = kMargin;
        if (painter && pages > most) {
            font(9, true);
            text(QRectF(kMargin, kPageHeight - kMargin + 8, kPageWidth - 2 * kMargin, 14),
                 words(QT_TRANSLATE_NOOP("InstallationSheet",
                                         "Pages %1 to %2 are left out of this picture; the PDF "
                                         "sheet holds them all."))
                     .arg(most + 1)
                     .arg(total));
            painter = nullptr;
        }
        if (painter && startPage)
            startPage();
    }

    void text(const QRectF &box, const QString &line, int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        if (!painter)
            return;
        // No line on an A4 page shows more characters than this: a longer
        // text (a name of a million combining marks) is cut before it is
        // shaped, which would take its time for every character.
        constexpr int kLongest = 200;
        if (line.size() <= kLongest) {
            painter->drawText(box, flags, line);
            return;
        }
        const int cut = line.at(kLongest - 1).isHighSurrogate() ? kLongest - 1 : kLongest;
        painter->drawText(box, flags, line.left(cut) + QChar(0x2026));
    }

    void font(double points, bool bold = false)
    {
        if (!painter)
            return;
        // The sheet is laid out in points, and the painter scaled to them on
        // any device; the font is given in the same units, whatever the
        // device's resolution.
        QFont f(QStringLiteral("Sans Serif"));
        f.setPointSizeF(points * 72.0 / painter->device()->logicalDpiY());
        f.setBold(bold);
        painter->setFont(f);
    }

    // One row of a table at the cursor; columns start at the given x.
    void row(const QVector<double> &columns, const QStringList &cells, bool bold = false)
    {
        need(kRow);
        font(8, bold);
        for (int i = 0; i < cells.size(); ++i) {
            const double right = i + 1 < columns.size() ? columns[i + 1] : kPageWidth - kMargin;
            text(QRectF(columns[i], y, right - columns[i] - 4, kRow), cells[i]);
        }
        y += kRow;
    }

    void heading(const QString &title)
    {
        need(3 * kRow);
        y += kRow / 2;
        font(11, true);
        text(QRectF(kMargin, y, kPageWidth - 2 * kMargin, 18), title);
        y += 20;
    }

    QPainter *painter;
    double y = kMargin;
    int pages = 1;

private:
    std::function<void()> startPage;
    int most;
    int total;
};

QString pinText(const Plan::Receiver &r, bool showPins)
{
    if (!r.pin)
        return words(QT_TRANSLATE_NOOP("InstallationSheet", "none"));
    return showPins ? QString::number(*r.pin)
                    : words(QT_TRANSLATE_NOOP("InstallationSheet", "PIN set"));
}

QString nameOf(Standard standard)
{
    return QString::fromLatin1(standardName(standard));
}

double cableX(double megahertz)
{
    return kCableLeft +
           (megahertz - kCableFrom) / (kCableTo - kCableFrom) * (kCableRight - kCableLeft);
}

// The cable picture's slots span these heights below the top of its block.
constexpr double kSlotTop = 28, kSlotHeight = 60;

QRectF slotRect(const Plan &plan, int number, double top)
{
    const double width = plan.bandwidth > 0 ? plan.bandwidth : kSlotWidth;
    const int f = plan.userbands[number - 1];
    return QRectF(cableX(f - width / 2), top, cableX(f + width / 2) - cableX(f - width / 2),
                  kSlotHeight);
}

// Below the title, the line about the unit and the legend.
constexpr double kCableBlockTop = kMargin + 28 + 16;

// The cable from 950 to 2150 MHz: a slot for each userband, its number
// above, its receivers below, the transponders' landing frequencies in it.
void drawCable(Sheet &sheet, const Plan &plan, const QVector<Finding> &findings,
               const QVector<PlanRow> &rows)
{
    QPainter *p = sheet.painter;
    const double top = sheet.y + kSlotTop, bottom = top + kSlotHeight;
    sheet.y = bottom + 100;
    if (!p)
        return;
    p->setPen(QPen(kGrid, 0.5));
    sheet.font(6.5);
    for (int f = 1000; f <= 2100; f += 100) {
        p->drawLine(QPointF(cableX(f), bottom), QPointF(cableX(f), bottom + 4));
        sheet.text(QRectF(cableX(f) - 20, bottom + 4, 40, 10), QString::number(f), Qt::AlignCenter);
    }
    p->setPen(QPen(kInk, 1));
    p->drawLine(QPointF(kCableLeft, bottom), QPointF(kCableRight, bottom));
    sheet.text(QRectF(kCableLeft, bottom + 14, 200, 10),
               words(QT_TRANSLATE_NOOP("InstallationSheet", "MHz on the cable")));

    for (int n = 1; n <= plan.userbands.size(); ++n) {
        QStringList names;
        for (const Plan::Receiver &r : plan.receivers) {
            if (r.userband == n)
                names << r.name;
        }
        const bool conflict = std::any_of(findings.begin(), findings.end(), [n](const Finding &x) {
            return x.isError() && x.userbands.contains(n);
        });
        const QRectF slot = slotRect(plan, n, top);
        if (names.isEmpty()) {
            p->setPen(QPen(kGrid, 0.8, Qt::DashLine));
            p->setBrush(Qt::NoBrush);
        } else {
            p->setPen(QPen(kInk, 0.5));
            p->setBrush(conflict ? kConflict : kSlot);
        }
        p->drawRect(slot);
        p->setPen(kInk);
        sheet.font(6.5, true);
        sheet.text(QRectF(slot.center().x() - 10, top - 11, 20, 10), QString::number(n),
                   Qt::AlignCenter);
        // Names run downwards under the scale, one slot wide each.
        p->save();
        p->translate(slot.center().x() - 3, bottom + 26);
        p->rotate(90);
        sheet.font(6.5);
        sheet.text(QRectF(0, -4, 80, 8), names.isEmpty()
                                             ? words(QT_TRANSLATE_NOOP("InstallationSheet", "free"))
                                             : names.join(QLatin1String(", ")));
        p->restore();
        p->setPen(QPen(kLanding, 0.8));
        for (const PlanRow &row : rows) {
            if (row.encoded() && plan.receivers[row.receiver].userband == n)
                p->drawLine(QPointF(cableX(row.landing), top + 8),
                            QPointF(cableX(row.landing), bottom - 8));
        }
    }
    p->setBrush(Qt::NoBrush);
    p->setPen(kInk);
}

void drawSheet(Sheet &sheet, const Plan &plan, const QVector<Finding> &findings,
               const QVector<PlanRow> &rows, bool showPins)
{
    sheet.font(18, true);
    Q_ASSERT(sheet.y == kMargin);
    sheet.text(QRectF(kMargin, sheet.y, kPageWidth - 2 * kMargin, 26),
               plan.installation.isEmpty()
                   ? words(QT_TRANSLATE_NOOP("InstallationSheet", "Single-cable installation"))
                   : plan.installation);
    sheet.y += 28;
    QStringList about{words(QT_TRANSLATE_NOOP("InstallationSheet", "%1 unit with %2 userbands"))
                          .arg(nameOf(plan.standard))
                          .arg(plan.userbands.size())};
    if (plan.bandwidth > 0)
        about << words(QT_TRANSLATE_NOOP("InstallationSheet", "%1 MHz wide")).arg(plan.bandwidth);
    for (auto it = plan.positions.begin(); it != plan.positions.end(); ++it)
        about << words(QT_TRANSLATE_NOOP("InstallationSheet", "position %1: %2"))
                     .arg(QString::fromStdString(positionName(it.key())), it.value());
    sheet.font(9);
    sheet.text(QRectF(kMargin, sheet.y, kPageWidth - 2 * kMargin, 14),
               about.join(QLatin1String("; ")));
    sheet.y += 16;
    Q_ASSERT(sheet.y == kCableBlockTop);
    sheet.font(7);
    sheet.text(
        QRectF(kMargin, sheet.y, kPageWidth - 2 * kMargin, 12),
        words(QT_TRANSLATE_NOOP("InstallationSheet",
                                "Slots: the userbands, in use (blue), shared or too close (red), "
                                "free (dashed); lines in them: where the transponders land.")));
    drawCable(sheet, plan, findings, rows);

    if (!findings.isEmpty()) {
        sheet.heading(words(QT_TRANSLATE_NOOP("InstallationSheet", "Checks")));
        for (const Finding &f : findings)
            sheet.row({kMargin, kMargin + 60, kMargin + 170},
                      {f.isError() ? words(QT_TRANSLATE_NOOP("InstallationSheet", "error"))
                                   : words(QT_TRANSLATE_NOOP("InstallationSheet", "note")),
                       phraseText(findingSubject(plan, f)), phraseText(f.text)});
    }

    sheet.heading(words(QT_TRANSLATE_NOOP("InstallationSheet", "Receivers")));
    const QVector<double> receiverColumns{kMargin, 220, 290, 350, 430};
    sheet.row(receiverColumns,
              {words(QT_TRANSLATE_NOOP("InstallationSheet", "Receiver")),
               words(QT_TRANSLATE_NOOP("InstallationSheet", "Userband")), QStringLiteral("MHz"),
               words(QT_TRANSLATE_NOOP("InstallationSheet", "Standard")), QStringLiteral("PIN")},
              true);
    for (const Plan::Receiver &r : plan.receivers) {
        sheet.row(receiverColumns,
                  {r.name, QString::number(r.userband),
                   hasUserband(plan, r.userband) ? QString::number(plan.userbands[r.userband - 1])
                                                 : QStringLiteral("-"),
                   nameOf(r.standard), pinText(r, showPins)});
    }

    sheet.heading(words(QT_TRANSLATE_NOOP("InstallationSheet", "Commands")));
    const QVector<double> commandColumns{kMargin, 200, 290, 450};
    const QStringList header{words(QT_TRANSLATE_NOOP("InstallationSheet", "Receiver")),
                             words(QT_TRANSLATE_NOOP("InstallationSheet", "Transponder")),
                             words(QT_TRANSLATE_NOOP("InstallationSheet", "Command")),
                             words(QT_TRANSLATE_NOOP("InstallationSheet", "Lands at"))};
    sheet.row(commandColumns, header, true);
    int shownPage = sheet.pages;
    for (const PlanRow &row : rows) {
        sheet.need(kRow);
        if (sheet.pages != shownPage) { // the header again on each page
            shownPage = sheet.pages;
            sheet.row(commandColumns, header, true);
        }
        const Transponder &t = plan.transponders[row.transponder];
        // The sheet does not give the PIN away.
        sheet.row(commandColumns, {plan.receivers[row.receiver].name, transponderLabel(t),
                                   row.encoded() ? row.hexText(showPins) : phraseText(row.problem),
                                   row.encoded() ? QStringLiteral("%1 MHz").arg(row.landing)
                                                 : QStringLiteral("-")});
    }
}

} // namespace

InstallationSheet::InstallationSheet(const Plan &plan, const QVector<Finding> &findings,
                                     const QVector<PlanRow> &rows, bool showPins)
    : m_plan(plan), m_findings(findings), m_rows(rows), m_showPins(showPins)
{
    Sheet counting(nullptr, {});
    drawSheet(counting, plan, findings, rows, showPins);
    m_pages = counting.pages;
}

QSizeF InstallationSheet::pageSize()
{
    return QSizeF(kPageWidth, kPageHeight);
}

void InstallationSheet::paint(QPainter &painter, const std::function<void()> &newPage,
                              int mostPages) const
{
    Sheet sheet(&painter, newPage, mostPages, m_pages);
    drawSheet(sheet, m_plan, m_findings, m_rows, m_showPins);
}

QRectF InstallationSheet::userbandSlot(int number) const
{
    return hasUserband(m_plan, number) ? slotRect(m_plan, number, kCableBlockTop + kSlotTop)
                                       : QRectF();
}

SheetFile sheetFile(const InstallationSheet &sheet, const QString &format, const QString &title)
{
    SheetFile result;
    result.pages = sheet.pageCount();
    const bool pdf = format == QLatin1String("pdf");
    result.pagesShown = pdf ? result.pages : std::min(result.pages, kSheetPicturePages);
    const QSizeF tall(kPageWidth, kPageHeight * result.pagesShown);
    QBuffer buffer(&result.bytes);
    buffer.open(QIODevice::WriteOnly);
    if (pdf) {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("vantir"));
        QPainter painter(&writer);
        sheet.paint(painter, [&writer] { writer.newPage(); });
    } else if (format == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(tall.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), tall));
        svg.setResolution(72);
        svg.setTitle(title);
        QPainter painter(&svg);
        sheet.paint(
            painter, [&painter] { painter.translate(0, kPageHeight); }, kSheetPicturePages);
    } else {
        QImage image((tall * kPngScale).toSize(), QImage::Format_RGB32);
        // 72 dots an inch, so that a point is a pixel before the scaling.
        image.setDotsPerMeterX(int(72 / 0.0254));
        image.setDotsPerMeterY(int(72 / 0.0254));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(kPngScale, kPngScale);
            sheet.paint(
                painter, [&painter] { painter.translate(0, kPageHeight); }, kSheetPicturePages);
        }
        if (image.isNull() || !image.save(&buffer, "PNG"))
            result.bytes.clear();
    }
    return result;
}
