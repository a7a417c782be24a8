#include "platform/shell.h"

#include <QDesktopServices>
#include <QDir>
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
} // namespace

void setOpenDocumentHook(std::function<void(const QString&)> hook) { openHook() = std::move(hook); }
void setStartProgramHook(std::function<bool(const QString&)> hook) { startHook() = std::move(hook); }

void openDocument(const QString& file)
{
    if (openHook()) {
        openHook()(file);
        return;
    }
    const QString path = QFileInfo(QDir::current(), file).absoluteFilePath();
    if (!QFileInfo::exists(path))
        return;
    QProcess::startDetached(QStringLiteral("xdg-open"), {path});
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
