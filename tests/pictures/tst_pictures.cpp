// The sheet as painted: each userband's slot at the x of its frequency on a
// cable from 950 to 2150 MHz, filled as in use, shared or free; and the sheet
// grows by pages, not off its page.

#include "planfile.h"
#include "sheet.h"

#include <QPainter>
#include <QtTest>

namespace {

const QColor kPaper(Qt::white), kInUse(200, 220, 245), kConflict(240, 120, 110);

// The first page painted at a point a pixel.
QImage firstPage(const InstallationSheet &sheet)
{
    QImage image(InstallationSheet::pageSize().toSize(), QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    bool first = true;
    // Later pages go below the image, where nothing lands.
    sheet.paint(painter, [&] {
        painter.translate(0, first ? InstallationSheet::pageSize().height() : 0);
        first = false;
    });
    return image;
}

Plan planOf(const QByteArray &receivers, int transponders = 1)
{
    QByteArray list = "\"11493H\"";
    for (int i = 1; i < transponders; ++i)
        list += ", \"" + QByteArray::number(10700 + i) + "V\"";
    return readPlan("{\"unit\": {\"standard\": \"EN 50607\", \"userbands\": [1000, 1500, 2000, "
                    "2150]}, \"receivers\": [" +
                    receivers + "], \"transponders\": [" + list + "]}");
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void slotsLandAtTheirFrequency_data();
    void slotsLandAtTheirFrequency();
    void longTablesTakeMorePages();
};

void TestPictures::slotsLandAtTheirFrequency_data()
{
    QTest::addColumn<int>("userband");
    QTest::addColumn<double>("centre"); // points from the page's left edge
    QTest::addColumn<QColor>("fill");
    // 495 points of page for 1200 MHz, from 60 points in.
    QTest::newRow("in use, 1000 MHz") << 1 << 60 + 50 * 495 / 1200.0 << kInUse;
    QTest::newRow("shared, 1500 MHz") << 2 << 60 + 550 * 495 / 1200.0 << kConflict;
    QTest::newRow("free, 2000 MHz") << 3 << 60 + 1050 * 495 / 1200.0 << kPaper;
    QTest::newRow("in use, at the cable's end") << 4 << 555.0 << kInUse;
}

void TestPictures::slotsLandAtTheirFrequency()
{
    QFETCH(int, userband);
    QFETCH(double, centre);
    QFETCH(QColor, fill);
    const Plan plan =
        planOf("{\"name\": \"a\", \"userband\": 1}, {\"name\": \"b\", \"userband\": 2},"
               "{\"name\": \"c\", \"userband\": 2}, {\"name\": \"d\", \"userband\": 4}");
    const InstallationSheet sheet(plan, checkPlan(plan), planTable(plan), false);
    const QRectF slot = sheet.userbandSlot(userband);
    QCOMPARE(qRound(slot.center().x() * 10), qRound(centre * 10));
    // As wide as the unit's bandwidth; 20 MHz where the plan gives none.
    Plan wide = plan;
    wide.bandwidth = 60;
    const InstallationSheet wideSheet(wide, checkPlan(wide), planTable(wide), false);
    QCOMPARE(qRound(slot.width() * 10), qRound(20 * 495 / 1200.0 * 10));
    QCOMPARE(qRound(wideSheet.userbandSlot(userband).center().x() * 10), qRound(centre * 10));
    QCOMPARE(qRound(wideSheet.userbandSlot(userband).width() * 10), qRound(60 * 495 / 1200.0 * 10));
    // Beside the transponders' lines, which run through the middle.
    const QPoint inside(qRound(slot.left() + 2), qRound(slot.top() + 4));
    QCOMPARE(QColor(firstPage(sheet).pixel(inside)), fill);
}

void TestPictures::longTablesTakeMorePages()
{
    const Plan one = planOf("{\"name\": \"a\", \"userband\": 1}");
    QCOMPARE(InstallationSheet(one, checkPlan(one), planTable(one), false).pageCount(), 1);
    // 4 receivers on 100 transponders: 400 rows of 13 points.
    const Plan many =
        planOf("{\"name\": \"a\", \"userband\": 1}, {\"name\": \"b\", \"userband\": 2},"
               "{\"name\": \"c\", \"userband\": 3}, {\"name\": \"d\", \"userband\": 4}",
               100);
    const InstallationSheet sheet(many, checkPlan(many), planTable(many), false);
    QCOMPARE(sheet.pageCount(), 8);
    int pages = 1;
    QImage image(InstallationSheet::pageSize().toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    sheet.paint(painter, [&pages] { ++pages; });
    QCOMPARE(pages, sheet.pageCount());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
