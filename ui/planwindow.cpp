#include "planwindow.h"

#include "bands.h"
#include "filedialogs.h"
#include "files.h"
#include "openingsize.h"
#include "phrasetext.h"
#include "planfields.h"
#include "planfile.h"
#include "remembered.h"
#include "sheet.h"
#include "toolwindows.h"
#include "ui_planwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QUndoStack>

namespace {

// In the plan's fields and cell editors: Undo and Redo reach the window's
// actions, whose steps hold the typing too, and an Alt shortcut that
// names no button (Add with the plan full) is not typed as a letter.
class PlanFieldKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::ShortcutOverride)
            return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        // Ctrl with Alt is AltGr on Windows, which types.
        return event->type() == QEvent::KeyPress && !key->text().isEmpty() &&
               (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier;
    }
};

// Cells edited as their fields are; the standard chosen from the list.
class ReceiverCells : public QStyledItemDelegate
{
public:
    ReceiverCells(QObject *fieldKeys, QObject *parent)
        : QStyledItemDelegate(parent), keys(fieldKeys)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *box = qobject_cast<QComboBox *>(editor))
            box->setCurrentIndex(std::max(0, box->findText(index.data().toString())));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override
    {
        if (auto *box = qobject_cast<QComboBox *>(editor))
            model->setData(index, box->currentIndex() == 0 ? QString() : box->currentText());
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    QObject *keys;
};

const QColor kMarked(250, 205, 200);

QWidget *ReceiverCells::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    if (index.column() == StandardCell) {
        auto *box = new QComboBox(parent);
        box->addItem(QCoreApplication::translate("PlanWindow", "the unit's"));
        box->addItems({QStringLiteral("EN 50494"), QStringLiteral("EN 50607")});
        // A choice is an edit of its own, as Enter in a text cell is.
        auto *self = const_cast<ReceiverCells *>(this);
        connect(box, QOverload<int>::of(&QComboBox::activated), self, [self, box] {
            emit self->commitData(box);
            emit self->closeEditor(box);
        });
        editor = box;
    } else {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    }
    editor->installEventFilter(keys);
    return editor;
}

} // namespace

// One edit of the fields: what they held before and after it.
class PlanFieldsEdit : public QUndoCommand
{
public:
    PlanFieldsEdit(PlanWindow *w, PlanFields from, PlanFields to)
        : window(w), before(std::move(from)), after(std::move(to))
    {
    }
    void undo() override { window->fill(before); }
    void redo() override
    {
        // The first time, the fields already hold it.
        if (done)
            window->fill(after);
        done = true;
    }

private:
    PlanWindow *window;
    PlanFields before, after;
    bool done = false;
};

PlanWindow::PlanWindow(QWidget *parent) : QWidget(parent, Qt::Window), ui(new Ui_PlanWindow)
{
    setObjectName(QStringLiteral("planWindow"));
    ui->setupUi(this);
    ui->splitter->setStretchFactor(0, 3);
    ui->splitter->setStretchFactor(1, 2);
    // Every edit checks the plan anew; typing into a field becomes one step
    // of the plan's undo when the field is left or Enter pressed.
    auto *keys = new PlanFieldKeys(this);
    for (QLineEdit *field : {ui->lineEditInstallation, ui->lineEditUserbands, ui->lineEditPositions,
                             ui->lineEditTransponders}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] { edited(field); });
        connect(field, &QLineEdit::editingFinished, this, &PlanWindow::recordEdit);
        field->installEventFilter(keys);
    }
    connect(ui->spinBoxBandwidth, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this] { edited(ui->spinBoxBandwidth); });
    connect(ui->spinBoxBandwidth, &QSpinBox::editingFinished, this, &PlanWindow::recordEdit);
    // The spin box hands its keys to its line edit past that one's filters.
    ui->spinBoxBandwidth->installEventFilter(keys);
    connect(ui->comboBoxStandard, &QComboBox::currentTextChanged, this,
            [this] { edited(nullptr); });
    connect(ui->tableReceivers, &QTableWidget::itemChanged, this, [this] { edited(nullptr); });
    ui->tableReceivers->setItemDelegate(new ReceiverCells(keys, this));
    setAcceptDrops(true);
    undo = new QUndoStack(this);
    auto *undoAction = new QAction(this);
    undoAction->setShortcuts(QKeySequence::Undo);
    connect(undoAction, &QAction::triggered, this, [this] {
        commitTyping();
        undo->undo();
    });
    auto *redoAction = new QAction(this);
    redoAction->setShortcuts(QKeySequence::Redo);
    connect(redoAction, &QAction::triggered, this, [this] {
        // Typing not yet a step is an edit after the last undo: nothing to redo.
        commitTyping();
        undo->redo();
    });
    auto *save = new QAction(this);
    save->setShortcuts(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &PlanWindow::on_pushButtonSave_clicked);
    auto *saveAsAction = new QAction(this);
    saveAsAction->setShortcuts(QKeySequence::SaveAs);
    connect(saveAsAction, &QAction::triggered, this, &PlanWindow::saveAs);
    connect(ui->pushButtonSaveAs, &QPushButton::clicked, this, &PlanWindow::saveAs);
    addActions({undoAction, redoAction, save, saveAsAction});
    fillPreset(2);
    startAfresh(QString());
    blank = saved;
    auto *newPlan = new QAction(this);
    newPlan->setShortcuts(QKeySequence::New);
    connect(newPlan, &QAction::triggered, this, &PlanWindow::on_pushButtonNew_clicked);
    addAction(newPlan);
    ui->lineEditInstallation->setFocus();
    const int line = fontMetrics().height();
    resize(openingSize(this, QSize(64 * line, 40 * line)));
    makeToolWindow(this);
}

