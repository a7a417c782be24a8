#include "platform/audio/sound_log.h"

#include <QFile>

namespace platform {

namespace {

// The log file, or empty when no log is asked for.
QString soundLogPath() { return qEnvironmentVariable("TASTEVOLO_SOUND_LOG"); }

void appendLine(const QString& path, const QString& line)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write((line + QLatin1Char('\n')).toUtf8());
}

class LoggingNoteSynth final : public NoteSynth {
public:
    LoggingNoteSynth(std::unique_ptr<NoteSynth> inner, QString path) : inner_(std::move(inner)), path_(std::move(path)) {}

    bool start(const QString& soundFontPath, QString* error) override { return inner_->start(soundFontPath, error); }
    void programChange(int channel, int program, int bankMsb, int bankLsb) override
    {
        inner_->programChange(channel, program, bankMsb, bankLsb);
    }
    void noteOn(int channel, int key, int velocity, int durationMs) override
    {
        appendLine(path_, describe(NoteSynthCall{.kind = NoteSynthCall::Kind::NoteOn,
                                                 .channel = channel,
                                                 .key = key,
                                                 .velocity = velocity,
                                                 .durationMs = durationMs}));
        inner_->noteOn(channel, key, velocity, durationMs);
    }
    void noteOff(int channel, int key) override
    {
        appendLine(path_, describe(NoteSynthCall{.kind = NoteSynthCall::Kind::NoteOff, .channel = channel, .key = key}));
        inner_->noteOff(channel, key);
    }
    void allNotesOff() override
    {
        appendLine(path_, describe(NoteSynthCall{.kind = NoteSynthCall::Kind::AllNotesOff}));
        inner_->allNotesOff();
    }
    void stop() override { inner_->stop(); }
    QString settingsReport() const override { return inner_->settingsReport(); }

private:
    std::unique_ptr<NoteSynth> inner_;
    QString path_;
};

class LoggingEffectPlayer final : public EffectPlayer {
public:
    LoggingEffectPlayer(std::unique_ptr<EffectPlayer> inner, QString path)
        : inner_(std::move(inner)), path_(std::move(path))
    {
    }

    bool init(QString* error) override { return inner_->init(error); }
    bool play(const QByteArray& wavBytes, QString* error) override
    {
        appendLine(path_, QStringLiteral("effect ") +
                              describe(EffectPlayerCall{.kind = EffectPlayerCall::Kind::Play, .wav = wavBytes}));
        return inner_->play(wavBytes, error);
    }
    void stop() override { inner_->stop(); }
    void setMasterVolumeDb(double db) override { inner_->setMasterVolumeDb(db); }
    void close() override { inner_->close(); }

private:
    std::unique_ptr<EffectPlayer> inner_;
    QString path_;
};

} // namespace

std::unique_ptr<NoteSynth> withSoundLog(std::unique_ptr<NoteSynth> synth)
{
    const QString path = soundLogPath();
    if (path.isEmpty())
        return synth;
    return std::make_unique<LoggingNoteSynth>(std::move(synth), path);
}

std::unique_ptr<EffectPlayer> withSoundLog(std::unique_ptr<EffectPlayer> player)
{
    const QString path = soundLogPath();
    if (path.isEmpty())
        return player;
    return std::make_unique<LoggingEffectPlayer>(std::move(player), path);
}

} // namespace platform
