#pragma once

#include <QPointer>
#include <QWidget>

// A tool window closes on Esc, as a dialog does, once no control inside it
// took the key (an open cell editor or list keeps it for itself); and it
// opens where and as large as it was last.
void makeToolWindow(QWidget *window);

// The tool window in `kept`, made by `make` on first use, shown, raised
// and given the focus.
template <typename Window, typename Make> Window *showTool(QPointer<Window> &kept, Make make)
{
    if (!kept)
        kept = make();
    kept->show();
    kept->raise();
    kept->activateWindow();
    return kept;
}

class QMimeData;
class QString;

// The one local file a drag brings, or nothing: the program's windows take
// a plan or a recording dropped on them.
QString droppedFile(const QMimeData *data);
