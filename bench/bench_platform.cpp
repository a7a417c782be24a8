// What a picture load and the start of the program cost.
#include <benchmark/benchmark.h>

#include "media/res_picture.h"
#include "platform/forms.h"
#include "platform/resources.h"
#include "platform/timer.h"
#include "platform/vb.h"
#include "shell/form_resolution.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

void loadNotePicture()
{
    media::ResPicture rp;
    rp.setFileName(platform::programFile());
    benchmark::DoNotOptimize(rp.LoadResPicture("bulle", "13_fa"));
}

// The first load of a 248 x 244 note picture: the resource is framed and decoded.
void BM_LoadResPicture_First(benchmark::State& state)
{
    for (auto _ : state) {
        platform::clearPictureCache();
        loadNotePicture();
    }
}
BENCHMARK(BM_LoadResPicture_First)->Unit(benchmark::kMicrosecond);

// A repeated load: a lookup, no decode.
void BM_LoadResPicture_Repeated(benchmark::State& state)
{
    loadNotePicture();
    for (auto _ : state)
        loadNotePicture();
}
BENCHMARK(BM_LoadResPicture_Repeated)->Unit(benchmark::kMicrosecond);

// From the start-up screen's load to the first shown screen (the player screen), in a fresh
// folder, pictures not yet decoded.
void BM_StartToFirstScreen(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    platform::setProgramEndHook([] {});
    platform::setMsgBoxHook([](const QString&, int, const QString&) { return 1; });
    for (auto _ : state) {
        platform::clearPictureCache();
        platform::form<shell::Form_resolution>();
        state.PauseTiming();
        while (!platform::loadedForms().empty())
            platform::unload(*platform::loadedForms().back());
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    QDir::setCurrent(old);
}
BENCHMARK(BM_StartToFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
