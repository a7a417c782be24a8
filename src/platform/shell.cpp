#include "platform/shell.h"

#include "platform/file_failure.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

namespace {
std::function<void(const QString&)>& openHook()
{
    static std::function<void(const QString&)> h;
    return h;
}
std::function<bool(const QString&)>& startHook()
{
    static std::function<bool(const QString&)> h;
    return h;
}
int& documentShownAfter()
{
    static int ms = 10000;
    return ms;
}
} // namespace

void setOpenDocumentHook(std::function<void(const QString&)> hook) { openHook() = std::move(hook); }
void setDocumentShownAfter(int ms) { documentShownAfter() = ms; }
void setStartProgramHook(std::function<bool(const QString&)> hook) { startHook() = std::move(hook); }

namespace {

using Failed = std::function<void(const QString& reason)>;

// A program whose end tells whether it did its work: the opener of a document, the browser
// given the maker's site.
struct Watched {
    QString program;
    QStringList arguments;
    QString command;  // as the log names it
    QString viewer;   // what shows the document while it runs: "the viewer", "the program"
    // Whether an end with this failing status, once the program has run a while, is the
    // viewer's own end (closed with an error status) rather than a document not shown.
    std::function<bool(int status)> ownEndOnceShown;
};

// Starts the program, watched, not detached: its exit status tells whether it did its work.
// Without a parent, so that the end of the program neither waits for it nor kills it; it
// deletes itself when it ends.  What it writes goes to the program's own output.  The start
// is awaited (only the start, not the program): a program that cannot be started is told at
// once, and false returned.
bool startWatched(const Watched& w, const Failed& failed)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // the end is told by finished
        failed(QStringLiteral("%1: %2").arg(w.command, process->errorString()));
        process->deleteLater();
    });
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::finished, process, [=](int code, QProcess::ExitStatus status) {
        // An end in failure once the program has run a while is the viewer's own end (killed,
        // or closed with an error status), not a document that could not be shown: only logged.
        const bool shown = running.elapsed() >= documentShownAfter();
        if (status != QProcess::NormalExit && shown)
            logFailure(QStringLiteral("%1: %2 stopped").arg(w.command, w.viewer));
        else if (status != QProcess::NormalExit)
            failed(QStringLiteral("%1: stopped abnormally").arg(w.command));
        else if (code != 0 && shown && w.ownEndOnceShown(code))
            logFailure(QStringLiteral("%1: %2 ended with status %3").arg(w.command, w.viewer).arg(code));
        else if (code != 0)
            failed(QStringLiteral("%1: ended with status %2").arg(w.command).arg(code));
        process->deleteLater();
    });
    process->start(w.program, w.arguments);
    // The child reports its start (or why it could not start) right after the fork.
    process->waitForStarted(5000);
    return process->state() != QProcess::NotRunning || process->error() != QProcess::FailedToStart;
}

} // namespace

void openDocument(const QString& file, std::function<void(const QString& reason)> failed)
{
    if (openHook()) {
        openHook()(file);
        return;
    }
    const QString path = QFileInfo(QDir::current(), file).absoluteFilePath();
    const QString opener = QStringLiteral("xdg-open");
    if (!failed) {
        if (QFileInfo::exists(path))
            QProcess::startDetached(opener, {path});
        return;
    }
    if (!QFileInfo(path).isFile()) {
        failed(QStringLiteral("%1: no such file").arg(path));
        return;
    }
    // xdg-open waits for the viewer it started.  A missing file or no program to show it
    // (status 1 to 3) is told whenever it comes; status 4 (the viewer failed) once the
    // document has been on screen a while is the viewer's own end.
    startWatched({opener, {path}, opener + QLatin1Char(' ') + path, QStringLiteral("the viewer"),
                  [](int status) { return status == 4; }},
                 failed);
}

namespace {

// Whether a program name, as a command line gives it, names an executable file.
bool isProgram(const QString& name)
{
    if (!name.contains(QLatin1Char('/')))
        return !QStandardPaths::findExecutable(name).isEmpty();
    const QFileInfo file(name);
    return file.isFile() && file.isExecutable();
}

} // namespace

QStringList programAndArguments(const QString& commandLine)
{
    const QString line = commandLine.trimmed();
    if (line.startsWith(QLatin1Char('"')))
        return QProcess::splitCommand(line);
    for (qsizetype blank = line.indexOf(QLatin1Char(' ')); blank > 0;
         blank = line.indexOf(QLatin1Char(' '), blank + 1)) {
        const QString program = line.left(blank);
        if (isProgram(program))
            return QStringList{program} + QProcess::splitCommand(line.mid(blank + 1));
    }
    if (isProgram(line))
        return {line};
    return QProcess::splitCommand(line);
}

bool startProgram(const QString& commandLine, std::function<void(const QString& reason)> failed)
{
    if (startHook()) {
        const bool started = startHook()(commandLine);
        if (!started && failed)
            failed(QStringLiteral("%1: could not be started").arg(commandLine));
        return started;
    }
    QStringList args = programAndArguments(commandLine);
    if (args.isEmpty()) {
        if (failed)
            failed(QStringLiteral("\"%1\": no program to start").arg(commandLine));
        return false;
    }
    const QString program = args.takeFirst();
    if (!failed)
        return QProcess::startDetached(program, args);
    // A browser runs on while its window is open: any failing end after that is its own.
    return startWatched({program, args, commandLine.trimmed(), QStringLiteral("the program"),
                         [](int) { return true; }},
                        failed);
}

} // namespace platform

namespace platform {

namespace {
bool g_taskbarHidden = false;
}

void hideTaskbar() { g_taskbarHidden = true; }
void showTaskbar() { g_taskbarHidden = false; }
bool taskbarHidden() { return g_taskbarHidden; }

} // namespace platform
