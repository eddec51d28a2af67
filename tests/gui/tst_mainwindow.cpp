// The main window at work, driven the way a user drives it: every change of
// a control shows the intermediate frequency and both commands at once.

#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString kDefaultA = QStringLiteral("E0 10 5A 0C F6 ");
const QString kDefaultB = QStringLiteral("70 03 E8 03 ");

// Installs the built German catalogue, when asked, for as long as it lives.
struct Catalogue
{
    explicit Catalogue(bool german)
    {
        if (german)
            ok = translator.load(QStringLiteral(VANTIR_QM_PATH)) &&
                 QCoreApplication::installTranslator(&translator);
    }
    QTranslator translator;
    bool ok = true;
};

// A shown window, built under the German catalogue when asked, with helpers
// that act on its controls by object name.
class Window
{
public:
    explicit Window(bool german = false) : catalogue(german)
    {
        window.show();
        ok = catalogue.ok && QTest::qWaitForWindowExposed(&window);
    }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = window.findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    QString text(const QString &name) const
    {
        if (auto *field = window.findChild<QLineEdit *>(name))
            return field->text();
        return get<QLabel>(name)->text();
    }

    // One user action, written as "verb control [argument]":
    //   drag scrollBarSHF 12000    move the slider to a value
    //   step scrollBarSHF 3        press an arrow (negative: the left one)
    //   page scrollBarSHF 1        click beside the slider
    //   choose comboBoxBand Low    pick an item with the arrow keys
    //   click button_css974        click a radio button or the check box
    //   toggle groupBoxPinCode     press Space on the checkable group
    bool perform(const QString &action)
    {
        const QStringList words = action.split(QLatin1Char(' '));
        const QString verb = words.value(0);
        const QString control = words.value(1);
        const QString argument = words.mid(2).join(QLatin1Char(' '));
        if (verb == QLatin1String("drag")) {
            get<QScrollBar>(control)->setSliderPosition(argument.toInt());
        } else if (verb == QLatin1String("step") || verb == QLatin1String("page")) {
            const int count = argument.toInt();
            const bool page = verb == QLatin1String("page");
            for (int i = 0; i < qAbs(count); ++i) {
                const auto step = count > 0 ? (page ? QAbstractSlider::SliderPageStepAdd
                                                    : QAbstractSlider::SliderSingleStepAdd)
                                            : (page ? QAbstractSlider::SliderPageStepSub
                                                    : QAbstractSlider::SliderSingleStepSub);
                get<QScrollBar>(control)->triggerAction(step);
            }
        } else if (verb == QLatin1String("choose")) {
            auto *combo = get<QComboBox>(control);
            const int target = combo->findText(argument);
            if (target < 0)
                return false;
            while (combo->currentIndex() != target)
                QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        } else if (verb == QLatin1String("click")) {
            QTest::mouseClick(get(control), Qt::LeftButton);
        } else if (verb == QLatin1String("toggle")) {
            QTest::keyClick(get(control), Qt::Key_Space);
        } else {
            return false;
        }
        return true;
    }

    Catalogue catalogue; // before the window: it sets its texts while it is built
    MainWindow window;
    bool ok = false;
};

using Expectations = QMap<QString, QString>;

// One row without the program's catalogue, one with the German one.
void addCatalogueRows()
{
    QTest::addColumn<bool>("german");
    QTest::newRow("English") << false;
    QTest::newRow("German") << true;
}

} // namespace

Q_DECLARE_METATYPE(Expectations)

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void defaultStateAfterStart();
    void recomputesOnEveryChange_data();
    void recomputesOnEveryChange();
    void messagesUnderBothCatalogues_data();
    void messagesUnderBothCatalogues();
    void menuKeysWorkUnderBothCatalogues_data();
    void menuKeysWorkUnderBothCatalogues();
    void beendenAndCloseEndTheProgram_data();
    void beendenAndCloseEndTheProgram();
    void infoDialogShowsVersionAndBuildDate_data();
    void infoDialogShowsVersionAndBuildDate();
    void infoDialogsAreModelessAndIndependent();
    void infoDialogIsDeletedWhenClosed_data();
    void infoDialogIsDeletedWhenClosed();
    void infoDialogOutlivesTheWindow();
    void cleanup();
};

