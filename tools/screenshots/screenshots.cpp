#include "screenshots.h"

#include "platform/forms.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "shell/form_resolution.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTextStream>

#include <functional>
#include <vector>

namespace screenshots {

namespace {
struct Shot {
    const char* file;
    std::function<platform::Form&()> prepare;
};

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void unloadAll()
{
    for (int guard = 0; guard < 100 && !platform::loadedForms().empty(); ++guard)
        platform::unload(*platform::loadedForms().back());
    settle();
}
} // namespace

int writeAll(const QString& outDir)
{
    platform::TestClock::install();
    platform::setProgramEndHook([] {});
    platform::setMsgBoxHook([](const QString&, int, const QString&) { return 1; });
    const std::vector<Shot> shots = {
        {"Form_resolution_narrow.png", [] {
             platform::setDisplaySizeOverride(QSize(640, 480));
             return std::ref<platform::Form>(platform::form<shell::Form_resolution>());
         }},
    };
    QTextStream out(stdout);
    int failures = 0;
    for (const Shot& shot : shots) {
        platform::dispatch([&] {
            platform::Form& f = shot.prepare();
            settle();
            const QString path = outDir + '/' + QLatin1String(shot.file);
            if (!f.grab().save(path))
                ++failures;
            out << path << '\n';
        });
        unloadAll();
        platform::setDisplaySizeOverride(std::nullopt);
    }
    return failures == 0 ? 0 : 1;
}

} // namespace screenshots
