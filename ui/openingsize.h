#pragma once

#include <QScreen>
#include <QSize>
#include <QWidget>

// A tool window asks for room in text lines, which at large fonts can be more
// than the screen has; it then opens as large as the screen allows, leaving
// room for the window frame.
inline QSize openingSize(const QWidget *window, const QSize &wanted)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return wanted;
    return wanted.boundedTo(screen->availableGeometry().size() * 0.9);
}
