// Start-up as the program does it, under the locale CTest gives this run:
// which catalogue it takes from the working directory, and the toolkit's
// catalogue for the Close button.

#include "startup.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray builtCatalogue()
{
    QFile file(VANTIR_QM_PATH);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the program's start-up in `folder` and returns what the window showed
// once built: a group title, both commands for position C and the Close
// button.
QStringList startIn(const QString &folder)
{
    QStringList shown;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    const int exitCode = runProgram([&shown](QWidget &window) {
        window.findChild<QComboBox *>("comboBoxPos")->setCurrentIndex(2);
        shown << window.findChild<QGroupBox *>("groupBox_5")->title()
              << window.findChild<QLineEdit *>("lineEditCmdA")->text()
              << window.findChild<QLineEdit *>("lineEditCmdB")->text()
              << window.findChild<QDialogButtonBox *>("buttonBox")
                     ->button(QDialogButtonBox::Close)
                     ->text();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
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
    QTest::addColumn<QStringList>("files");     // "name=content", content valid, damaged or empty
    QTest::addColumn<QStringList>("germanFor"); // the locales that must show German

    QTest::newRow("catalogue for the locale")
        << QStringList{"vantir_de_DE.qm=valid"} << QStringList{"de_DE"};
    QTest::newRow("no catalogue") << QStringList{} << QStringList{};
    QTest::newRow("catalogue in a subfolder")
        << QStringList{"sub/vantir_de_DE.qm=valid"} << QStringList{};
    QTest::newRow("catalogue for every locale")
        << QStringList{"vantir.qm=valid"} << QStringList{"de_DE", "de_AT", "en_US"};
    QTest::newRow("empty catalogue") << QStringList{"vantir_de_DE.qm=empty"} << QStringList{};
    QTest::newRow("damaged catalogue") << QStringList{"vantir_de_DE.qm=damaged"} << QStringList{};
    QTest::newRow("damaged catalogue before a sound one")
        << QStringList{"vantir_de_DE.qm=damaged", "vantir.qm=valid"}
        << QStringList{"de_DE", "de_AT", "en_US"};
}

void TestStartup::findsTheCatalogue()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, germanFor);

    QTemporaryDir folder;
    QVERIFY(folder.isValid() && QDir(folder.path()).mkdir("sub"));
    for (const QString &file : files) {
        const QString content = file.section('=', 1);
        QByteArray bytes = content == "empty" ? QByteArray() : builtCatalogue();
        if (content == "damaged") // a message record's length runs past the end
            bytes[292] = char(0xd3);
        QFile out(folder.filePath(file.section('=', 0, 0)));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }

    const bool german = germanFor.contains(QLocale::system().name());
    const bool germanToolkit = QLocale::system().language() == QLocale::German;
    QCOMPARE(startIn(folder.path()),
             (QStringList{german ? "Userbandnummer" : "Userband Number",
                          german ? "Position ausserhalb Wertebereich" : "position out of range",
                          "70 03 E8 0B ", germanToolkit ? "Schließen" : "Close"}));
}

// Every single-byte change of the built catalogue, as the one for a German
// locale or as the one for every locale: the window starts and computes,
// whatever it shows for the damaged texts.
void TestStartup::startsWithAnyDamagedCatalogue()
{
    const QByteArray intact = builtCatalogue();
    QTemporaryDir folder;
    QVERIFY(!intact.isEmpty() && folder.isValid());
    if (QLocale::system().name() == "de_AT")
        QSKIP("the same look-up as for de_DE, under another name");
    const bool german = QLocale::system().language() == QLocale::German;
    QFile file(
        folder.filePath(german ? "vantir_" + QLocale::system().name() + ".qm" : "vantir.qm"));
    for (int at = 0; at < intact.size(); ++at) {
        QByteArray damaged = intact;
        damaged[at] = char(damaged[at] ^ 0xFF);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
        file.close();
        QVERIFY2(startIn(folder.path()).value(2) == "70 03 E8 0B ",
                 qPrintable(QString::number(at)));
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
