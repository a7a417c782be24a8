// The eight recorded sound effects in the program's resources, and the SDL2_mixer effect player
// that plays them (on SDL's "dummy" audio driver: no sound card needed).
#include <gtest/gtest.h>

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/audio/effect_player.h"
#include "platform/audio/sdl_effect_player.h"

#include <cmath>
#include <cstdlib>
#include <optional>

using platform::SdlEffectPlayer;

namespace {

struct Effect {
    const char* name;
    int channels;
    int bits;
    int rate;
    double seconds;
};

const Effect kEffects[] = {
    {"AH", 1, 16, 22050, 2.91},  {"AIE", 1, 16, 22050, 1.95},  {"BUZZER", 1, 8, 11025, 0.43},
    {"CRI", 1, 16, 22050, 1.42}, {"OU", 2, 16, 44100, 3.11},   {"POUET", 1, 16, 22050, 0.75},
    {"PROF", 1, 16, 44100, 0.57}, {"RIRE", 1, 16, 22050, 6.00},
};

QByteArray effectBytes(const char* name)
{
    QFile file(QStringLiteral(":/res/DMSEG/%1.wav").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le(const QByteArray& b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

// What the RIFF chunks of a PCM WAVE say.
struct Wave {
    int formatTag = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    QByteArray data;
    double seconds() const { return double(data.size()) / blockAlign / rate; }
    // Sample i of channel 0, scaled to -1 .. 1.
    double sample(qsizetype i) const
    {
        const qsizetype at = i * blockAlign;
        if (bits == 8)
            return (int(quint8(data[at])) - 128) / 128.0;
        return qint16(le(data, at, 2)) / 32768.0;
    }
    qsizetype frames() const { return data.size() / blockAlign; }
};

std::optional<Wave> parseWave(const QByteArray& b, QString* why)
{
    auto fail = [why](const char* text) {
        *why = QLatin1String(text);
        return std::nullopt;
    };
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return fail("not a RIFF WAVE file");
    if (le(b, 4, 4) + 8 != quint32(b.size()))
        return fail("RIFF size does not match the file size");
    Wave w;
    bool haveFormat = false;
    bool haveData = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = qsizetype(le(b, at + 4, 4));
        const qsizetype body = at + 8;
        if (body + size > b.size())
            return fail("a chunk runs past the end of the file");
        if (id == "fmt ") {
            if (size < 16)
                return fail("fmt chunk too short");
            w.formatTag = int(le(b, body, 2));
            w.channels = int(le(b, body + 2, 2));
            w.rate = int(le(b, body + 4, 4));
            w.byteRate = int(le(b, body + 8, 4));
            w.blockAlign = int(le(b, body + 12, 2));
            w.bits = int(le(b, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            w.data = b.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return fail("no fmt or no data chunk");
    if (w.formatTag != 1)
        return fail("not plain PCM");
    if (w.blockAlign != w.channels * w.bits / 8 || w.byteRate != w.rate * w.blockAlign)
        return fail("inconsistent block alignment or byte rate");
    return w;
}

class EffectFile : public ::testing::TestWithParam<Effect> {};

TEST_P(EffectFile, IsAPcmWaveOfItsFormatAndLength)
{
    const Effect& e = GetParam();
    const QByteArray bytes = effectBytes(e.name);
    ASSERT_FALSE(bytes.isEmpty()) << "no resource :/res/DMSEG/" << e.name << ".wav";
    QString why;
    const std::optional<Wave> wave = parseWave(bytes, &why);
    ASSERT_TRUE(wave) << why.toStdString();
    EXPECT_EQ(wave->channels, e.channels);
    EXPECT_EQ(wave->bits, e.bits);
    EXPECT_EQ(wave->rate, e.rate);
    EXPECT_NEAR(wave->seconds(), e.seconds, 0.1 * e.seconds);
}

// A wrong answer must be heard at once, and loud enough.
TEST_P(EffectFile, SoundsFromItsStart)
{
    QString why;
    const std::optional<Wave> wave = parseWave(effectBytes(GetParam().name), &why);
    ASSERT_TRUE(wave) << why.toStdString();
    double peak = 0;
    qsizetype firstAudible = -1;
    for (qsizetype i = 0; i < wave->frames(); ++i) {
        const double v = std::abs(wave->sample(i));
        peak = std::max(peak, v);
        if (firstAudible < 0 && v > 0.03)  // about -30 dB
            firstAudible = i;
    }
    EXPECT_GT(peak, 0.5);
    ASSERT_GE(firstAudible, 0);
    EXPECT_LT(double(firstAudible) / wave->rate, 0.15);
}

// A player open on SDL's dummy device.
class SdlPlayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        // SDL reads it when its audio starts; the test program sets it too.
        qputenv("SDL_AUDIODRIVER", "dummy");
        QString error;
        ASSERT_TRUE(player.init(&error)) << error.toStdString();
    }
    SdlEffectPlayer player;
};

class RecordingPlayback : public SdlPlayer, public ::testing::WithParamInterface<Effect> {};

TEST_P(RecordingPlayback, PlaysThroughTheMixerAtItsLength)
{
    QString error;
    ASSERT_TRUE(player.play(effectBytes(GetParam().name), &error)) << error.toStdString();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_NEAR(player.loadedSeconds(), GetParam().seconds, 0.02 * GetParam().seconds);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);
}

const auto kEffectName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Effects, EffectFile, ::testing::ValuesIn(kEffects), kEffectName);
INSTANTIATE_TEST_SUITE_P(Effects, RecordingPlayback, ::testing::ValuesIn(kEffects), kEffectName);

TEST_F(SdlPlayer, ANewEffectCutsTheOneStillPlaying)
{
    QString error;
    ASSERT_TRUE(player.play(effectBytes("RIRE"), &error)) << error.toStdString();
    ASSERT_TRUE(player.play(effectBytes("BUZZER"), &error)) << error.toStdString();
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_NEAR(player.loadedSeconds(), 0.43, 0.01);
}

TEST_F(SdlPlayer, StopWithNothingPlayedDoesNothing)
{
    player.stop();
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    QString error;
    EXPECT_TRUE(player.play(effectBytes("AH"), &error)) << error.toStdString();
}

TEST_F(SdlPlayer, MasterVolumeInDecibels)
{
    struct Case {
        double db;
        int volume;
    };
    for (const Case c : {Case{0, 128}, Case{-10, 40}, Case{-6, 64}, Case{-200, 0}, Case{6, 128}}) {
        player.setMasterVolumeDb(c.db);
        EXPECT_EQ(Mix_MasterVolume(-1), c.volume) << c.db << " dB";
    }
}

TEST_F(SdlPlayer, BytesThatAreNoWaveAreRefusedWithAMessage)
{
    const QByteArray wav = effectBytes("AH");
    for (const QByteArray& bad : {QByteArray(), QByteArray("not a sound at all"), wav.left(20)}) {
        QString error;
        EXPECT_FALSE(player.play(bad, &error)) << bad.size() << " bytes";
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(EffectPlayerFailure, PlayBeforeInitOrAfterCloseFails)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SdlEffectPlayer player;
    QString error;
    EXPECT_FALSE(player.play(effectBytes("AH"), &error));
    EXPECT_EQ(error, platform::effectPlayerNotOpenError());
    ASSERT_TRUE(player.init(&error)) << error.toStdString();
    player.close();
    error.clear();
    EXPECT_FALSE(player.play(effectBytes("AH"), &error));
    EXPECT_FALSE(error.isEmpty());
    player.close();
}

TEST(EffectPlayerFailure, NoAudioDeviceIsReportedByInit)
{
    const QByteArray saved = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    SdlEffectPlayer player;
    QString error;
    EXPECT_FALSE(player.init(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(player.play(effectBytes("AH"), &error));
    qputenv("SDL_AUDIODRIVER", saved);
    // Once a device can be opened, the same player works.
    EXPECT_TRUE(player.init(&error)) << error.toStdString();
}

} // namespace
