// The plan window keeps the installer's work: every edit can be undone and
// done again, the title names the file and marks unsaved changes, closing
// the window or quitting asks first, a plan is saved as .json, a file that
// cannot be written leaves the old one whole and says why, and a plan
// file dropped on either window opens in it.

#include "fulldisk.h"
#include "mainwindow.h"
#include "plan.h"
#include "planfile.h"
#include "planwindow.h"
#include "windowtest.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

using Edit = std::function<void(PlanWindow &)>;

const QString kExample = QStringLiteral(VANTIR_EXAMPLES_DIR "/musterstrasse.json");

template <typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// Answers the next message box with `button`, once it shows.
void answerNextQuestion(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box)
            box->button(button)->click();
        else
            answerNextQuestion(button);
    });
}

using Write = std::function<Failure(PlanWindow &, const QString &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Write)

class TestKeepWork : public QObject
{
    Q_OBJECT

private slots:
    void undoesAndRedoesEachEdit_data();
    void undoesAndRedoesEachEdit();
    void undoesOneEditAtATime_data();
    void undoesOneEditAtATime();
    void titleNamesTheFileAndMarksChanges();
    void asksBeforeLosingChanges_data();
    void asksBeforeLosingChanges();
    void startsANewPlan_data();
    void startsANewPlan();
    void opensADroppedPlan();
    void remembersAcrossARestart();
    void keepsTheOldFileWhenWritingFails_data();
    void keepsTheOldFileWhenWritingFails();
};

void TestKeepWork::undoesAndRedoesEachEdit_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::newRow("add a receiver")
        << Edit([](PlanWindow &w) { child<QPushButton>(&w, "pushButtonAdd")->click(); });
    QTest::newRow("remove a receiver") << Edit([](PlanWindow &w) {
        child<QTableWidget>(&w, "tableReceivers")->setCurrentCell(1, 0);
        child<QPushButton>(&w, "pushButtonRemove")->click();
    });
    QTest::newRow("type a name, letter by letter") << Edit([](PlanWindow &w) {
        auto *edit = child<QLineEdit>(&w, "lineEditInstallation");
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, ", 2. Stock");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QTest::newRow("edit a cell") << Edit(
        [](PlanWindow &w) { child<QTableWidget>(&w, "tableReceivers")->item(0, 1)->setText("4"); });
    QTest::newRow("a preset list")
        << Edit([](PlanWindow &w) { child<QPushButton>(&w, "pushButtonList1")->click(); });
}

void TestKeepWork::undoesAndRedoesEachEdit()
{
    QFETCH(Edit, edit);
    PlanWindow window;
    window.show();
    QCOMPARE(window.openFile(kExample), Failure());
    const PlanFields before = window.fields();
    edit(window);
    const PlanFields after = window.fields();
    QVERIFY(after != before);
    // One step, however many keys it took.
    QCOMPARE(window.edits()->count(), 1);
    QVERIFY(window.isWindowModified());

    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The plan's undo wherever the focus is, a field's own undo included.
    for (const char *focus : {"tableReceivers", "lineEditInstallation", "lineEditTransponders"}) {
        child<QWidget>(&window, focus)->setFocus();
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(window.fields() == before, focus);
        QVERIFY(!window.isWindowModified());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY2(window.fields() == after, focus);
        QVERIFY(window.isWindowModified());
    }
}

namespace {

// Types into the cell through its editor, as a user does, and leaves the
// editor open unless `commit`.
void typeIntoCell(PlanWindow &w, int row, int column, const QString &text, bool commit)
{
    auto *table = child<QTableWidget>(&w, "tableReceivers");
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor && editor != table);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    if (commit) {
        QTest::keyClick(editor, Qt::Key_Return);
        // The table takes the editor's text once the key is handled.
        QTRY_COMPARE(table->item(row, column)->text(), text);
    }
}

void typeInto(PlanWindow &w, const char *name, const QString &text, bool commit)
{
    auto *field = child<QWidget>(&w, name);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    if (commit)
        QTest::keyClick(field, Qt::Key_Return);
}

using Edits = QVector<Edit>;

} // namespace

Q_DECLARE_METATYPE(Edits)

