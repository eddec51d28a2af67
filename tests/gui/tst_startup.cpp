// Start-up as the program does it, under the locale CTest gives this run:
// which catalogue it takes, from the working directory, the installed folder
// or its own copy, and the toolkit's catalogue for the Close button.

#include "catalogue.h"
#include "startup.h"

#include <QtEndian>
#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray builtCatalogue()
{
    QFile file(VANTIR_QM_PATH);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The built catalogue with each "Userbandnummer" (the group title among
// them) ending in `mark` instead, so that the window shows where its
// catalogue came from.
QByteArray markedCatalogue(char mark)
{
    QByteArray bytes = builtCatalogue();
    const QByteArray word = QByteArray("\0U\0s\0e\0r\0b\0a\0n\0d\0n\0u\0m\0m\0e\0r", 28);
    for (int at = 0; (at = bytes.indexOf(word, at)) >= 0; at += word.size())
        bytes[at + word.size() - 1] = mark;
    return bytes;
}

// The catalogue with its first message's translation running far past the
// end: the toolkit would load it and crash at the first look-up.
QByteArray damaged(QByteArray bytes)
{
    for (int at = 16; at + 5 <= bytes.size();) {
        const uchar tag = uchar(bytes[at]);
        const int length = qFromBigEndian<qint32>(bytes.constData() + at + 1);
        if (tag == 0x69) { // the messages: tag 3 (translation), then its length
            qToBigEndian<qint32>(0x7FFFFF00, bytes.data() + at + 6);
            return bytes;
        }
        at += 5 + length;
    }
    return QByteArray();
}

// Runs the program's start-up in `folder` with `installed` as the installed
// catalogue folder and returns what the window showed once built: a group
// title, both commands for position C, the Close button and the first
// menu.
QStringList startIn(const QString &folder, const QString &installed = QString())
{
    QStringList shown;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    const int exitCode = runProgram(
        [&shown](QWidget &window) {
            window.findChild<QComboBox *>("comboBoxPos")->setCurrentIndex(2);
            shown << window.findChild<QGroupBox *>("groupBox_5")->title()
                  << window.findChild<QLineEdit *>("lineEditCmdA")->text()
                  << window.findChild<QLineEdit *>("lineEditCmdB")->text()
                  << window.findChild<QDialogButtonBox *>("buttonBox")
                         ->button(QDialogButtonBox::Close)
                         ->text()
                  << window.findChild<QMenu *>("menu_Datei")->title();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        },
        installed.isEmpty() ? folder + "/nowhere" : installed);
    QDir::setCurrent(previous);
    return exitCode == 0 ? shown : QStringList{"exit code", QString::number(exitCode)};
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void findsTheCatalogue_data();
    void findsTheCatalogue();
    void startsWithAnyDamagedCatalogue();
};

void TestStartup::findsTheCatalogue_data()
{
    // "where/name=content": where is here (the working directory) or
    // installed; content is here or installed (marked as from there),
    // damaged or empty.
    QTest::addColumn<QStringList>("files");
    // The group title each locale shows.
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");

    const QString here = "UserbandnummeH", installed = "UserbandnummeI", carried = "Userbandnummer",
                  none = "Userband Number";
    QTest::newRow("catalogue here") << QStringList{"here/vantir_de_DE.qm=here"} << here << none;
    QTest::newRow("no catalogue: the carried one") << QStringList{} << carried << none;
    QTest::newRow("installed catalogue")
        << QStringList{"installed/vantir_de_DE.qm=installed"} << installed << none;
    QTest::newRow("the working directory before the installed folder")
        << QStringList{"here/vantir_de_DE.qm=here", "installed/vantir_de_DE.qm=installed"} << here
        << none;
    QTest::newRow("damaged here, the installed one")
        << QStringList{"here/vantir_de_DE.qm=damaged", "installed/vantir_de_DE.qm=installed"}
        << installed << none;
    QTest::newRow("empty here, the carried one")
        << QStringList{"here/vantir_de_DE.qm=empty"} << carried << none;
    QTest::newRow("damaged installed, the carried one")
        << QStringList{"installed/vantir_de_DE.qm=damaged"} << carried << none;
    QTest::newRow("in a subfolder: not looked at")
        << QStringList{"here/sub/vantir_de_DE.qm=here"} << carried << none;
    QTest::newRow("catalogue for every locale")
        << QStringList{"here/vantir.qm=here"} << here << here;
    QTest::newRow("damaged catalogue before a sound one")
        << QStringList{"here/vantir_de_DE.qm=damaged", "here/vantir.qm=here"} << here << here;
}

void TestStartup::findsTheCatalogue()
{
    QFETCH(QStringList, files);
    QFETCH(QString, german);
    QFETCH(QString, english);

    QTemporaryDir folder;
    QVERIFY(folder.isValid() && QDir(folder.path()).mkpath("here/sub") &&
            QDir(folder.path()).mkpath("installed"));
    for (const QString &file : files) {
        const QString content = file.section('=', 1);
        QByteArray bytes = content == "empty"       ? QByteArray()
                           : content == "installed" ? markedCatalogue('I')
                                                    : markedCatalogue('H');
        if (content == "damaged")
            bytes = damaged(bytes);
        QFile out(folder.filePath(file.section('=', 0, 0)));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }

    // Any other locale takes the English catalogue, which names the menus
    // and buttons in English too, unless a German one is laid for it.
    const bool isGerman = QLocale::system().language() == QLocale::German;
    const bool shownGerman = isGerman || english != "Userband Number";
    QCOMPARE(
        startIn(folder.filePath("here"), folder.filePath("installed")),
        (QStringList{isGerman ? german : english,
                     shownGerman ? "Position ausserhalb Wertebereich" : "position out of range",
                     "70 03 E8 0B ", shownGerman ? "Schließen" : "Close",
                     shownGerman ? "&Datei" : "&File"}));
}

// The places of the catalogue's structure that a damage can hit: the magic
// number, each block's tag and length and the first and last bytes of its
// content, and the first records of the messages.
QVector<int> structuralPlaces(const QByteArray &catalogue)
{
    QVector<int> places{0, 15};
    for (int at = 16; at + 5 <= catalogue.size();) {
        const int length = qFromBigEndian<qint32>(catalogue.constData() + at + 1);
        for (int i = 0; i < 5; ++i)
            places << at + i;
        for (int i = 5; i < 5 + 12 && i < 5 + length; ++i)
            places << at + i;
        places << at + 4 + length;
        at += 5 + length;
    }
    return places;
}

// Every single-byte change of the built catalogue is either refused by the
// check or looked up in without harm; changes in each part of its structure
// go through the whole start-up, as the catalogue for a German locale or
// as the one for every locale: the window starts and computes, whatever it
// shows for the damaged texts.
void TestStartup::startsWithAnyDamagedCatalogue()
{
    const QByteArray intact = builtCatalogue();
    QTemporaryDir folder;
    QVERIFY(!intact.isEmpty() && folder.isValid());
    if (QLocale::system().language() == QLocale::German && QLocale::system().name() != "de_DE")
        QSKIP("the same look-up as for de_DE, under another name");

    int refused = 0;
    for (int at = 0; at < intact.size(); ++at) {
        QByteArray damaged = intact;
        damaged[at] = char(damaged[at] ^ 0xFF);
        if (!isSoundCatalogue(damaged)) {
            ++refused;
            continue;
        }
        QTranslator translator;
        if (translator.load(reinterpret_cast<const uchar *>(damaged.constData()), damaged.size()))
            for (const char *source : {"Userband Number", "position", "out of range", "Info...",
                                       "Read a command...", "free"})
                for (const char *context : {"MainWindow", "Plan", "InfoDialog"})
                    translator.translate(context, source);
    }
    QVERIFY2(refused > 0, "no damage was refused; the check looks at nothing");

    const bool german = QLocale::system().language() == QLocale::German;
    QFile file(
        folder.filePath(german ? "vantir_" + QLocale::system().name() + ".qm" : "vantir.qm"));
    QVector<int> places = structuralPlaces(intact);
    places << intact.size(); // cut short there
    for (const int at : places) {
        QByteArray damaged = at < intact.size() ? intact : intact.left(intact.size() / 2);
        if (at < intact.size())
            damaged[at] = char(damaged[at] ^ 0xFF);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
        file.close();
        QVERIFY2(startIn(folder.path()).value(2) == "70 03 E8 0B ",
                 qPrintable(QString::number(at)));
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
