#include "platform/audio/fluid_note_synth.h"

#include "platform/audio/pulse_latency.h"
#include "platform/audio/sdl_audio_device.h"

#include <QFile>
#include <QFileInfo>

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <mutex>

namespace platform {

namespace {

constexpr int kChannels = 16;
constexpr int kKeys = 128;

// Collects FluidSynth's error messages while a start is under way, so that a failure can say what
// went wrong; the messages are still printed as usual.
class FluidErrorCapture {
public:
    FluidErrorCapture()
    {
        for (int level : kLevels)
            previous_[index(level)] = fluid_set_log_function(level, &FluidErrorCapture::log, this);
    }
    ~FluidErrorCapture()
    {
        for (int level : kLevels)
            fluid_set_log_function(level, previous_[index(level)], nullptr);
    }
    FluidErrorCapture(const FluidErrorCapture&) = delete;
    FluidErrorCapture& operator=(const FluidErrorCapture&) = delete;

    // The error messages since the last take, joined.
    QString take()
    {
        std::lock_guard lock(mutex_);
        QString text = messages_.join(QStringLiteral("; "));
        messages_.clear();
        warnings_.clear();
        return text;
    }
    // The warnings since the last take (a driver says there what it got instead of what it was
    // asked for), joined.
    QString takeWarnings()
    {
        std::lock_guard lock(mutex_);
        QString text = warnings_.join(QStringLiteral("; "));
        warnings_.clear();
        return text;
    }

private:
    static constexpr std::array<int, 3> kLevels{FLUID_PANIC, FLUID_ERR, FLUID_WARN};
    static std::size_t index(int level) { return level == FLUID_PANIC ? 0 : level == FLUID_ERR ? 1 : 2; }

    static void log(int level, const char* message, void* data)
    {
        auto* self = static_cast<FluidErrorCapture*>(data);
        {
            std::lock_guard lock(self->mutex_);
            (level == FLUID_WARN ? self->warnings_ : self->messages_) << QString::fromUtf8(message).trimmed();
        }
        if (fluid_log_function_t previous = self->previous_[index(level)])
            previous(level, message, nullptr);
    }

    std::array<fluid_log_function_t, 3> previous_{};
    std::mutex mutex_;
    QStringList messages_;
    QStringList warnings_;
};

bool validChannel(int channel) { return channel >= 0 && channel < kChannels; }
bool validData(int value) { return value >= 0 && value < 128; }

} // namespace

struct FluidNoteSynth::Impl {
    explicit Impl(Output o) : output(o) {}

    // The automatic note-off of a note carries its channel, key and the generation of that key at
    // its note-on; it ends the note only if no later call has touched the key since.
    static void* timerData(int channel, int key, std::uint16_t generation)
    {
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(
            (std::uint32_t(generation) << 16) | (std::uint32_t(channel) << 8) | std::uint32_t(key)));
    }

    // Runs on the thread that renders the samples (the device's, or the caller of render()).
    static void onSequencerEvent(unsigned int, fluid_event_t* event, fluid_sequencer_t*, void* data)
    {
        if (fluid_event_get_type(event) != FLUID_SEQ_TIMER)
            return;
        auto* self = static_cast<Impl*>(data);
        const auto code = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(fluid_event_get_data(event)));
        const int key = int(code & 0xff);
        const int channel = int((code >> 8) & 0xff);
        const auto generation = std::uint16_t(code >> 16);
        std::lock_guard lock(self->mutex);
        std::uint16_t& current = self->generation[slot(channel, key)];
        if (current != generation)
            return;
        ++current;
        fluid_synth_noteoff(self->synth, channel, key);
    }

    static std::size_t slot(int channel, int key) { return std::size_t(channel) * kKeys + std::size_t(key); }

    // Renders the synthesizer into the SDL output's music stream, on SDL's audio thread.
    static void renderToSdl(void* data, Sint16* stereo, int frames)
    {
        auto* self = static_cast<Impl*>(data);
        fluid_synth_write_s16(self->synth, frames, stereo, 0, 2, stereo, 1, 2);
    }

    bool openDevice(FluidErrorCapture& capture, QString* failure);
    // What the sound server says it gives the note stream, beside what it was asked.
    static QString pulseGives(const NoteOutputSettings& asked);
    void release();

    const Output output;
    bool started = false;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_sequencer_t* sequencer = nullptr;
    fluid_seq_id_t timerClient = -1;
    fluid_event_t* timerEvent = nullptr;  // reused by noteOn, on the caller's thread
    fluid_audio_driver_t* driver = nullptr;
    std::shared_ptr<SdlAudioDevice> sdlDevice;  // the SDL output, shared with the sound effects
    QString driverName;
    QString driverSays;  // what the driver reported back while it opened
    QString soundFontPath;

    // Guards `generation` together with the synthesizer calls that change which note owns a key,
    // so that an automatic note-off and a new note-on of the same key never cross.
    std::mutex mutex;
    std::array<std::uint16_t, kChannels * kKeys> generation{};
};

