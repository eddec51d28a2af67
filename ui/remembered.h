#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What the window remembers between runs, in the user's settings
// (~/.config/vantir/vantir.conf on Linux): the folder last used for each
// kind of file, each window's place and size, and the recent plans and
// recordings.
namespace remembered {

// Kinds of file, each with a folder of its own.
constexpr const char *kPlans = "plans";
constexpr const char *kSheets = "sheets";
constexpr const char *kRecordings = "recordings";
constexpr const char *kSignals = "signals";
constexpr const char *kHeard = "heard";

// The folder a dialog for this kind starts in: the last one used, else the
// documents folder, never the working directory.
QString folder(const char *kind);
// The folder of a file just opened or saved, for next time.
void usedFile(const char *kind, const QString &file);

// Recent plans or recordings, newest first, at most kMostRecent; files
// gone since are left out.
constexpr int kMostRecent = 8;
QStringList recent(const char *kind);
void addRecent(const char *kind, const QString &file);
// A file that could not be read leaves the list.
void forgetRecent(const char *kind, const QString &file);

// A window's place and size, by its object name. A place kept on another
// screen or at another scale is moved and shrunk into the screen the
// window opens on, its frame included.
void restoreGeometry(QWidget *window);
// The window moved and shrunk into the available area of its screen, frame
// included (as far as its minimum size allows).
void fitIntoScreen(QWidget *window);
void keepGeometry(const QWidget *window);

} // namespace remembered
