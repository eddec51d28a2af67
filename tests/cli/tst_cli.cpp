// Runs every entry of answers.t through the shell, in an empty folder, and
// compares the whole answer: stdout, stderr and exit status. The Windows
// build's tool answers the same through Wine: VANTIR_CLI_FOLDER names a
// folder whose vantir-cli starts it, and VANTIR_CLI_SYSTEM=windows leaves
// out the entries marked "# posix", which ask what only a POSIX system has.

#include <QProcess>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TestCli::answers_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");

    QFile file(VANTIR_ANSWERS_PATH);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (int i = 0; i < lines.size();) {
        if (!lines[i].startsWith("$ ")) {
            QVERIFY2(lines[i].isEmpty() || lines[i].startsWith('#'), qPrintable(lines[i]));
            ++i;
            continue;
        }
        const QString command = lines[i++].mid(2);
        QString expected;
        while (i < lines.size() && !lines[i].startsWith("$ ") && !lines[i].startsWith('#') &&
               !(i == lines.size() - 1 && lines[i].isEmpty()))
            expected += lines[i++] + '\n';
        QTest::newRow(qPrintable(command)) << command << expected;
    }
}

void TestCli::answers()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    if (qEnvironmentVariable("VANTIR_CLI_SYSTEM") == "windows" && command.endsWith("# posix"))
        QSKIP("only a POSIX system has this");

    // Each line runs in a folder of its own, for the files it writes.
    QTemporaryDir folder;
    QProcess shell;
    shell.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", qEnvironmentVariable("VANTIR_CLI_FOLDER", VANTIR_BIN_DIR) + ":" +
                                   environment.value("PATH"));
    environment.insert("PLANS", VANTIR_PLANS_DIR);
    shell.setProcessEnvironment(environment);
    shell.start("/bin/sh", {"-c", command});
    shell.closeWriteChannel();
    QVERIFY(shell.waitForFinished(30000) && shell.exitStatus() == QProcess::NormalExit);

    QString answer = QString::fromUtf8(shell.readAllStandardOutput());
    const QString err = QString::fromUtf8(shell.readAllStandardError());
    QStringList errLines = err.split('\n');
    if (errLines.last().isEmpty())
        errLines.removeLast();
    for (const QString &line : errLines)
        answer += "! " + line + '\n';
    if (shell.exitCode() != 0)
        answer += QString("[%1]\n").arg(shell.exitCode());
    QCOMPARE(answer, expected);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
