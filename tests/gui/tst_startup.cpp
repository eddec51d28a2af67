// Start-up as the program does it, under the locale CTest gives this run:
// which catalogue it finds in the working directory, and that nothing it
// finds there can break the window.

#include "startup.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray validCatalogue()
{
    QFile file(QStringLiteral(VANTIR_QM_PATH));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "name=content" entries: content is valid, truncated, damaged, empty or dir.
bool createEntries(const QDir &dir, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString kind = entry.section(QLatin1Char('='), 1);
        if (kind == QLatin1String("dir")) {
            if (!dir.mkdir(name))
                return false;
            continue;
        }
        QByteArray content;
        if (kind == QLatin1String("valid"))
            content = validCatalogue();
        else if (kind == QLatin1String("truncated"))
            content = validCatalogue().left(48);
        else if (kind == QLatin1String("damaged"))
            content = QByteArray("this is no catalogue").repeated(40);
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return false;
    }
    return true;
}

// What the window showed when started as the program starts.
struct Shown
{
    int exitCode = -1;
    QString groupTitle;
    QString positionCMessage;
    QString positionCCommand;
    QString closeButton;
};

// Runs the program's own start-up, reads the window once it is built (with
// position C chosen), and ends the event loop.
Shown startAsTheProgram()
{
    Shown shown;
    shown.exitCode = runProgram([&shown](QWidget &window) {
        shown.groupTitle = window.findChild<QGroupBox *>("groupBox_5")->title();
        window.findChild<QComboBox *>("comboBoxPos")->setCurrentIndex(2);
        shown.positionCMessage = window.findChild<QLineEdit *>("lineEditCmdA")->text();
        shown.positionCCommand = window.findChild<QLineEdit *>("lineEditCmdB")->text();
        shown.closeButton = window.findChild<QDialogButtonBox *>("buttonBox")
                                ->button(QDialogButtonBox::Close)
                                ->text();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    return shown;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsTheCatalogueOnlyInTheWorkingDirectory_data();
    void findsTheCatalogueOnlyInTheWorkingDirectory();
    void toolkitCatalogueFollowsTheLocale();
};

void TestStartup::initTestCase()
{
    QVERIFY2(!validCatalogue().isEmpty(), VANTIR_QM_PATH);
    qInfo() << "system locale" << QLocale::system().name();
}

void TestStartup::findsTheCatalogueOnlyInTheWorkingDirectory_data()
{
    QTest::addColumn<QStringList>("workingDirectory");
    QTest::addColumn<QStringList>("elsewhere");
    QTest::addColumn<QStringList>("germanFor"); // locales that must show German

    const QStringList none;
    QTest::newRow("catalogue in the working directory")
        << QStringList{"vantir_de_DE.qm=valid"} << none << QStringList{"de_DE"};
    QTest::newRow("no catalogue") << none << none << none;
    QTest::newRow("catalogue in another folder")
        << none << QStringList{"vantir_de_DE.qm=valid"} << none;
    QTest::newRow("only vantir.qm")
        << QStringList{"vantir.qm=valid"} << none << QStringList{"de_DE", "de_AT", "en_US"};
    QTest::newRow("only vantir_de.qm")
        << QStringList{"vantir_de.qm=valid"} << none << QStringList{"de_DE", "de_AT"};
    QTest::newRow("damaged catalogue") << QStringList{"vantir_de_DE.qm=damaged"} << none << none;
    QTest::newRow("truncated catalogue")
        << QStringList{"vantir_de_DE.qm=truncated"} << none << none;
    QTest::newRow("empty catalogue") << QStringList{"vantir_de_DE.qm=empty"} << none << none;
    QTest::newRow("folder named like the catalogue")
        << QStringList{"vantir_de_DE.qm=dir"} << none << none;
    // The first file that exists is the one loaded; a damaged one is not
    // passed over for a fallback.
    QTest::newRow("damaged catalogue before a good fallback")
        << QStringList{"vantir_de_DE.qm=damaged", "vantir.qm=valid"} << none
        << QStringList{"de_AT", "en_US"};
}

void TestStartup::findsTheCatalogueOnlyInTheWorkingDirectory()
{
    QFETCH(QStringList, workingDirectory);
    QFETCH(QStringList, elsewhere);
    QFETCH(QStringList, germanFor);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir dir(root.path());
    QVERIFY(dir.mkdir("start") && dir.mkdir("other"));
    QVERIFY(createEntries(QDir(dir.filePath("start")), workingDirectory));
    QVERIFY(createEntries(QDir(dir.filePath("other")), elsewhere));

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.filePath("start")));
    const Shown shown = startAsTheProgram();
    QDir::setCurrent(previous);

    QCOMPARE(shown.exitCode, 0);
    const bool german = germanFor.contains(QLocale::system().name());
    QCOMPARE(shown.groupTitle,
             german ? QStringLiteral("Userbandnummer") : QStringLiteral("Userband Number"));
    QCOMPARE(shown.positionCMessage, german ? QStringLiteral("Position ausserhalb Wertebereich")
                                            : QStringLiteral("position out of range"));
    QCOMPARE(shown.positionCCommand, QStringLiteral("70 03 E8 0B "));
}

void TestStartup::toolkitCatalogueFollowsTheLocale()
{
    const Shown shown = startAsTheProgram();
    QCOMPARE(shown.exitCode, 0);
    if (QLocale::system().language() == QLocale::German)
        QCOMPARE(shown.closeButton, QStringLiteral("Schließen"));
    else
        QCOMPARE(shown.closeButton, QStringLiteral("Close"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
