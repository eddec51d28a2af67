// The main window driven the way a user drives it: each row is a list of
// actions on the real controls and the fields the window must show then.

#include "bands.h"
#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

using Fields = QMap<QString, QString>;
Q_DECLARE_METATYPE(Fields)

namespace {

// A shown window, built under the given catalogue (none when empty), that
// acts on its controls by object name.
class Window
{
public:
    explicit Window(const QString &catalogue = QString())
    {
        if (!catalogue.isEmpty())
            ok = translator.load(catalogue) && QCoreApplication::installTranslator(&translator);
        window.reset(new MainWindow);
        window->show();
        window->activateWindow();
        ok = ok && QTest::qWaitForWindowActive(window.get());
    }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    // A field's text, or with "color " in front the colour of its text, or
    // with "menu color " the colour of its context menu's texts.
    QString field(const QString &name) const
    {
        if (name.startsWith("color "))
            return get(name.mid(6))->palette().color(QPalette::Text).name();
        if (name.startsWith("menu color ")) {
            std::unique_ptr<QMenu> menu(get<QLineEdit>(name.mid(11))->createStandardContextMenu());
            menu->ensurePolished();
            return menu->palette().color(QPalette::WindowText).name();
        }
        if (name == "status")
            return window->statusBar()->currentMessage();
        if (name == "checked")
            return window->findChild<QButtonGroup *>("buttonGroup")->checkedButton()
                       ? window->findChild<QButtonGroup *>("buttonGroup")
                             ->checkedButton()
                             ->objectName()
                       : "none";
        if (name == "focus")
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
        if (auto *edit = window->findChild<QLineEdit *>(name))
            return edit->text();
        if (auto *spin = window->findChild<QSpinBox *>(name))
            return spin->text();
        if (auto *combo = window->findChild<QComboBox *>(name))
            return combo->currentText();
        return get<QLabel>(name)->text();
    }

    // "drag bar value", "step bar count" (negative: the left arrow), "page bar
    // count", "choose combo index" (with the arrow keys), "click control",
    // "toggle group" (with the Space key); and from the keyboard alone, on
    // the control that has the focus: "tabto control" (Tab until it has the
    // focus), "type digits" (replacing the value, then Enter), "typing
    // digits" (the same without Enter), "press key"
    // (Tab, Backtab, PageUp, PageDown, Home, End, Left, Right, Space).
    void perform(const QString &action)
    {
        const QStringList words = action.split(' ');
        const int count = words.value(2).toInt();
        if (words[0] == "tabto") {
            for (int i = 0; i < 40 && QApplication::focusWidget() != get(words[1]); ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } else if (words[0] == "type" || words[0] == "typing" || words[0] == "press") {
            QWidget *focus = QApplication::focusWidget();
            if (!focus)
                qFatal("nothing has the focus for %s", qPrintable(action));
            if (words[0] == "type" || words[0] == "typing") {
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(focus, words[1]);
                if (words[0] == "type")
                    QTest::keyClick(focus, Qt::Key_Enter);
                return;
            }
            static const QMap<QString, Qt::Key> keys{
                {"Tab", Qt::Key_Tab},       {"Backtab", Qt::Key_Backtab},
                {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
                {"Home", Qt::Key_Home},     {"End", Qt::Key_End},
                {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},
                {"Space", Qt::Key_Space}};
            QTest::keyClick(focus, keys.value(words[1]));
        } else if (words[0] == "drag") {
            get<QScrollBar>(words[1])->setSliderPosition(count);
        } else if (words[0] == "step" || words[0] == "page") {
            const bool page = words[0] == "page";
            for (int i = 0; i < qAbs(count); ++i)
                get<QScrollBar>(words[1])->triggerAction(
                    count > 0
                        ? (page ? QScrollBar::SliderPageStepAdd : QScrollBar::SliderSingleStepAdd)
                        : (page ? QScrollBar::SliderPageStepSub : QScrollBar::SliderSingleStepSub));
        } else if (words[0] == "choose") {
            auto *combo = get<QComboBox>(words[1]);
            while (combo->currentIndex() != count)
                QTest::keyClick(combo, combo->currentIndex() < count ? Qt::Key_Down : Qt::Key_Up);
        } else if (words[0] == "click") {
            QTest::mouseClick(get(words[1]), Qt::LeftButton);
        } else if (words[0] == "toggle") {
            QTest::keyClick(get(words[1]), Qt::Key_Space);
        } else {
            qFatal("unknown action %s", qPrintable(action));
        }
    }

    QTranslator translator; // outlives the window, which reads it while it is built
    std::unique_ptr<MainWindow> window;
    bool ok = true;
};

QList<QDialog *> infoDialogs()
{
    QList<QDialog *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "InfoDialog" && widget->isVisible())
            dialogs << qobject_cast<QDialog *>(widget);
    return dialogs;
}

Fields commands(const QString &zf, const QString &a, const QString &b, Fields more = {})
{
    more.insert("lineEditZf", zf);
    more.insert("lineEditCmdA", a);
    more.insert("lineEditCmdB", b);
    return more;
}

void row(const QString &name, const QStringList &actions, const Fields &fields,
         const QString &catalogue = QString())
{
    QTest::newRow(qPrintable(name)) << catalogue << actions << fields;
}

const QString kA = "E0 10 5A 0C F6 ", kB = "70 03 E8 03 ";

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void showsWhatTheControlsSay_data();
    void showsWhatTheControlsSay();
    void menuKeysWork();
    void tabReachesEveryControlInOrder();
    void everyControlExplainsItself();
    void helpOpensInTheProgramsLanguage_data();
    void helpOpensInTheProgramsLanguage();
    void quits_data();
    void quits();
    void infoDialogs();
};

void TestMainWindow::cleanup()
{
    qDeleteAll(::infoDialogs());
}

void TestMainWindow::showsWhatTheControlsSay_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<Fields>("fields");

