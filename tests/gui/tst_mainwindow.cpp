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
        ok = ok && QTest::qWaitForWindowExposed(window.get());
    }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *widget = window->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    // A field's text, or with "color " in front the colour of its text.
    QString field(const QString &name) const
    {
        if (name.startsWith("color "))
            return get(name.mid(6))->palette().color(QPalette::Text).name();
        if (auto *edit = window->findChild<QLineEdit *>(name))
            return edit->text();
        return get<QLabel>(name)->text();
    }

    // "drag bar value", "step bar count" (negative: the left arrow), "page bar
    // count", "choose combo index" (with the arrow keys), "click control",
    // "toggle group" (with the Space key).
    void perform(const QString &action)
    {
        const QStringList words = action.split(' ');
        const int count = words.value(2).toInt();
        if (words[0] == "drag") {
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
                 {{"labelSHF", "11700 MHz"},
                  {"labelBandpassfreq", "1284 MHz"},
                  {"labelTunerAddr", "1"},
                  {"labelPincode", "0"},
                  {"color lineEditCmdA", "#ff0000"},
                  {"color lineEditCmdB", "#0000ff"}}));
    row("transponder dragged", {"drag scrollBarSHF 12000"},
        commands("1400 MHz", "E0 10 5A 0D 41 ", "70 05 14 03 ", {{"labelSHF", "12000 MHz"}}));
    row("transponder stepped", {"step scrollBarSHF 2", "page scrollBarSHF 1"},
        commands("1152 MHz", "E0 10 5A 0D 03 ", "70 04 1C 03 ", {{"labelSHF", "11752 MHz"}}));
    row("transponder kept in its band", {"drag scrollBarSHF 13000"}, {{"labelSHF", "12750 MHz"}});
    row("low band leaves 11700 MHz", {"drag scrollBarSHF 12000", "choose comboBoxBand 1"},
        commands("1950 MHz", "E0 10 5A 09 CB ", "70 07 3A 02 ", {{"labelSHF", "11700 MHz"}}));
    row("low band range", {"choose comboBoxBand 1", "drag scrollBarSHF 10000"},
        commands("950 MHz", "E0 10 5A 08 D1 ", "70 03 52 02 ", {{"labelSHF", "10700 MHz"}}));
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
        commands("1100 MHz", "E0 10 5A EC F6 ", "70 3B E8 03 ", {{"labelTunerAddr", "8"}}));
    row("userband 9", {"step scrollBarTunerAddr 8"},
        commands("1100 MHz", "userband number out of range", "70 43 E8 03 "));
    row("userband 32 at position C", {"drag scrollBarTunerAddr 40", "choose comboBoxPos 2"},
        commands("1100 MHz", "userband number out of range", "70 FB E8 0B ",
                 {{"labelTunerAddr", "32"}}));
    row("userband frequency stepped",
        {"step scrollBarBandpassfreq 1", "page scrollBarBandpassfreq 1"},
        commands("1100 MHz", "E0 10 5A 0C F9 ", kB, {{"labelBandpassfreq", "1295 MHz"}}));
    row("toggling Automatic changes nothing", {"click checkBoxLinkCSS"},
        commands("1100 MHz", kA, kB));
    row("PIN checked", {"toggle groupBoxPinCode"},
        commands("1100 MHz", "E0 10 5C 0C F6 00 ", "71 03 E8 03 00 "));
    row("PIN moved while unchecked", {"page scrollBarPincode 1"},
        commands("1100 MHz", kA, kB, {{"labelPincode", "10"}}));
    row("PIN moved, then checked",
        {"page scrollBarPincode 1", "toggle groupBoxPinCode", "step scrollBarPincode 300"},
        commands("1100 MHz", "E0 10 5C 0C F6 FF ", "71 03 E8 03 FF ", {{"labelPincode", "255"}}));
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
                    {{"labelBandpassfreq", QString("%1 MHz").arg(frequency)},
                     {"labelTunerAddr", QString::number(automatic ? number : 1)}});
            }
        }
    }

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
    QCOMPARE(file->actions(), QList<QAction *>{w.get<QAction>("actionBeenden")});
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
        QCOMPARE(dialogs[0]->findChild<QLabel *>("versionLabel")->text(),
                 QString("Version: 1.0.0\n(" __DATE__ ")"));

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
