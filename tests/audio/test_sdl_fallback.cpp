// A machine whose only sound output is SDL (here SDL's "dummy" driver, which like many real ones
// opens one output per program): the piano falls back to SDL, the sound effects still open and
// play beside it, and Ctrl+C and SIGTERM still reach the program.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <SDL.h>

#include "platform/audio/fluid_note_synth.h"
#include "platform/audio/sdl_audio_device.h"
#include "platform/audio/sdl_effect_player.h"

#include <csignal>

using platform::FluidNoteSynth;
using platform::SdlAudioDevice;
using platform::SdlEffectPlayer;

namespace {

const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");

QByteArray effectBytes(const char* name)
{
    QFile file(QStringLiteral(":/res/DMSEG/%1.wav").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Waits up to a second for the output to carry sound louder than `level` (0 to 1).
bool outputCarriesSound(SdlAudioDevice& device, double level)
{
    QElapsedTimer clock;
    clock.start();
    device.takePeak();
    while (clock.elapsed() < 1000) {
        QThread::msleep(20);
        if (device.takePeak() > level)
            return true;
    }
    return false;
}

class SdlFallback : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        ASSERT_FALSE(SdlAudioDevice::isOpen()) << "an earlier test left the output open";
    }

    // Starts the piano on the device outputs; skips the test where a sound server or ALSA took it.
    void startPiano()
    {
        QString error;
        ASSERT_TRUE(piano.start(kSoundFont, &error)) << error.toStdString();
        if (piano.driverName() != QLatin1String("sdl2"))
            GTEST_SKIP() << "this machine has a sound output before SDL: " << piano.driverName().toStdString();
        piano.programChange(0, 0, 0, 0);
    }

    FluidNoteSynth piano{FluidNoteSynth::Output::Device};
    SdlEffectPlayer effects;
};

TEST_F(SdlFallback, EffectsOpenAndPlayBesideThePiano)
{
    startPiano();
    if (IsSkipped() || HasFatalFailure())
        return;
    QString error;
    ASSERT_TRUE(effects.init(&error)) << error.toStdString();
    ASSERT_TRUE(effects.play(effectBytes("AH"), &error)) << error.toStdString();
    EXPECT_TRUE(effects.isPlaying());

    // The piano still sounds through the same output while the effect plays.
    auto device = SdlAudioDevice::acquire(&error);
    ASSERT_TRUE(device);
    effects.setMasterVolumeDb(-200);  // the effect silent, so that what is heard is the piano
    piano.noteOn(0, 60, 127, 3000);
    EXPECT_TRUE(outputCarriesSound(*device, 0.02));
    piano.allNotesOff();

    // The effects letting go leaves the piano's output open, and the other way round.
    effects.close();
    EXPECT_TRUE(SdlAudioDevice::isOpen());
    device.reset();
    piano.stop();
    EXPECT_FALSE(SdlAudioDevice::isOpen());
}

TEST_F(SdlFallback, ThePianoJoinsTheEffectsOutput)
{
    QString error;
    ASSERT_TRUE(effects.init(&error)) << error.toStdString();
    startPiano();
    if (IsSkipped() || HasFatalFailure())
        return;
    ASSERT_TRUE(effects.play(effectBytes("BUZZER"), &error)) << error.toStdString();
    auto device = SdlAudioDevice::acquire(&error);
    ASSERT_TRUE(device);
    effects.setMasterVolumeDb(-200);
    piano.noteOn(0, 67, 127, 3000);
    EXPECT_TRUE(outputCarriesSound(*device, 0.02));
}

TEST_F(SdlFallback, ReportSaysWhatSdlReportsBack)
{
    startPiano();
    if (IsSkipped() || HasFatalFailure())
        return;
    const QString report = piano.settingsReport();
    EXPECT_TRUE(report.contains(QStringLiteral("sdl2 (dummy): asked 48000 Hz"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("SDL reports 48000 Hz, 2 channels, buffer 1024 frames")))
        << report.toStdString();
    EXPECT_FALSE(report.contains(QStringLiteral("computed"))) << report.toStdString();
}

TEST_F(SdlFallback, SignalsStayWithTheProgram)
{
    // As a fresh program finds them: SDL not told anything yet, default handlers.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "0");
    for (int sig : {SIGINT, SIGTERM}) {
        struct sigaction before {};
        ASSERT_EQ(sigaction(sig, nullptr, &before), 0);
        ASSERT_EQ(before.sa_handler, SIG_DFL) << sig;
    }
    startPiano();
    if (IsSkipped() || HasFatalFailure())
        return;
    for (int sig : {SIGINT, SIGTERM}) {
        struct sigaction after {};
        ASSERT_EQ(sigaction(sig, nullptr, &after), 0);
        EXPECT_EQ(after.sa_handler, SIG_DFL) << "SDL took signal " << sig;
    }
}

} // namespace
