// The main window and every tool window on a laptop's screen of 1366×768 at
// the scale CTest gives this run, in English and German: inside the screen's
// available area, frame included, buttons in sight, what does not fit
// scrolling.

#include "mainwindow.h"
#include "planwindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// A frame and the screen's room, for a failure's message.
QString where(const QRect &frame, const QRect &screen)
{
    return QString("%1,%2 %3x%4 on %5x%6")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(screen.width())
        .arg(screen.height());
}

// The window's shown buttons that lie outside it.
QStringList hiddenButtons(const QWidget *tool)
{
    QStringList hidden;
    for (const QPushButton *button : tool->findChildren<QPushButton *>()) {
        const QRect shown(button->mapTo(tool, QPoint(0, 0)), button->size());
        if (button->isVisibleTo(tool) && !tool->rect().contains(shown))
            hidden << button->objectName();
    }
    return hidden;
}

} // namespace

class TestToolWindowsFit : public QObject
{
    Q_OBJECT

private slots:
    void fitTheScreen_data();
    void fitTheScreen();
    void restoredPlacesFitTheScreen_data();
    void restoredPlacesFitTheScreen();
    void fileDialogsFitTheScreen();
};

void TestToolWindowsFit::fitTheScreen_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    for (const bool german : {false, true}) {
        const QString catalogue = german ? VANTIR_QM_PATH : VANTIR_EN_QM_PATH;
        const char *language = german ? "German" : "English";
        QTest::addRow("read a command, %s", language) << catalogue << "actionReadCommand"
                                                      << "readCommandWindow";
        QTest::addRow("plan, %s", language) << catalogue << "actionPlan"
                                            << "planWindow";
        QTest::addRow("listen, %s", language) << catalogue << "actionListen"
                                              << "listenWindow";
    }
}

void TestToolWindowsFit::fitTheScreen()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, action);
    QFETCH(QString, window);
    QTranslator translator;
    QVERIFY(translator.load(catalogue) && QCoreApplication::installTranslator(&translator));
    {
        MainWindow main;
        main.show();
        // Exposed is enough: a loaded machine may give the focus late.
        QVERIFY(QTest::qWaitForWindowExposed(&main, 20000));
        const QRect screen = main.screen()->availableGeometry();
        // The main window too, its status bar in sight.
        QTRY_VERIFY_WITH_TIMEOUT(main.frameGeometry() != main.geometry(), 20000);
        QTRY_VERIFY2(screen.adjusted(-1, -1, 1, 1).contains(main.frameGeometry()),
                     qPrintable("main " + where(main.frameGeometry(), screen)));
        main.findChild<QAction *>(action)->trigger();
        auto *tool = main.findChild<QWidget *>(window);
        QVERIFY(tool);
        QVERIFY(QTest::qWaitForWindowExposed(tool, 20000));
        // Measured once the window manager has framed it.
        QTRY_VERIFY_WITH_TIMEOUT(tool->frameGeometry() != tool->geometry(), 20000);
        // Within a pixel: at fractional scales the frame's device pixels
        // round to one more or less.
        QTRY_VERIFY2(screen.adjusted(-1, -1, 1, 1).contains(tool->frameGeometry()),
                     qPrintable(where(tool->frameGeometry(), screen)));
        QVERIFY2(hiddenButtons(tool).isEmpty(), qPrintable(hiddenButtons(tool).join(", ")));
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestToolWindowsFit::restoredPlacesFitTheScreen_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::newRow("read a command") << "actionReadCommand"
                                    << "readCommandWindow";
    QTest::newRow("plan") << "actionPlan"
                          << "planWindow";
    QTest::newRow("listen") << "actionListen"
                            << "listenWindow";
}

// A place kept on a larger screen, or at another scale: half as large again
// as this screen, reaching past its bottom right corner. The window opens
// inside the screen all the same, frame included, its buttons in sight.
void TestToolWindowsFit::restoredPlacesFitTheScreen()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    for (const bool kept : {false, true}) {
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main, 20000));
        QTRY_VERIFY_WITH_TIMEOUT(main.frameGeometry() != main.geometry(), 20000);
        const QRect screen = main.screen()->availableGeometry();
        main.findChild<QAction *>(action)->trigger();
        auto *tool = main.findChild<QWidget *>(window);
        QVERIFY(QTest::qWaitForWindowExposed(tool, 20000));
        QTRY_VERIFY_WITH_TIMEOUT(tool->frameGeometry() != tool->geometry(), 20000);
        if (!kept) {
            tool->setGeometry(QRect(screen.center(), screen.size() * 3 / 2));
            tool->hide();
            continue;
        }
        QTRY_VERIFY2(screen.adjusted(-1, -1, 1, 1).contains(tool->frameGeometry()),
                     qPrintable(where(tool->frameGeometry(), screen)));
        QVERIFY2(hiddenButtons(tool).isEmpty(), qPrintable(hiddenButtons(tool).join(", ")));
    }
    QSettings("vantir", "vantir").remove("windows/" + window);
}

// The toolkit's own file dialog, which is larger than such a screen at 200 %.
void TestToolWindowsFit::fileDialogsFitTheScreen()
{
    PlanWindow planner;
    planner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&planner, 20000));
    const QRect screen = planner.screen()->availableGeometry().adjusted(-1, -1, 1, 1);
    QRect last;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        last = dialog->frameGeometry();
        const bool framed = last != dialog->geometry();
        if ((framed && screen.contains(last)) || waited.elapsed() > 20000)
            dialog->reject();
    });
    poll.start(50);
    planner.findChild<QPushButton *>("pushButtonSaveAs")->click();
    QVERIFY2(screen.contains(last), qPrintable(where(last, screen)));
}

QTEST_MAIN(TestToolWindowsFit)
#include "tst_toolwindowsfit.moc"
