#pragma once

#include <QString>

#include <functional>

class QTranslator;
class QWidget;

// Scales the window to the screen's resolution, by the screen's own factor
// (125 % and 150 % too, not rounded to whole numbers). Must run before the
// application object exists.
void enableHighDpiScaling();

// The folder an installation puts the program's catalogue in, beside the
// program's own.
QString installedCatalogueFolder();

// Loads the program's catalogue for the system locale ("vantir_" and the
// locale name, else for every German locale the German catalogue and for
// every other the English one): from the working directory, else from
// `installedFolder`, else the copy the program carries. A catalogue that is
// missing, unreadable or damaged passes on to the next source; with none,
// the texts show in their source language. Then the toolkit's catalogue
// for the language of the program's, from Qt's translations folder.
// Installs both, the program's last so that it wins.
void installTranslators(QTranslator &toolkit, QTranslator &program,
                        const QString &installedFolder = installedCatalogueFolder());

// The program after its application object exists: installs the catalogues,
// builds and shows the main window and runs the event loop until it ends,
// returning its exit code. `beforeShow` lets a measuring program watch the
// window; the program itself passes nothing.
int runProgram(const std::function<void(QWidget &)> &beforeShow = {},
               const QString &installedFolder = installedCatalogueFolder());
