#pragma once
// The desktop's shell: opening a document with its usual program, starting a program.

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Opens a file of the current directory (or a path) with the desktop's opener (xdg-open).
// Without failed the result is not looked at.  With it, failed runs with the reason, for the
// log, when the file is missing (at once), or later on the user-interface thread when the
// opener cannot be started or ends in failure (no program to show such a file, or that
// program failed).  The opener runs on while its viewer is open; one still running when the
// program ends is left to go on.
void openDocument(const QString& file, std::function<void(const QString& reason)> failed = {});
// Starts a command line detached from the program; false when it could not be started.
bool startProgram(const QString& commandLine);
// The program and the arguments of a command line: a program in double quotes is taken whole;
// otherwise the program is the shortest run of blank-separated words from the start that names
// an executable file (so "/opt/web browser/run https://..." starts "/opt/web browser/run"), or,
// when none does, the first word. The arguments are split at blanks, quotes grouping.
QStringList programAndArguments(const QString& commandLine);

// Tests record what would be opened or started instead (nullptr restores the desktop); an
// opened document then never fails.
void setOpenDocumentHook(std::function<void(const QString&)> hook);
void setStartProgramHook(std::function<bool(const QString&)> hook);
// How long the opener must have run for a failure of it to count as the viewer's own end,
// not as a document that could not be shown (10 s; tests shorten it).
void setDocumentShownAfter(int ms);

} // namespace platform

namespace platform {

// The desktop's taskbar.  Here a screen hides the panels by covering the whole display, so
// these only keep the state that tests and the menu read.
void hideTaskbar();
void showTaskbar();
bool taskbarHidden();

} // namespace platform
