#include "platform/midi/rtmidi_input.h"

#include <QDebug>
#include <QRegularExpression>

#include <exception>

namespace platform {

namespace {
// How the program shows itself in the sequencer (`aconnect -l`).
constexpr const char* kClientName = "Tastevolo";
constexpr const char* kPortName = "Tastevolo input";
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
    try {
        in_ = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, kClientName);
    } catch (const std::exception& e) {
        lastError_ = QString::fromLocal8Bit(e.what());
        in_.reset();
        return false;
    } catch (...) {
        lastError_ = QStringLiteral("The MIDI sequencer could not be reached.");
        in_.reset();
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

} // namespace platform
