#include "platform/audio/note_synth.h"

#include "platform/audio/fluid_note_synth.h"
#include "platform/audio/replaceable_factory.h"
#include "platform/audio/sound_log.h"

namespace platform {

namespace {
using Factory = ReplaceableFactory<NoteSynth, FluidNoteSynth>;
}

std::unique_ptr<NoteSynth> makeNoteSynth()
{
    return withSoundLog(Factory::make());
}

void setNoteSynthFactory(NoteSynthFactory factory)
{
    Factory::installed() = std::move(factory);
}

QString describe(const NoteSynthCall& call)
{
    using Kind = NoteSynthCall::Kind;
    switch (call.kind) {
    case Kind::Start:
        return QStringLiteral("start %1").arg(call.soundFontPath);
    case Kind::ProgramChange:
        return QStringLiteral("programChange %1 %2 %3 %4")
            .arg(call.channel)
            .arg(call.program)
            .arg(call.bankMsb)
            .arg(call.bankLsb);
    case Kind::NoteOn:
        return QStringLiteral("noteOn %1 %2 %3 %4")
            .arg(call.channel)
            .arg(call.key)
            .arg(call.velocity)
            .arg(call.durationMs);
    case Kind::NoteOff:
        return QStringLiteral("noteOff %1 %2").arg(call.channel).arg(call.key);
    case Kind::AllNotesOff:
        return QStringLiteral("allNotesOff");
    case Kind::Stop:
        return QStringLiteral("stop");
    }
    return {};
}

RecordingNoteSynth::RecordingNoteSynth(std::shared_ptr<Log> log, QString startError)
    : log_(std::move(log)), startError_(std::move(startError))
{
}

std::shared_ptr<RecordingNoteSynth::Log> RecordingNoteSynth::installFactory(const QString& startError)
{
    auto log = std::make_shared<Log>();
    setNoteSynthFactory([log, startError] { return std::make_unique<RecordingNoteSynth>(log, startError); });
    return log;
}

QStringList describe(const QList<NoteSynthCall>& calls)
{
    return describeEach(calls);
}

bool RecordingNoteSynth::start(const QString& soundFontPath, QString* error)
{
    log_->append({.kind = NoteSynthCall::Kind::Start, .soundFontPath = soundFontPath});
    started_ = startError_.isEmpty();
    if (!started_ && error)
        *error = startError_;
    return started_;
}

void RecordingNoteSynth::programChange(int channel, int program, int bankMsb, int bankLsb)
{
    log_->append({.kind = NoteSynthCall::Kind::ProgramChange,
                  .channel = channel,
                  .program = program,
                  .bankMsb = bankMsb,
                  .bankLsb = bankLsb});
}

void RecordingNoteSynth::noteOn(int channel, int key, int velocity, int durationMs)
{
    log_->append({.kind = NoteSynthCall::Kind::NoteOn,
                  .channel = channel,
                  .key = key,
                  .velocity = velocity,
                  .durationMs = durationMs});
}

void RecordingNoteSynth::noteOff(int channel, int key)
{
    log_->append({.kind = NoteSynthCall::Kind::NoteOff, .channel = channel, .key = key});
}

void RecordingNoteSynth::allNotesOff()
{
    log_->append({.kind = NoteSynthCall::Kind::AllNotesOff});
}

void RecordingNoteSynth::stop()
{
    log_->append({.kind = NoteSynthCall::Kind::Stop});
    started_ = false;
}

QString RecordingNoteSynth::settingsReport() const
{
    return started_ ? QStringLiteral("recording note synth (no sound)")
                    : QStringLiteral("recording note synth (not started)");
}

} // namespace platform
