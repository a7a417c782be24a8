// The replaceable factories through which screens get their note synthesizer and effect player,
// with the recording stand-ins that screen tests install.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/audio/effect_player.h"
#include "platform/audio/fluid_note_synth.h"
#include "platform/audio/note_synth.h"
#include "platform/audio/sdl_effect_player.h"

using namespace platform;

namespace {

TEST(AudioFactories, InstalledRecordersServeUntilTheDefaultsComeBack)
{
    const auto notes = RecordingNoteSynth::installFactory();
    const auto effects = RecordingEffectPlayer::installFactory();
    {
        std::unique_ptr<NoteSynth> synth = makeNoteSynth();
        ASSERT_NE(dynamic_cast<RecordingNoteSynth*>(synth.get()), nullptr);
        QString error;
        EXPECT_TRUE(synth->start(QStringLiteral("piano.sgt"), &error));
        synth->programChange(0, 0, 0, 0);
        synth->noteOn(0, 60, 127, 6510);
        synth->noteOff(0, 60);
        std::unique_ptr<EffectPlayer> player = makeEffectPlayer();
        ASSERT_NE(dynamic_cast<RecordingEffectPlayer*>(player.get()), nullptr);
        EXPECT_TRUE(player->init(&error));
        EXPECT_TRUE(player->play(QByteArray("RIFF"), &error));
        player->setMasterVolumeDb(-10);
    }
    // The logs outlive the synth and the player that wrote them.
    EXPECT_EQ(describe(*notes),
              QStringList({"start piano.sgt", "programChange 0 0 0 0", "noteOn 0 60 127 6510", "noteOff 0 60"}));
    EXPECT_EQ(describe(*effects),
              QStringList({"init", "play 4 bytes", "setMasterVolumeDb -10"}));

    setNoteSynthFactory({});
    setEffectPlayerFactory({});
    EXPECT_NE(dynamic_cast<FluidNoteSynth*>(makeNoteSynth().get()), nullptr);
    EXPECT_NE(dynamic_cast<SdlEffectPlayer*>(makeEffectPlayer().get()), nullptr);
}

// The log that the desktop tests read: one line per note and per effect, written as it happens,
// while the player behind still gets every call.
TEST(AudioFactories, TheSoundLogAskedForByTheEnvironmentRecordsNotesAndEffects)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.log"));
    qputenv("TASTEVOLO_SOUND_LOG", path.toUtf8());
    const auto notes = RecordingNoteSynth::installFactory();
    const auto effects = RecordingEffectPlayer::installFactory();
    QString error;
    std::unique_ptr<NoteSynth> synth = makeNoteSynth();
    std::unique_ptr<EffectPlayer> player = makeEffectPlayer();
    EXPECT_TRUE(synth->start(QStringLiteral("piano.sgt"), &error));
    EXPECT_TRUE(player->init(&error));
    synth->noteOn(0, 56, 127, 6510);
    EXPECT_TRUE(player->play(QByteArray("RIFF"), &error));
    QFile log(path);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), QByteArray("noteOn 0 56 127 6510\neffect play 4 bytes\n"));
    synth->noteOff(0, 56);
    synth->allNotesOff();
    log.close();
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), QByteArray("noteOn 0 56 127 6510\neffect play 4 bytes\nnoteOff 0 56\nallNotesOff\n"));
    EXPECT_EQ(describe(*notes), QStringList({"start piano.sgt", "noteOn 0 56 127 6510", "noteOff 0 56", "allNotesOff"}));
    EXPECT_EQ(describe(*effects), QStringList({"init", "play 4 bytes"}));

    qunsetenv("TASTEVOLO_SOUND_LOG");
    EXPECT_NE(dynamic_cast<RecordingNoteSynth*>(makeNoteSynth().get()), nullptr) << "no log, no wrapper";
    setNoteSynthFactory({});
    setEffectPlayerFactory({});
}

TEST(AudioFactories, FailingRecordersFailWithTheirMessage)
{
    RecordingNoteSynth::installFactory(QStringLiteral("no synthesizer"));
    RecordingEffectPlayer::installFactory(QStringLiteral("no sound"));
    QString error;
    EXPECT_FALSE(makeNoteSynth()->start(QStringLiteral("piano.sgt"), &error));
    EXPECT_EQ(error, QStringLiteral("no synthesizer"));
    const std::unique_ptr<EffectPlayer> player = makeEffectPlayer();
    EXPECT_FALSE(player->init(&error));
    EXPECT_EQ(error, QStringLiteral("no sound"));
    // After a failed set-up every play fails too, as with the real player.
    EXPECT_FALSE(player->play(QByteArray("RIFF"), &error));
    EXPECT_EQ(error, effectPlayerNotOpenError());

    RecordingEffectPlayer::installFactory({}, QStringLiteral("resource missing"));
    const std::unique_ptr<EffectPlayer> opened = makeEffectPlayer();
    EXPECT_TRUE(opened->init(&error));
    EXPECT_FALSE(opened->play(QByteArray("RIFF"), &error));
    EXPECT_EQ(error, QStringLiteral("resource missing"));

    setNoteSynthFactory({});
    setEffectPlayerFactory({});
}

} // namespace
