// Every window from the keyboard alone: mnemonics of their own in each
// window and menu, in English and German; Esc closing the tool windows; Tab
// leaving every table; the Tools and help keys from every window.

#include "listenwindow.h"
#include "mainwindow.h"
#include "planwindow.h"
#include "readcommandwindow.h"
#include "readrecordingwindow.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace {

using Opener = std::function<QWidget *(MainWindow &)>;

// The main window's tool windows, opened with their keys.
QWidget *opened(MainWindow &window, int key, const char *name)
{
    QTest::keyClick(&window, Qt::Key(key), Qt::ControlModifier);
    return window.findChild<QWidget *>(name);
}

// The Alt keys that the controls a user sees in `window` take, each with
// the controls that take it.
QMap<QString, QStringList> mnemonics(QWidget *window)
{
    QMap<QString, QStringList> keys;
    const auto add = [&](const QString &text, const QString &who) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys[key.toString()] << who;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            add(b->text(), w->objectName());
        else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
            add(l->text(), w->objectName());
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            add(g->title(), w->objectName());
    }
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        for (QAction *menu : main->menuBar()->actions())
            add(menu->text(), menu->menu()->objectName());
    }
    return keys;
}

QStringList clashes(const QMap<QString, QStringList> &keys)
{
    QStringList found;
    for (auto k = keys.begin(); k != keys.end(); ++k)
        if (k.value().size() > 1)
            found << k.key() + ": " + k.value().join(", ");
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void mnemonicsOfTheirOwn_data();
    void mnemonicsOfTheirOwn();
    void escClosesToolWindows_data();
    void escClosesToolWindows();
    void tabLeavesEveryTable_data();
    void tabLeavesEveryTable();
    void toolKeysFromEveryWindow_data();
    void toolKeysFromEveryWindow();
    void scrollBarsShowTheirFocus();
    void printsFromThePreviewByKey();
};

void TestKeyboard::mnemonicsOfTheirOwn_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<bool>("german");
    for (bool german : {false, true}) {
        const char *language = german ? "German" : "English";
        const auto row = [&](const char *name, Opener open) {
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(name, language)))
                << open << german;
        };
        row("main", [](MainWindow &w) -> QWidget * { return &w; });
        row("read a command",
            [](MainWindow &w) { return opened(w, Qt::Key_R, "readCommandWindow"); });
        row("read a recording", [](MainWindow &w) {
            w.openRecording(QStringLiteral("none.wav"));
            return w.findChild<QWidget *>("readRecordingWindow");
        });
        row("plan", [](MainWindow &w) { return opened(w, Qt::Key_P, "planWindow"); });
        row("listen", [](MainWindow &w) { return opened(w, Qt::Key_L, "listenWindow"); });
    }
}

void TestKeyboard::mnemonicsOfTheirOwn()
{
    QFETCH(Opener, open);
    QFETCH(bool, german);
    QTranslator catalogue;
    QVERIFY(catalogue.load(german ? VANTIR_QM_PATH : VANTIR_EN_QM_PATH) &&
            QCoreApplication::installTranslator(&catalogue));
    {
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWidget *window = open(main);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QStringList found = clashes(mnemonics(window));
        // Each menu's entries among themselves.
        for (QMenu *menu : window->findChildren<QMenu *>()) {
            QMap<QString, QStringList> keys;
            for (QAction *a : menu->actions())
                if (!a->isSeparator())
                    keys[QKeySequence::mnemonic(a->text()).toString()] << a->objectName();
            keys.remove(QString());
            for (const QString &c : clashes(keys))
                found << menu->objectName() + ": " + c;
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(" / ")));
    }
    QCoreApplication::removeTranslator(&catalogue);
}

void TestKeyboard::escClosesToolWindows_data()
{
    QTest::addColumn<Opener>("open");
    QTest::newRow("read a command")
        << Opener([](MainWindow &w) { return opened(w, Qt::Key_R, "readCommandWindow"); });
    QTest::newRow("read a recording") << Opener([](MainWindow &w) {
        w.openRecording(QStringLiteral("none.wav"));
        return w.findChild<QWidget *>("readRecordingWindow");
    });
    QTest::newRow("plan") << Opener(
        [](MainWindow &w) { return opened(w, Qt::Key_P, "planWindow"); });
    QTest::newRow("listen") << Opener(
        [](MainWindow &w) { return opened(w, Qt::Key_L, "listenWindow"); });
}