    row("defaults", {},
        commands("1100 MHz", kA, kB,
                 {{"spinBoxSHF", "11700 MHz"},
                  {"spinBoxBandpassfreq", "1284 MHz"},
                  {"spinBoxTunerAddr", "1"},
                  {"spinBoxPincode", "0"},
                  {"color lineEditCmdA", "#ff0000"},
                  {"color lineEditCmdB", "#0000ff"},
                  {"menu color lineEditCmdA",
                   QApplication::palette().color(QPalette::WindowText).name()},
                  {"menu color lineEditCmdB",
                   QApplication::palette().color(QPalette::WindowText).name()}}));
    row("transponder dragged", {"drag scrollBarSHF 12000"},
        commands("1400 MHz", "E0 10 5A 0D 41 ", "70 05 14 03 ", {{"spinBoxSHF", "12000 MHz"}}));
    row("transponder stepped", {"step scrollBarSHF 2", "page scrollBarSHF 1"},
        commands("1152 MHz", "E0 10 5A 0D 03 ", "70 04 1C 03 ", {{"spinBoxSHF", "11752 MHz"}}));
    row("transponder kept in its band", {"drag scrollBarSHF 13000"}, {{"spinBoxSHF", "12750 MHz"}});
    row("low band leaves 11700 MHz", {"drag scrollBarSHF 12000", "choose comboBoxBand 1"},
        commands("1950 MHz", "E0 10 5A 09 CB ", "70 07 3A 02 ", {{"spinBoxSHF", "11700 MHz"}}));
    row("low band range", {"choose comboBoxBand 1", "drag scrollBarSHF 10000"},
        commands("950 MHz", "E0 10 5A 08 D1 ", "70 03 52 02 ", {{"spinBoxSHF", "10700 MHz"}}));
    row("back to high band", {"choose comboBoxBand 1", "choose comboBoxBand 0"},
        commands("1100 MHz", kA, kB));
    row("vertical", {"choose comboBoxPol 1"},
        commands("1100 MHz", "E0 10 5A 04 F6 ", "70 03 E8 01 "));
    row("position B", {"choose comboBoxPos 1"},
        commands("1100 MHz", "E0 10 5A 1C F6 ", "70 03 E8 07 "));
    row("position D", {"choose comboBoxPos 3"},
        commands("1100 MHz", "position out of range", "70 03 E8 0F ",
                 {{"color lineEditCmdA", "#ff0000"}}));
    row("userband 8", {"step scrollBarTunerAddr 7"},
        commands("1100 MHz", "E0 10 5A EC F6 ", "70 3B E8 03 ", {{"spinBoxTunerAddr", "8"}}));
    row("userband 9", {"step scrollBarTunerAddr 8"},
        commands("1100 MHz", "userband number out of range", "70 43 E8 03 "));
    row("userband 32 at position C", {"drag scrollBarTunerAddr 40", "choose comboBoxPos 2"},
        commands("1100 MHz", "userband number out of range", "70 FB E8 0B ",
                 {{"spinBoxTunerAddr", "32"}}));
    row("userband frequency stepped",
        {"step scrollBarBandpassfreq 1", "page scrollBarBandpassfreq 1"},
        commands("1100 MHz", "E0 10 5A 0C F9 ", kB, {{"spinBoxBandpassfreq", "1295 MHz"}}));
    row("toggling Automatic changes nothing", {"click checkBoxLinkCSS"},
        commands("1100 MHz", kA, kB));
    row("PIN checked", {"toggle groupBoxPinCode"},
        commands("1100 MHz", "E0 10 5C 0C F6 00 ", "71 03 E8 03 00 "));
    row("PIN moved while unchecked", {"page scrollBarPincode 1"},
        commands("1100 MHz", kA, kB, {{"spinBoxPincode", "10"}}));
    row("PIN moved, then checked",
        {"page scrollBarPincode 1", "toggle groupBoxPinCode", "step scrollBarPincode 300"},
        commands("1100 MHz", "E0 10 5C 0C F6 FF ", "71 03 E8 03 FF ", {{"spinBoxPincode", "255"}}));
    row("PIN checked and unchecked", {"toggle groupBoxPinCode", "toggle groupBoxPinCode"},
        commands("1100 MHz", kA, kB));
    row("preset sets the command", {"click button_css1892"},
        commands("1100 MHz", "userband number out of range", "70 4B E8 03 "));
    row("preset without Automatic", {"click checkBoxLinkCSS", "click button_css1892"},
        commands("1100 MHz", "E0 10 5A 0D 8E ", kB));

