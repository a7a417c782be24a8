// From a key's note-on action to the synthesizer's note-on.
#include <benchmark/benchmark.h>

#include "media/form_instrument.h"
#include "platform/audio/fluid_note_synth.h"
#include "platform/forms.h"
#include "platform/vb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

// The note player on the real FluidSynth with the real SoundFont, rendering offline: the time
// measured is the whole path of a press, from the trigger of C5_MD (patch message and note-on)
// to the synthesizer's note-on call.
void BM_NoteActionToSynth(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile::link(QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"), QStringLiteral("piano.sgt"));
    platform::FluidNoteSynth* synth = nullptr;
    platform::setNoteSynthFactory([&synth] {
        auto made = std::make_unique<platform::FluidNoteSynth>(platform::FluidNoteSynth::Output::Offline);
        synth = made.get();
        return made;
    });
    platform::setMsgBoxHook([&state](const QString& text, int, const QString&) {
        state.SkipWithError(text.toUtf8().constData());
        return 1;
    });
    platform::setProgramEndHook([] {});
    auto& player = platform::form<media::Form_instrument>();
    std::vector<float> block(2 * platform::FluidNoteSynth::blockFrames);
    for (auto _ : state) {
        player.C5_MD.click();
        state.PauseTiming();
        player.C5_MU.click();
        // The synthesizer takes in what it was sent, as the sound output would.
        if (synth)
            synth->render(block.data(), platform::FluidNoteSynth::blockFrames);
        state.ResumeTiming();
    }
    platform::unload(player);
    QCoreApplication::processEvents();
    platform::setNoteSynthFactory(nullptr);
    platform::setMsgBoxHook(nullptr);
    QDir::setCurrent(old);
}
BENCHMARK(BM_NoteActionToSynth)->Unit(benchmark::kMicrosecond);

} // namespace