// A plan as it stands in `file` (empty: a new one), with nothing to undo.
void PlanWindow::startAfresh(const QString &file)
{
    path = file;
    undo->clear();
    last = saved = fields();
    undo->setClean();
    setWindowModified(false);
    showFile();
}

void PlanWindow::showFile()
{
    setWindowTitle(tr("%1[*] – Plan an installation")
                       .arg(path.isEmpty() ? tr("New plan") : QFileInfo(path).fileName()));
}

PlanFields PlanWindow::fields() const
{
    PlanFields f{ui->lineEditInstallation->text(),
                 ui->comboBoxStandard->currentText(),
                 ui->lineEditUserbands->text(),
                 ui->spinBoxBandwidth->value(),
                 ui->lineEditPositions->text(),
                 ui->lineEditTransponders->text(),
                 {}};
    for (int row = 0; row < ui->tableReceivers->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ui->tableReceivers->columnCount(); ++column) {
            const QTableWidgetItem *item = ui->tableReceivers->item(row, column);
            cells << (item ? item->text() : QString());
        }
        f.receivers << cells;
    }
    return f;
}

void PlanWindow::fill(const PlanFields &f)
{
    filling = true;
    ui->lineEditInstallation->setText(f.installation);
    ui->comboBoxStandard->setCurrentText(f.standard);
    ui->lineEditUserbands->setText(f.userbands);
    ui->spinBoxBandwidth->setValue(f.bandwidth);
    ui->lineEditPositions->setText(f.positions);
    ui->lineEditTransponders->setText(f.transponders);
    ui->tableReceivers->setRowCount(f.receivers.size());
    for (int row = 0; row < f.receivers.size(); ++row)
        for (int column = 0; column < f.receivers[row].size(); ++column)
            ui->tableReceivers->setItem(row, column,
                                        new QTableWidgetItem(f.receivers[row][column]));
    filling = false;
    last = f;
    check();
}

void PlanWindow::recordEdit()
{
    if (filling)
        return;
    const PlanFields now = fields();
    if (now == last)
        return;
    undo->push(new PlanFieldsEdit(this, last, now));
    last = now;
}

PlanWindow::~PlanWindow()
{
    // The field with the focus loses it as the window goes, and says its
    // editing finished: nothing is recorded from fields half gone.
    filling = true;
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
    ui->tableReceivers->setItem(row, NameCell,
                                new QTableWidgetItem(tr("Receiver %1").arg(row + 1)));
    ui->tableReceivers->setItem(row, UserbandCell, new QTableWidgetItem(QString::number(row + 1)));
    ui->tableReceivers->setItem(row, StandardCell, new QTableWidgetItem);
    ui->tableReceivers->setItem(row, PinCell, new QTableWidgetItem);
    filling = false;
    ui->tableReceivers->setCurrentCell(row, NameCell);
    edited(nullptr);
}

void PlanWindow::on_pushButtonRemove_clicked()
{
    const int row = ui->tableReceivers->currentRow();
    if (row >= 0)
        ui->tableReceivers->removeRow(row);
    edited(nullptr);
}

PlanWindow::FormPlan PlanWindow::currentPlan() const
{
    try {
        return {planFromFields(fields()), {}};
    } catch (const PlanError &error) {
        return {std::nullopt, phraseText(fieldProblem(error))};
    }
}

void PlanWindow::edited(QWidget *field)
{
    if (filling)
        return;
    // The window's focus, which stays on the field while another window
    // is in front.
    if (!field || focusWidget() != field)
        recordEdit();
    // What was saved or printed last is no longer what the fields hold.
    say(QString());
    check();
}