    // Every preset, reached from a button of the other list, with and
    // without Automatic: the frequency always follows, the number only with
    // Automatic, counted within the button's own list.
    for (int list = 1; list <= 2; ++list) {
        for (int number = 1; number <= bands::kPresetLists[list - 1].count; ++number) {
            const int frequency = bands::presetFrequency(list, number);
            const QString button =
                QString(list == 1 ? "button_scr%1" : "button_css%1").arg(frequency);
            // A button of the other list with another number comes first.
            const QString before = list == 1     ? "button_css2096"
                                   : number == 1 ? "button_scr2096"
                                                 : "button_scr1284";
            for (const bool automatic : {true, false}) {
                QStringList actions{"click " + before, "click " + button};
                if (!automatic)
                    actions.prepend("click checkBoxLinkCSS");
                row(QString("%1%2").arg(button, automatic ? "" : " without Automatic"), actions,
                    {{"spinBoxBandpassfreq", QString("%1 MHz").arg(frequency)},
                     {"spinBoxTunerAddr", QString::number(automatic ? number : 1)}});
            }
        }
    }

    // The keyboard alone: focus starts on the transponder frequency, Tab
    // reaches every value, typed values count on Enter, and the scroll bars
    // take their keys.
    row("focus starts at the top, where the window begins", {}, {{"focus", "comboBoxPol"}});
    row("typed transponder frequency", {"tabto spinBoxSHF", "type 12188"},
        commands("1588 MHz", "E0 10 5A 0D 70 ", "70 05 D0 03 ", {{"spinBoxSHF", "12188 MHz"}}));
    row("a frequency below both bands cannot be typed", {"tabto spinBoxSHF", "type 9999"},
        {{"spinBoxSHF", "11700 MHz"}, {"lineEditZf", "1100 MHz"}});
    // A digit the field refuses is said, not silently dropped.
    row("a frequency above both bands is said", {"tabto spinBoxSHF", "typing 13000"},
        {{"spinBoxSHF", "1300 MHz"}, {"status", "13000 MHz is outside 10700 to 12750 MHz"}});
    row("a userband number past 32 is said", {"tabto spinBoxTunerAddr", "typing 33"},
        {{"status", "33 is outside 1 to 32"}});
    // The band followed and the tuning word capped: both are said.
    row("the highest frequency typed from the low band",
        {"tabto spinBoxSHF", "type 11000", "tabto spinBoxSHF", "type 12750"},
        {{"comboBoxBand", "High"},
         {"status", "12750 MHz lies in the high band: the band follows it; EN 50607 sends "
                    "2150 MHz as 2147 MHz, the highest its tuning word carries"}});
    // The commands follow as the digits are typed, without Enter.
    row("typed transponder frequency counts as it is typed", {"tabto spinBoxSHF", "typing 12188"},
        commands("1588 MHz", "E0 10 5A 0D 70 ", "70 05 D0 03 ", {{"spinBoxSHF", "12188 MHz"}}));
    row("typed userband number counts as it is typed", {"tabto spinBoxTunerAddr", "typing 2"},
        commands("1100 MHz", "E0 10 5A 2C F6 ", "70 0B E8 03 "));
    // A frequency of the other band takes the band with it, and says so.
    row("a low-band frequency typed in the high band", {"tabto spinBoxSHF", "type 11000"},
        commands("1250 MHz", "E0 10 5A 09 1C ", "70 04 7E 02 ",
                 {{"comboBoxBand", "Low"},
                  {"status", "11000 MHz lies in the low band: the band follows it"}}));
    row("scroll bar keys: Page Up, Right, Left",
        {"tabto scrollBarSHF", "press PageUp", "press Right", "press Right", "press Left"},
        {{"spinBoxSHF", "11751 MHz"}});
    row("scroll bar keys: End, Page Down, Home",
        {"tabto scrollBarSHF", "press End", "press PageDown"},
        {{"spinBoxSHF", "12700 MHz"}, {"lineEditZf", "2100 MHz"}});
    row("scroll bar keys: Home", {"tabto scrollBarSHF", "press End", "press Home"},
        {{"spinBoxSHF", "11700 MHz"}});
    row("typed userband frequency", {"tabto spinBoxBandpassfreq", "type 1400"},
        commands("1100 MHz", "E0 10 5A 0D 13 ", kB, {{"spinBoxBandpassfreq", "1400 MHz"}}));
    row("userband frequency's scroll bar", {"tabto scrollBarBandpassfreq", "press PageUp"},
        {{"spinBoxBandpassfreq", "1294 MHz"}});
    row("typed userband number", {"tabto spinBoxTunerAddr", "type 9"},
        commands("1100 MHz", "userband number out of range", "70 43 E8 03 "));
    row("userband number's scroll bar", {"tabto scrollBarTunerAddr", "press End"},
        {{"spinBoxTunerAddr", "32"}});
    row("PIN: Space on its group, then typed",
        {"tabto groupBoxPinCode", "press Space", "tabto spinBoxPincode", "type 42"},
        commands("1100 MHz", "E0 10 5C 0C F6 2A ", "71 03 E8 03 2A "));
    row("PIN's scroll bar",
        {"tabto groupBoxPinCode", "press Space", "tabto scrollBarPincode", "press PageUp",
         "press Right"},
        commands("1100 MHz", "E0 10 5C 0C F6 0B ", "71 03 E8 03 0B "));
    // The switch-offs of the userband the commands use.
    row("switch-offs", {}, {{"lineEditOffA", "E0 10 5A 00 00 "}, {"lineEditOffB", "70 00 00 00 "}});
    row("switch-offs of userband 9 with a PIN",
        {"step scrollBarTunerAddr 8", "toggle groupBoxPinCode", "page scrollBarPincode 2"},
        {{"lineEditOffA", "userband number out of range"}, {"lineEditOffB", "71 40 00 00 14 "}});
    // A preset stays chosen only while its frequency is the userband's.
    row("preset left", {"click button_css1892", "step scrollBarBandpassfreq 1"},
        {{"checked", "none"}, {"spinBoxBandpassfreq", "1893 MHz"}});
    row("preset kept",
        {"click button_css1892", "step scrollBarBandpassfreq 1", "step scrollBarBandpassfreq -1",
         "click button_scr1400"},
        {{"checked", "button_scr1400"}});
    // EN 50607 caps its tuning word at 2147 MHz, and says so.
    row("capped intermediate frequency", {"drag scrollBarSHF 12748"},
        commands("2148 MHz", "E0 10 5A 0D FC ", "70 07 FF 03 ",
                 {{"status", "EN 50607 sends 2148 MHz as 2147 MHz, the highest its tuning word "
                             "carries"}}));
    row("intermediate frequency not capped", {"drag scrollBarSHF 12747"},
        {{"status", ""}, {"lineEditCmdB", "70 07 FF 03 "}});