bool FluidNoteSynth::Impl::openDevice(FluidErrorCapture& capture, QString* failure)
{
    static_assert(outputRate == SdlAudioDevice::sampleRate, "the synthesizer renders at the SDL output's rate");
    QStringList failures;
    for (const QString& name : deviceDrivers()) {
        if (name == QLatin1String("sdl2")) {
            // Not FluidSynth's own SDL driver: SDL opens one output per program, and the sound
            // effects need it too. The piano renders into the shared output's music stream.
            QString why;
            sdlDevice = SdlAudioDevice::acquire(&why);
            if (!sdlDevice) {
                failures << QStringLiteral("sdl2: %1").arg(why);
                continue;
            }
            sdlDevice->setMusicSource(&Impl::renderToSdl, this);
            // So that the report can say what buffer SDL settled on.
            sdlDevice->waitForFirstCallback(250);
            driverName = name;
            capture.take();
            return true;
        }
        const NoteOutputSettings asked = outputSettings(name);
        if (fluid_settings_setstr(settings, "audio.driver", name.toUtf8().constData()) == FLUID_OK
            && fluid_settings_setint(settings, "audio.period-size", asked.periodFrames) == FLUID_OK
            && fluid_settings_setint(settings, "audio.periods", asked.periods) == FLUID_OK)
            driver = new_fluid_audio_driver(settings, synth);
        if (driver) {
            driverName = name;
            // ALSA's driver warns when the device gives another period than asked; the sound
            // server says nothing to its clients, so it is asked.
            const QString warnings = capture.takeWarnings();
            if (name == QLatin1String("pulseaudio"))
                driverSays = pulseGives(asked);
            else if (!warnings.isEmpty())
                driverSays = QStringLiteral("the driver reports: %1").arg(warnings);
            capture.take();  // what the drivers tried before said no longer matters
            return true;
        }
        const QString why = capture.take();
        failures << (why.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, why));
    }
    *failure = failures.join(QStringLiteral(" / "));
    return false;
}

QString FluidNoteSynth::Impl::pulseGives(const NoteOutputSettings& asked)
{
    QString why;
    // FluidSynth's driver names its client "FluidSynth".
    return describePulseStream(QStringLiteral("FluidSynth"),
                               1000.0 * deviceBufferFrames(QStringLiteral("pulseaudio"), asked) / asked.sampleRate);
}

void FluidNoteSynth::Impl::release()
{
    started = false;
    // The device first: its thread renders the synthesizer and runs the sequencer.
    if (driver) {
        delete_fluid_audio_driver(driver);
        driver = nullptr;
    }
    if (sdlDevice) {
        sdlDevice->setMusicSource(nullptr, nullptr);
        sdlDevice.reset();
    }
    if (sequencer) {
        delete_fluid_sequencer(sequencer);  // unregisters its clients, and unhooks it from the synth
        sequencer = nullptr;
    }
    timerClient = -1;
    if (timerEvent) {
        delete_fluid_event(timerEvent);
        timerEvent = nullptr;
    }
    if (synth) {
        delete_fluid_synth(synth);
        synth = nullptr;
    }
    if (settings) {
        delete_fluid_settings(settings);
        settings = nullptr;
    }
    driverName.clear();
    driverSays.clear();
    soundFontPath.clear();
    generation.fill(0);
}

QStringList FluidNoteSynth::deviceDrivers()
{
    return {QStringLiteral("pulseaudio"), QStringLiteral("alsa"), QStringLiteral("sdl2")};
}

