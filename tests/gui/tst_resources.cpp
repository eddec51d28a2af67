// The embedded bundle: its five files with their formats and storage, and the
// window taking its pictures from it wherever it is started.

#include "filebytes.h"
#include "ui_mainwindow.h"

#include <QtTest>

namespace {

// "220x48 depth 8 type 6 interlace 0 tRNS" from a PNG's header chunk.
QString describePng(const QByteArray &data)
{
    if (!data.startsWith("\x89PNG\r\n\x1a\n") || data.mid(12, 4) != "IHDR")
        return QStringLiteral("not a PNG");
    QString text = QStringLiteral("%1x%2 depth %3 type %4 interlace %5")
                       .arg(be32(data, 16))
                       .arg(be32(data, 20))
                       .arg(int(uchar(data[24])))
                       .arg(int(uchar(data[25])))
                       .arg(int(uchar(data[28])));
    if (data.contains("tRNS"))
        text += QStringLiteral(" tRNS");
    return text;
}

// One-image icon file: directory entry and the image's bitmap header.
QString describeIco(const QByteArray &data)
{
    if (data.size() < 62 || le16(data, 0) != 0 || le16(data, 2) != 1)
        return QStringLiteral("not an icon");
    const quint32 offset = le32(data, 18);
    return QStringLiteral("%1 image %2x%3 colours %4 planes %5 bits %6 bytes %7, header %8 bits "
                          "height %9, file %10 bytes")
        .arg(le16(data, 4))
        .arg(int(uchar(data[6])))
        .arg(int(uchar(data[7])))
        .arg(int(uchar(data[8])))
        .arg(le16(data, 10))
        .arg(le16(data, 12))
        .arg(le32(data, 14))
        .arg(le16(data, int(offset) + 14))
        .arg(le32(data, int(offset) + 8))
        .arg(data.size());
}

QString describeBmp(const QByteArray &data)
{
    if (!data.startsWith("BM") || data.size() < 54)
        return QStringLiteral("not a bitmap");
    return QStringLiteral("header %1, %2x%3 bits %4 compression %5 palette %6, file %7 bytes")
        .arg(le32(data, 14))
        .arg(le32(data, 18))
        .arg(le32(data, 22))
        .arg(le16(data, 28))
        .arg(le32(data, 30))
        .arg(le32(data, 46))
        .arg(data.size());
}

// QtGui and QtWidgets register bundles of their own under ":/".
bool isQtsOwn(const QString &path)
{
    for (const char *prefix : {":/qt-project.org/", ":/qgradient/", ":/qpdf/"}) {
        if (path.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void bundleHoldsExactlyTheFiveFiles();
    void files_data();
    void files();
    void windowTakesItsPicturesFromTheBundle();
};

void TestResources::bundleHoldsExactlyTheFiveFiles()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!isQtsOwn(path))
            paths << path;
    }
    paths.sort();
    QCOMPARE(paths, (QStringList{":/images/icon_drosvane.bmp", ":/images/icon_drosvane.ico",
                                 ":/images/icon_drosvane.png", ":/images/logo_drosvane_klein.png",
                                 ":/vantir_de_DE.qm"}));
}

void TestResources::files_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("compressed");
    QTest::addColumn<QString>("description");

    QTest::newRow("logo") << ":/images/logo_drosvane_klein.png" << false
                          << "220x48 depth 8 type 6 interlace 0";
    QTest::newRow("icon png") << ":/images/icon_drosvane.png" << false
                              << "48x48 depth 8 type 3 interlace 0 tRNS";
    QTest::newRow("icon ico") << ":/images/icon_drosvane.ico" << true
                              << "1 image 48x48 colours 0 planes 1 bits 8 bytes 3752, header 8 "
                                 "bits height 96, file 3774 bytes";
    QTest::newRow("icon bmp") << ":/images/icon_drosvane.bmp" << true
                              << "header 40, 32x32 bits 8 compression 0 palette 256, file "
                                 "2102 bytes";
    QTest::newRow("catalogue") << ":/vantir_de_DE.qm" << false << "qm";
}

void TestResources::files()
{
    QFETCH(QString, path);
    QFETCH(bool, compressed);
    QFETCH(QString, description);

    const QResource resource(path);
    QVERIFY(resource.isValid());
    QCOMPARE(resource.compressionAlgorithm(),
             compressed ? QResource::ZlibCompression : QResource::NoCompression);

    const QByteArray data = readFile(path);
    if (path.endsWith(".png"))
        QCOMPARE(describePng(data), description);
    else if (path.endsWith(".ico"))
        QCOMPARE(describeIco(data), description);
    else if (path.endsWith(".bmp"))
        QCOMPARE(describeBmp(data), description);
    else
        QVERIFY(
            data.startsWith("\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD"));

    if (!path.endsWith(".qm")) {
        QImage image;
        QVERIFY2(image.loadFromData(data), "Qt cannot read it");
    }
}

void TestResources::windowTakesItsPicturesFromTheBundle()
{
    // An empty working directory: nothing on disk to fall back on.
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(empty.path()));

    QMainWindow window;
    Ui_MainWindow ui;
    ui.setupUi(&window);
    QDir::setCurrent(previous);

    QCOMPARE(ui.graphicLabel_drosvane->pixmap(Qt::ReturnByValue).size(), QSize(220, 48));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(48, 48)));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