    const QString german = VANTIR_QM_PATH;
    row("German messages", {"choose comboBoxPos 2"},
        commands("1100 MHz", "Position ausserhalb Wertebereich", "70 03 E8 0B "), german);
    row("German userband message", {"drag scrollBarTunerAddr 9"},
        commands("1100 MHz", "Userbandnummer ausserhalb Wertebereich", "70 43 E8 03 "), german);
    // A catalogue may translate every text the user sees; what is sent must
    // not depend on it.
    const QString words = VANTIR_WORDS_QM_PATH;
    row("translated words", {}, commands("1100 MHz", kA, kB), words);
    row("translated words, low band and vertical",
        {"choose comboBoxBand 1", "choose comboBoxPol 1", "click button_css974"},
        commands("1950 MHz", "E0 10 5A 01 7D ", "70 07 3A 00 "), words);
}

void TestMainWindow::showsWhatTheControlsSay()
{
    QFETCH(QString, catalogue);
    QFETCH(QStringList, actions);
    QFETCH(Fields, fields);

    Window w(catalogue);
    QVERIFY(w.ok);
    for (const QString &action : actions)
        w.perform(action);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        QCOMPARE(w.field(it.key()), it.value());
}

void TestMainWindow::menuKeysWork()
{
    Window w;
    QVERIFY(w.ok);
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QSignalSpy contents(w.get<QAction>("action_Inhalt"), &QAction::triggered);
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    QCOMPARE(contents.count(), 1);

    auto *file = w.get<QMenu>("menu_Datei");
    QTest::keyClick(w.window.get(), Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(file->isVisible());
    QCOMPARE(file->actions(), (QList<QAction *>{w.get<QAction>("actionSaveSignalA"),
                                                w.get<QAction>("actionSaveSignalB"),
                                                w.get<QAction>("actionBeenden")}));
}

void TestMainWindow::tabReachesEveryControlInOrder()
{
    Window w;
    QVERIFY(w.ok);
    w.perform("tabto groupBoxPinCode");
    w.perform("press Space"); // the PIN's controls take the focus once enabled
    // Round once, from the PIN back to it; the Close button has no name.
    QStringList order;
    for (int i = 0; i < 22; ++i) {
        w.perform("press Tab");
        order << w.field("focus");
    }
    QCOMPARE(order, (QStringList{"spinBoxPincode",
                                 "scrollBarPincode",
                                 "lineEditZf",
                                 "lineEditCmdA",
                                 "lineEditCmdB",
                                 "lineEditOffA",
                                 "lineEditOffB",
                                 "",
                                 "comboBoxPol",
                                 "comboBoxBand",
                                 "comboBoxPos",
                                 "spinBoxSHF",
                                 "scrollBarSHF",
                                 "spinBoxBandpassfreq",
                                 "scrollBarBandpassfreq",
                                 "button_scr1284",
                                 "spinBoxTunerAddr",
                                 "scrollBarTunerAddr",
                                 "checkBoxLinkCSS",
                                 "groupBoxPinCode",
                                 "spinBoxPincode",
                                 "scrollBarPincode"}));
}

// A tool tip on each control, or on the group it stands in, where a
// hovering pointer finds it; in German under the German catalogue.
void TestMainWindow::everyControlExplainsItself()
{
    for (const QString &catalogue : {QString(), QString(VANTIR_QM_PATH)}) {
        Window w(catalogue);
        QVERIFY(w.ok);
        QStringList silent;
        for (QWidget *control : w.window->findChildren<QWidget *>()) {
            if (!control->focusPolicy() || !control->isVisibleTo(w.window.get()) ||
                qobject_cast<QMenuBar *>(control) || control->objectName().isEmpty())
                continue;
            QWidget *explained = control;
            while (explained && explained->toolTip().isEmpty())
                explained = explained->parentWidget();
            if (!explained || explained == w.window.get())
                silent << control->objectName();
        }
        QCOMPARE(silent, QStringList());
        QCOMPARE(
            w.get("scrollBarSHF")
                ->toolTip()
                .startsWith(catalogue.isEmpty() ? "Transponder frequency" : "Transponderfrequenz"),
            true);
    }
}

void TestMainWindow::helpOpensInTheProgramsLanguage_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << QString() << "vantir help"
                             << "What the window computes";
    QTest::newRow("German") << QString(VANTIR_QM_PATH) << "vantir-Hilfe"
                            << "Was das Fenster berechnet";
}

