#include "platform/midi/midi_input.h"

#include "platform/audio/replaceable_factory.h"
#include "platform/midi/rtmidi_input.h"

namespace platform {

namespace {
using Factory = ReplaceableFactory<MidiInput, RtMidiInput>;
}

std::unique_ptr<MidiInput> makeMidiInput()
{
    return Factory::make();
}

void setMidiInputFactory(MidiInputFactory factory)
{
    Factory::installed() = std::move(factory);
}

quint32 packMidiMessage(quint8 status, quint8 data1, quint8 data2)
{
    return quint32(status) | (quint32(data1) << 8) | (quint32(data2) << 16);
}

} // namespace platform