void TestMainWindow::cleanup()
{
    // Dialogs a test leaves open must not leak into the next one.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(widget))
            delete widget;
    }
}

void TestMainWindow::defaultStateAfterStart()
{
    Window w;
    QVERIFY(w.ok);
    QCOMPARE(w.get<QComboBox>("comboBoxPol")->currentText(), QStringLiteral("Horizontal"));
    QCOMPARE(w.get<QComboBox>("comboBoxBand")->currentText(), QStringLiteral("High"));
    QCOMPARE(w.get<QComboBox>("comboBoxPos")->currentText(), QStringLiteral("Pos. A"));
    auto *transponder = w.get<QScrollBar>("scrollBarSHF");
    QCOMPARE(transponder->value(), 11700);
    QCOMPARE(transponder->minimum(), 11700);
    QCOMPARE(transponder->maximum(), 12750);
    QVERIFY(w.get<QRadioButton>("button_scr1284")->isChecked());
    QCOMPARE(w.get<QScrollBar>("scrollBarBandpassfreq")->value(), 1284);
    QCOMPARE(w.get<QScrollBar>("scrollBarTunerAddr")->value(), 1);
    QVERIFY(w.get<QCheckBox>("checkBoxLinkCSS")->isChecked());
    QVERIFY(!w.get<QGroupBox>("groupBoxPinCode")->isChecked());
    QCOMPARE(w.get<QScrollBar>("scrollBarPincode")->value(), 0);

    QCOMPARE(w.text("labelSHF"), QStringLiteral("11700 MHz"));
    QCOMPARE(w.text("labelBandpassfreq"), QStringLiteral("1284 MHz"));
    QCOMPARE(w.text("labelTunerAddr"), QStringLiteral("1"));
    QCOMPARE(w.text("labelPincode"), QStringLiteral("0"));
    QCOMPARE(w.text("lineEditZf"), QStringLiteral("1100 MHz"));
    QCOMPARE(w.text("lineEditCmdA"), kDefaultA);
    QCOMPARE(w.text("lineEditCmdB"), kDefaultB);

    auto *group = w.get<QButtonGroup>("buttonGroup");
    QCOMPARE(group->id(w.get<QRadioButton>("button_scr1284")), 0);
    QCOMPARE(group->id(w.get<QRadioButton>("button_scr2096")), 7);
    QCOMPARE(group->id(w.get<QRadioButton>("button_css974")), 8);
    QCOMPARE(group->id(w.get<QRadioButton>("button_css2096")), 19);
}

