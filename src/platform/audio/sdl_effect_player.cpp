#include "platform/audio/sdl_effect_player.h"

#include "platform/audio/sdl_audio_device.h"

#include <QDebug>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kEffectChannel = 0;

QString sdlError()
{
    return QString::fromUtf8(SDL_GetError());
}

} // namespace

SdlEffectPlayer::SdlEffectPlayer() = default;

SdlEffectPlayer::~SdlEffectPlayer()
{
    close();
}

bool SdlEffectPlayer::init(QString* error)
{
    if (open_)
        return true;
    // The device may already be open for the piano: the effects then play beside it.
    device_ = SdlAudioDevice::acquire(error);
    if (!device_)
        return false;
    open_ = true;
    Mix_MasterVolume(MIX_MAX_VOLUME);
    // What the output was asked for and gave, for whoever looks at the terminal.
    device_->waitForFirstCallback(250);
    qInfo().noquote() << "Sound effects:" << device_->describe();
    return true;
}

bool SdlEffectPlayer::play(const QByteArray& wavBytes, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!open_)
        return fail(effectPlayerNotOpenError());
    SDL_RWops* source = SDL_RWFromConstMem(wavBytes.constData(), int(wavBytes.size()));
    if (!source)
        return fail(QStringLiteral("the sound effect cannot be read (%1)").arg(sdlError()));
    // Decodes and converts to the device's format; the bytes are not needed afterwards.
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (!chunk)
        return fail(QStringLiteral("the sound effect cannot be decoded (%1)").arg(sdlError()));
    releaseChunk();
    chunk_ = chunk;
    if (Mix_PlayChannel(kEffectChannel, chunk_, 0) < 0) {
        const QString why = sdlError();
        releaseChunk();
        return fail(QStringLiteral("the sound effect cannot be played (%1)").arg(why));
    }
    return true;
}

void SdlEffectPlayer::stop()
{
    if (open_)
        releaseChunk();
}

int SdlEffectPlayer::mixerVolume(double db)
{
    const double gain = std::pow(10.0, std::min(db, 0.0) / 20.0);
    return std::clamp(int(std::lround(gain * MIX_MAX_VOLUME)), 0, MIX_MAX_VOLUME);
}

void SdlEffectPlayer::setMasterVolumeDb(double db)
{
    if (open_)
        Mix_MasterVolume(mixerVolume(db));
}

void SdlEffectPlayer::close()
{
    if (!open_)
        return;
    releaseChunk();
    device_.reset();
    open_ = false;
}

bool SdlEffectPlayer::isPlaying() const
{
    return open_ && chunk_ && Mix_Playing(kEffectChannel) != 0 && Mix_GetChunk(kEffectChannel) == chunk_;
}

double SdlEffectPlayer::loadedSeconds() const
{
    int rate = 0;
    int channels = 0;
    Uint16 format = 0;
    if (!chunk_ || !Mix_QuerySpec(&rate, &format, &channels))
        return 0;
    const int bytesPerFrame = channels * int(SDL_AUDIO_BITSIZE(format) / 8);
    return double(chunk_->alen) / (double(bytesPerFrame) * rate);
}

void SdlEffectPlayer::releaseChunk()
{
    if (!chunk_)
        return;
    Mix_HaltChannel(kEffectChannel);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

} // namespace platform
