// The FluidSynth note synthesizer, rendered offline with the real General MIDI SoundFont: pitch,
// note-off, the automatic end of a note, and start-up failures.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/audio/fluid_note_synth.h"

#include <cmath>
#include <complex>
#include <vector>

using platform::FluidNoteSynth;
using platform::NoteSynth;

namespace {

const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");
constexpr int kRate = FluidNoteSynth::outputRate;

int framesOf(int ms)
{
    return ms * kRate / 1000;
}

// In-place radix-2 FFT; x.size() is a power of two.
void fft(std::vector<std::complex<double>>& x)
{
    const std::size_t n = x.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(x[i], x[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2 * M_PI / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = x[i + k];
                const std::complex<double> v = x[i + k + len / 2] * w;
                x[i + k] = u + v;
                x[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

// Fundamental frequency of a stretch of sound: the lowest strong peak of its spectrum (a piano's
// upper partials are stretched, so they do not tell the fundamental), from a long Hann-windowed,
// zero-padded FFT, refined by a parabola through the log magnitudes around the peak.
double fundamentalHz(const std::vector<float>& x, double minHz, double maxHz)
{
    std::size_t n = 1;
    while (n < 2 * x.size())
        n <<= 1;
    std::vector<std::complex<double>> spectrum(n);
    for (std::size_t i = 0; i < x.size(); ++i)
        spectrum[i] = x[i] * (0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(x.size())));
    fft(spectrum);
    const double binHz = double(kRate) / double(n);
    const auto first = std::size_t(minHz / binHz);
    const auto last = std::size_t(maxHz / binHz);
    std::vector<double> magnitude(last + 2);
    double strongest = 0;
    for (std::size_t k = first - 1; k <= last + 1; ++k) {
        magnitude[k] = std::abs(spectrum[k]);
        if (k >= first && k <= last)
            strongest = std::max(strongest, magnitude[k]);
    }
    for (std::size_t k = first; k <= last; ++k) {
        const double m = magnitude[k];
        if (m < 0.2 * strongest || m < magnitude[k - 1] || m < magnitude[k + 1])
            continue;
        const double a = std::log(magnitude[k - 1]), b = std::log(m), c = std::log(magnitude[k + 1]);
        return (double(k) + 0.5 * (a - c) / (a - 2 * b + c)) * binHz;
    }
    return 0;
}

double rms(const std::vector<float>& x, std::size_t from, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += double(x[i]) * x[i];
    return std::sqrt(sum / double(count));
}

double cents(double hz, double reference)
{
    return 1200.0 * std::log2(hz / reference);
}

// An offline synthesizer with the piano on channel 0, and the sound it has rendered so far
// (left and right averaged).
class OfflinePiano {
public:
    OfflinePiano()
    {
        QString error;
        started = synth.start(kSoundFont, &error);
        startError = error;
        synth.programChange(0, 0, 0, 0);
    }

    // Renders `frames` more frames.
    void render(int frames)
    {
        std::vector<float> stereo(std::size_t(frames) * 2);
        ASSERT_TRUE(synth.render(stereo.data(), frames));
        for (int i = 0; i < frames; ++i)
            sound.push_back(0.5f * (stereo[std::size_t(2 * i)] + stereo[std::size_t(2 * i + 1)]));
    }
    void renderMs(int ms) { render(framesOf(ms)); }

    double levelAt(int fromMs, int lengthMs) const
    {
        return rms(sound, std::size_t(framesOf(fromMs)), std::size_t(framesOf(lengthMs)));
    }

    FluidNoteSynth synth{FluidNoteSynth::Output::Offline};
    bool started = false;
    QString startError;
    std::vector<float> sound;
};

#define ASSERT_STARTED(piano) ASSERT_TRUE((piano).started) << (piano).startError.toStdString()

struct PitchCase {
    int key;
    double hz;
    double toleranceCents;  // the SoundFont's samples are tuned by ear, the low and high ones less closely
};

class NotePitch : public ::testing::TestWithParam<PitchCase> {};

TEST_P(NotePitch, KeySoundsAtItsEqualTemperedFrequency)
{
    OfflinePiano piano;
    ASSERT_STARTED(piano);
    piano.synth.noteOn(0, GetParam().key, 127, 10000);
    piano.renderMs(1100);
    // One second, past the hammer's attack.
    const std::vector<float> steady(piano.sound.begin() + framesOf(100), piano.sound.end());
    const double hz = fundamentalHz(steady, 50.0, 2000.0);
    ASSERT_GT(hz, 0.0) << "no pitch found";
    EXPECT_NEAR(cents(hz, GetParam().hz), 0.0, GetParam().toleranceCents) << "measured " << hz << " Hz";
}

// Middle C, and the lowest and highest keys of the program's piano.
INSTANTIATE_TEST_SUITE_P(PianoRange, NotePitch,
                         ::testing::Values(PitchCase{60, 261.626, 3}, PitchCase{41, 87.307, 10},
                                           PitchCase{80, 830.609, 10}),
                         [](const auto& info) { return "key" + std::to_string(info.param.key); });

TEST(NoteSynth, NoteOffSilencesTheNoteWhileAHeldOneGoesOn)
{
    OfflinePiano released;
    OfflinePiano held;
    ASSERT_STARTED(released);
    ASSERT_STARTED(held);
    for (OfflinePiano* piano : {&released, &held}) {
        piano->synth.noteOn(0, 60, 127, 10000);
        piano->renderMs(400);
    }
    released.synth.noteOff(0, 60);
    released.renderMs(800);
    held.renderMs(800);

    const double before = released.levelAt(350, 50);
    const double releasedLevel = released.levelAt(1100, 100);
    const double heldLevel = held.levelAt(1100, 100);
    ASSERT_GT(before, 1e-3) << "the note never sounded";
    EXPECT_LT(releasedLevel, before / 30) << "less than 30 dB down 700 ms after the note-off";
    EXPECT_LT(releasedLevel, heldLevel / 10);
}

// A note without a note-off ends when its duration runs out: exactly as if a note-off had come
// one block after the first block that starts at or after its end.
TEST(NoteSynth, NoteEndsAtItsDurationAsIfReleasedThen)
{
    constexpr int durationMs = 300;
    const int endFrame = framesOf(durationMs);
    ASSERT_EQ(endFrame % FluidNoteSynth::blockFrames, 0);

    OfflinePiano timed;
    ASSERT_STARTED(timed);
    timed.synth.noteOn(0, 60, 127, durationMs);
    timed.render(endFrame + framesOf(700));
    EXPECT_LT(timed.levelAt(900, 100), timed.levelAt(250, 50) / 30) << "the note did not end";

    // The same note released by hand one block after its end, and at its end.
    for (const int offFrame : {endFrame + FluidNoteSynth::blockFrames, endFrame}) {
        OfflinePiano released;
        ASSERT_STARTED(released);
        released.synth.noteOn(0, 60, 127, 10000);
        released.render(offFrame);
        released.synth.noteOff(0, 60);
        released.render(endFrame + framesOf(700) - offFrame);
        EXPECT_EQ(timed.sound == released.sound, offFrame != endFrame) << "released at frame " << offFrame;
    }
}

// The automatic end of an earlier note of a key does not cut a later note of the same key.
TEST(NoteSynth, EarlierNoteEndDoesNotCutALaterNoteOfTheSameKey)
{
    OfflinePiano piano;
    OfflinePiano reference;
    ASSERT_STARTED(piano);
    ASSERT_STARTED(reference);
    // Same calls, but the first note of the reference never ends by itself.
    for (auto [synth, firstDuration] : {std::pair{&piano, 200}, std::pair{&reference, 10000}}) {
        synth->synth.noteOn(0, 60, 127, firstDuration);
        synth->renderMs(100);
        synth->synth.noteOff(0, 60);
        synth->renderMs(50);
        synth->synth.noteOn(0, 60, 127, 10000);
        synth->renderMs(500);
    }
    EXPECT_GT(piano.levelAt(550, 50), piano.levelAt(100, 50) / 30) << "the second note was cut";
    EXPECT_EQ(piano.sound, reference.sound);
}

TEST(NoteSynth, AllNotesOffEndsEveryNote)
{
    OfflinePiano piano;
    OfflinePiano held;
    ASSERT_STARTED(piano);
    ASSERT_STARTED(held);
    for (OfflinePiano* synth : {&piano, &held}) {
        synth->synth.noteOn(0, 60, 127, 10000);
        synth->synth.noteOn(1, 64, 127, 10000);
        synth->renderMs(100);
    }
    piano.synth.allNotesOff();
    piano.renderMs(700);
    held.renderMs(700);
    EXPECT_LT(piano.levelAt(700, 100), piano.levelAt(50, 50) / 30);
    EXPECT_LT(piano.levelAt(700, 100), held.levelAt(700, 100) / 10);
}

TEST(NoteSynth, OfflineReportAndDeviceLatencyBudget)
{
    OfflinePiano piano;
    ASSERT_STARTED(piano);
    const QString report = piano.synth.settingsReport();
    EXPECT_TRUE(report.contains(QStringLiteral("offline"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("48000 Hz"))) << report.toStdString();
    // Every output holds enough not to run dry on a busy computer (below 10 ms the sound
    // crackled with a few busy cores) and little enough that a key still sounds at once.
    for (const QString& driver : FluidNoteSynth::deviceDrivers()) {
        SCOPED_TRACE(driver.toStdString());
        const platform::NoteOutputSettings asked = FluidNoteSynth::outputSettings(driver);
        EXPECT_EQ(asked.sampleRate, kRate);
        const double ms = 1000.0 * FluidNoteSynth::deviceBufferFrames(driver, asked) / asked.sampleRate;
        EXPECT_GE(ms, 10.0);
        EXPECT_LE(ms, 25.0);
        EXPECT_TRUE(FluidNoteSynth::describeOutput(driver, asked).contains(QStringLiteral("= %1 ms").arg(ms, 0, 'f', 1)))
            << FluidNoteSynth::describeOutput(driver, asked).toStdString();
    }
}

TEST(NoteSynth, StopReleasesTheSynthAndAStartAfterwardsWorks)
{
    OfflinePiano piano;
    ASSERT_STARTED(piano);
    piano.synth.stop();
    float frame[2 * FluidNoteSynth::blockFrames];
    EXPECT_FALSE(piano.synth.render(frame, FluidNoteSynth::blockFrames));
    EXPECT_FALSE(piano.synth.isStarted());
    piano.synth.noteOn(0, 60, 127, 100);  // ignored, nothing to play on

    QString error;
    ASSERT_TRUE(piano.synth.start(kSoundFont, &error)) << error.toStdString();
    piano.synth.programChange(0, 0, 0, 0);
    piano.synth.noteOn(0, 60, 127, 10000);
    piano.sound.clear();
    piano.renderMs(200);
    EXPECT_GT(piano.levelAt(100, 50), 1e-3);
}

// A start that cannot complete says so and why, and leaves a synthesizer that plays nothing.
struct BadSoundFont {
    const char* name;
    QByteArray contents;  // the file written, or none when null
};

class StartFailure : public ::testing::TestWithParam<std::tuple<BadSoundFont, FluidNoteSynth::Output>> {};

TEST_P(StartFailure, IsReportedWithAMessage)
{
    const auto& [bad, output] = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("piano.sgt"));
    if (!bad.contents.isNull()) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bad.contents);
    }
    FluidNoteSynth synth(output);
    QString error;
    EXPECT_FALSE(synth.start(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_FALSE(synth.isStarted());
    EXPECT_EQ(synth.settingsReport(), QStringLiteral("note synthesizer not started"));
    synth.noteOn(0, 60, 127, 100);
    synth.noteOff(0, 60);
    synth.allNotesOff();
    float frame[2 * FluidNoteSynth::blockFrames];
    EXPECT_FALSE(synth.render(frame, FluidNoteSynth::blockFrames));
    EXPECT_FALSE(synth.start(path, nullptr));  // no message wanted: still a failure
}

const BadSoundFont kBadSoundFonts[] = {
    {"missing", QByteArray()},
    {"empty", QByteArray("")},
    {"text", QByteArray("this is not a SoundFont\n")},
    {"wave", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16)},
    {"truncatedSoundFont", QByteArray("RIFF\xff\xff\0\0sfbkLIST", 16)},
};

INSTANTIATE_TEST_SUITE_P(
    BadFiles, StartFailure,
    ::testing::Combine(::testing::ValuesIn(kBadSoundFonts),
                       ::testing::Values(FluidNoteSynth::Output::Offline, FluidNoteSynth::Output::Device)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name)
            + (std::get<1>(info.param) == FluidNoteSynth::Output::Offline ? "Offline" : "Device");
    });

} // namespace