void TestMainWindow::recomputesOnEveryChange_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<Expectations>("expected");

    const auto commands = [](const QString &zf, const QString &a, const QString &b) {
        return Expectations{{"lineEditZf", zf}, {"lineEditCmdA", a}, {"lineEditCmdB", b}};
    };
    const auto with = [](Expectations e, const QString &key, const QString &value) {
        e.insert(key, value);
        return e;
    };
    const Expectations defaults = commands("1100 MHz", kDefaultA, kDefaultB);

    QTest::newRow("transponder dragged to 12000")
        << QStringList{"drag scrollBarSHF 12000"}
        << with(commands("1400 MHz", "E0 10 5A 0D 41 ", "70 05 14 03 "), "labelSHF", "12000 MHz");
    QTest::newRow("transponder arrow and page steps")
        << QStringList{"step scrollBarSHF 2", "page scrollBarSHF 1"}
        << with(commands("1152 MHz", "E0 10 5A 0D 03 ", "70 04 1C 03 "), "labelSHF", "11752 MHz");
    QTest::newRow("band switch at 12000 leaves 11700")
        << QStringList{"drag scrollBarSHF 12000", "choose comboBoxBand Low"}
        << with(commands("1950 MHz", "E0 10 5A 09 CB ", "70 07 3A 02 "), "labelSHF", "11700 MHz");
    QTest::newRow("band switch back to high")
        << QStringList{"drag scrollBarSHF 12000", "choose comboBoxBand Low",
                       "choose comboBoxBand High"}
        << with(defaults, "labelSHF", "11700 MHz");
    QTest::newRow("low band range")
        << QStringList{"choose comboBoxBand Low", "drag scrollBarSHF 10000"}
        << with(commands("950 MHz", "E0 10 5A 08 D1 ", "70 03 52 02 "), "labelSHF", "10700 MHz");
    QTest::newRow("vertical") << QStringList{"choose comboBoxPol Vertical"}
                              << commands("1100 MHz", "E0 10 5A 04 F6 ", "70 03 E8 01 ");
    QTest::newRow("position B") << QStringList{"choose comboBoxPos Pos. B"}
                                << commands("1100 MHz", "E0 10 5A 1C F6 ", "70 03 E8 07 ");
    QTest::newRow("position C") << QStringList{"choose comboBoxPos Pos. C"}
                                << commands("1100 MHz", "position out of range", "70 03 E8 0B ");
    QTest::newRow("position D") << QStringList{"choose comboBoxPos Pos. D"}
                                << commands("1100 MHz", "position out of range", "70 03 E8 0F ");
    QTest::newRow("userband 8") << QStringList{"step scrollBarTunerAddr 7"}
                                << with(commands("1100 MHz", "E0 10 5A EC F6 ", "70 3B E8 03 "),
                                        "labelTunerAddr", "8");
    QTest::newRow("userband 9") << QStringList{"step scrollBarTunerAddr 8"}
                                << with(commands("1100 MHz", "userband number out of range",
                                                 "70 43 E8 03 "),
                                        "labelTunerAddr", "9");
    QTest::newRow("userband 32") << QStringList{"drag scrollBarTunerAddr 40"}
                                 << with(commands("1100 MHz", "userband number out of range",
                                                  "70 FB E8 03 "),
                                         "labelTunerAddr", "32");
    QTest::newRow("userband 32 at position C")
        << QStringList{"drag scrollBarTunerAddr 32", "choose comboBoxPos Pos. C"}
        << commands("1100 MHz", "userband number out of range", "70 FB E8 0B ");
    QTest::newRow("userband frequency steps")
        << QStringList{"step scrollBarBandpassfreq 1", "page scrollBarBandpassfreq 1"}
        << with(commands("1100 MHz", "E0 10 5A 0C F9 ", kDefaultB), "labelBandpassfreq",
                "1295 MHz");
    QTest::newRow("preset with Automatic")
        << QStringList{"click button_css1892"}
        << with(with(commands("1100 MHz", "userband number out of range", "70 4B E8 03 "),
                     "labelBandpassfreq", "1892 MHz"),
                "labelTunerAddr", "10");
    QTest::newRow("preset without Automatic")
        << QStringList{"click checkBoxLinkCSS", "click button_css1892"}
        << with(with(commands("1100 MHz", "E0 10 5A 0D 8E ", kDefaultB), "labelBandpassfreq",
                     "1892 MHz"),
                "labelTunerAddr", "1");
    QTest::newRow("2096 of list 1, then of list 2")
        << QStringList{"click button_scr2096", "click button_css2096"}
        << with(with(commands("1100 MHz", "userband number out of range", "70 5B E8 03 "),
                     "labelBandpassfreq", "2096 MHz"),
                "labelTunerAddr", "12");
    QTest::newRow("2096 of list 1")
        << QStringList{"click button_scr2096"}
        << with(commands("1100 MHz", "E0 10 5A ED C1 ", "70 3B E8 03 "), "labelTunerAddr", "8");
    QTest::newRow("toggling Automatic changes nothing")
        << QStringList{"click checkBoxLinkCSS"} << defaults;
    QTest::newRow("PIN group adds the PIN byte")
        << QStringList{"toggle groupBoxPinCode"}
        << commands("1100 MHz", "E0 10 5C 0C F6 00 ", "71 03 E8 03 00 ");
    QTest::newRow("PIN moved while unchecked")
        << QStringList{"page scrollBarPincode 1"} << with(defaults, "labelPincode", "10");
    QTest::newRow("PIN moved, then checked")
        << QStringList{"page scrollBarPincode 1", "toggle groupBoxPinCode",
                       "step scrollBarPincode 245"}
        << with(commands("1100 MHz", "E0 10 5C 0C F6 FF ", "71 03 E8 03 FF "), "labelPincode",
                "255");
    QTest::newRow("PIN checked, then unchecked")
        << QStringList{"toggle groupBoxPinCode", "toggle groupBoxPinCode"} << defaults;
}

