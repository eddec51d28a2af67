// The smallest Qt Widgets program worth comparing with: a main window of the
// same size with one label, ended at its first paint.

#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(561, 657);
    window.setCentralWidget(new QLabel(QStringLiteral("yardstick"), &window));
    new QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
