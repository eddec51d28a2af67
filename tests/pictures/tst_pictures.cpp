// The sheet as painted: each userband's slot at the x of its frequency on a
// cable from 950 to 2150 MHz, filled as in use, shared or free; and the sheet
// grows by pages, not off its page. The signal picture's text at the size
// it is given, inside the picture, nothing written over anything else.

#include "paintedtext.h"
#include "planfile.h"
#include "sheet.h"
#include "signalpicture.h"

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

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void slotsLandAtTheirFrequency_data();
    void slotsLandAtTheirFrequency();
    void longTablesTakeMorePages();
    void signalTextFitsAtItsSize_data();
    void signalTextFitsAtItsSize();
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

void TestPictures::signalTextFitsAtItsSize_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<double>("wider"); // than the least width, times
    QTest::addColumn<double>("taller");
    QTest::addColumn<bool>("tone");
    const auto rows = [](const char *name, const QFont &font) {
        for (const bool tone : {false, true}) {
            const QByteArray what = QByteArray(name) + (tone ? ", a tone" : ", bits");
            QTest::newRow(what + ", the least room") << font << 1.0 << 1.0 << tone;
            QTest::newRow(what + ", wide and low") << font << 2.5 << 1.0 << tone;
            QTest::newRow(what + ", a screen") << font << 1.6 << 2.5 << tone;
        }
    };
    rows("13 px", pixelFont(13));
    rows("20 px", pixelFont(20));
    rows("26 px", pixelFont(26));
    QFont points(QStringLiteral("Sans Serif"));
    points.setPointSizeF(10.5);
    rows("10.5 pt", points);
}

void TestPictures::signalTextFitsAtItsSize()
{
    QFETCH(QFont, font);
    QFETCH(double, wider);
    QFETCH(double, taller);
    QFETCH(bool, tone);
    const QSizeF least = signalPictureMinimum(font);
    const QRectF area(QPointF(7, 11), QSizeF(least.width() * wider, least.height() * taller));
    const linesignal::LineSignal signal =
        tone ? linesignal::toneSignal(0.3)
             : linesignal::lineSignal({{0xE0, 0x10, 0x5C, 0x0C, 0xF6, 0x2A}});
    PaintedText device;
    {
        QPainter painter(&device);
        paintSignalPicture(painter, signal, QStringLiteral("E0 10 5C 0C F6 2A"), area, font);
    }
    const double size = QFontInfo(font).pixelSize();
    QStringList bytes;
    for (const PaintedText::Text &t : device.painted) {
        QVERIFY2(area.contains(t.box), qPrintable(t.text));
        QVERIFY2(QFontInfo(t.font).pixelSize() >= 0.8 * size, qPrintable(t.text));
        if (t.font.bold())
            bytes << t.text;
    }
    for (int i = 0; i < device.painted.size(); ++i) {
        for (int j = i + 1; j < device.painted.size(); ++j) {
            const QRectF both = device.painted[i].box.intersected(device.painted[j].box);
            QVERIFY2(both.width() < 1 || both.height() < 1,
                     qPrintable(device.painted[i].text + " over " + device.painted[j].text));
        }
    }
    // The title, then each byte over its bits.
    const QStringList expected =
        tone ? QStringList{"E0 10 5C 0C F6 2A"}
             : QStringList{"E0 10 5C 0C F6 2A", "E0", "10", "5C", "0C", "F6", "2A"};
    QCOMPARE(bytes, expected);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