void TestMainWindow::recomputesOnEveryChange()
{
    QFETCH(QStringList, actions);
    QFETCH(Expectations, expected);
    Window w;
    QVERIFY(w.ok);
    for (const QString &action : actions)
        QVERIFY2(w.perform(action), qPrintable(action));
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(w.text(it.key()), it.value());
}

void TestMainWindow::messagesUnderBothCatalogues_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("cmdA");
    QTest::addColumn<QString>("cmdB");

    QTest::newRow("position, English")
        << false << QStringList{"choose comboBoxPos Pos. C"} << "position out of range"
        << "70 03 E8 0B ";
    QTest::newRow("position, German")
        << true << QStringList{"choose comboBoxPos Pos. C"} << "Position ausserhalb Wertebereich"
        << "70 03 E8 0B ";
    QTest::newRow("userband, English")
        << false << QStringList{"drag scrollBarTunerAddr 9"} << "userband number out of range"
        << "70 43 E8 03 ";
    QTest::newRow("userband, German") << true << QStringList{"drag scrollBarTunerAddr 9"}
                                      << "Userbandnummer ausserhalb Wertebereich"
                                      << "70 43 E8 03 ";
    // Band, polarisation and presets are read from their texts, which no
    // catalogue translates.
    QTest::newRow("read-back texts, German")
        << true
        << QStringList{"choose comboBoxBand Low", "choose comboBoxPol Vertical",
                       "click button_css974"}
        << "E0 10 5A 01 7D "
        << "70 07 3A 00 ";
}

void TestMainWindow::messagesUnderBothCatalogues()
{
    QFETCH(bool, german);
    QFETCH(QStringList, actions);
    QFETCH(QString, cmdA);
    QFETCH(QString, cmdB);

    Window w(german);
    QVERIFY(w.ok);
    for (const QString &action : actions)
        QVERIFY2(w.perform(action), qPrintable(action));
    QCOMPARE(w.text("lineEditCmdA"), cmdA);
    QCOMPARE(w.text("lineEditCmdB"), cmdB);
}

void TestMainWindow::menuKeysWorkUnderBothCatalogues_data()
{
    addCatalogueRows();
}

void TestMainWindow::menuKeysWorkUnderBothCatalogues()
{
    QFETCH(bool, german);
    Window w(german);
    QVERIFY(w.ok);
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));

    QSignalSpy contents(w.get<QAction>("action_Inhalt"), &QAction::triggered);
    QTest::keyClick(&w.window, Qt::Key_F1);
    QCOMPARE(contents.count(), 1);

    auto *file = w.get<QMenu>("menu_Datei");
    QTest::keyClick(&w.window, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    QCOMPARE(file->actions(), QList<QAction *>{w.get<QAction>("actionBeenden")});
    QTest::keyClick(file, Qt::Key_Escape);
    QTRY_VERIFY(!file->isVisible());
}

void TestMainWindow::beendenAndCloseEndTheProgram_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("Beenden") << true;
    QTest::newRow("Close button") << false;
}

