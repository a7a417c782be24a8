// The names of the ALSA sequencer's ports as the player reads them in the device list.
#include "platform/midi/rtmidi_input.h"

#include <gtest/gtest.h>

namespace {

TEST(MidiNames, ReadableNamesOfAlsaPorts)
{
    struct Row { const char* rtMidi; const char* shown; };
    for (const Row& r : {Row{"Midi Through:Midi Through Port-0 14:0", "Midi Through Port-0"},
                         {"Clavier USB:Clavier USB MIDI 1 24:0", "Clavier USB MIDI 1"},
                         {"E-MU XMidi1X1:E-MU XMidi1X1 MIDI 1 20:0", "E-MU XMidi1X1 MIDI 1"},
                         {"VMPK Output:out 128:0", "VMPK Output: out"},
                         {"Piano 128:0", "Piano"},
                         {"Piano", "Piano"},
                         {"Synth: 130:2", "Synth"},
                         {"", ""}}) {
        EXPECT_EQ(platform::RtMidiInput::readableName(r.rtMidi).toStdString(), r.shown) << r.rtMidi;
    }
}

} // namespace
