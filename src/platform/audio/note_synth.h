#pragma once
// The note synthesizer behind the hidden note player: the program's piano sound.
//
// Channels, programs, banks and keys are MIDI numbers counted from 0 (channel 0 is the first
// MIDI channel, program 0 the first instrument). A note sounds until its note-off or until its
// duration runs out, whichever comes first; a later note-on of the same key on the same channel
// takes that key over, so the automatic end of an earlier note never cuts a later one. Before a
// successful start() and after stop(), the note calls do nothing.
//
// Screens never create a synthesizer themselves: they call makeNoteSynth(), which gives the real
// one unless a test installed another factory (a recording one, or one that fails to start).

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

class NoteSynth {
public:
    virtual ~NoteSynth() = default;

    // Creates the synthesizer, loads the SoundFont file once and opens the sound output.
    // On failure returns false, with the reason in *error (when error is not null), and holds
    // nothing; calling start() again starts afresh.
    virtual bool start(const QString& soundFontPath, QString* error) = 0;

    virtual void programChange(int channel, int program, int bankMsb, int bankLsb) = 0;
    // durationMs <= 0 ends the note at once.
    virtual void noteOn(int channel, int key, int velocity, int durationMs) = 0;
    virtual void noteOff(int channel, int key) = 0;
    virtual void allNotesOff() = 0;

    // Releases the synthesizer and the sound output; the notes stop. Harmless when not started.
    virtual void stop() = 0;

    // The settings in effect, as a line of text: what the output was given (sample rate, buffer)
    // and, where the output can say, what it reports back; a figure only computed is marked so.
    virtual QString settingsReport() const = 0;
};

using NoteSynthFactory = std::function<std::unique_ptr<NoteSynth>()>;

// The real synthesizer (FluidNoteSynth on the sound output), or what the installed factory makes.
std::unique_ptr<NoteSynth> makeNoteSynth();
// Installs a factory for makeNoteSynth(); an empty one brings the real synthesizer back.
void setNoteSynthFactory(NoteSynthFactory factory);

// One call received by a RecordingNoteSynth. Fields that a kind of call does not carry stay 0.
struct NoteSynthCall {
    enum class Kind { Start, ProgramChange, NoteOn, NoteOff, AllNotesOff, Stop };
    Kind kind = Kind::Start;
    int channel = 0;
    int key = 0;
    int velocity = 0;
    int durationMs = 0;
    int program = 0;
    int bankMsb = 0;
    int bankLsb = 0;
    QString soundFontPath{};

    bool operator==(const NoteSynthCall&) const = default;
};

// "start <path>", "programChange <channel> <program> <msb> <lsb>",
// "noteOn <channel> <key> <velocity> <durationMs>", "noteOff <channel> <key>", "allNotesOff", "stop".
QString describe(const NoteSynthCall& call);
// describe() of every call, in order.
QStringList describe(const QList<NoteSynthCall>& calls);

// Records every call and sounds nothing. Every synth made by the factory of installFactory()
// records into one shared log, which outlives the synths (a screen may delete its synth).
class RecordingNoteSynth final : public NoteSynth {
public:
    using Log = QList<NoteSynthCall>;

    // startError not empty: start() fails with that message.
    explicit RecordingNoteSynth(std::shared_ptr<Log> log = std::make_shared<Log>(),
                                QString startError = {});

    // Installs a factory of recording synths that share the returned log.
    static std::shared_ptr<Log> installFactory(const QString& startError = {});

    const Log& calls() const { return *log_; }
    std::shared_ptr<Log> log() const { return log_; }
    bool started() const { return started_; }

    bool start(const QString& soundFontPath, QString* error) override;
    void programChange(int channel, int program, int bankMsb, int bankLsb) override;
    void noteOn(int channel, int key, int velocity, int durationMs) override;
    void noteOff(int channel, int key) override;
    void allNotesOff() override;
    void stop() override;
    QString settingsReport() const override;

private:
    std::shared_ptr<Log> log_;
    QString startError_;
    bool started_ = false;
};

} // namespace platform