void TestMainWindow::beendenAndCloseEndTheProgram()
{
    QFETCH(bool, viaMenu);
    Window w;
    QVERIFY(w.ok);
    QTimer::singleShot(0, &w.window, [&w, viaMenu] {
        if (viaMenu)
            w.get<QAction>("actionBeenden")->trigger();
        else
            QTest::mouseClick(w.get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Close),
                              Qt::LeftButton);
    });
    // Should the program not quit, this ends the loop with a telling code;
    // it dies with the test, so it cannot end a later test's loop.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 0);
}

static QList<QDialog *> visibleInfoDialogs()
{
    QList<QDialog *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget);
            dialog && dialog->objectName() == QLatin1String("InfoDialog") && dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

void TestMainWindow::infoDialogShowsVersionAndBuildDate_data()
{
    addCatalogueRows();
}

void TestMainWindow::infoDialogShowsVersionAndBuildDate()
{
    QFETCH(bool, german);
    Window w(german);
    QVERIFY(w.ok);
    w.get<QAction>("actionI_nfo")->trigger();
    const QList<QDialog *> dialogs = visibleInfoDialogs();
    QCOMPARE(dialogs.size(), 1);
    QDialog *dialog = dialogs.first();
    QCOMPARE(dialog->parent(), nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Information"));
    QCOMPARE(dialog->findChild<QLabel *>("label")->text(), QStringLiteral("Trelasund Command"));
    QCOMPARE(dialog->findChild<QLabel *>("versionLabel")->text(),
             QStringLiteral("Version: 1.0.0\n(" __DATE__ ")"));
    const QString copyright = dialog->findChild<QLabel *>("label_2")->text();
    QCOMPARE(copyright.count(QLatin1Char('\n')), 1);
    QVERIFY(copyright.contains(QLatin1String("drosvane")));
    auto *address = dialog->findChild<QLabel *>("label_3");
    QVERIFY(address->text().startsWith(QLatin1String("https://")));
    QVERIFY(!address->openExternalLinks());
}

void TestMainWindow::infoDialogsAreModelessAndIndependent()
{
    Window w;
    QVERIFY(w.ok);
    w.get<QAction>("actionI_nfo")->trigger();
    w.get<QAction>("actionI_nfo")->trigger();
    const QList<QDialog *> dialogs = visibleInfoDialogs();
    QCOMPARE(dialogs.size(), 2);
    QVERIFY(dialogs[0] != dialogs[1]);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // The window keeps working while both are open.
    QVERIFY(w.perform("choose comboBoxPos Pos. B"));
    QCOMPARE(w.text("lineEditCmdA"), QStringLiteral("E0 10 5A 1C F6 "));

    QTest::mouseClick(dialogs[0]->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QTRY_COMPARE(visibleInfoDialogs(), QList<QDialog *>{dialogs[1]});
}

void TestMainWindow::infoDialogIsDeletedWhenClosed_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close button") << "close";
}

void TestMainWindow::infoDialogIsDeletedWhenClosed()
{
    QFETCH(QString, how);
    Window w;
    QVERIFY(w.ok);
    w.get<QAction>("actionI_nfo")->trigger();
    QPointer<QDialog> dialog = visibleInfoDialogs().value(0);
    QVERIFY(dialog);
    QSignalSpy destroyed(dialog.data(), &QObject::destroyed);
    if (how == QLatin1String("ok"))
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
    else
        dialog->close();
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(destroyed.count(), 1);

    // A fresh one opens with the same content.
    w.get<QAction>("actionI_nfo")->trigger();
    QCOMPARE(visibleInfoDialogs().size(), 1);
}

void TestMainWindow::infoDialogOutlivesTheWindow()
{
    QPointer<QDialog> dialog;
    {
        Window w;
        QVERIFY(w.ok);
        w.get<QAction>("actionI_nfo")->trigger();
        dialog = visibleInfoDialogs().value(0);
        w.window.close();
    }
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
