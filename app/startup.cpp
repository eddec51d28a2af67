#include "startup.h"

#include "catalogue.h"
#include "mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void enableHighDpiScaling()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

QString installedCatalogueFolder()
{
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/" VANTIR_CATALOGUE_FROM_PROGRAM);
}

void installTranslators(QTranslator &toolkit, QTranslator &program, const QString &installedFolder)
{
    toolkit.load(QStringLiteral("qt_") + QLocale::system().name(),
                 QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&toolkit);

    // The working directory first, where a catalogue laid there by hand
    // wins; then the folder an installation puts it in; then the copy the
    // program carries. Whatever lies in a folder must not be able to bring
    // the window down, so every source is checked, and a damaged catalogue
    // passes on to the next. Every German locale takes the German catalogue.
    const QLocale locale = QLocale::system();
    const QString name = QStringLiteral("vantir_") + locale.name();
    const bool german = locale.language() == QLocale::German;
    for (const QString &folder : {QString(), installedFolder, QStringLiteral(":")}) {
        if (loadCheckedCatalogue(program, name, folder) ||
            (german && loadCheckedCatalogue(program, QStringLiteral("vantir_de_DE"), folder)))
            break;
    }
    QCoreApplication::installTranslator(&program);
}

int runProgram(const std::function<void(QWidget &)> &beforeShow, const QString &installedFolder)
{
    QTranslator toolkitTranslator;
    QTranslator programTranslator;
    // Before the window: it sets its texts once, while it is built.
    installTranslators(toolkitTranslator, programTranslator, installedFolder);

    MainWindow window;
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}
