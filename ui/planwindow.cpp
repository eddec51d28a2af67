#include "planwindow.h"

#include "bands.h"
#include "files.h"
#include "sheet.h"
#include "transponder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    NameColumn,
    UserbandColumn,
    StandardColumn,
    PinColumn,
};

const QColor kMarked(250, 205, 200);

// The sheet's first page, scaled to fit, as the plan stands.
class SheetView : public QWidget
{
public:
    explicit SheetView(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("sheetView"));
        setMinimumSize(fontMetrics().height() * 16, fontMetrics().height() * 22);
    }

    void setSheet(std::unique_ptr<InstallationSheet> next)
    {
        shown = std::move(next);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        if (!shown)
            return;
        const QSizeF page = InstallationSheet::pageSize();
        const double scale = std::min(width() / page.width(), height() / page.height());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.fillRect(QRectF(QPointF(0, 0), page), Qt::white);
        painter.setClipRect(QRectF(QPointF(0, 0), page));
        // The first page only: later ones go below the clip.
        shown->paint(painter, [&painter, page] { painter.translate(0, page.height() * 4); });
    }

private:
    std::unique_ptr<InstallationSheet> shown;
};

QString numbers(const QVector<int> &values)
{
    QStringList list;
    for (const int v : values)
        list << QString::number(v);
    return list.join(QLatin1String(", "));
}

} // namespace