void PlanWindow::say(const QString &done)
{
    ui->labelDone->setText(done);
    // The label gives up width before the buttons do.
    ui->labelDone->setToolTip(done);
}

void PlanWindow::commitTyping()
{
    // A cell's editor gives its text to the table when it loses the focus.
    const QWidget *focused = QApplication::focusWidget();
    if (focused && ui->tableReceivers->viewport()->isAncestorOf(focused))
        ui->tableReceivers->setFocus();
    recordEdit();
}

void PlanWindow::check()
{
    if (filling)
        return;
    setWindowModified(fields() != saved);
    ui->listFindings->clear();
    QVector<int> marked;
    const FormPlan current = currentPlan();
    if (!current.plan) {
        ui->listFindings->addItem(current.problem);
        ui->sheetView->setSheet(nullptr);
    } else {
        const Plan &plan = *current.plan;
        const QVector<Finding> found = checkPlan(plan);
        for (const Finding &f : found) {
            auto *item = new QListWidgetItem(
                (f.isError() ? tr("Error: %1: %2") : tr("Note: %1: %2"))
                    .arg(phraseText(findingSubject(plan, f)), phraseText(f.text)));
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
    fill(fieldsOf(plan));
}

Failure PlanWindow::openFile(const QString &name)
{
    try {
        setPlan(readPlanFile(filePath(name)));
        startAfresh(name);
        remembered::addRecent(remembered::kPlans, name);
        return std::nullopt;
    } catch (const PlanError &error) {
        return phraseText(error.why());
    }
}

Failure PlanWindow::saveFile(const QString &name)
{
    const FormPlan current = currentPlan();
    if (!current.plan)
        return current.problem;
    // Open's filter shows plans by their suffix.
    const QString named =
        QFileInfo(name).suffix().isEmpty() ? name + QStringLiteral(".json") : name;
    if (const std::optional<Phrase> error = ::saveFile(filePath(named), planJson(*current.plan)))
        return phraseText(*error);
    path = named;
    recordEdit();
    saved = last;
    undo->setClean();
    setWindowModified(false);
    showFile();
    say(tr("Saved to %1.").arg(QDir::toNativeSeparators(named)));
    remembered::addRecent(remembered::kPlans, named);
    return std::nullopt;
}

bool PlanWindow::maySetAside()
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Unsaved changes"),
                    tr("The plan has changes that are not saved."),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        on_pushButtonSave_clicked();
        return !isWindowModified();
    case QMessageBox::Discard:
        discard();
        return true;
    default:
        return false;
    }
}

void PlanWindow::discard()
{
    fill(saved);
    startAfresh(path);
}

void PlanWindow::on_pushButtonNew_clicked()
{
    if (!maySetAside())
        return;
    fill(blank);
    startAfresh(QString());
}

void PlanWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void PlanWindow::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(event->mimeData());
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        emit dropped(file);
    }
}

void PlanWindow::closeEvent(QCloseEvent *event)
{
    if (maySetAside())
        event->accept();
    else
        event->ignore();
}

Failure PlanWindow::exportPdf(const QString &name) const
{
    const FormPlan current = currentPlan();
    if (!current.plan)
        return current.problem;
    const Plan &plan = *current.plan;
    const QVector<Finding> found = checkPlan(plan);
    const SheetFile file = sheetFile(InstallationSheet(plan, found, planTable(plan), false),
                                     QStringLiteral("pdf"), plan.installation);
    if (file.bytes.isEmpty())
        return tr("the sheet could not be made");
    if (const std::optional<Phrase> error = ::saveFile(filePath(name), file.bytes))
        return phraseText(*error);
    return std::nullopt;
}

namespace {

// Where a dialog for plans starts: beside the plan's file, else where plans
// were last, never in the working directory (a read-only folder when
// started from the menu).
QString startingFolder(const QString &file)
{
    return file.isEmpty() ? remembered::folder(remembered::kPlans) : QFileInfo(file).absolutePath();
}

} // namespace

void PlanWindow::on_pushButtonOpen_clicked()
{
    if (!maySetAside())
        return;
    const QString name = askFileToOpen(this, tr("Open a plan"), startingFolder(path),
                                       tr("Plans (*.json);;All files (*)"));
    if (name.isEmpty())
        return;
    if (const Failure error = openFile(name))
        QMessageBox::warning(this, tr("Not a plan"),
                             tr("%1: %2").arg(QDir::toNativeSeparators(name), *error));
}

