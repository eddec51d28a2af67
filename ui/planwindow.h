#pragma once

#include "plan.h"

#include <QWidget>

class QPrinter;
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
    bool currentPlan(Plan &plan, QString &problem) const;
    void setPlan(const Plan &plan);

    // Opens and saves plan files; the sheet as PDF. Return why not, or
    // nothing; the dialogs call them with the names chosen.
    QString openFile(const QString &path);
    QString saveFile(const QString &path) const;
    QString exportPdf(const QString &path) const;
    // The sheet onto a printer, page by page; why not, or nothing.
    QString printSheet(QPrinter &printer) const;

private slots:
    void check();
    // Connected by name when the form is built.
    void on_pushButtonAdd_clicked();
    void on_pushButtonRemove_clicked();
    void on_pushButtonList1_clicked();
    void on_pushButtonList2_clicked();
    void on_pushButtonOpen_clicked();
    void on_pushButtonSave_clicked();
    void on_pushButtonPdf_clicked();
    void on_pushButtonPrint_clicked();

private:
    void saveAs(const QString &caption, const QString &name, const QString &filter,
                QString (PlanWindow::*write)(const QString &) const);

    void fillPreset(int list);

    Ui_PlanWindow *ui;
    bool filling = false;
};
