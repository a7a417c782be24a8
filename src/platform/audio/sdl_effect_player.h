#pragma once
// The sound-effect player on SDL2 and SDL2_mixer.
//
// init() takes the program's SDL sound output (SdlAudioDevice: the desktop's sound server, or
// whatever SDL_AUDIODRIVER names: tests use "dummy", which needs no sound card), opening it unless
// the piano already did; every effect is decoded from memory and converted to the output's format
// when it is played. The effects
// play on one mixer channel of their own, so a new effect cuts the one before.

#include "platform/audio/effect_player.h"

#include <memory>

struct Mix_Chunk;

namespace platform {

class SdlAudioDevice;

class SdlEffectPlayer final : public EffectPlayer {
public:
    SdlEffectPlayer();
    ~SdlEffectPlayer() override;
    SdlEffectPlayer(const SdlEffectPlayer&) = delete;
    SdlEffectPlayer& operator=(const SdlEffectPlayer&) = delete;

    bool init(QString* error) override;
    bool play(const QByteArray& wavBytes, QString* error) override;
    void stop() override;
    void setMasterVolumeDb(double db) override;
    void close() override;

    bool isOpen() const { return open_; }
    // True while the effect played last is still sounding.
    bool isPlaying() const;
    // Length of the effect played last, as decoded for the device; 0 when none is held.
    double loadedSeconds() const;
    // The mixer's volume for a gain in decibels (0 to 128).
    static int mixerVolume(double db);

private:
    void releaseChunk();

    bool open_ = false;
    std::shared_ptr<SdlAudioDevice> device_;
    Mix_Chunk* chunk_ = nullptr;
};

} // namespace platform