void TestKeepWork::undoesOneEditAtATime_data()
{
    QTest::addColumn<Edits>("edits");
    const auto cell = [](int row, int column, const char *text, bool commit = true) {
        return Edit([=](PlanWindow &w) { typeIntoCell(w, row, column, text, commit); });
    };
    const auto field = [](const char *name, const char *text, bool commit = true) {
        return Edit([=](PlanWindow &w) { typeInto(w, name, text, commit); });
    };
    QTest::newRow("two renames and a userband")
        << Edits{cell(0, 0, "Kitchen"), cell(1, 0, "Bath"), cell(0, 1, "3")};
    QTest::newRow("a standard chosen from its list") << Edits{Edit([](PlanWindow &w) {
        auto *table = child<QTableWidget>(&w, "tableReceivers");
        table->setFocus();
        table->setCurrentCell(0, 2);
        QTest::keyClick(table, Qt::Key_F2);
        auto *box = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY(box);
        box->setCurrentIndex(1);
        emit box->activated(1);
        QTRY_COMPARE(table->item(0, 2)->text(), QStringLiteral("EN 50494"));
    })};
    QTest::newRow("a cell still in its editor")
        << Edits{cell(0, 0, "Kitchen"), cell(1, 0, "Bath", false)};
    QTest::newRow("bandwidth typed over not given, still in the field")
        << Edits{field("lineEditInstallation", "Haus"), field("spinBoxBandwidth", "150", false)};
    QTest::newRow("fields left by Enter and by Tab")
        << Edits{field("lineEditPositions", "A Astra"), Edit([](PlanWindow &w) {
                     typeInto(w, "lineEditTransponders", "11493H", false);
                     QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                 }),
                 field("lineEditUserbands", "1210, 1420", false)};
}

// Each committed edit, a cell or a field left or confirmed, is one step;
// typing still under way is the newest one.
void TestKeepWork::undoesOneEditAtATime()
{
    QFETCH(Edits, edits);
    PlanWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.openFile(kExample), Failure());
    QVector<PlanFields> states{window.fields()};
    for (const Edit &edit : edits) {
        edit(window);
        // A cell's editor still open: the table has not its text yet.
        states << window.fields();
    }
    for (int i = states.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.fields(), states[i]);
    }
    QCOMPARE(window.isWindowModified(), false);
    for (int i = 1; i < states.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                        Qt::ControlModifier | Qt::ShiftModifier);
        if (states[i] != states[i - 1])
            QCOMPARE(window.fields(), states[i]);
        else
            QVERIFY(window.fields() != states[i]);
    }
    QVERIFY(window.isWindowModified());
}

void TestKeepWork::titleNamesTheFileAndMarksChanges()
{
    QTemporaryDir folder;
    PlanWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("New plan[*] – Plan an installation"));
    QCOMPARE(window.openFile(kExample), Failure());
    QCOMPARE(window.windowTitle(), QStringLiteral("musterstrasse.json[*] – Plan an installation"));
    child<QPushButton>(&window, "pushButtonAdd")->click();
    QVERIFY(window.isWindowModified());
    // Saved without a suffix: Open's filter shows it as a plan.
    QCOMPARE(window.saveFile(folder.filePath("haus")), Failure());
    QVERIFY(QFileInfo::exists(folder.filePath("haus.json")));
    QVERIFY(!QFileInfo::exists(folder.filePath("haus")));
    QCOMPARE(window.file(), folder.filePath("haus.json"));
    QCOMPARE(window.windowTitle(), QStringLiteral("haus.json[*] – Plan an installation"));
    QVERIFY(!window.isWindowModified());
}

void TestKeepWork::asksBeforeLosingChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    for (const char *how : {"close the plan", "close the main window", "quit"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, save").arg(how)))
            << how << int(QMessageBox::Save) << true << true;
        QTest::newRow(qPrintable(QStringLiteral("%1, discard").arg(how)))
            << how << int(QMessageBox::Discard) << true << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, cancel").arg(how)))
            << how << int(QMessageBox::Cancel) << false << false;
    }
}

void TestKeepWork::asksBeforeLosingChanges()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    const QString file = folder.filePath("plan.json");
    QVERIFY(QFile::copy(kExample, file));
    const QByteArray original = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.openDropped(file);
    auto *planner = main.findChild<PlanWindow *>();
    QVERIFY(planner && planner->isVisible());
    child<QPushButton>(planner, "pushButtonAdd")->click();

    answerNextQuestion(QMessageBox::StandardButton(answer));
    if (how == "close the plan") {
        planner->close();
    } else if (how == "close the main window") {
        main.close();
    } else {
        // Quitting ends the event loop; one runs for it, and ends with 7
        // when the program would rather go on.
        QTimer::singleShot(0, [&main, closed] {
            main.findChild<QAction *>("actionBeenden")->trigger();
            if (!closed)
                QCoreApplication::exit(7);
        });
        QCOMPARE(QApplication::exec(), closed ? 0 : 7);
    }

    QCOMPARE(!planner->isVisible(), closed);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray now = f.readAll();
    QCOMPARE(now != original, saved);
    // Discarded changes are gone, not only unmarked: the plan is the file's.
    QCOMPARE(planner->isWindowModified(), !closed);
    const int inFile = readPlanFile(filePath(file)).receivers.size();
    QCOMPARE(child<QTableWidget>(planner, "tableReceivers")->rowCount(), inFile + (closed ? 0 : 1));
}

void TestKeepWork::startsANewPlan_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("started");
    QTest::newRow("discard") << int(QMessageBox::Discard) << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
}

