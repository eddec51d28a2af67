#pragma once

#include "linesignal.h"
#include "plan.h"

#include <QString>

class QCoreApplication;

// The tool draws its pictures in a module of its own, loaded only by the
// commands that may draw, so that the others start without the toolkit's
// graphics libraries. Both sides are built together from these declarations.
struct SheetBytes
{
    QByteArray bytes; // empty when the picture could not be encoded
    int pages = 0;
    int pagesShown = 0; // fewer in a picture too tall for viewers
};

struct PictureCalls
{
    // A QGuiApplication that draws offscreen: text needs one.
    QCoreApplication *(*application)(int &argc, char **argv);
    SheetBytes (*sheetFile)(const QString &format, const Plan &plan,
                            const QVector<Finding> &findings, const QVector<PlanRow> &rows,
                            bool showPins);
    QByteArray (*signalPictureFile)(const linesignal::LineSignal &signal, const QString &title,
                                    bool svg);
};

// The module's one entry point.
#define VANTIR_PICTURE_CALLS "vantirPictureCalls"

// Loads the module on first use; null when it cannot, with `error` saying
// why.
const PictureCalls *pictureModule(QString *error = nullptr);
