// What the log says the sound server gives a stream, beside what the stream asked for.
#include <gtest/gtest.h>

#include "platform/audio/pulse_latency.h"

namespace {

using platform::PulseStreamLatency;

TEST(PulseLatency, TheLogSaysWhatTheServerGivesAndWhenItIsNotWhatWasAsked)
{
    struct Case {
        const char* what;
        PulseStreamLatency given;
        const char* text;
    };
    const Case cases[] = {
        {"as asked", {15.0, 4.2, 5.0},
         "the server gives 20.0 ms (15.0 ms in the stream's buffer, 5.0 ms set for the output)"},
        // A null sink on a busy computer reads its latency of the moment as seconds.
        {"a wild reading of the output", {15.0, 1331.0, 5.0},
         "the server gives 20.0 ms (15.0 ms in the stream's buffer, 5.0 ms set for the output)"},
        {"no configured latency said", {12.0, 8.0, 0.0},
         "the server gives 20.0 ms (12.0 ms in the stream's buffer, 8.0 ms in the output)"},
        {"an output that cannot go lower", {20.0, 0.0, 40.0},
         "the server gives 60.0 ms (20.0 ms in the stream's buffer, 40.0 ms set for the output), "
         "not the 20.0 ms asked for: taken as it is"},
        {"less than asked", {2.0, 0.0, 2.0},
         "the server gives 4.0 ms (2.0 ms in the stream's buffer, 2.0 ms set for the output), "
         "not the 20.0 ms asked for: taken as it is"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platform::describePulseLatency(c.given, 20.0).toStdString(), c.text);
    }
}

// Where no sound server answers (as on a build machine), the log says so instead of guessing.
TEST(PulseLatency, NoServerIsSaidAsSuch)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    const QString text = platform::describePulseStream(QStringLiteral("FluidSynth"), 20.0);
    qunsetenv("PULSE_SERVER");
    EXPECT_TRUE(text.startsWith(QStringLiteral("the server does not say what it gives: "))) << text.toStdString();
}

} // namespace
