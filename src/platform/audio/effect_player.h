#pragma once
// The player of the short sound effects (PCM WAVE recordings held in memory).
//
// One effect sounds at a time: a new play cuts the effect still playing, and stop() silences the
// effect played last. Screens call makeEffectPlayer(), which gives the real player unless a test
// installed another factory (a recording one, or one that fails).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;

    // Opens the sound output. False, with the reason in *error (when not null), when it cannot.
    virtual bool init(QString* error) = 0;
    // Decodes and plays a PCM WAVE (8- or 16-bit, mono or stereo, any common rate). False, with the
    // reason, when the player is not open or the bytes do not play.
    virtual bool play(const QByteArray& wavBytes, QString* error) = 0;
    // Silences the effect played last; does nothing when none plays.
    virtual void stop() = 0;
    // Gain of everything the player plays, in decibels (0 = as recorded, -10 = 10 dB down).
    virtual void setMasterVolumeDb(double db) = 0;
    // Closes the sound output; harmless when not open.
    virtual void close() = 0;
};

using EffectPlayerFactory = std::function<std::unique_ptr<EffectPlayer>()>;

// The real player (SdlEffectPlayer), or what the installed factory makes.
std::unique_ptr<EffectPlayer> makeEffectPlayer();
// Installs a factory for makeEffectPlayer(); an empty one brings the real player back.
void setEffectPlayerFactory(EffectPlayerFactory factory);

// The reason play() gives when the player is not open.
QString effectPlayerNotOpenError();

// One call received by a RecordingEffectPlayer.
struct EffectPlayerCall {
    enum class Kind { Init, Play, Stop, SetMasterVolumeDb, Close };
    Kind kind = Kind::Init;
    QByteArray wav{};      // Play
    double volumeDb = 0;   // SetMasterVolumeDb

    bool operator==(const EffectPlayerCall&) const = default;
};

// "init", "play <size> bytes", "stop", "setMasterVolumeDb <db>", "close".
QString describe(const EffectPlayerCall& call);
// describe() of every call, in order.
QStringList describe(const QList<EffectPlayerCall>& calls);

// Records every call and plays nothing. Like the real player, play() fails unless init()
// succeeded (and until close()). Every player made by the factory of installFactory() records
// into one shared log, which outlives the players.
class RecordingEffectPlayer final : public EffectPlayer {
public:
    using Log = QList<EffectPlayerCall>;

    // initError not empty: init() fails with it. playError not empty: every play() fails with it.
    explicit RecordingEffectPlayer(std::shared_ptr<Log> log = std::make_shared<Log>(), QString initError = {},
                                   QString playError = {});

    static std::shared_ptr<Log> installFactory(const QString& initError = {}, const QString& playError = {});

    const Log& calls() const { return *log_; }
    std::shared_ptr<Log> log() const { return log_; }
    bool isOpen() const { return open_; }

    bool init(QString* error) override;
    bool play(const QByteArray& wavBytes, QString* error) override;
    void stop() override;
    void setMasterVolumeDb(double db) override;
    void close() override;

private:
    std::shared_ptr<Log> log_;
    QString initError_;
    QString playError_;
    bool open_ = false;
};

} // namespace platform
