#pragma once

#include "linesignal.h"
#include "plan.h"

#include <QString>

class QCoreApplication;

// The tool draws its pictures in a module of its own, loaded only by the
// commands that may draw, so that the others start without the toolkit's
// graphics libraries. Both sides are built together from these declarations.
struct PictureCalls
{
    // A QGuiApplication that draws offscreen: text needs one.
    QCoreApplication *(*application)(int &argc, char **argv);
    QString (*saveSheet)(const QString &path, const Plan &plan, const QVector<Finding> &findings,
                         const QVector<PlanRow> &rows, bool showPins);
    QString (*saveSignalPicture)(const QString &path, const linesignal::LineSignal &signal,
                                 const QString &title);
};

// The module's one entry point.
#define VANTIR_PICTURE_CALLS "vantirPictureCalls"

// Loads the module on first use; null when it cannot, with `error` saying
// why.
const PictureCalls *pictureModule(QString *error = nullptr);
