#include "planwindow.h"

#include "bands.h"
#include "files.h"
#include "openingsize.h"
#include "sheet.h"
#include "transponder.h"
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

QString numbers(const QVector<int> &values)
{
    QStringList list;
    for (const int v : values)
        list << QString::number(v);
    return list.join(QLatin1String(", "));
}

} // namespace

PlanWindow::PlanWindow(QWidget *parent) : QWidget(parent, Qt::Window), ui(new Ui_PlanWindow)
{
    setObjectName(QStringLiteral("planWindow"));
    ui->setupUi(this);
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
    QStringList frequencies;
    for (int n = 1; n <= bands::kPresetLists[list - 1].count; ++n)
        frequencies << QString::number(bands::presetFrequency(list, n));
    ui->lineEditUserbands->setText(frequencies.join(QLatin1String(", ")));
}

void PlanWindow::on_pushButtonAdd_clicked()
{
    const int row = ui->tableReceivers->rowCount();
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
    Plan p;
    p.installation = ui->lineEditInstallation->text().trimmed();
    parseStandard(ui->comboBoxStandard->currentText().toStdString(), p.standard);
    p.bandwidth = ui->spinBoxBandwidth->value();
    for (const QString &f : ui->lineEditUserbands->text().split(
             QRegularExpression(QStringLiteral("[,; ]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        p.userbands << f.toInt(&ok);
        if (!ok) {
            problem = tr("Userbands: %1 is not a frequency in MHz").arg(f);
            return false;
        }
    }
    if (p.userbands.isEmpty() || p.userbands.size() > kPlanMaxUserbands) {
        problem = tr("Userbands: give 1 to %1 frequencies").arg(kPlanMaxUserbands);
        return false;
    }
    for (const QString &entry :
         ui->lineEditPositions->text().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = entry.trimmed();
        const int position =
            positionFromName(trimmed.section(QLatin1Char(' '), 0, 0).toStdString());
        if (position < 0) {
            problem = tr("Positions: %1 does not start with A to D or 5 to 64").arg(trimmed);
            return false;
        }
        p.positions.insert(position, trimmed.section(QLatin1Char(' '), 1).trimmed());
    }
    for (const QString &entry : ui->lineEditTransponders->text().split(
             QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts)) {
        Plan::Transponder t;
        if (!transponderFromText(entry.trimmed(), t) || !inBands(t)) {
            problem =
                tr("Transponders: %1 is not one; write 11493H, B 12188V or 5 12188V").arg(t.text);
            return false;
        }
        p.transponders << t;
    }
    for (int row = 0; row < ui->tableReceivers->rowCount(); ++row) {
        const auto cell = [this, row](int column) {
            const QTableWidgetItem *item = ui->tableReceivers->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        Plan::Receiver r;
        r.name = cell(NameColumn);
        bool ok = false;
        r.userband = cell(UserbandColumn).toInt(&ok);
        if (!ok) {
            problem = tr("Receiver %1: its userband is not a number").arg(row + 1);
            return false;
        }
        r.standard = p.standard;
        if (!cell(StandardColumn).isEmpty() &&
            !parseStandard(cell(StandardColumn).toStdString(), r.standard)) {
            problem = tr("Receiver %1: write EN 50494 or EN 50607, or nothing for the unit's")
                          .arg(row + 1);
            return false;
        }
        r.hasPin = !cell(PinColumn).isEmpty();
        r.pin = cell(PinColumn).toInt(&ok);
        if (r.hasPin && !ok) {
            problem = tr("Receiver %1: its PIN is not a number").arg(row + 1);
            return false;
        }
        p.receivers << r;
    }
    plan = p;
    return true;
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
    ui->lineEditUserbands->setText(numbers(plan.userbands));
    ui->spinBoxBandwidth->setValue(plan.bandwidth);
    QStringList labels;
    for (auto it = plan.positions.begin(); it != plan.positions.end(); ++it)
        labels << QString::fromStdString(positionName(it.key())) + QLatin1Char(' ') + it.value();
    ui->lineEditPositions->setText(labels.join(QLatin1String("; ")));
    QStringList names;
    for (const Plan::Transponder &t : plan.transponders)
        names << (t.position == 0 ? transponderName(t).mid(2) : transponderName(t));
    ui->lineEditTransponders->setText(names.join(QLatin1String(", ")));
    ui->tableReceivers->setRowCount(0);
    for (const Plan::Receiver &r : plan.receivers) {
        const int row = ui->tableReceivers->rowCount();
        ui->tableReceivers->insertRow(row);
        ui->tableReceivers->setItem(row, NameColumn, new QTableWidgetItem(r.name));
        ui->tableReceivers->setItem(row, UserbandColumn,
                                    new QTableWidgetItem(QString::number(r.userband)));
        ui->tableReceivers->setItem(
            row, StandardColumn,
            new QTableWidgetItem(r.standard == plan.standard
                                     ? QString()
                                     : QString::fromLatin1(standardName(r.standard))));
        ui->tableReceivers->setItem(
            row, PinColumn, new QTableWidgetItem(r.hasPin ? QString::number(r.pin) : QString()));
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
