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
    // Watched, not detached: xdg-open tells by its exit status whether a program took the
    // file.  Without a parent, so that the end of the program neither waits for it nor kills
    // it; it deletes itself when it ends.  What it writes goes to the program's own output.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [=](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // the end is told by finished
        failed(QStringLiteral("%1 %2: %3").arg(opener, path, process->errorString()));
        process->deleteLater();
    });
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::finished, process, [=](int code, QProcess::ExitStatus status) {
        // The opener waits for the viewer it started: an end in failure once the document has
        // been on screen a while is the viewer's own end (killed, or closed with an error
        // status), not a document that could not be shown.  A missing file or no program
        // to show it (status 1 to 3) is told whenever it comes.
        if (code == 4 && running.elapsed() >= documentShownAfter()) {
            logFailure(QStringLiteral("%1 %2: the viewer ended with status %3").arg(opener, path).arg(code));
        } else if (status != QProcess::NormalExit && running.elapsed() >= documentShownAfter()) {
            logFailure(QStringLiteral("%1 %2: the viewer stopped").arg(opener, path));
        } else if (status != QProcess::NormalExit)
            failed(QStringLiteral("%1 %2: the opener stopped abnormally").arg(opener, path));
        else if (code != 0)
            failed(QStringLiteral("%1 %2: ended with status %3").arg(opener, path).arg(code));
        process->deleteLater();
    });
    process->start(opener, {path});
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

bool startProgram(const QString& commandLine)
{
    if (startHook())
        return startHook()(commandLine);
    QStringList args = programAndArguments(commandLine);
    if (args.isEmpty())
        return false;
    const QString program = args.takeFirst();
    return QProcess::startDetached(program, args);
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
