#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator toolkitTranslator;
    QTranslator programTranslator;
    // Before the window: it sets its texts once, while it is built.
    installTranslators(toolkitTranslator, programTranslator);

    MainWindow window;
    window.show();
    return app.exec();
}
