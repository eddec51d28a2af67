#pragma once

class QTranslator;

// Loads the toolkit's catalogue from Qt's translations folder and the
// program's catalogue ("vantir_" and the locale name) from the working
// directory, both for the system locale, and installs both, the program's
// last so that it wins. A catalogue that is missing or unreadable leaves its
// translator empty: the texts then show in their source language.
void installTranslators(QTranslator &toolkit, QTranslator &program);
