// The names of the ALSA sequencer's ports as the player reads them in the device list, and what
// standard error hears when there is no sequencer to open.
#include "platform/midi/rtmidi_input.h"

#include <alsa/asoundlib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

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

// Everything written to file descriptor 2 while `run` runs: ALSA and RtMidi write there
// straight, past any message handler of the program.
std::string standardErrorOf(const std::function<void()>& run)
{
    std::fflush(stderr);
    std::cerr.flush();
    FILE* file = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(file), STDERR_FILENO);
    run();
    std::fflush(stderr);
    std::cerr.flush();
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    std::fclose(file);
    return text;
}

// A run of several game screens without a sequencer: each screen lists the devices when it
// loads, and the player presses "Ok" more than once; the terminal gets one line that says MIDI
// input is off and why, and none of the libraries' text.
TEST(MidiWithoutSequencer, OneLineWithTheReasonForTheWholeRun)
{
    struct Row {
        const char* name;
        int refusal;  // what the sequencer check gives; 0: this computer's own sequencer
        const char* reason;
    };
    for (const Row& r : {Row{"no sequencer on this computer", 0, "No such file or directory"},
                         Row{"a sequencer the user may not open", -EACCES, "Permission denied"}}) {
        SCOPED_TRACE(r.name);
        if (r.refusal == 0 && access("/dev/snd/seq", F_OK) == 0) {
            std::cout << "This computer has a MIDI sequencer: \"" << r.name << "\" not tried.\n";
            continue;
        }
        if (r.refusal != 0)
            platform::RtMidiInput::setSequencerCheck([refusal = r.refusal] { return refusal; });
        platform::RtMidiInput::forgetToldFailure();
        QStringList openErrors;
        const std::string written = standardErrorOf([&] {
            for (int screen = 0; screen < 4; ++screen) {
                platform::RtMidiInput input;
                EXPECT_TRUE(input.deviceNames().isEmpty());
                for (int ok = 0; ok < 2; ++ok) {
                    QString error;
                    EXPECT_FALSE(input.open(0, [](quint32) {}, &error));
                    openErrors << error;
                }
                EXPECT_TRUE(input.deviceNames().isEmpty());
                EXPECT_FALSE(input.isOpen());
            }
        });
        platform::RtMidiInput::setSequencerCheck(nullptr);
        platform::RtMidiInput::forgetToldFailure();

        const QStringList lines = QString::fromStdString(written).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << written;
        EXPECT_EQ(lines.first().toStdString(),
                  std::string("MIDI input: off, no MIDI sequencer could be opened (/dev/snd/seq: ") + r.reason + ")");
        EXPECT_THAT(written, Not(HasSubstr("ALSA lib")));
        EXPECT_THAT(written, Not(HasSubstr("MidiInAlsa")));
        EXPECT_THAT(written, Not(HasSubstr("RtMidi")));
        // The screen that failed to open learns the same reason.
        for (const QString& error : openErrors)
            EXPECT_THAT(error.toStdString(), HasSubstr(r.reason));
    }
}

// The sound outputs go through ALSA too: its messages about them stay on the terminal, also on
// the thread that has just asked the sequencer (there or not) for its devices.
TEST(MidiWithoutSequencer, AlsaStillSpeaksOfTheSoundOutputs)
{
    const std::string written = standardErrorOf([] {
        platform::RtMidiInput input;
        input.deviceNames();
        snd_pcm_t* pcm = nullptr;
        EXPECT_LT(snd_pcm_open(&pcm, "tastevolo_no_such_output", SND_PCM_STREAM_PLAYBACK, 0), 0);
    });
    platform::RtMidiInput::forgetToldFailure();
    EXPECT_THAT(written, HasSubstr("ALSA lib"));
    EXPECT_THAT(written, HasSubstr("tastevolo_no_such_output"));
}

} // namespace
