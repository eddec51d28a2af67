// Every text the form sets, with and without the German catalogue, and what
// the compiled catalogue holds.

#include "filebytes.h"
#include "qmcatalogue.h"
#include "ui_mainwindow.h"

#include <QtTest>

namespace {

using Texts = QMap<QString, QString>;

// Every user-visible text of a window, keyed by object and property, so that
// a text nobody expected to change shows up as a difference.
Texts collectTexts(QMainWindow &window)
{
    Texts texts;
    texts.insert("MainWindow.windowTitle", window.windowTitle());
    const QList<QObject *> objects = window.findChildren<QObject *>();
    for (QObject *object : objects) {
        QString name = object->objectName();
        if (name.isEmpty())
            name = QStringLiteral("%1@%2").arg(object->metaObject()->className(),
                                               object->parent()->objectName());
        if (auto *action = qobject_cast<QAction *>(object)) {
            if (action->menu())
                continue; // the menu's own title stands for it
            texts.insert(name + ".text", action->text());
            texts.insert(name + ".shortcut", action->shortcut().toString());
        } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
            texts.insert(name + ".text", button->text());
        } else if (auto *label = qobject_cast<QLabel *>(object)) {
            texts.insert(name + ".text", label->text());
        } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
            texts.insert(name + ".title", group->title());
        } else if (auto *menu = qobject_cast<QMenu *>(object)) {
            texts.insert(name + ".title", menu->title());
        } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.insert(QStringLiteral("%1[%2]").arg(name).arg(i), combo->itemText(i));
        }
        if (auto *widget = qobject_cast<QWidget *>(object); widget && !widget->toolTip().isEmpty())
            texts.insert(name + ".toolTip", widget->toolTip());
    }
    return texts;
}

Texts formTexts(QTranslator *translator)
{
    if (translator)
        QCoreApplication::installTranslator(translator);
    QMainWindow window;
    Ui_MainWindow ui;
    ui.setupUi(&window);
    if (translator)
        QCoreApplication::removeTranslator(translator);
    return collectTexts(window);
}

// The texts the window shows without a catalogue.
Texts englishTexts()
{
    Texts texts{
        {"MainWindow.windowTitle", "Melvaron Command"},
        {"action_Inhalt.text", "Inhalt..."},
        {"action_Inhalt.shortcut", "F1"},
        {"actionI_nfo.text", "Info..."},
        {"actionI_nfo.shortcut", ""},
        {"actionBeenden.text", "Beenden"},
        {"actionBeenden.shortcut", ""},
        {"groupBox.title", ""},
        {"graphicLabel_drosvane.text", ""},
        {"groupBox_5.title", "Userband Number"},
        {"checkBoxLinkCSS.text", "Automatic"},
        {"labelTunerAddr.text", "TextLabel"},
        {"groupBox_3.title", "Transponder Frequency"},
        {"labelSHF.text", "TextLabel"},
        {"groupBox_4.title", "Userband Frequency"},
        {"labelBandpassfreq.text", "TextLabel"},
        {"groupBox_7.title", "Ub (list1)"},
        {"groupBox_8.title", "Ub (list2)"},
        {"groupBox_2.title", "Polarisation und Position"},
        {"comboBoxPol[0]", "Horizontal"},
        {"comboBoxPol[1]", "Vertical"},
        {"comboBoxBand[0]", "High"},
        {"comboBoxBand[1]", "Low"},
        {"comboBoxPos[0]", "Pos. A"},
        {"comboBoxPos[1]", "Pos. B"},
        {"comboBoxPos[2]", "Pos. C"},
        {"comboBoxPos[3]", "Pos. D"},
        {"groupBoxPinCode.title", "Pin Code"},
        {"labelPincode.text", "TextLabel"},
        {"label.text", "ZF"},
        {"label_2.text", "EN50494"},
        {"label_3.text", "EN50607"},
        {"menu_Datei.title", "&Datei"},
        {"menuHilfe.title", "Hilfe"},
        {"QPushButton@buttonBox.text", "Close"},
        {"graphicLabel_drosvane.toolTip", "https://www.drosvane.example/"},
        {"qt_menubar_ext_button.text", ""},
    };
    for (int f = 1284; f <= 2096; f += 116)
        texts.insert(QStringLiteral("button_scr%1.text").arg(f), QStringLiteral("%1 MHz").arg(f));
    for (int f = 974; f <= 2096; f += 102)
        texts.insert(QStringLiteral("button_css%1.text").arg(f), QStringLiteral("%1 MHz").arg(f));
    return texts;
}

const Texts kGermanChanges{
    {"groupBox_5.title", "Userbandnummer"},      {"checkBoxLinkCSS.text", "Automatik"},
    {"groupBox_3.title", "Transponderfrequenz"}, {"groupBox_4.title", "Userbandfrequenz"},
    {"groupBox_7.title", "Ub (Liste1)"},         {"groupBox_8.title", "Ub (Liste2)"},
};

} // namespace

