// Renders the screens headless into PNG files, each in a scripted state.
#include <QApplication>
#include <QDir>

#include "platform/application.h"
#include "screenshots/screenshots.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initApplication(app);
    // Absolute: the scripted states work in folders of their own.
    const QString out = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots")).absolutePath();
    QDir().mkpath(out);
    return screenshots::writeAll(out);
}