void TestKeyboard::escClosesToolWindows()
{
    QFETCH(Opener, open);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QWidget *window = open(main);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(focus, Qt::Key_Escape);
    QTRY_VERIFY2(!window->isVisible(), focus->metaObject()->className());
    QVERIFY(main.isVisible());
}

void TestKeyboard::tabLeavesEveryTable_data()
{
    escClosesToolWindows_data();
}

void TestKeyboard::tabLeavesEveryTable()
{
    QFETCH(Opener, open);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QWidget *window = open(main);
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (QTableWidget *table : window->findChildren<QTableWidget *>()) {
        table->setRowCount(std::max(table->rowCount(), 2));
        table->setFocus();
        table->setCurrentCell(0, 0);
        QTRY_VERIFY(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY2(!table->hasFocus(), qPrintable(table->objectName()));
    }
}

void TestKeyboard::toolKeysFromEveryWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opens");
    QTest::newRow("read a command") << int(Qt::Key_R) << "readCommandWindow";
    QTest::newRow("listen") << int(Qt::Key_L) << "listenWindow";
}

void TestKeyboard::toolKeysFromEveryWindow()
{
    QFETCH(int, key);
    QFETCH(QString, opens);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QWidget *planner = opened(main, Qt::Key_P, "planWindow");
    QVERIFY(QTest::qWaitForWindowActive(planner));
    QTest::keyClick(planner->focusWidget() ? planner->focusWidget() : planner, Qt::Key(key),
                    Qt::ControlModifier);
    auto *tool = main.findChild<QWidget *>(opens);
    QVERIFY(tool);
    QTRY_VERIFY(tool->isActiveWindow());
    // And the help from it.
    QSignalSpy help(main.findChild<QAction *>("action_Inhalt"), &QAction::triggered);
    QTest::keyClick(tool->focusWidget() ? tool->focusWidget() : tool, Qt::Key_F1);
    QCOMPARE(help.count(), 1);
}

// Every scroll bar the keys reach looks different once it has the focus.
void TestKeyboard::scrollBarsShowTheirFocus()
{
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    int checked = 0;
    for (QScrollBar *bar : main.findChildren<QScrollBar *>()) {
        if (bar->focusPolicy() == Qt::NoFocus || !bar->isEnabled())
            continue;
        main.findChild<QWidget *>("spinBoxSHF")->setFocus();
        const QImage before = bar->grab().toImage();
        bar->setFocus();
        QTRY_VERIFY(bar->hasFocus());
        QVERIFY2(bar->grab().toImage() != before, qPrintable(bar->objectName()));
        ++checked;
    }
    QVERIFY(checked >= 3);
}

// The preview's Print button is a tool button that Tab does not reach; the
// print key does what it does.
void TestKeyboard::printsFromThePreviewByKey()
{
    PlanWindow planner;
    planner.show();
    QVERIFY(QTest::qWaitForWindowActive(&planner));
    QWidget *preview = nullptr, *printing = nullptr;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!preview && modal->objectName() == "printPreview" && modal->isActiveWindow()) {
            preview = modal;
            // Later, so that this poll goes on while the printing asks.
            QTimer::singleShot(0, modal, [modal] {
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_P,
                                Qt::ControlModifier);
            });
        } else if (preview && modal != preview) {
            printing = modal;
            static_cast<QDialog *>(modal)->reject();
        } else if (preview && printing) {
            static_cast<QDialog *>(modal)->reject();
        }
    });
    poll.start(50);
    QTimer::singleShot(20000, [&] {
        if (QWidget *modal = QApplication::activeModalWidget())
            static_cast<QDialog *>(modal)->reject();
    });
    planner.findChild<QPushButton *>("pushButtonPrint")->click();
    QVERIFY2(preview, "no preview");
    QVERIFY2(printing, "the print key did nothing in the preview");
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
