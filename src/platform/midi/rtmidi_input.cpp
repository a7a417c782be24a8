#include "platform/midi/rtmidi_input.h"

#include <QDebug>
#include <QRegularExpression>

#include <alsa/asoundlib.h>

#include <exception>
#include <iostream>
#include <mutex>
#include <sstream>

// ALSA's header declares snd_lib_error_set_local outside its extern "C" block (ALSA 1.2.8), so
// that C++ would look for a mangled name the library does not have: the C function, under a
// name of its own.
extern "C" snd_local_error_handler_t tvAlsaSetLocalErrorHandler(snd_local_error_handler_t handler) __asm__(
    "snd_lib_error_set_local");

namespace platform {

namespace {
// How the program shows itself in the sequencer (`aconnect -l`).
constexpr const char* kClientName = "Tastevolo";
constexpr const char* kPortName = "Tastevolo input";
// The device of ALSA's sequencer, named in the line that says why MIDI input is off.
constexpr const char* kSequencerDevice = "/dev/snd/seq";

void dropAlsaMessage(const char*, int, const char*, int, const char*, va_list) {}

// While one lives, what ALSA would print for this thread goes nowhere: the sequencer's
// failures come back in the results of its calls, and the program tells them in its own words.
// The handler is this thread's only, so the sound outputs (FluidSynth and SDL also go through
// ALSA, on threads of their own) keep ALSA's messages as they were.
class QuietAlsa {
public:
    QuietAlsa() : previous_(tvAlsaSetLocalErrorHandler(&dropAlsaMessage)) {}
    ~QuietAlsa() { tvAlsaSetLocalErrorHandler(previous_); }
    QuietAlsa(const QuietAlsa&) = delete;
    QuietAlsa& operator=(const QuietAlsa&) = delete;

private:
    snd_local_error_handler_t previous_;
};

// RtMidi prints an error of its constructor on std::cerr before throwing it (an error callback
// can only be set once the object exists): while one lives, that text is kept here instead.
// Nothing else in the program writes to std::cerr.
class QuietCerr {
public:
    QuietCerr() : previous_(std::cerr.rdbuf(kept_.rdbuf())) {}
    ~QuietCerr() { std::cerr.rdbuf(previous_); }
    QuietCerr(const QuietCerr&) = delete;
    QuietCerr& operator=(const QuietCerr&) = delete;

private:
    std::stringstream kept_;
    std::streambuf* previous_;
};

int openAndCloseSequencer()
{
    QuietAlsa quiet;
    snd_seq_t* seq = nullptr;
    // As RtMidi opens it.
    const int result = snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK);
    if (result < 0)
        return result;
    snd_seq_close(seq);
    return 0;
}

// The sequencer as every input of the run sees it.
struct Sequencer {
    std::mutex mutex;
    RtMidiInput::SequencerCheck check;
    bool failureTold = false;

    static Sequencer& get()
    {
        static Sequencer sequencer;
        return sequencer;
    }

    int reach()
    {
        RtMidiInput::SequencerCheck now;
        {
            std::lock_guard lock(mutex);
            now = check;
        }
        return now ? now() : openAndCloseSequencer();
    }

    // Standard error hears that MIDI input is off, and why, once a run.
    void tellOnce(const QString& reason)
    {
        {
            std::lock_guard lock(mutex);
            if (failureTold)
                return;
            failureTold = true;
        }
        qInfo().noquote() << "MIDI input: off," << reason;
    }
};

QString sequencerRefused(int error)
{
    return QStringLiteral("no MIDI sequencer could be opened (%1: %2)")
        .arg(QLatin1String(kSequencerDevice), QString::fromLocal8Bit(snd_strerror(error)));
}

// RtMidi's text without the name of its function ("MidiInAlsa::initialize: ").
QString withoutRtMidiPlace(const char* text)
{
    static const QRegularExpression place(QStringLiteral("^\\S+::\\S+:\\s*"));
    return QString::fromLocal8Bit(text).trimmed().remove(place);
}
} // namespace

RtMidiInput::RtMidiInput() = default;

RtMidiInput::~RtMidiInput()
{
    close();
}

