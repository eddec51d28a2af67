// The smallest command-line Qt program worth comparing vantir-cli with: an
// application object and one line printed.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::puts("yardstick");
    return 0;
}
