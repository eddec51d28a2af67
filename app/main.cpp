#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication app(argc, argv);
    return runProgram();
}
