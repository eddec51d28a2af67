#pragma once

#include <QString>

class QWidget;

// Asks for a file as QFileDialog's static functions do, but keeps the
// toolkit's own dialog (where the desktop offers none of its own) inside
// the screen: made for a large screen, at 200 % on a laptop its name field
// and buttons lay below the screen's edge. Empty when cancelled.
QString askFileToSave(QWidget *parent, const QString &caption, const QString &path,
                      const QString &filters, QString *chosenFilter = nullptr);
QString askFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                      const QString &filters);
