#pragma once
// The MIDI input of the ALSA sequencer, through RtMidi (its ALSA backend only: the other
// backends of the library are never asked for). The devices are the sequencer's readable
// ports, as `aconnect -l` lists them.
//
// Without a sequencer (no /dev/snd/seq, or one the user may not open) the list is empty and
// every open fails; standard error then gets one line of the program's own, once a run however
// many inputs try, with the reason ("MIDI input: off, no MIDI sequencer could be opened
// (/dev/snd/seq: No such file or directory)"), and never the text of ALSA or RtMidi. No RtMidi
// error ever leaves this class as an exception.

#include "platform/midi/midi_input.h"

#include <RtMidi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class RtMidiInput final : public MidiInput {
public:
    RtMidiInput();
    ~RtMidiInput() override;

    QStringList deviceNames() override;
    bool open(int device, MessageCallback onMessage, QString* error) override;
    void close() override;
    bool isOpen() const override;

    // The name a player reads for RtMidi's name of an ALSA port, "<client>:<port> <c>:<p>":
    // the port's name, after its client's name when the port's name does not begin with it
    // ("Clavier USB:Clavier USB MIDI 1 24:0" is "Clavier USB MIDI 1"). Empty stays empty.
    static QString readableName(const std::string& rtMidiName);

    // Whether the sequencer can be opened: 0, or ALSA's negative error number. The real check
    // opens a client and closes it again; tests put another in place to play a sequencer that
    // refuses (an empty one brings the real check back).
    using SequencerCheck = std::function<int()>;
    static void setSequencerCheck(SequencerCheck check);
    // The line that MIDI input is off is said again at the next failure (for tests).
    static void forgetToldFailure();

private:
    // Connects to the sequencer once; false (with the reason in lastError_, told on standard
    // error the first time in the run) when it cannot.
    bool connect();
    static void receive(double timeStamp, std::vector<unsigned char>* message, void* self);
    static void reportError(RtMidiError::Type type, const std::string& text, void* self);

    std::unique_ptr<RtMidiIn> in_;
    MessageCallback onMessage_;
    QString lastError_;
    bool open_ = false;
};

} // namespace platform
