// One language at a time: every window, in the states an installer sees
// them, draws no text of the other language. German is checked against the
// English the catalogue translates, English against the German it puts in
// (and the few German source texts the English catalogue replaces).

#include "capturefile.h"
#include "linesignal.h"
#include "mainwindow.h"
#include "planwindow.h"
#include "sheetview.h"
#include "signalfile.h"
#include "windowtest.h"

#include "../pictures/paintedtext.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Catalogue
{
    // Texts of the other language, whole, and the patterns they fill in.
    QSet<QString> foreign;
    QVector<QRegularExpression> patterns;
};

QString withoutMnemonic(QString text)
{
    return text.replace(QRegularExpression("&(?!&)"), QString());
}

// What must not show when `path`'s translations are in use: its source
// texts (with German, the English it translates) or its translations
// (with English, the German of the German catalogue), where the two
// differ and the text is not also one of the shown language's own.
Catalogue foreignTexts(const QString &path, bool sources)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QVector<QPair<QString, QString>> messages;
    QSet<QString> own; // every text of the shown language, translated or not
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = withoutMnemonic(xml.readElementText());
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = withoutMnemonic(xml.readElementText());
            const bool translated = !translation.isEmpty() && translation != source;
            if (translated)
                messages << qMakePair(source, translation);
            if (sources)
                own << (translated ? translation : source);
            else
                own << source;
        }
    }
    Catalogue catalogue;
    for (const auto &m : messages) {
        const QString text = sources ? m.first : m.second;
        if (own.contains(text))
            continue;
        if (!text.contains(QRegularExpression("%\\d"))) {
            catalogue.foreign << text;
            continue;
        }
        // A text with places: its words must not show around any filling.
        QString pattern = QRegularExpression::escape(text);
        pattern.replace(QRegularExpression("%\\d"), ".+");
        if (text.count(QRegularExpression("[A-Za-zÄÖÜäöüß]{2,}")) >= 2)
            catalogue.patterns << QRegularExpression(pattern);
    }
    return catalogue;
}

QWidget *tool(MainWindow &main, const char *action, const char *name)
{
    main.findChild<QAction *>(action)->trigger();
    return main.findChild<QWidget *>(name);
}

// A recording with a command, a reply's worth of bytes that is no command,
// a second command and one that the recording's end cuts short.
QString recording(const QString &path)
{
    constexpr double rate = 192000;
    std::vector<float> samples;
    for (const std::vector<std::uint8_t> &command : std::vector<std::vector<std::uint8_t>>{
             {0xE0, 0x10, 0x5B, 0x42, 0x02}, {0xE0, 0x10, 0x5A}, {0x70, 0x05, 0xD0, 0x03}}) {
        std::vector<float> one =
            linesignal::sampleLine(linesignal::lineSignal({command}), rate, false);
        one.resize(std::size_t(0.2 * rate), 0.0f);
        samples.insert(samples.end(), one.begin(), one.end());
    }
    const std::vector<float> cut =
        linesignal::sampleLine(linesignal::lineSignal({{0x70, 0x03, 0xE8, 0x03}}), rate, false);
    samples.insert(samples.end(), cut.begin(), cut.begin() + long(cut.size() / 2));
    const std::string bytes = wavFile(samples, rate);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
        return QString();
    return path;
}

} // namespace

class TestOneLanguage : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowInOneLanguage_data();
    void everyWindowInOneLanguage();
};

void TestOneLanguage::everyWindowInOneLanguage_data()
{
    QTest::addColumn<bool>("german");
    QTest::newRow("German") << true;
    QTest::newRow("English") << false;
}

