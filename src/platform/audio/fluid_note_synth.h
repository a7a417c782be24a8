#pragma once
// The note synthesizer on FluidSynth.
//
// Output::Device plays through the desktop's sound output: the PulseAudio server (or PipeWire's
// PulseAudio service), else ALSA's default device, both through FluidSynth's own drivers, else
// the program's SDL output (SdlAudioDevice), shared with the sound effects, into whose music
// stream the synthesizer renders. Output::Offline opens no device: the caller pulls the
// samples with render(), which is how tests and benchmarks hear the synthesizer.
//
// Every output holds about 20 ms of sound. Smaller buffers crackle as soon as the computer is
// busy (a browser, a build): the output then runs dry between two refills, which a child hears
// as clicks. 20 ms held with four busy cores of eight, where 2.7 ms dropped out about ten times
// a second even on an idle machine; a mouse click and the screen take longer than the
// difference, so no player feels it.
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

// What start() asks of a sound output: the rate, and the buffer as periods of frames. The
// PulseAudio driver asks the server for one period in all; ALSA holds every period.
struct NoteOutputSettings {
    int sampleRate = 0;
    int periodFrames = 0;
    int periods = 0;
};

class FluidNoteSynth final : public NoteSynth {
public:
    enum class Output { Device, Offline };

    static constexpr int blockFrames = 64;
    static constexpr int outputRate = 48000;

    // The drivers tried by start() on Output::Device, in this order.
    static QStringList deviceDrivers();
    // What start() asks of each driver ("pulseaudio", "alsa", "sdl2").
    static NoteOutputSettings outputSettings(const QString& driver);
    // Frames held between the synthesizer and the device for the given settings, computed from
    // what each driver is asked for (the server or the device may give another size: see
    // settingsReport()).
    static int deviceBufferFrames(const QString& driver, const NoteOutputSettings& settings);
    // What a driver is asked for and the buffer computed from it:
    // "alsa: asked 48000 Hz, period 480 frames x 2 -> buffer 960 frames = 20.0 ms".
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
    // The synthesizer, the output and what it was asked for, and, where the server or the driver
    // says it, what it gave instead.
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
