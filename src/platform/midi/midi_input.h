#pragma once
// MIDI input from the instruments plugged into the computer.
//
// A MidiInput lists the input devices and opens one of them; every short message the device
// sends then reaches a callback on the input's own thread, packed in a number: the status byte
// in bits 0-7, the first data byte in bits 8-15, the second data byte in bits 16-23 (bytes that
// a message does not carry are 0). The callback must never wait on the user-interface thread:
// close() runs there and waits for the input's thread.
//
// Screens never create an input themselves: they call makeMidiInput(), which gives the real
// one (the ALSA sequencer through RtMidi) unless a test installed another factory.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

class MidiInput {
public:
    using MessageCallback = std::function<void(quint32 message)>;

    // Closes the device if it is open.
    virtual ~MidiInput() = default;

    // The names of the input devices, in device order (device number = position in the list).
    // A device whose name cannot be read has an empty name. No devices, or no MIDI system at
    // all: an empty list.
    virtual QStringList deviceNames() = 0;

    // Opens device number `device` and starts delivering its messages to onMessage, called on
    // the input's own thread, one message at a time, in order. An input open before is closed
    // first. False, with the reason in *error (when not null), when the device cannot be opened;
    // nothing is open then.
    virtual bool open(int device, MessageCallback onMessage, QString* error) = 0;

    // Stops the device and waits for the input's thread: once close() returns, the callback
    // runs no more. Harmless when nothing is open, also when called twice.
    virtual void close() = 0;

    virtual bool isOpen() const = 0;
};

using MidiInputFactory = std::function<std::unique_ptr<MidiInput>()>;

// The real input (RtMidiInput), or what the installed factory makes.
std::unique_ptr<MidiInput> makeMidiInput();
// Installs a factory for makeMidiInput(); an empty one brings the real input back.
void setMidiInputFactory(MidiInputFactory factory);

// A short message from its bytes (bytes beyond the third are not part of a short message).
quint32 packMidiMessage(quint8 status, quint8 data1 = 0, quint8 data2 = 0);

} // namespace platform
