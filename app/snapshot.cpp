// Renders the main window as it opens, started the way the program starts, to
// a PNG, with a plain title strip showing the window icon and title, since
// offscreen windows have no frame.

#include "mainwindow.h"
#include "startup.h"

#include <QApplication>
#include <QPainter>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    enableHighDpiScaling();
    QApplication app(argc, argv);
    // The offscreen platform has no theme and falls back to a 12 pt font; a
    // desktop without a theme of its own gives Qt programs 9 pt "Sans
    // Serif", and the window is laid out for that.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("vantir.png");

    QTranslator toolkitTranslator;
    QTranslator programTranslator;
    installTranslators(toolkitTranslator, programTranslator);

    MainWindow window;
    window.show();
    // Whole, whatever room the offscreen screen offers.
    window.setMinimumSize(window.wholeSize());
    window.resize(window.wholeSize());
    QCoreApplication::processEvents(); // lays the window out at that size
    const QPixmap content = window.grab();

    const int titleHeight = 28;
    QPixmap shot(content.width(), content.height() + titleHeight);
    shot.fill(QColor(222, 222, 222));
    QPainter painter(&shot);
    window.windowIcon().paint(&painter, QRect(6, 4, 20, 20));
    painter.drawText(QRect(32, 0, shot.width() - 32, titleHeight), Qt::AlignVCenter,
                     window.windowTitle());
    painter.drawPixmap(0, titleHeight, content);
    painter.end();

    if (!shot.save(path)) {
        std::fprintf(stderr, "vantir-snapshot: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