class TestMainWindowTexts : public QObject
{
    Q_OBJECT

private slots:
    void showsSourceTextsWithoutCatalogue();
    void germanCatalogueChangesExactlySixFormTexts();
    void catalogueHoldsExactlyTheTenMessages();
    void catalogueTranslatesMessageFragments_data();
    void catalogueTranslatesMessageFragments();
    void embeddedCatalogueIsTheBuiltOne();
};

void TestMainWindowTexts::showsSourceTextsWithoutCatalogue()
{
    const Texts texts = formTexts(nullptr);
    const Texts expected = englishTexts();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(texts.value(it.key(), "<missing>"), it.value());
    QCOMPARE(texts.keys(), expected.keys());
}

void TestMainWindowTexts::germanCatalogueChangesExactlySixFormTexts()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(VANTIR_QM_PATH)));
    const Texts english = formTexts(nullptr);
    const Texts translated = formTexts(&german);

    QCOMPARE(translated.keys(), english.keys());
    Texts changed;
    for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
        if (it.value() != english.value(it.key()))
            changed.insert(it.key(), it.value());
    }
    QCOMPARE(changed, kGermanChanges);
}

void TestMainWindowTexts::catalogueHoldsExactlyTheTenMessages()
{
    const QmCatalogue catalogue = readQmCatalogue(readFile(QStringLiteral(VANTIR_QM_PATH)));
    QVERIFY(catalogue.valid);
    QCOMPARE(catalogue.hashCount, 10);
    QVERIFY(catalogue.hasNumerusRules);

    const QVector<QPair<QString, QString>> expected{
        {"Automatic", "Automatik"},
        {"Transponder Frequency", "Transponderfrequenz"},
        {"Ub (list1)", "Ub (Liste1)"},
        {"Ub (list2)", "Ub (Liste2)"},
        {"Userband Frequency", "Userbandfrequenz"},
        {"Userband Number", "Userbandnummer"},
        {"out of range", "ausserhalb Wertebereich"},
        {"position", "Position"},
        {"userband frequency", "Userbandfrequenz"},
        {"userband number", "Userbandnummer"},
    };
    QMap<QString, QmMessage> bySource;
    for (const QmMessage &message : catalogue.messages)
        bySource.insert(message.source, message);
    QCOMPARE(catalogue.messages.size(), expected.size());
    for (const auto &entry : expected) {
        const QmMessage message = bySource.value(entry.first);
        QCOMPARE(message.source, entry.first);
        QCOMPARE(message.context, QStringLiteral("MainWindow"));
        QCOMPARE(message.comment, QString());
        QCOMPARE(message.translations, QStringList{entry.second});
    }

    QTranslator german;
    QVERIFY(german.load(QStringLiteral(VANTIR_QM_PATH)));
    QCOMPARE(german.language(), QStringLiteral("de_DE"));
}

void TestMainWindowTexts::catalogueTranslatesMessageFragments_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("german"); // empty: no entry, the source shows

    QTest::newRow("position") << "position"
                              << "Position";
    QTest::newRow("userband number") << "userband number"
                                     << "Userbandnummer";
    QTest::newRow("userband frequency") << "userband frequency"
                                        << "Userbandfrequenz";
    QTest::newRow("out of range") << "out of range"
                                  << "ausserhalb Wertebereich";
    // The title and the fragment differ only in case; each has its own entry.
    QTest::newRow("title case") << "Userband Frequency"
                                << "Userbandfrequenz";
    QTest::newRow("no entry in upper case") << "Position"
                                            << "";
    // Texts the window reads back must never be translated.
    QTest::newRow("preset") << "974 MHz"
                            << "";
    QTest::newRow("band") << "High"
                          << "";
    QTest::newRow("polarisation") << "Horizontal"
                                  << "";
    QTest::newRow("build date") << "Feb 12 2014"
                                << "";
}

void TestMainWindowTexts::catalogueTranslatesMessageFragments()
{
    QFETCH(QString, source);
    QFETCH(QString, german);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(VANTIR_QM_PATH)));
    QCOMPARE(catalogue.translate("MainWindow", source.toUtf8().constData()), german);
    QCOMPARE(catalogue.translate("InfoDialog", source.toUtf8().constData()), QString());
}

void TestMainWindowTexts::embeddedCatalogueIsTheBuiltOne()
{
    const QByteArray built = readFile(QStringLiteral(VANTIR_QM_PATH));
    QVERIFY(!built.isEmpty());
    QCOMPARE(readFile(QStringLiteral(":/vantir_de_DE.qm")), built);
}

QTEST_MAIN(TestMainWindowTexts)
#include "tst_mainwindowtexts.moc"
