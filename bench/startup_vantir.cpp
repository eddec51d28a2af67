// vantir's start-up exactly as main() runs it, ended at the first paint, so
// that its start-up can be timed against the yardstick.

#include "firstpaint.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    enableHighDpiScaling();
    QApplication app(argc, argv);
    return runProgram([](QWidget &window) { new QuitAfterFirstPaint(&window); });
}
