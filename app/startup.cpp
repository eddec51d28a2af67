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
    // The working directory first, where a catalogue laid there by hand
    // wins; then the folder an installation puts it in; then the copy the
    // program carries. Whatever lies in a folder must not be able to bring
    // the window down, so every source is checked, and a damaged catalogue
    // passes on to the next. Every German locale takes the German catalogue
    // and every other the English one, which gives English for the few
    // source texts that are German.
    const QLocale locale = QLocale::system();
    const QString name = QStringLiteral("vantir_") + locale.name();
    const QString fallback = locale.language() == QLocale::German ? QStringLiteral("vantir_de_DE")
                                                                  : QStringLiteral("vantir_en");
    for (const QString &folder : {QString(), installedFolder, QStringLiteral(":")}) {
        if (loadCheckedCatalogue(program, name, folder) ||
            loadCheckedCatalogue(program, fallback, folder))
            break;
    }
    // The toolkit's buttons in the program's language, not the locale's: a
    // French desktop would otherwise show "Fermer" beside English texts.
    if (!program.language().isEmpty()) {
        toolkit.load(QStringLiteral("qt_") + program.language(),
                     QLibraryInfo::location(QLibraryInfo::TranslationsPath));
        QCoreApplication::installTranslator(&toolkit);
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
