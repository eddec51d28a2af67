#pragma once

class QWidget;

// A tool window closes on Esc, as a dialog does, once no control inside it
// took the key (an open cell editor or list keeps it for itself); and it
// opens where and as large as it was last.
void makeToolWindow(QWidget *window);

class QMimeData;
class QString;

// The one local file a drag brings, or nothing: the program's windows take
// a plan or a recording dropped on them.
QString droppedFile(const QMimeData *data);