bool RtMidiInput::connect()
{
    if (in_)
        return true;
    Sequencer& sequencer = Sequencer::get();
    // Asked first, for the reason RtMidi does not give (its own text would only say that it
    // could not create its client).
    if (const int refused = sequencer.reach(); refused < 0) {
        lastError_ = sequencerRefused(refused);
        sequencer.tellOnce(lastError_);
        return false;
    }
    {
        QuietAlsa quietAlsa;
        QuietCerr quietRtMidi;
        try {
            in_ = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, kClientName);
        } catch (const std::exception& e) {
            lastError_ =
                QStringLiteral("the MIDI sequencer could not be set up (%1)").arg(withoutRtMidiPlace(e.what()));
        } catch (...) {
            lastError_ = QStringLiteral("the MIDI sequencer could not be set up");
        }
    }
    if (!in_) {
        sequencer.tellOnce(lastError_);
        return false;
    }
    // From now on RtMidi reports its errors here instead of throwing them.
    in_->setErrorCallback(&RtMidiInput::reportError, this);
    return true;
}

void RtMidiInput::reportError(RtMidiError::Type type, const std::string& text, void* self)
{
    auto* input = static_cast<RtMidiInput*>(self);
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        input->lastError_ = QString::fromLocal8Bit(text.c_str());
}

QStringList RtMidiInput::deviceNames()
{
    QStringList names;
    if (!connect())
        return names;
    try {
        const unsigned int count = in_->getPortCount();
        for (unsigned int i = 0; i < count; ++i)
            // A name that cannot be read comes back empty.
            names << readableName(in_->getPortName(i));
    } catch (...) {
        names.clear();
    }
    return names;
}

QString RtMidiInput::readableName(const std::string& rtMidiName)
{
    QString name = QString::fromLocal8Bit(rtMidiName.c_str()).trimmed();
    static const QRegularExpression address(QStringLiteral("\\s+\\d+:\\d+$"));
    name.remove(address);
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return name;
    const QString client = name.left(colon).trimmed();
    const QString port = name.mid(colon + 1).trimmed();
    if (port.isEmpty())
        return client;
    if (client.isEmpty() || port.startsWith(client))
        return port;
    return client + QStringLiteral(": ") + port;
}

bool RtMidiInput::open(int device, MessageCallback onMessage, QString* error)
{
    close();
    lastError_.clear();
    auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!connect())
        return fail(lastError_);
    if (device < 0)
        return fail(QStringLiteral("No MIDI device was chosen."));
    try {
        onMessage_ = std::move(onMessage);
        in_->setCallback(&RtMidiInput::receive, this);
        // System exclusive, timing and active sensing are not wanted.
        in_->ignoreTypes(true, true, true);
        in_->openPort(static_cast<unsigned int>(device), kPortName);
    } catch (const std::exception& e) {
        lastError_ = QString::fromLocal8Bit(e.what());
    } catch (...) {
        lastError_ = QStringLiteral("The MIDI device could not be opened.");
    }
    if (!in_->isPortOpen()) {
        try {
            in_->cancelCallback();
        } catch (...) {
        }
        onMessage_ = nullptr;
        return fail(lastError_.isEmpty() ? QStringLiteral("The MIDI device could not be opened.") : lastError_);
    }
    open_ = true;
    return true;
}

void RtMidiInput::receive(double, std::vector<unsigned char>* message, void* self)
{
    auto* input = static_cast<RtMidiInput*>(self);
    if (!message || message->empty() || message->size() > 3 || !input->onMessage_)
        return;
    const auto byte = [&](size_t i) { return i < message->size() ? (*message)[i] : quint8(0); };
    input->onMessage_(packMidiMessage(byte(0), byte(1), byte(2)));
}

void RtMidiInput::close()
{
    if (!open_ || !in_)
        return;
    open_ = false;
    try {
        // Closing the port joins RtMidi's input thread: no message arrives after this.
        in_->closePort();
        in_->cancelCallback();
    } catch (...) {
        qWarning("The MIDI input did not close cleanly.");
    }
    onMessage_ = nullptr;
}

bool RtMidiInput::isOpen() const
{
    return open_;
}

void RtMidiInput::setSequencerCheck(SequencerCheck check)
{
    Sequencer& sequencer = Sequencer::get();
    std::lock_guard lock(sequencer.mutex);
    sequencer.check = std::move(check);
}

void RtMidiInput::forgetToldFailure()
{
    Sequencer& sequencer = Sequencer::get();
    std::lock_guard lock(sequencer.mutex);
    sequencer.failureTold = false;
}

} // namespace platform
