#pragma once

#include "failure.h"
#include "planfields.h"

#include <functional>
#include <optional>

#include <QStringList>
#include <QVector>
#include <QWidget>

class QPrinter;
class QUndoStack;
class Ui_PlanWindow;

// Edits the plan of a whole installation, the same file `vantir-cli plan`
// reads: the unit, the receivers, the positions and the transponders. The
// checks show as the plan is edited, with the receivers they concern marked
// and the sheet's first page, with its picture of the cable, beside them.
// Opens and saves the plan, prints the sheet with a preview and exports it
// as PDF.
class PlanWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PlanWindow(QWidget *parent = nullptr);
    ~PlanWindow() override;

    // The plan as the fields give it, or why they do not make one.
    struct FormPlan
    {
        std::optional<Plan> plan;
        QString problem; // while there is no plan
    };
    FormPlan currentPlan() const;
    void setPlan(const Plan &plan);

    // Opens and saves plan files; the sheet as PDF. Return why not, or
    // nothing; the dialogs call them with the names chosen. A plan saved
    // or opened becomes the window's file; a name without a suffix gets
    // ".json".
    Failure openFile(const QString &path);
    Failure saveFile(const QString &path);
    Failure exportPdf(const QString &path) const;
    // The sheet onto a printer, page by page; why not, or nothing.
    Failure printSheet(QPrinter &printer) const;
    // The print preview's printing: to a printer, or to a PDF file through
    // the file writer. Returns why nothing was written, or nothing.
    Failure printTo(QPrinter &target) const;

    // The file the plan was opened from or saved to last; empty for a new one.
    QString file() const { return path; }
    QUndoStack *edits() const { return undo; }
    // Asks to save unsaved changes: false when the user cancels, or the
    // plan could not be saved.
    bool maySetAside();

    PlanFields fields() const;

signals:
    // A file was dropped on the window.
    void dropped(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void check();
    // Connected by name when the form is built.
    void on_pushButtonAdd_clicked();
    void on_pushButtonRemove_clicked();
    void on_pushButtonList1_clicked();
    void on_pushButtonList2_clicked();
    void on_pushButtonNew_clicked();
    void on_pushButtonOpen_clicked();
    void on_pushButtonSave_clicked();
    void saveAs();
    void on_pushButtonPdf_clicked();
    void on_pushButtonPrint_clicked();

private:
    void askAndWrite(const QString &caption, const QString &name, const QString &filter,
                     const std::function<Failure(const QString &)> &write);
    void showFile();
    // Beside the buttons: what the last save, export or print did.
    void say(const QString &done);
    // Whether the fields make a plan; if not, says so with `refusal`,
    // whose %1 is what is wrong.
    bool isAPlan(const QString &title, const QString &refusal);
    void sayIfNotWritten(const QString &title, const QString &file, const Failure &error);
    void fill(const PlanFields &fields);
    // After any edit; `field`, when given, is a typed one, whose typing is
    // recorded as a step once it is left.
    void edited(QWidget *field);
    void recordEdit();
    // What is being typed, a cell's editor included, recorded as a step.
    void commitTyping();
    void startAfresh(const QString &file);
    // Unsaved changes thrown away: the plan as it was opened or last saved.
    void discard();
    friend class PlanFieldsEdit;

    void fillPreset(int list);

    Ui_PlanWindow *ui;
    bool filling = false;
    QUndoStack *undo;
    PlanFields last;  // as the newest step left them
    PlanFields saved; // as the plan was opened or last saved; a new plan's as it starts
    PlanFields blank; // a new plan's
    QString path;
};
