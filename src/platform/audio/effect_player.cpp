#include "platform/audio/effect_player.h"

#include "platform/audio/replaceable_factory.h"
#include "platform/audio/sdl_effect_player.h"
#include "platform/audio/sound_log.h"

namespace platform {

namespace {
using Factory = ReplaceableFactory<EffectPlayer, SdlEffectPlayer>;
}

std::unique_ptr<EffectPlayer> makeEffectPlayer()
{
    return withSoundLog(Factory::make());
}

void setEffectPlayerFactory(EffectPlayerFactory factory)
{
    Factory::installed() = std::move(factory);
}

QString effectPlayerNotOpenError()
{
    return QStringLiteral("the sound-effect player is not open");
}

QString describe(const EffectPlayerCall& call)
{
    using Kind = EffectPlayerCall::Kind;
    switch (call.kind) {
    case Kind::Init:
        return QStringLiteral("init");
    case Kind::Play:
        return QStringLiteral("play %1 bytes").arg(call.wav.size());
    case Kind::Stop:
        return QStringLiteral("stop");
    case Kind::SetMasterVolumeDb:
        return QStringLiteral("setMasterVolumeDb %1").arg(call.volumeDb);
    case Kind::Close:
        return QStringLiteral("close");
    }
    return {};
}

RecordingEffectPlayer::RecordingEffectPlayer(std::shared_ptr<Log> log, QString initError, QString playError)
    : log_(std::move(log)), initError_(std::move(initError)), playError_(std::move(playError))
{
}

std::shared_ptr<RecordingEffectPlayer::Log> RecordingEffectPlayer::installFactory(const QString& initError,
                                                                                  const QString& playError)
{
    auto log = std::make_shared<Log>();
    setEffectPlayerFactory(
        [log, initError, playError] { return std::make_unique<RecordingEffectPlayer>(log, initError, playError); });
    return log;
}

QStringList describe(const QList<EffectPlayerCall>& calls)
{
    return describeEach(calls);
}

bool RecordingEffectPlayer::init(QString* error)
{
    log_->append({.kind = EffectPlayerCall::Kind::Init});
    open_ = initError_.isEmpty();
    if (!open_ && error)
        *error = initError_;
    return open_;
}

bool RecordingEffectPlayer::play(const QByteArray& wavBytes, QString* error)
{
    log_->append({.kind = EffectPlayerCall::Kind::Play, .wav = wavBytes});
    const QString failure = !open_ ? effectPlayerNotOpenError() : playError_;
    if (failure.isEmpty())
        return true;
    if (error)
        *error = failure;
    return false;
}

void RecordingEffectPlayer::stop()
{
    log_->append({.kind = EffectPlayerCall::Kind::Stop});
}

void RecordingEffectPlayer::setMasterVolumeDb(double db)
{
    log_->append({.kind = EffectPlayerCall::Kind::SetMasterVolumeDb, .volumeDb = db});
}

void RecordingEffectPlayer::close()
{
    log_->append({.kind = EffectPlayerCall::Kind::Close});
    open_ = false;
}

} // namespace platform
