#include "startup.h"

#include "catalogue.h"
#include "mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslators(QTranslator &toolkit, QTranslator &program)
{
    toolkit.load(QStringLiteral("qt_") + QLocale::system().name(),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&toolkit);

    // No folder: a relative name resolves against the working directory,
    // which is where an installation puts the catalogue. Whatever else lies
    // there must not be able to bring the window down, so it is checked.
    loadCheckedCatalogue(program, QStringLiteral("vantir_") + QLocale::system().name());
    QCoreApplication::installTranslator(&program);
}

int runProgram(const std::function<void(QWidget &)> &beforeShow)
{
    QTranslator toolkitTranslator;
    QTranslator programTranslator;
    // Before the window: it sets its texts once, while it is built.
    installTranslators(toolkitTranslator, programTranslator);

    MainWindow window;
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}
