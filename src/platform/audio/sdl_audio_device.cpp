#include "platform/audio/sdl_audio_device.h"

#include "platform/audio/pulse_latency.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>

namespace platform {

namespace {

std::weak_ptr<SdlAudioDevice>& current()
{
    static std::weak_ptr<SdlAudioDevice> device;
    return device;
}

// Filled by SDL's audio thread, read by the program's.
std::atomic<int> g_callbackBytes{0};
std::atomic<int> g_peak{0};

struct Music {
    SdlAudioDevice::MusicSource source = nullptr;
    void* data = nullptr;
};
Music g_music;  // changed only while the mixer's music hook is off

constexpr int kBytesPerFrame = SdlAudioDevice::channels * int(sizeof(Sint16));
constexpr const char* kAppName = "Tastevolo";

} // namespace

void SdlAudioDevice::postMix(void*, Uint8* stream, int len)
{
    g_callbackBytes.store(len, std::memory_order_relaxed);
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    int peak = g_peak.load(std::memory_order_relaxed);
    for (int i = 0, n = len / int(sizeof(Sint16)); i < n; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    g_peak.store(peak, std::memory_order_relaxed);
}

void SdlAudioDevice::music(void*, Uint8* stream, int len)
{
    // SDL_mixer has silenced the stream; the channels are mixed over it afterwards.
    if (g_music.source)
        g_music.source(g_music.data, reinterpret_cast<Sint16*>(stream), len / kBytesPerFrame);
}

std::shared_ptr<SdlAudioDevice> SdlAudioDevice::acquire(QString* error)
{
    if (auto device = current().lock())
        return device;
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into a quit event that this
    // program never reads: Ctrl+C and a desktop's "end process" would do nothing.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The name the desktop's sound settings show for the stream, and by which the sound server is
    // asked what it gives it.
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, kAppName);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (error)
            *error = QStringLiteral("SDL audio could not start (%1)").arg(QString::fromUtf8(SDL_GetError()));
        return nullptr;
    }
    // No change allowed: SDL converts to the hardware's format, the program always sees this one.
    if (Mix_OpenAudioDevice(sampleRate, AUDIO_S16SYS, channels, bufferFrames, nullptr, 0) != 0) {
        if (error)
            *error = QStringLiteral("the sound output could not be opened (%1)").arg(QString::fromUtf8(SDL_GetError()));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    g_callbackBytes = 0;
    g_peak = 0;
    Mix_SetPostMix(&SdlAudioDevice::postMix, nullptr);
    std::shared_ptr<SdlAudioDevice> device(new SdlAudioDevice);
    current() = device;
    return device;
}

bool SdlAudioDevice::isOpen()
{
    return !current().expired();
}

SdlAudioDevice::~SdlAudioDevice()
{
    Mix_HookMusic(nullptr, nullptr);
    g_music = {};
    Mix_SetPostMix(nullptr, nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioDevice::setMusicSource(MusicSource source, void* data)
{
    // Mix_HookMusic swaps the hook under SDL's audio lock: once the hook is off, no callback runs
    // and the source can be changed freely.
    Mix_HookMusic(nullptr, nullptr);
    g_music = {source, data};
    if (source)
        Mix_HookMusic(&SdlAudioDevice::music, nullptr);
}

int SdlAudioDevice::reportedSampleRate() const
{
    int rate = 0;
    Uint16 format = 0;
    int count = 0;
    return Mix_QuerySpec(&rate, &format, &count) ? rate : 0;
}

int SdlAudioDevice::reportedChannels() const
{
    int rate = 0;
    Uint16 format = 0;
    int count = 0;
    return Mix_QuerySpec(&rate, &format, &count) ? count : 0;
}

int SdlAudioDevice::reportedBufferFrames() const
{
    return g_callbackBytes.load(std::memory_order_relaxed) / kBytesPerFrame;
}

bool SdlAudioDevice::waitForFirstCallback(int timeoutMs) const
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (reportedBufferFrames() == 0) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        QThread::msleep(1);
    }
    return true;
}

double SdlAudioDevice::takePeak()
{
    return g_peak.exchange(0) / 32768.0;
}

QString SdlAudioDevice::describe() const
{
    const int rate = reportedSampleRate();
    const int frames = reportedBufferFrames();
    const QString driver = QString::fromUtf8(SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "?");
    QString buffer = frames > 0 && rate > 0
        ? QStringLiteral("buffer %1 frames = %2 ms").arg(frames).arg(1000.0 * frames / rate, 0, 'f', 1)
        : QStringLiteral("buffer not reported yet");
    if (frames > 0 && frames != bufferFrames)
        buffer += QStringLiteral(", not the size asked for: taken as it is");
    QString text = QStringLiteral("sdl2 (%1): asked %2 Hz 16-bit stereo, buffer %3 frames = %4 ms; SDL reports %5 Hz, %6 channels, %7")
                       .arg(driver)
                       .arg(sampleRate)
                       .arg(bufferFrames)
                       .arg(1000.0 * bufferFrames / sampleRate, 0, 'f', 1)
                       .arg(rate)
                       .arg(reportedChannels())
                       .arg(buffer);
    if (driver == QLatin1String("pulseaudio"))
        text += QStringLiteral("; ") + describePulseStream(QString::fromLatin1(kAppName), 1000.0 * bufferFrames / sampleRate);
    return text;
}

} // namespace platform