NoteOutputSettings FluidNoteSynth::outputSettings(const QString& driver)
{
    // About 20 ms held everywhere (see the header).
    if (driver == QLatin1String("pulseaudio"))
        return {outputRate, 960, 2};  // the server is asked for one period: 960 frames
    if (driver == QLatin1String("sdl2"))
        return {outputRate, SdlAudioDevice::bufferFrames, 1};
    return {outputRate, 480, 2};
}

int FluidNoteSynth::deviceBufferFrames(const QString& driver, const NoteOutputSettings& s)
{
    if (driver == QLatin1String("pulseaudio"))
        return s.periodFrames;  // the stream's target length is one period
    if (driver == QLatin1String("sdl2"))
        return SdlAudioDevice::bufferFrames;
    return s.periodFrames * s.periods;
}

QString FluidNoteSynth::describeOutput(const QString& driver, const NoteOutputSettings& s)
{
    const int frames = deviceBufferFrames(driver, s);
    const QString buffer = QStringLiteral("buffer %1 frames = %2 ms")
                               .arg(frames)
                               .arg(1000.0 * frames / s.sampleRate, 0, 'f', 1);
    if (driver == QLatin1String("sdl2"))
        return QStringLiteral("sdl2: asked %1 Hz 16-bit stereo, %2 frames per callback -> %3")
            .arg(SdlAudioDevice::sampleRate)
            .arg(SdlAudioDevice::bufferFrames)
            .arg(buffer);
    if (driver == QLatin1String("pulseaudio"))
        return QStringLiteral("pulseaudio: asked %1 Hz, %2 in all").arg(s.sampleRate).arg(buffer);
    return QStringLiteral("%1: asked %2 Hz, period %3 frames x %4 -> %5")
        .arg(driver)
        .arg(s.sampleRate)
        .arg(s.periodFrames)
        .arg(s.periods)
        .arg(buffer);
}

FluidNoteSynth::FluidNoteSynth(Output output) : d_(std::make_unique<Impl>(output)) {}

FluidNoteSynth::~FluidNoteSynth()
{
    d_->release();
}

bool FluidNoteSynth::start(const QString& soundFontPath, QString* error)
{
    d_->release();
    FluidErrorCapture capture;
    auto fail = [&](const QString& what) {
        const QString detail = capture.take();
        d_->release();
        if (error)
            *error = detail.isEmpty() ? what : QStringLiteral("%1 (%2)").arg(what, detail);
        return false;
    };

    d_->settings = new_fluid_settings();
    if (!d_->settings)
        return fail(QStringLiteral("the synthesizer settings could not be created"));
    if (fluid_settings_setnum(d_->settings, "synth.sample-rate", outputRate) != FLUID_OK
        // Only the samples of the instruments in use are held in memory (the piano, loaded with
        // the SoundFont since the melodic channels start on it), not the whole General MIDI set.
        || fluid_settings_setint(d_->settings, "synth.dynamic-sample-loading", 1) != FLUID_OK)
        return fail(QStringLiteral("the synthesizer refused the output settings"));

    d_->synth = new_fluid_synth(d_->settings);
    if (!d_->synth)
        return fail(QStringLiteral("the synthesizer could not be created"));

    if (!QFileInfo(soundFontPath).isFile())
        return fail(QStringLiteral("the SoundFont file %1 does not exist").arg(soundFontPath));
    const QByteArray path = QFile::encodeName(soundFontPath);
    if (!fluid_is_soundfont(path.constData()))
        return fail(QStringLiteral("%1 is not a SoundFont 2 file").arg(soundFontPath));
    if (fluid_synth_sfload(d_->synth, path.constData(), 1) == FLUID_FAILED)
        return fail(QStringLiteral("the SoundFont %1 could not be loaded").arg(soundFontPath));

    // The sequencer keeps time by the synthesizer's samples (no system timer).
    d_->sequencer = new_fluid_sequencer2(0);
    if (!d_->sequencer || fluid_sequencer_register_fluidsynth(d_->sequencer, d_->synth) == FLUID_FAILED)
        return fail(QStringLiteral("the note sequencer could not be created"));
    d_->timerClient = fluid_sequencer_register_client(d_->sequencer, "note ends", &Impl::onSequencerEvent,
                                                      d_.get());
    d_->timerEvent = new_fluid_event();
    if (d_->timerClient == FLUID_FAILED || !d_->timerEvent)
        return fail(QStringLiteral("the note sequencer could not be created"));

    if (d_->output == Output::Device) {
        QString failure;
        if (!d_->openDevice(capture, &failure))
            return fail(QStringLiteral("no sound output could be opened (%1)").arg(failure));
    }
    d_->soundFontPath = soundFontPath;
    d_->started = true;
    return true;
}

