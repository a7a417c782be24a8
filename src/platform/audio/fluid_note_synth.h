#pragma once
// The note synthesizer on FluidSynth.
//
// Output::Device plays through the desktop's sound output: the PulseAudio server (or PipeWire's
// PulseAudio service), else ALSA's default device, both through FluidSynth's own drivers, else
// the program's SDL output (SdlAudioDevice), shared with the sound effects, into whose music
// stream the synthesizer renders. Small buffers, so that a key sounds at once. Output::Offline opens no device: the caller pulls the
// samples with render(), which is how tests and benchmarks hear the synthesizer.
//
// Everything above the device is the same in both: a note-on reaches the synthesizer inside the
// call, and the automatic note-off of a note is an event of a FluidSynth sequencer that runs on
// the synthesizer's own sample clock, so it falls on the same sample whether a device or render()
// draws the samples. The synthesizer works in blocks of blockFrames frames (1.3 ms): a call takes
// effect at the start of the next block rendered; a note whose duration runs out at time t (in
// milliseconds of that clock, from its note-on) ends one block after the first block that starts
// at or after t, so at most two blocks late.

#include "platform/audio/note_synth.h"

#include <memory>

namespace platform {

// What start() asks of the sound output.
struct NoteOutputSettings {
    int sampleRate = 48000;
    int periodFrames = 128;
    int periods = 2;
};

class FluidNoteSynth final : public NoteSynth {
public:
    enum class Output { Device, Offline };

    static constexpr int blockFrames = 64;
    static constexpr NoteOutputSettings outputSettings{};

    // The drivers tried by start() on Output::Device, in this order.
    static QStringList deviceDrivers();
    // Frames held between the synthesizer and the device for the given settings, computed from
    // what each driver is given (the drivers do not all say what they really hold).
    static int deviceBufferFrames(const QString& driver, const NoteOutputSettings& settings);
    // What a driver is given and the buffer computed from it:
    // "alsa: given 48000 Hz, period 128 frames x 2 -> buffer 256 frames = 5.3 ms (computed)".
    static QString describeOutput(const QString& driver, const NoteOutputSettings& settings);

    explicit FluidNoteSynth(Output output = Output::Device);
    ~FluidNoteSynth() override;
    FluidNoteSynth(const FluidNoteSynth&) = delete;
    FluidNoteSynth& operator=(const FluidNoteSynth&) = delete;

    bool start(const QString& soundFontPath, QString* error) override;
    void programChange(int channel, int program, int bankMsb, int bankLsb) override;
    void noteOn(int channel, int key, int velocity, int durationMs) override;
    void noteOff(int channel, int key) override;
    void allNotesOff() override;
    void stop() override;
    QString settingsReport() const override;

    bool isStarted() const;
    // The output in use ("pulseaudio", "alsa", "sdl2"); empty when offline or not started.
    QString driverName() const;
    int sampleRate() const;

    // Output::Offline only: renders the next `frames` frames of the synthesizer, interleaved
    // stereo (2 * frames floats). False when no frames could be rendered (not started, or a device
    // draws the samples).
    bool render(float* interleavedStereo, int frames);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace platform
