#pragma once
// The one SDL sound output of the program, shared by the sound effects and, when neither the
// sound server nor ALSA can be opened, the piano.
//
// SDL (with SDL_mixer on it) opens one output device per process; on some drivers (the dummy
// driver of the tests, several embedded ones) a second open fails with "Audio device already
// open". So every user acquires this device: the first acquire opens it, the last user to let go
// closes it. The effects play on SDL_mixer's channels; the piano renders into the mixer's music
// hook, mixed under them.
//
// The device always runs at exactly the format asked for (SDL converts if the hardware differs),
// so that the piano's synthesizer and the device agree on the sample rate.

#include <QString>

#include <SDL_stdinc.h>

#include <memory>

namespace platform {

class SdlAudioDevice {
public:
    static constexpr int sampleRate = 48000;
    static constexpr int channels = 2;
    // About 20 ms, as the piano's other outputs: less crackles on a busy computer.
    static constexpr int bufferFrames = 1024;

    // Fills `frames` frames of interleaved 16-bit stereo; runs on SDL's audio thread.
    using MusicSource = void (*)(void* data, Sint16* stereo, int frames);

    // The open device, opened now if no one holds it. Null, with the reason in *error, when SDL's
    // audio cannot start. SDL is told to leave the program's signals alone before it starts, so
    // that SIGTERM and Ctrl+C still end the program.
    static std::shared_ptr<SdlAudioDevice> acquire(QString* error);
    // True while some user holds the device.
    static bool isOpen();

    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // Installs the source of the music stream (the piano); nullptr removes it. When this returns,
    // the previous source is no longer running.
    void setMusicSource(MusicSource source, void* data);

    // What SDL reports back: the device's rate and channels, and the frames it asks for per
    // callback (0 until the first callback).
    int reportedSampleRate() const;
    int reportedChannels() const;
    int reportedBufferFrames() const;
    // Waits up to timeoutMs for the device's first callback; true when it came.
    bool waitForFirstCallback(int timeoutMs) const;
    // The largest sample magnitude (0 to 1) mixed since the last call; for checking that sound
    // reaches the output.
    double takePeak();
    // "sdl2 (dummy): asked 48000 Hz 16-bit stereo, buffer 1024 frames = 21.3 ms; SDL reports
    // 48000 Hz, 2 channels, buffer 1024 frames = 21.3 ms", and on a sound server what the server
    // says it gives.
    QString describe() const;

private:
    SdlAudioDevice() = default;
    struct State;
    static void postMix(void* data, Uint8* stream, int len);
    static void music(void* data, Uint8* stream, int len);
};

} // namespace platform