PlanWindow::PlanWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("planWindow"));
    setWindowTitle(tr("Plan an installation"));

    title = new QLineEdit(this);
    title->setObjectName(QStringLiteral("lineEditInstallation"));
    standard = new QComboBox(this);
    standard->setObjectName(QStringLiteral("comboBoxStandard"));
    standard->addItems({QStringLiteral("EN 50607"), QStringLiteral("EN 50494")});
    userbands = new QLineEdit(this);
    userbands->setObjectName(QStringLiteral("lineEditUserbands"));
    userbands->setToolTip(tr("The unit's userband frequencies in MHz, by number from 1"));
    auto *list1 = new QPushButton(tr("List &1"), this);
    list1->setObjectName(QStringLiteral("pushButtonList1"));
    auto *list2 = new QPushButton(tr("List &2"), this);
    list2->setObjectName(QStringLiteral("pushButtonList2"));
    bandwidth = new QSpinBox(this);
    bandwidth->setObjectName(QStringLiteral("spinBoxBandwidth"));
    bandwidth->setRange(0, 1200);
    bandwidth->setSuffix(QStringLiteral(" MHz"));
    bandwidth->setSpecialValueText(tr("not given"));
    positions = new QLineEdit(this);
    positions->setObjectName(QStringLiteral("lineEditPositions"));
    positions->setToolTip(tr("Labels of the positions used, e.g. A 19.2° E; B 13.0° E"));
    transponders = new QLineEdit(this);
    transponders->setObjectName(QStringLiteral("lineEditTransponders"));
    transponders->setToolTip(tr("As installers write them: 11493H, B 12188V, 5 12188V"));

    auto *unitRow = new QHBoxLayout;
    unitRow->addWidget(userbands, 1);
    unitRow->addWidget(list1);
    unitRow->addWidget(list2);
    auto *form = new QFormLayout;
    form->addRow(tr("&Installation:"), title);
    form->addRow(tr("&Unit's standard:"), standard);
    auto *userbandsLabel = new QLabel(tr("User&bands (MHz):"), this);
    userbandsLabel->setBuddy(userbands);
    form->addRow(userbandsLabel, unitRow);
    form->addRow(tr("Band&width:"), bandwidth);
    form->addRow(tr("&Positions:"), positions);
    form->addRow(tr("&Transponders:"), transponders);

    receivers = new QTableWidget(0, 4, this);
    receivers->setObjectName(QStringLiteral("tableReceivers"));
    receivers->setHorizontalHeaderLabels(
        {tr("Receiver"), tr("Userband"), tr("Standard"), tr("PIN")});
    receivers->horizontalHeader()->setStretchLastSection(true);
    receivers->setToolTip(tr("Standard: empty for the unit's; PIN: empty for none"));
    auto *add = new QPushButton(tr("&Add a receiver"), this);
    add->setObjectName(QStringLiteral("pushButtonAdd"));
    auto *remove = new QPushButton(tr("&Remove"), this);
    remove->setObjectName(QStringLiteral("pushButtonRemove"));
    auto *receiverButtons = new QHBoxLayout;
    receiverButtons->addWidget(add);
    receiverButtons->addWidget(remove);
    receiverButtons->addStretch();

    findings = new QListWidget(this);
    findings->setObjectName(QStringLiteral("listFindings"));
    sheet = new SheetView(this);

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(form);
    leftLayout->addWidget(new QLabel(tr("Receivers:"), left));
    leftLayout->addWidget(receivers, 2);
    leftLayout->addLayout(receiverButtons);
    leftLayout->addWidget(new QLabel(tr("Checks:"), left));
    leftLayout->addWidget(findings, 1);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(sheet);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *open = buttons->addButton(tr("&Open..."), QDialogButtonBox::ActionRole);
    auto *save = buttons->addButton(tr("&Save..."), QDialogButtonBox::ActionRole);
    auto *printButton = buttons->addButton(tr("P&rint..."), QDialogButtonBox::ActionRole);
    auto *pdf = buttons->addButton(tr("&Export PDF..."), QDialogButtonBox::ActionRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);

    connect(title, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(standard, &QComboBox::currentTextChanged, this, &PlanWindow::check);
    connect(userbands, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(bandwidth, QOverload<int>::of(&QSpinBox::valueChanged), this, &PlanWindow::check);
    connect(positions, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(transponders, &QLineEdit::textChanged, this, &PlanWindow::check);
    connect(receivers, &QTableWidget::itemChanged, this, &PlanWindow::check);
    connect(add, &QPushButton::clicked, this, &PlanWindow::addReceiver);
    connect(remove, &QPushButton::clicked, this, &PlanWindow::removeReceiver);
    connect(list1, &QPushButton::clicked, this, [this] { fillPreset(1); });
    connect(list2, &QPushButton::clicked, this, [this] { fillPreset(2); });
    connect(open, &QPushButton::clicked, this, &PlanWindow::chooseOpen);
    connect(save, &QPushButton::clicked, this, &PlanWindow::chooseSave);
    connect(printButton, &QPushButton::clicked, this, &PlanWindow::print);
    connect(pdf, &QPushButton::clicked, this, &PlanWindow::choosePdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    fillPreset(2);
    const int line = fontMetrics().height();
    resize(64 * line, 40 * line);
}

void PlanWindow::fillPreset(int list)
{
    QStringList frequencies;
    for (int n = 1; n <= bands::kPresetLists[list - 1].count; ++n)
        frequencies << QString::number(bands::presetFrequency(list, n));
    userbands->setText(frequencies.join(QLatin1String(", ")));
}

void PlanWindow::addReceiver()
{
    const int row = receivers->rowCount();
    filling = true;
    receivers->insertRow(row);
    receivers->setItem(row, NameColumn, new QTableWidgetItem(tr("Receiver %1").arg(row + 1)));
    receivers->setItem(row, UserbandColumn, new QTableWidgetItem(QString::number(row + 1)));
    receivers->setItem(row, StandardColumn, new QTableWidgetItem);
    receivers->setItem(row, PinColumn, new QTableWidgetItem);
    filling = false;
    receivers->setCurrentCell(row, NameColumn);
    check();
}

void PlanWindow::removeReceiver()
{
    const int row = receivers->currentRow();
    if (row >= 0)
        receivers->removeRow(row);
    check();
}

bool PlanWindow::currentPlan(Plan &plan, QString &problem) const
{
    Plan p;
    p.installation = title->text().trimmed();
    parseStandard(standard->currentText().toStdString(), p.standard);
    p.bandwidth = bandwidth->value();
    for (const QString &f : userbands->text().split(QRegularExpression(QStringLiteral("[,; ]+")),
                                                    Qt::SkipEmptyParts)) {
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
    for (const QString &entry : positions->text().split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = entry.trimmed();
        const int position =
            positionFromName(trimmed.section(QLatin1Char(' '), 0, 0).toStdString());
        if (position < 0) {
            problem = tr("Positions: %1 does not start with A to D or 5 to 64").arg(trimmed);
            return false;
        }
        p.positions.insert(position, trimmed.section(QLatin1Char(' '), 1).trimmed());
    }
    for (const QString &entry : transponders->text().split(
             QRegularExpression(QStringLiteral("[,;]")), Qt::SkipEmptyParts)) {
        TransponderNotation notation;
        Plan::Transponder t;
        t.text = entry.trimmed();
        if (!parseTransponder(t.text.toStdString(), notation) ||
            notation.frequency < bands::kLowBandMin || notation.frequency > bands::kHighBandMax) {
            problem =
                tr("Transponders: %1 is not one; write 11493H, B 12188V or 5 12188V").arg(t.text);
            return false;
        }
        t.position = std::max(notation.position, 0);
        t.frequency = notation.frequency;
        t.vertical = notation.vertical;
        t.lowBand = t.frequency < bands::kHighBandMin;
        p.transponders << t;
    }
    for (int row = 0; row < receivers->rowCount(); ++row) {
        const auto cell = [this, row](int column) {
            const QTableWidgetItem *item = receivers->item(row, column);
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
    findings->clear();
    Plan plan;
    QString problem;
    QVector<int> marked;
    if (!currentPlan(plan, problem)) {
        findings->addItem(problem);
        static_cast<SheetView *>(sheet)->setSheet(nullptr);
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
            findings->addItem(item);
        }
        if (found.isEmpty())
            findings->addItem(tr("Every check holds."));
        static_cast<SheetView *>(sheet)->setSheet(
            std::make_unique<InstallationSheet>(plan, found, planTable(plan), false));
    }
    // The receivers the errors concern.
    filling = true;
    for (int row = 0; row < receivers->rowCount(); ++row) {
        for (int column = 0; column < receivers->columnCount(); ++column) {
            if (QTableWidgetItem *item = receivers->item(row, column))
                item->setBackground(marked.contains(row) ? QBrush(kMarked) : QBrush());
        }
    }
    filling = false;
}

void PlanWindow::setPlan(const Plan &plan)
{
    filling = true;
    title->setText(plan.installation);
    standard->setCurrentText(QString::fromLatin1(standardName(plan.standard)));
    userbands->setText(numbers(plan.userbands));
    bandwidth->setValue(plan.bandwidth);
    QStringList labels;
    for (auto it = plan.positions.begin(); it != plan.positions.end(); ++it)
        labels << QString::fromStdString(positionName(it.key())) + QLatin1Char(' ') + it.value();
    positions->setText(labels.join(QLatin1String("; ")));
    QStringList names;
    for (const Plan::Transponder &t : plan.transponders)
        names << (t.position == 0 ? transponderName(t).mid(2) : transponderName(t));
    transponders->setText(names.join(QLatin1String(", ")));
    receivers->setRowCount(0);
    for (const Plan::Receiver &r : plan.receivers) {
        const int row = receivers->rowCount();
        receivers->insertRow(row);
        receivers->setItem(row, NameColumn, new QTableWidgetItem(r.name));
        receivers->setItem(row, UserbandColumn, new QTableWidgetItem(QString::number(r.userband)));
        receivers->setItem(
            row, StandardColumn,
            new QTableWidgetItem(r.standard == plan.standard
                                     ? QString()
                                     : QString::fromLatin1(standardName(r.standard))));
        receivers->setItem(row, PinColumn,
                           new QTableWidgetItem(r.hasPin ? QString::number(r.pin) : QString()));
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

void PlanWindow::chooseOpen()
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

void PlanWindow::chooseSave()
{
    saveAs(tr("Save the plan"), QStringLiteral("plan.json"), tr("Plans (*.json)"),
           &PlanWindow::saveFile);
}

void PlanWindow::choosePdf()
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

void PlanWindow::print()
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
