// How soon a key sounds: the note synthesizer's note-on, rendered offline, and the buffer of the
// sound output that the real synthesizer opens.
#include <benchmark/benchmark.h>

#include <QFileInfo>

#include "platform/audio/fluid_note_synth.h"
#include "platform/audio/sdl_audio_device.h"

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

// The sound output's buffer for each driver the real synthesizer may use, as computed from what
// each is given, and what the output opened here reports back.
void BM_DeviceOutputLatency(benchmark::State& state)
{
    struct Opened {
        QString report;
        int reportedFrames = 0;
        int reportedRate = 0;
    };
    static const Opened opened = [] {
        if (!QFileInfo::exists(kSoundFont))
            return Opened{QStringLiteral("not opened: no SoundFont at %1").arg(kSoundFont)};
        FluidNoteSynth synth(FluidNoteSynth::Output::Device);
        QString error;
        if (!synth.start(kSoundFont, &error))
            return Opened{QStringLiteral("not opened: %1").arg(error)};
        Opened o{synth.settingsReport()};
        if (synth.driverName() == QLatin1String("sdl2")) {
            auto device = platform::SdlAudioDevice::acquire(nullptr);
            o.reportedFrames = device ? device->reportedBufferFrames() : 0;
            o.reportedRate = device ? device->reportedSampleRate() : 0;
        }
        return o;
    }();
    static bool printed = false;
    if (!printed) {
        printed = true;
        std::printf("Note output settings given to each driver (the synthesizer renders blocks of %d frames):\n",
                    FluidNoteSynth::blockFrames);
        for (const QString& driver : FluidNoteSynth::deviceDrivers())
            std::printf("  %s\n", qPrintable(FluidNoteSynth::describeOutput(driver, FluidNoteSynth::outputSettings(driver))));
        std::printf("Output opened here, as given and as reported back: %s\n", qPrintable(opened.report));
        std::fflush(stdout);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(opened.report.size());
    state.counters["sample_rate"] = FluidNoteSynth::outputRate;
    for (const QString& driver : {QStringLiteral("alsa"), QStringLiteral("pulseaudio"), QStringLiteral("sdl2")}) {
        const platform::NoteOutputSettings s = FluidNoteSynth::outputSettings(driver);
        const QString name = driver == QLatin1String("pulseaudio") ? QStringLiteral("pulse") : driver;
        state.counters[(name + QStringLiteral("_ms_configured")).toStdString()] =
            1000.0 * FluidNoteSynth::deviceBufferFrames(driver, s) / s.sampleRate;
    }
    if (opened.reportedFrames > 0 && opened.reportedRate > 0)
        state.counters["sdl_ms_reported"] = 1000.0 * opened.reportedFrames / opened.reportedRate;
}
BENCHMARK(BM_DeviceOutputLatency)->Iterations(1);

} // namespace