void FluidNoteSynth::programChange(int channel, int program, int bankMsb, int bankLsb)
{
    if (!d_->started || !validChannel(channel) || !validData(program) || !validData(bankMsb)
        || !validData(bankLsb))
        return;
    fluid_synth_cc(d_->synth, channel, 0, bankMsb);
    fluid_synth_cc(d_->synth, channel, 32, bankLsb);
    fluid_synth_program_change(d_->synth, channel, program);
}

void FluidNoteSynth::noteOn(int channel, int key, int velocity, int durationMs)
{
    if (!d_->started || !validChannel(channel) || !validData(key) || !validData(velocity))
        return;
    std::uint16_t generation;
    {
        std::lock_guard lock(d_->mutex);
        generation = ++d_->generation[Impl::slot(channel, key)];
        fluid_synth_noteon(d_->synth, channel, key, velocity);
    }
    // Outside the lock: the sequencer holds its own lock while it runs onSequencerEvent().
    const unsigned int due = fluid_sequencer_get_tick(d_->sequencer) + unsigned(std::max(0, durationMs));
    fluid_event_timer(d_->timerEvent, Impl::timerData(channel, key, generation));
    fluid_event_set_source(d_->timerEvent, -1);
    fluid_event_set_dest(d_->timerEvent, d_->timerClient);
    fluid_sequencer_send_at(d_->sequencer, d_->timerEvent, due, 1);
}

void FluidNoteSynth::noteOff(int channel, int key)
{
    if (!d_->started || !validChannel(channel) || !validData(key))
        return;
    std::lock_guard lock(d_->mutex);
    ++d_->generation[Impl::slot(channel, key)];
    fluid_synth_noteoff(d_->synth, channel, key);
}

void FluidNoteSynth::allNotesOff()
{
    if (!d_->started)
        return;
    std::lock_guard lock(d_->mutex);
    for (std::uint16_t& g : d_->generation)
        ++g;
    fluid_synth_all_notes_off(d_->synth, -1);
}

void FluidNoteSynth::stop()
{
    d_->release();
}

QString FluidNoteSynth::settingsReport() const
{
    if (!d_->started)
        return QStringLiteral("note synthesizer not started");
    // What the synthesizer and its driver were asked for, read back from the settings, then what
    // the output gave where it says.
    double rate = 0;
    int period = 0;
    int periods = 0;
    fluid_settings_getnum(d_->settings, "synth.sample-rate", &rate);
    fluid_settings_getint(d_->settings, "audio.period-size", &period);
    fluid_settings_getint(d_->settings, "audio.periods", &periods);
    const NoteOutputSettings asked{int(rate), period, periods};
    QString output;
    if (d_->output == Output::Offline)
        output = QStringLiteral("offline (no device): %1 Hz").arg(asked.sampleRate);
    else if (d_->sdlDevice)
        output = d_->sdlDevice->describe() + QStringLiteral(", shared with the sound effects");
    else
        output = describeOutput(d_->driverName, asked)
            + (d_->driverSays.isEmpty() ? QStringLiteral("; the driver reports no change to it")
                                        : QStringLiteral("; %1").arg(d_->driverSays));
    return QStringLiteral("FluidSynth %1, %2, blocks of %3 frames, SoundFont %4")
        .arg(QString::fromUtf8(fluid_version_str()), output)
        .arg(blockFrames)
        .arg(d_->soundFontPath);
}

bool FluidNoteSynth::isStarted() const
{
    return d_->started;
}

QString FluidNoteSynth::driverName() const
{
    return d_->driverName;
}

int FluidNoteSynth::sampleRate() const
{
    return outputRate;
}

bool FluidNoteSynth::render(float* interleavedStereo, int frames)
{
    if (!d_->started || d_->output != Output::Offline || frames <= 0)
        return false;
    return fluid_synth_write_float(d_->synth, frames, interleavedStereo, 0, 2, interleavedStereo, 1, 2)
        == FLUID_OK;
}

} // namespace platform