void TestOneLanguage::everyWindowInOneLanguage()
{
    QFETCH(bool, german);
    QTranslator translator;
    QVERIFY(translator.load(german ? VANTIR_QM_PATH : VANTIR_EN_QM_PATH) &&
            QCoreApplication::installTranslator(&translator));
    // The toolkit's buttons, as the program loads them; its English is its
    // source.
    QTranslator toolkit;
    if (german)
        QVERIFY(toolkit.load("qt_de", QLibraryInfo::location(QLibraryInfo::TranslationsPath)) &&
                QCoreApplication::installTranslator(&toolkit));
    Catalogue catalogue = foreignTexts(VANTIR_TS_DIR "/vantir_de_DE.ts", german);
    if (!german) {
        const Catalogue replaced = foreignTexts(VANTIR_TS_DIR "/vantir_en.ts", true);
        catalogue.foreign.unite(replaced.foreign);
        catalogue.patterns << replaced.patterns;
    }
    QVERIFY(!catalogue.foreign.isEmpty());

    QTemporaryDir folder;
    QStringList shown; // where, a tab, the text
    const auto look = [&](const QString &where, QWidget *window) {
        PaintedText catcher;
        QStringList texts;
        window->render(&catcher);
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window))
                continue;
            // Whole, as painting splits them at a mnemonic or a line's end.
            texts << w->toolTip() << w->windowTitle();
            if (auto *label = qobject_cast<QLabel *>(w))
                texts << label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                texts << button->text();
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                texts << group->title();
            if (auto *combo = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < combo->count(); ++i)
                    texts << combo->itemText(i);
            // The sheet whole, not only the part the scroll area shows.
            if (auto *sheet = qobject_cast<SheetView *>(w))
                sheet->render(&catcher);
        }
        texts << window->windowTitle();
        for (QAction *action : window->findChildren<QAction *>())
            texts << action->text() << action->toolTip();
        for (QMenu *menu : window->findChildren<QMenu *>())
            texts << menu->title();
        for (const PaintedText::Text &painted : catcher.painted)
            texts << painted.text;
        for (const QString &text : texts)
            if (!text.trimmed().isEmpty())
                shown << where + "\t" + withoutMnemonic(text);
    };

    {
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        look("main", &main);
        // What the status bar says of a frequency in the other band, and of
        // one beyond what EN 50607 carries.
        auto *frequency = main.findChild<QSpinBox *>("spinBoxSHF");
        for (const int mhz : {10800, 12750, 12749}) {
            frequency->setValue(mhz);
            look(QString("main at %1 MHz").arg(mhz), &main);
        }

        QWidget *reader = tool(main, "actionReadCommand", "readCommandWindow");
        auto *bytes = reader->findChild<QLineEdit *>("lineEditBytes");
        for (const QString &typed : {"E1 00 5B 42 02", "E0 10 5B 21 1C", "E0 10 5A 2D 8E",
                                     "E0 10 5A", "7D 07", "70 03 E8 0", "70 0x"}) {
            bytes->setText(typed);
            look("read a command, " + typed, reader);
        }

        main.openRecording(recording(folder.filePath("r.wav")));
        QWidget *recordings = main.findChild<QWidget *>("readRecordingWindow");
        auto *list = recordings->findChild<QTableWidget *>("tableMessages");
        QTRY_COMPARE(list->rowCount(), 4);
        // Times take the language's decimal sign, in the columns as in sentences.
        QVERIFY2(list->item(0, 0)->text().contains(german ? ',' : '.'),
                 qPrintable(list->item(0, 0)->text()));
        for (int row = 0; row < list->rowCount(); ++row) {
            list->selectRow(row);
            look(QString("read a recording, row %1").arg(row), recordings);
        }

        // What the reader says of files it cannot read.
        auto *status = recordings->findChild<QLabel *>("labelStatus");
        for (const QByteArray &content :
             {QByteArray("not a sound"), QByteArray("0.1\n0.2\n"), QByteArray("t,v\n0,1\n1,x\n")}) {
            const QString name = folder.filePath(content.startsWith("not") ? "bad.wav" : "bad.csv");
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            file.close();
            status->clear();
            main.openRecording(name);
            QTRY_VERIFY(status->text().contains(":") && !status->text().endsWith("..."));
            look("read a recording, " + content, recordings);
        }

        auto *planner = qobject_cast<PlanWindow *>(tool(main, "actionPlan", "planWindow"));
        // What the window says of plans it cannot read.
        for (const QByteArray &plan :
             {QByteArray("{"), QByteArray("{}"), QByteArray("[]"), QByteArray("{\"unit\": 1}"),
              QByteArray("{\"unit\": {\"standard\": \"EN 50607\", \"userbands\": [1210]}, "
                         "\"receivers\": [{\"name\": \"a\", \"userband\": 3}], \"x\": 1}")}) {
            QFile file(folder.filePath("bad.json"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(plan) == plan.size());
            file.close();
            shown << "plan file " + plan + "\t" +
                         planner->openFile(file.fileName()).value_or("(opened)");
        }
        QCOMPARE(planner->openFile(VANTIR_EXAMPLES_DIR "/musterstrasse.json"), Failure());
        look("plan", planner);

        look("listen", tool(main, "actionListen", "listenWindow"));

        main.findChild<QAction *>("actionI_nfo")->trigger();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog *>(top) && top->isVisible()) {
                look("info", top);
                top->close();
            }
    }
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::removeTranslator(&toolkit);

    QStringList wrong;
    for (const QString &line : shown) {
        const QString text = line.section("\t", 1);
        bool foreign = catalogue.foreign.contains(text);
        for (const QRegularExpression &pattern : catalogue.patterns)
            foreign = foreign || pattern.match(text).hasMatch();
        if (foreign)
            wrong << line;
    }
    wrong.removeDuplicates();
    if (qEnvironmentVariableIsSet("SHOW_TEXTS"))
        qDebug().noquote() << shown.join("\n");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
}

QTEST_MAIN(TestOneLanguage)
#include "tst_onelanguage.moc"
