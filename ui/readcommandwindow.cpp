#include "readcommandwindow.h"

#include "commanddescription.h"
#include "diseqc.h"
#include "hextext.h"
#include "openingsize.h"
#include "phrasetext.h"

#include "toolwindows.h"
#include "ui_readcommandwindow.h"

#include <QHeaderView>
#include <QSignalBlocker>

namespace {

void fill(QTableWidget *table, const std::vector<CommandField> &fields)
{
    table->setRowCount(0);
    for (const CommandField &field : fields) {
        if (field.label.empty())
            continue;
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(phraseText(field.label)));
        table->setItem(row, 1, new QTableWidgetItem(phraseText(field.shown)));
    }
    table->resizeColumnToContents(0);
}

} // namespace

ReadCommandWindow::ReadCommandWindow(std::function<Failure(const Command &, int)> applyTo,
                                     std::function<int(int)> userband, QWidget *parent)
    : QWidget(parent, Qt::Window), apply(std::move(applyTo)),
      userbandFrequency(std::move(userband)), ui(new Ui_ReadCommandWindow)
{
    setObjectName(QStringLiteral("readCommandWindow"));
    ui->setupUi(this);
    const int line = fontMetrics().height();
    ui->tableFields->verticalHeader()->setDefaultSectionSize(line + line / 2);
    on_lineEditBytes_textChanged();
    resize(openingSize(this, QSize(36 * line, 30 * line)));
    makeToolWindow(this);
}

ReadCommandWindow::~ReadCommandWindow()
{
    delete ui;
}

void ReadCommandWindow::on_lineEditBytes_textChanged()
{
    QTableWidget *fields = ui->tableFields;
    QLabel *problem = ui->labelProblem;
    const QString typed = ui->lineEditBytes->text();
    fields->setRowCount(0);
    read = false;
    const HexBytes hex = parseHexText(typed.toStdString());
    const Frame &frame = hex.bytes;
    Phrase error = hex.error;
    diseqc::FrameReading frameRead;
    if (!typed.trimmed().isEmpty() && hex.ok()) {
        frameRead = diseqc::readFrame(frame);
        error = frameRead.error;
    }
    if (typed.trimmed().isEmpty()) {
        problem->setText(tr("No bytes yet."));
    } else if (!error.empty()) {
        problem->setText(tr("Not a command: %1").arg(phraseText(error)));
    } else if (frameRead.command) {
        command = *frameRead.command;
        read = true;
    } else {
        // Another DiSEqC frame: named, and why a single-cable unit ignores it.
        problem->setText(
            tr("%1. Not a single-cable command: %2")
                .arg(phraseText(frameRead.meaning), phraseText(frameRead.notSingleCable)));
        fill(fields, frameRead.fields);
    }
    // The field offers the main window's frequency for each new userband;
    // one the installer typed stays while the userband does.
    const bool sum = read && command.standard == Standard::En50494 && command.tuningWord > 0;
    if (sum && command.userband != readForUserband) {
        const QSignalBlocker quiet(ui->spinBoxUserbandFrequency);
        ui->spinBoxUserbandFrequency->setValue(userbandFrequency(command.userband));
        readForUserband = command.userband;
    }
    ui->labelUserbandFrequency->setVisible(sum);
    ui->spinBoxUserbandFrequency->setVisible(sum);
    if (read)
        showFields();
    ui->pushButtonApply->setEnabled(read);
}

void ReadCommandWindow::on_spinBoxUserbandFrequency_valueChanged(int)
{
    if (read)
        showFields();
}

void ReadCommandWindow::showFields()
{
    QTableWidget *fields = ui->tableFields;
    const int centre = ui->spinBoxUserbandFrequency->value();
    const Phrase warning = commandWarning(command, centre);
    ui->labelProblem->setText(warning.empty()
                                  ? tr("Read as below.")
                                  : tr("Read as below; note: %1").arg(phraseText(warning)));
    fill(fields, describeCommand(command, centre));
}

void ReadCommandWindow::on_pushButtonApply_clicked()
{
    if (!read)
        return;
    const Failure why = apply(command, ui->spinBoxUserbandFrequency->value());
    ui->labelProblem->setText(!why ? tr("Shown in the main window.")
                                   : tr("The main window cannot show it: %1").arg(*why));
}
