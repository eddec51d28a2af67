#pragma once

#include "plan.h"

#include <QWidget>

class QComboBox;
class QPrinter;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTableWidget;

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
    void addReceiver();
    void removeReceiver();
    void fillPreset(int list);
    void chooseOpen();
    void chooseSave();
    void choosePdf();
    void print();

private:
    void saveAs(const QString &caption, const QString &name, const QString &filter,
                QString (PlanWindow::*write)(const QString &) const);

    QLineEdit *title;
    QComboBox *standard;
    QLineEdit *userbands;
    QSpinBox *bandwidth;
    QLineEdit *positions;
    QLineEdit *transponders;
    QTableWidget *receivers;
    QListWidget *findings;
    QWidget *sheet;
    bool filling = false;
};
