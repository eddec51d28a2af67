// The Windows resources compiled from app/vantir.rc: one icon group named
// IDI_ICON1 in US English holding the 48 x 48, 8-bit image of the program's
// .ico, and nothing else.

#include "filebytes.h"

#include <QtTest>

namespace {

constexpr quint16 kRtIcon = 3;
constexpr quint16 kRtGroupIcon = 14;
constexpr quint16 kEnglishUs = 1033;

struct Resource
{
    QString type; // "#3" for a numeric id, else the name
    QString name;
    quint16 language = 0;
    QByteArray data;
};

// A type or name field: 0xFFFF and a number, or a NUL-terminated UTF-16 string.
QString readId(const QByteArray &data, int &at)
{
    if (le16(data, at) == 0xFFFF) {
        const QString id = QStringLiteral("#%1").arg(le16(data, at + 2));
        at += 4;
        return id;
    }
    QString name;
    while (at + 1 < data.size() && le16(data, at) != 0) {
        name += QChar(le16(data, at));
        at += 2;
    }
    at += 2;
    return name;
}

// Entries of a .res file; the first, empty one only marks the format.
QVector<Resource> readRes(const QByteArray &data)
{
    QVector<Resource> resources;
    int at = 0;
    while (at + 32 <= data.size()) {
        const quint32 dataSize = le32(data, at);
        const quint32 headerSize = le32(data, at + 4);
        int field = at + 8;
        Resource resource;
        resource.type = readId(data, field);
        resource.name = readId(data, field);
        field = (field + 3) & ~3;
        resource.language = le16(data, field + 6);
        resource.data = data.mid(at + int(headerSize), int(dataSize));
        if (dataSize > 0)
            resources.append(resource);
        at = (at + int(headerSize) + int(dataSize) + 3) & ~3;
    }
    return resources;
}

} // namespace

class TestWindowsResource : public QObject
{
    Q_OBJECT

private slots:
    void carriesTheIconGroup();
};

void TestWindowsResource::carriesTheIconGroup()
{
    const QByteArray ico = readFile(QStringLiteral(VANTIR_ICO_PATH));
    const QVector<Resource> resources = readRes(readFile(QStringLiteral(VANTIR_RES_PATH)));
    QCOMPARE(resources.size(), 2);

    const Resource &image = resources[0];
    QCOMPARE(image.type, QStringLiteral("#%1").arg(kRtIcon));
    QCOMPARE(image.name, QStringLiteral("#1"));
    QCOMPARE(image.language, kEnglishUs);
    QCOMPARE(image.data, ico.mid(int(le32(ico, 18)), int(le32(ico, 14))));
    QCOMPARE(image.data.size(), 3752);

    const Resource &group = resources[1];
    QCOMPARE(group.type, QStringLiteral("#%1").arg(kRtGroupIcon));
    QCOMPARE(group.name, QStringLiteral("IDI_ICON1"));
    QCOMPARE(group.language, kEnglishUs);
    const QByteArray &g = group.data;
    QCOMPARE(g.size(), 6 + 14);
    QCOMPARE(le16(g, 0), quint16(0)); // reserved
    QCOMPARE(le16(g, 2), quint16(1)); // icon, not cursor
    QCOMPARE(le16(g, 4), quint16(1)); // one image
    QCOMPARE(int(uchar(g[6])), 48);
    QCOMPARE(int(uchar(g[7])), 48);
    QCOMPARE(int(uchar(g[8])), 0); // 256 colours
    QCOMPARE(int(uchar(g[9])), 0);
    QCOMPARE(le16(g, 10), quint16(1)); // planes
    QCOMPARE(le16(g, 12), quint16(8)); // bits per pixel
    QCOMPARE(le32(g, 14), quint32(3752));
    QCOMPARE(le16(g, 18), quint16(1)); // the icon's id
}

QTEST_GUILESS_MAIN(TestWindowsResource)
#include "tst_windowsresource.moc"