void TestMainWindow::helpOpensInTheProgramsLanguage()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    Window w(catalogue);
    QVERIFY(w.ok);
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    auto *help = w.window->findChild<QDialog *>("helpWindow");
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), title);
    const QString text = help->findChild<QTextBrowser *>("helpBrowser")->toPlainText();
    QVERIFY2(text.startsWith(heading), qPrintable(text.left(80)));
    QVERIFY(text.contains("vantir-cli"));
    // Asked again, the same window comes up.
    QTest::keyClick(w.window.get(), Qt::Key_F1);
    QCOMPARE(w.window->findChildren<QDialog *>("helpWindow").size(), 1);
}

void TestMainWindow::quits_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("Beenden") << true;
    QTest::newRow("Close button") << false;
}

void TestMainWindow::quits()
{
    QFETCH(bool, viaMenu);
    Window w;
    QVERIFY(w.ok);
    QTimer::singleShot(0, [&w, viaMenu] {
        if (viaMenu)
            w.get<QAction>("actionBeenden")->trigger();
        else
            w.get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Close)->click();
    });
    // Should the program not quit, this ends the loop with a telling code.
    QTimer guard;
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QApplication::exec(), 0);
}

// Each Info opens a dialog of its own that leaves the window usable, goes
// away when closed and outlives the window.
void TestMainWindow::infoDialogs()
{
    QPointer<QDialog> kept;
    {
        Window w;
        QVERIFY(w.ok);
        w.get<QAction>("actionI_nfo")->trigger();
        w.get<QAction>("actionI_nfo")->trigger();
        const QList<QDialog *> dialogs = ::infoDialogs();
        QCOMPARE(dialogs.size(), 2);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(dialogs[0]->parent(), nullptr);
        // The build's date in numbers, the same in either language.
        const QString version = dialogs[0]->findChild<QLabel *>("versionLabel")->text();
        QVERIFY2(version.startsWith("Version: 1.0.0\n("), qPrintable(version));
        QCOMPARE(QDate::fromString(version.mid(16, 10), Qt::ISODate),
                 QLocale::c().toDate(QString(__DATE__).simplified(), "MMM d yyyy"));

        w.perform("choose comboBoxPos 1");
        QCOMPARE(w.field("lineEditCmdA"), QString("E0 10 5A 1C F6 "));

        QPointer<QDialog> closed = dialogs[0];
        QTest::keyClick(closed.data(), Qt::Key_Escape);
        QTRY_VERIFY(closed.isNull());
        kept = dialogs[1];
        w.window->close();
    }
    QVERIFY(kept && kept->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
