// How soon a key sounds: the note synthesizer's note-on, rendered offline, and the buffer of the
// sound output that the real synthesizer opens.
#include <benchmark/benchmark.h>

#include <QFileInfo>

#include "platform/audio/fluid_note_synth.h"

#include <chrono>
#include <cstdio>
#include <vector>

using platform::FluidNoteSynth;

namespace {

const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");

// One offline synthesizer for the note benchmarks: loading the SoundFont takes a while.
FluidNoteSynth* offlinePiano(benchmark::State& state)
{
    static FluidNoteSynth synth(FluidNoteSynth::Output::Offline);
    static QString error;
    static const bool started = [] {
        const bool ok = synth.start(kSoundFont, &error);
        synth.programChange(0, 0, 0, 0);
        return ok;
    }();
    if (!started) {
        state.SkipWithError(error.toUtf8().constData());
        return nullptr;
    }
    return &synth;
}

// The time the noteOn() call takes: when it returns the note is in the synthesizer, and the next
// block rendered carries it.
void BM_NoteOnCall(benchmark::State& state)
{
    FluidNoteSynth* synth = offlinePiano(state);
    if (!synth)
        return;
    std::vector<float> buffer(2 * 1024);
    int key = 41;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        synth->noteOn(0, key, 127, 10000);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        // Not timed: release the note and let the voices of earlier notes die away.
        synth->noteOff(0, key);
        synth->render(buffer.data(), 1024);
        key = key == 80 ? 41 : key + 1;
    }
}
// A fixed count: the untimed rendering between the calls costs far more than the calls.
BENCHMARK(BM_NoteOnCall)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// From the noteOn() call to the end of the first block that carries the note: the call and the
// rendering of one block, the work between a key press and its first samples.
void BM_NoteOnToFirstBlock(benchmark::State& state)
{
    FluidNoteSynth* synth = offlinePiano(state);
    if (!synth)
        return;
    std::vector<float> block(2 * FluidNoteSynth::blockFrames);
    std::vector<float> settle(2 * 1024);
    int key = 41;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        synth->noteOn(0, key, 127, 10000);
        synth->render(block.data(), FluidNoteSynth::blockFrames);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        synth->noteOff(0, key);
        synth->render(settle.data(), 1024);
        key = key == 80 ? 41 : key + 1;
    }
    state.counters["block_frames"] = FluidNoteSynth::blockFrames;
}
BENCHMARK(BM_NoteOnToFirstBlock)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The sound output's buffer (period size, periods, sample rate -> ms) for each driver the real
// synthesizer may use, and the one it opens here.
void BM_DeviceOutputLatency(benchmark::State& state)
{
    static const QString opened = [] {
        if (!QFileInfo::exists(kSoundFont))
            return QStringLiteral("not opened: no SoundFont at %1").arg(kSoundFont);
        FluidNoteSynth synth(FluidNoteSynth::Output::Device);
        QString error;
        return synth.start(kSoundFont, &error) ? synth.settingsReport() : QStringLiteral("not opened: %1").arg(error);
    }();
    static bool printed = false;
    if (!printed) {
        printed = true;
        std::printf("Note output settings (the synthesizer renders blocks of %d frames):\n",
                    FluidNoteSynth::blockFrames);
        for (const QString& driver : FluidNoteSynth::deviceDrivers())
            std::printf("  %s\n", qPrintable(FluidNoteSynth::describeOutput(driver, FluidNoteSynth::outputSettings)));
        std::printf("Real device here: %s\n", qPrintable(opened));
        std::fflush(stdout);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(opened.size());
    const platform::NoteOutputSettings& s = FluidNoteSynth::outputSettings;
    state.counters["sample_rate"] = s.sampleRate;
    state.counters["period_frames"] = s.periodFrames;
    state.counters["periods"] = s.periods;
    state.counters["alsa_ms"] = 1000.0 * FluidNoteSynth::deviceBufferFrames(QStringLiteral("alsa"), s) / s.sampleRate;
    state.counters["pulse_ms"] =
        1000.0 * FluidNoteSynth::deviceBufferFrames(QStringLiteral("pulseaudio"), s) / s.sampleRate;
}
BENCHMARK(BM_DeviceOutputLatency)->Iterations(1);

} // namespace
