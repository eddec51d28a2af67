#pragma once

#include <functional>

class QTranslator;
class QWidget;

// Loads the toolkit's catalogue from Qt's translations folder and the
// program's catalogue ("vantir_" and the locale name) from the working
// directory, both for the system locale, and installs both, the program's
// last so that it wins. A catalogue that is missing, unreadable or damaged
// leaves its translator empty: the texts then show in their source language.
void installTranslators(QTranslator &toolkit, QTranslator &program);

// The program after its application object exists: installs the catalogues,
// builds and shows the main window and runs the event loop until it ends,
// returning its exit code. `beforeShow` lets a measuring program watch the
// window; the program itself passes nothing.
int runProgram(const std::function<void(QWidget &)> &beforeShow = {});
