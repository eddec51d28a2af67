// vantir's start-up exactly as main() runs it, ended at the first paint, so
// that its start-up can be timed against the yardstick.

#include "firstpaint.h"
#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator toolkitTranslator;
    QTranslator programTranslator;
    installTranslators(toolkitTranslator, programTranslator);

    MainWindow window;
    new QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