// New plan asks about unsaved changes as Open does, then starts as the
// window starts.
void TestKeepWork::startsANewPlan()
{
    QFETCH(int, answer);
    QFETCH(bool, started);
    const PlanFields blank = PlanWindow().fields();
    PlanWindow planner;
    planner.show();
    QCOMPARE(planner.openFile(kExample), Failure());
    const PlanFields opened = planner.fields();
    child<QPushButton>(&planner, "pushButtonAdd")->click();
    answerNextQuestion(QMessageBox::StandardButton(answer));
    child<QPushButton>(&planner, "pushButtonNew")->click();
    QCOMPARE(planner.fields() == blank, started);
    QCOMPARE(planner.isWindowModified(), !started);
    QCOMPARE(planner.file().isEmpty(), started);
    if (started)
        QVERIFY(planner.windowTitle().startsWith("New plan"));
    else
        QCOMPARE(planner.fields().receivers.size(), opened.receivers.size() + 1);
}

void TestKeepWork::opensADroppedPlan()
{
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(kExample)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main, &drop);
    auto *planner = main.findChild<PlanWindow *>();
    QVERIFY(planner && planner->isVisible());
    QCOMPARE(planner->file(), kExample);
    QCOMPARE(child<QLineEdit>(planner, "lineEditInstallation")->text(),
             QStringLiteral("Musterstraße 5, Haus B"));
}

// Folders, recent plans and a window's size, as the settings file keeps
// them for the next run.
void TestKeepWork::remembersAcrossARestart()
{
    QTemporaryDir folder;
    const QString file = folder.filePath("haus.json");
    QSize size;
    {
        PlanWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(window.size() + QSize(37, 23));
        size = window.size();
        QCOMPARE(window.openFile(kExample), Failure());
        QCOMPARE(window.saveFile(file), Failure());
        window.close();
    }
    QSettings stored(QStringLiteral("vantir"), QStringLiteral("vantir"));
    stored.sync();
    // Where the system keeps a user's settings: the user's part of the
    // registry on Windows, else a file in the test's own folder.
    if (stored.fileName().startsWith(QStringLiteral("\\HKEY_CURRENT_USER\\"))) {
        QVERIFY(!stored.allKeys().isEmpty());
    } else {
        QVERIFY2(stored.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")),
                 qPrintable(stored.fileName()));
        QVERIFY(QFileInfo::exists(stored.fileName()));
    }

    MainWindow main;
    main.show();
    auto *recent = main.findChild<QMenu *>("menuRecentPlans");
    QVERIFY(recent);
    emit recent->aboutToShow();
    QStringList shown;
    for (QAction *a : recent->actions())
        shown << a->text();
    // Named as the system writes paths.
    QCOMPARE(shown,
             (QStringList{QDir::toNativeSeparators(file),
                          QDir::toNativeSeparators(QFileInfo(kExample).absoluteFilePath())}));
    recent->actions().first()->trigger();
    auto *planner = main.findChild<PlanWindow *>();
    QVERIFY(planner && planner->isVisible());
    QCOMPARE(planner->file(), file);
    QCOMPARE(planner->size(), size);
}

void TestKeepWork::keepsTheOldFileWhenWritingFails_data()
{
    QTest::addColumn<Write>("write");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("full"); // else the folder is gone
    const Write save = [](PlanWindow &w, const QString &path) { return w.saveFile(path); };
    const Write pdf = [](PlanWindow &w, const QString &path) { return w.exportPdf(path); };
    // As the print preview does it when Print to File is chosen.
    const Write print = [](PlanWindow &w, const QString &path) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return w.printTo(printer);
    };
    for (const bool full : {true, false}) {
        const char *where = full ? "on a full disk" : "into a folder that is gone";
        QTest::addRow("save %s", where) << save << "plan.json" << full;
        QTest::addRow("export PDF %s", where) << pdf << "blatt.pdf" << full;
        QTest::addRow("print to file %s", where) << print << "gedruckt.pdf" << full;
    }
}

void TestKeepWork::keepsTheOldFileWhenWritingFails()
{
    QFETCH(Write, write);
    QFETCH(QString, name);
    QFETCH(bool, full);
    if (full && !FullDisk::possible())
        QSKIP("this system cannot make a disk full for one process");
    QTemporaryDir folder;
    const QString path = folder.filePath(full ? name : "gone/" + name);
    const QByteArray old = "the sheet printed last week";
    if (full) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    PlanWindow window;
    QCOMPARE(window.openFile(kExample), Failure());
    Failure error;
    {
        const FullDisk disk(full ? old.size() + 10 : -1);
        error = write(window, path);
    }
    QVERIFY2(error && !error->isEmpty(), "a failure said nothing");
    if (full) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{full ? name : QString()}.filter(QRegularExpression(".")));
}

QTEST_MAIN(TestKeepWork)
#include "tst_keepwork.moc"