// Asks for a name to save under and writes with `write`, saying why not.
void PlanWindow::askAndWrite(const QString &caption, const QString &name, const QString &filter,
                             const std::function<Failure(const QString &)> &write)
{
    const QString chosen =
        askFileToSave(this, caption, QDir(startingFolder(path)).filePath(name), filter);
    if (chosen.isEmpty())
        return;
    sayIfNotWritten(tr("Not saved"), chosen, write(chosen));
}

void PlanWindow::sayIfNotWritten(const QString &title, const QString &file, const Failure &error)
{
    if (error)
        QMessageBox::warning(
            this, title,
            tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(file), *error));
}

bool PlanWindow::isAPlan(const QString &title, const QString &refusal)
{
    const FormPlan current = currentPlan();
    if (current.plan)
        return true;
    QMessageBox::warning(this, title, refusal.arg(current.problem));
    return false;
}

void PlanWindow::on_pushButtonSave_clicked()
{
    // A plan file holds what the reader reads, never half a plan: what is
    // wrong is said before a name is asked for.
    if (!isAPlan(tr("Not saved"), tr("The plan is not saved, as it is not yet a plan: %1.")))
        return;
    if (path.isEmpty()) {
        saveAs();
        return;
    }
    sayIfNotWritten(tr("Not saved"), path, saveFile(path));
}

void PlanWindow::saveAs()
{
    if (!isAPlan(tr("Not saved"), tr("The plan is not saved, as it is not yet a plan: %1.")))
        return;
    askAndWrite(tr("Save the plan"),
                path.isEmpty() ? QStringLiteral("plan.json") : QFileInfo(path).fileName(),
                tr("Plans (*.json)"), [this](const QString &name) { return saveFile(name); });
}

void PlanWindow::on_pushButtonPdf_clicked()
{
    if (!isAPlan(tr("Nothing to export"), tr("There is no sheet yet, as the plan is not: %1.")))
        return;
    askAndWrite(tr("Export the sheet as PDF"),
                QDir(remembered::folder(remembered::kSheets)).filePath(QStringLiteral("sheet.pdf")),
                tr("PDF (*.pdf)"), [this](const QString &chosen) {
                    // The program's own dialogs show sheets by their suffix.
                    const QString name = QFileInfo(chosen).suffix().isEmpty()
                                             ? chosen + QStringLiteral(".pdf")
                                             : chosen;
                    const Failure error = exportPdf(name);
                    if (!error) {
                        remembered::usedFile(remembered::kSheets, name);
                        say(tr("The sheet is written to %1.").arg(QDir::toNativeSeparators(name)));
                    }
                    return error;
                });
}

Failure PlanWindow::printSheet(QPrinter &printer) const
{
    const FormPlan current = currentPlan();
    if (!current.plan)
        return current.problem;
    const Plan &plan = *current.plan;
    const InstallationSheet sheetToPrint(plan, checkPlan(plan), planTable(plan), false);
    QPainter painter(&printer);
    if (!painter.isActive())
        return tr("the printer cannot be used");
    // The sheet is laid out in points.
    const double scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    sheetToPrint.paint(painter, [&printer] { printer.newPage(); });
    return std::nullopt;
}

Failure PlanWindow::printTo(QPrinter &target) const
{
    // Printed to a PDF file, the sheet is made in memory, as when exported,
    // and goes through the writer every file goes through: whole or not at
    // all, and a failure said. The printer's own PDF writer would leave a
    // file cut short on a full disk without a word.
    const QString wanted = target.outputFileName();
    if (target.outputFormat() == QPrinter::PdfFormat && !wanted.isEmpty())
        return exportPdf(wanted);
    return printSheet(target);
}

void PlanWindow::on_pushButtonPrint_clicked()
{
    if (!isAPlan(tr("Nothing to print"), tr("There is no sheet yet, as the plan is not: %1.")))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setDocName(currentPlan().plan->installation);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("printPreview"));
    Failure failed;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &failed](QPrinter *target) {
                failed = printTo(*target);
                sayIfNotWritten(tr("Not printed"), target->outputFileName(), failed);
            });
    // The preview's Print button is a tool button that Tab does not reach,
    // and on a small screen it hides behind the tool bar's overflow: it
    // takes the print key, and the preview as much of the screen as it may.
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : preview.findChildren<QAction *>())
        if (action->text() == print)
            action->setShortcuts(QKeySequence::Print);
    const int line = fontMetrics().height();
    preview.resize(openingSize(&preview, QSize(60 * line, 50 * line)));
    // The preview closes accepted once it has printed.
    if (preview.exec() == QDialog::Accepted && !failed)
        say(printer.outputFileName().isEmpty()
                ? tr("The sheet went to %1.").arg(printer.printerName())
                : tr("The sheet is written to %1.")
                      .arg(QDir::toNativeSeparators(printer.outputFileName())));
}
