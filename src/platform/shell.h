#pragma once
// The desktop's shell: opening a document with its usual program, starting a program.

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Opens a file of the current directory (or a path) with the desktop's opener (xdg-open).
// Without failed the result is not looked at.  With it, failed runs with the reason, for the
// log, at once when the file is missing or the opener cannot be started, or later on the
// user-interface thread when the opener ends in failure (no program to show such a file, or
// that program failed).  The opener runs on while its viewer is open; one still running when
// the program ends is left to go on.
void openDocument(const QString& file, std::function<void(const QString& reason)> failed = {});
// Starts a command line; false when it could not be started.  Without failed it is detached
// from the program.  With it, failed runs with the command and the reason, for the log, at
// once when the program cannot be started, or later on the user-interface thread when it ends
// in failure soon (within the time set below); a failing end after it has run longer is the
// program's own end (a browser closed or killed after showing the page) and is only logged.
// A program still running when this one ends is left to go on.
bool startProgram(const QString& commandLine, std::function<void(const QString& reason)> failed = {});
// The program and the arguments of a command line: a program in double quotes is taken whole;
// otherwise the program is the shortest run of blank-separated words from the start that names
// an executable file (so "/opt/web browser/run https://..." starts "/opt/web browser/run"), or,
// when none does, the first word. The arguments are split at blanks, quotes grouping.
QStringList programAndArguments(const QString& commandLine);

// Tests record what would be opened or started instead (nullptr restores the desktop); an
// opened document then never fails, a started program fails (at once) when the hook says false.
void setOpenDocumentHook(std::function<void(const QString&)> hook);
void setStartProgramHook(std::function<bool(const QString&)> hook);
// How long the opener, or a program started with a failed callback, must have run for a
// failure of it to count as the viewer's own end, not as a document or page that could not be
// shown (10 s; tests shorten it).
void setDocumentShownAfter(int ms);

} // namespace platform

namespace platform {

// The desktop's taskbar.  Here a screen hides the panels by covering the whole display, so
// these only keep the state that tests and the menu read.
void hideTaskbar();
void showTaskbar();
bool taskbarHidden();

} // namespace platform
