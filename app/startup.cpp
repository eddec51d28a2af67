#include "startup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslators(QTranslator &toolkit, QTranslator &program)
{
    toolkit.load(QStringLiteral("qt_") + QLocale::system().name(),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&toolkit);

    // No folder: a relative name resolves against the working directory,
    // which is where an installation puts the catalogue.
    program.load(QStringLiteral("vantir_") + QLocale::system().name());
    QCoreApplication::installTranslator(&program);
}
