// The Listen window on Windows hears what is played into the system's
// default input, through WASAPI. tests/windows/listen-under-wine runs it
// under Wine against a sound server of its own: once the window listens,
// the test makes the file VANTIR_PLAY_WHEN, the script plays the commands,
// and the window must list exactly VANTIR_EXPECTED (hex texts, ';' apart).

#include "listenwindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestListenWindow : public QObject
{
    Q_OBJECT

private slots:
    void listsWhatItHears();
};

void TestListenWindow::listsWhatItHears()
{
    const QString playWhen = qEnvironmentVariable("VANTIR_PLAY_WHEN");
    const QStringList expected =
        qEnvironmentVariable("VANTIR_EXPECTED").split(';', Qt::SkipEmptyParts);
    if (playWhen.isEmpty() || expected.isEmpty())
        QSKIP("run by tests/windows/listen-under-wine, which plays the commands");
    ListenWindow window([](const Command &) { return Failure(); }, [] { return std::nullopt; });
    window.show();
    // The system's default input, which the sound server's monitor is.
    QCOMPARE(window.findChild<QComboBox *>("comboDevice")->currentIndex(), 0);
    auto *listen = window.findChild<QPushButton *>("pushButtonListen");
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(window.listening());
    QFile signal(playWhen);
    QVERIFY(signal.open(QIODevice::WriteOnly));
    signal.close();
    QTRY_COMPARE_WITH_TIMEOUT(window.messages().size(), std::size_t(expected.size()), 30000);
    QTest::mouseClick(listen, Qt::LeftButton);
    QVERIFY(!window.listening());
    auto *table = window.findChild<QTableWidget *>("tableMessages");
    QCOMPARE(table->rowCount(), expected.size());
    for (int row = 0; row < expected.size(); ++row) {
        QCOMPARE(table->item(row, 1)->text(), expected[row]);
        QCOMPARE(table->item(row, 2)->text(), QStringLiteral("every bit held"));
    }
}

QTEST_MAIN(TestListenWindow)
#include "tst_listenwindow.moc"
