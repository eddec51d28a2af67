#include "planwindow.h"

#include "bands.h"
#include "files.h"
#include "openingsize.h"
#include "planfields.h"
#include "sheet.h"
#include "toolwindow.h"
#include "ui_planwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>

namespace {

enum Column
{
    NameColumn,
    UserbandColumn,
    StandardColumn,
    PinColumn,
};

const QColor kMarked(250, 205, 200);

} // namespace

PlanWindow::PlanWindow(QWidget *parent) : QWidget(parent, Qt::Window), ui(new Ui_PlanWindow)
{
    setObjectName(QStringLiteral("planWindow"));
    ui->setupUi(this);
    closeOnEscape(this);
    ui->splitter->setStretchFactor(0, 3);
    ui->splitter->setStretchFactor(1, 2);
    // Every edit checks the plan anew.
    connect(ui->lineEditInstallation, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(ui->comboBoxStandard, &QComboBox::currentTextChanged, this, &PlanWindow::check);
    connect(ui->lineEditUserbands, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(ui->spinBoxBandwidth, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PlanWindow::check);
    connect(ui->lineEditPositions, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(ui->lineEditTransponders, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(ui->tableReceivers, &QTableWidget::itemChanged, this, &PlanWindow::check);
    fillPreset(2);
    const int line = fontMetrics().height();
    resize(openingSize(this, QSize(64 * line, 40 * line)));
}

PlanWindow::~PlanWindow()
{
    delete ui;
}

void PlanWindow::on_pushButtonList1_clicked()
{
    fillPreset(1);
}

void PlanWindow::on_pushButtonList2_clicked()
{
    fillPreset(2);
}

void PlanWindow::fillPreset(int list)
{
    QVector<int> frequencies;
    for (int n = 1; n <= bands::kPresetLists[list - 1].count; ++n)
        frequencies << bands::presetFrequency(list, n);
    ui->lineEditUserbands->setText(userbandsText(frequencies));
}

void PlanWindow::on_pushButtonAdd_clicked()
{
    const int row = ui->tableReceivers->rowCount();
    // A plan holds so many; the button says why it adds no more.
    if (row >= kPlanMaxReceivers)
        return;
    filling = true;
    ui->tableReceivers->insertRow(row);
    ui->tableReceivers->setItem(row, NameColumn,
                                new QTableWidgetItem(tr("Receiver %1").arg(row + 1)));
    ui->tableReceivers->setItem(row, UserbandColumn,
                                new QTableWidgetItem(QString::number(row + 1)));
    ui->tableReceivers->setItem(row, StandardColumn, new QTableWidgetItem);
    ui->tableReceivers->setItem(row, PinColumn, new QTableWidgetItem);
    filling = false;
    ui->tableReceivers->setCurrentCell(row, NameColumn);
    check();
}

void PlanWindow::on_pushButtonRemove_clicked()
{
    const int row = ui->tableReceivers->currentRow();
    if (row >= 0)
        ui->tableReceivers->removeRow(row);
    check();
}

bool PlanWindow::currentPlan(Plan &plan, QString &problem) const
{
    // The fields are read and the plan judged by the plan library, so that
    // the window builds exactly the plans the reader accepts.
    try {
        Plan p;
        p.installation = ui->lineEditInstallation->text().trimmed();
        parseStandard(ui->comboBoxStandard->currentText().toStdString(), p.standard);
        p.bandwidth = ui->spinBoxBandwidth->value();
        p.userbands = userbandsFromText(ui->lineEditUserbands->text());
        p.positions = positionsFromText(ui->lineEditPositions->text());
        p.transponders = transpondersFromText(ui->lineEditTransponders->text());
        for (int row = 0; row < ui->tableReceivers->rowCount(); ++row) {
            const auto cell = [this, row](int column) {
                const QTableWidgetItem *item = ui->tableReceivers->item(row, column);
                return item ? item->text().trimmed() : QString();
            };
            p.receivers << receiverFromText(row, cell(NameColumn), cell(UserbandColumn),
                                            cell(StandardColumn), cell(PinColumn), p.standard);
        }
        validatePlan(p);
        plan = p;
        return true;
    } catch (const PlanError &error) {
        problem = error.message();
        return false;
    }
}

void PlanWindow::check()
{
    if (filling)
        return;
    ui->listFindings->clear();
    Plan plan;
    QString problem;
    QVector<int> marked;
    if (!currentPlan(plan, problem)) {
        ui->listFindings->addItem(problem);
        ui->sheetView->setSheet(nullptr);
    } else {
        const QVector<Finding> found = checkPlan(plan);
        for (const Finding &f : found) {
            auto *item =
                new QListWidgetItem((f.isError() ? tr("Error: %1: %2") : tr("Note: %1: %2"))
                                        .arg(findingSubject(plan, f), f.text));
            if (f.isError()) {
                item->setBackground(kMarked);
                marked << f.receivers;
            }
            ui->listFindings->addItem(item);
        }
        if (found.isEmpty())
            ui->listFindings->addItem(tr("Every check holds."));
        ui->sheetView->setSheet(
            std::make_unique<InstallationSheet>(plan, found, planTable(plan), false));
    }
    const bool full = ui->tableReceivers->rowCount() >= kPlanMaxReceivers;
    ui->pushButtonAdd->setEnabled(!full);
    ui->pushButtonAdd->setToolTip(
        full ? tr("A plan holds at most %1 receivers.").arg(kPlanMaxReceivers) : QString());
    // The receivers the errors concern.
    filling = true;
    for (int row = 0; row < ui->tableReceivers->rowCount(); ++row) {
        for (int column = 0; column < ui->tableReceivers->columnCount(); ++column) {
            if (QTableWidgetItem *item = ui->tableReceivers->item(row, column))
                item->setBackground(marked.contains(row) ? QBrush(kMarked) : QBrush());
        }
    }
    filling = false;
}

void PlanWindow::setPlan(const Plan &plan)
{
    filling = true;
    ui->lineEditInstallation->setText(plan.installation);
    ui->comboBoxStandard->setCurrentText(QString::fromLatin1(standardName(plan.standard)));
    ui->lineEditUserbands->setText(userbandsText(plan.userbands));
    ui->spinBoxBandwidth->setValue(plan.bandwidth);
    ui->lineEditPositions->setText(positionsText(plan.positions));
    ui->lineEditTransponders->setText(transpondersText(plan.transponders));
    ui->tableReceivers->setRowCount(0);
    for (const Plan::Receiver &r : plan.receivers) {
        const int row = ui->tableReceivers->rowCount();
        ui->tableReceivers->insertRow(row);
        ui->tableReceivers->setItem(row, NameColumn, new QTableWidgetItem(r.name));
        ui->tableReceivers->setItem(row, UserbandColumn,
                                    new QTableWidgetItem(QString::number(r.userband)));
        ui->tableReceivers->setItem(row, StandardColumn,
                                    new QTableWidgetItem(receiverStandardText(r, plan.standard)));
        ui->tableReceivers->setItem(
            row, PinColumn, new QTableWidgetItem(r.pin ? QString::number(*r.pin) : QString()));
    }
    filling = false;
    check();
}

QString PlanWindow::openFile(const QString &path)
{
    try {
        setPlan(readPlanFile(filePath(path)));
        return QString();
    } catch (const PlanError &error) {
        return error.message();
    }
}

QString PlanWindow::saveFile(const QString &path) const
{
    Plan plan;
    QString problem;
    if (!currentPlan(plan, problem))
        return problem;
    return ::saveFile(filePath(path), planJson(plan));
}

QString PlanWindow::exportPdf(const QString &path) const
{
    Plan plan;
    QString problem;
    if (!currentPlan(plan, problem))
        return problem;
    const QVector<Finding> found = checkPlan(plan);
    const SheetFile file = sheetFile(InstallationSheet(plan, found, planTable(plan), false),
                                     QStringLiteral("pdf"), plan.installation);
    return file.bytes.isEmpty() ? tr("the sheet could not be made")
                                : ::saveFile(filePath(path), file.bytes);
}

void PlanWindow::on_pushButtonOpen_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a plan"), QString(),
                                                      tr("Plans (*.json);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString error = openFile(path);
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Not a plan"),
                             tr("%1: %2").arg(QDir::toNativeSeparators(path), error));
}

// Asks for a name to save under and writes with `write`, saying why not.
void PlanWindow::saveAs(const QString &caption, const QString &name, const QString &filter,
                        QString (PlanWindow::*write)(const QString &) const)
{
    const QString path = QFileDialog::getSaveFileName(this, caption, name, filter);
    if (path.isEmpty())
        return;
    const QString error = (this->*write)(path);
    if (!error.isEmpty())
        QMessageBox::warning(
            this, tr("Not saved"),
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), error));
}

void PlanWindow::on_pushButtonSave_clicked()
{
    saveAs(tr("Save the plan"), QStringLiteral("plan.json"), tr("Plans (*.json)"),
           &PlanWindow::saveFile);
}

void PlanWindow::on_pushButtonPdf_clicked()
{
    saveAs(tr("Export the sheet as PDF"), QStringLiteral("sheet.pdf"), tr("PDF (*.pdf)"),
           &PlanWindow::exportPdf);
}

QString PlanWindow::printSheet(QPrinter &printer) const
{
    Plan plan;
    QString problem;
    if (!currentPlan(plan, problem))
        return problem;
    const InstallationSheet sheetToPrint(plan, checkPlan(plan), planTable(plan), false);
    QPainter painter(&printer);
    if (!painter.isActive())
        return tr("the printer cannot be used");
    // The sheet is laid out in points.
    const double scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    sheetToPrint.paint(painter, [&printer] { printer.newPage(); });
    return QString();
}

void PlanWindow::on_pushButtonPrint_clicked()
{
    Plan plan;
    QString problem;
    if (!currentPlan(plan, problem)) {
        QMessageBox::warning(this, tr("Nothing to print"), problem);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setDocName(plan.installation);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { printSheet(*target); });
    preview.exec();
}
