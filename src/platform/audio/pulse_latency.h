#pragma once
// What the PulseAudio server (or PipeWire's PulseAudio service) says of a playback stream of
// this program: the sound output drivers ask the server for a buffer, and the server may give
// another; only the server can tell.

#include <QString>

#include <optional>

namespace platform {

struct PulseStreamLatency {
    double bufferMs = 0;           // held in the stream's buffer on the server, now
    double sinkMs = 0;             // the output device's latency, now
    double sinkConfiguredMs = 0;   // the latency the output device was set to (0: not said)
};

// The latency of this process's playback stream whose client is called `application`, asked of
// the server the process reaches by default (PULSE_SERVER and the rest); waits up to timeoutMs
// for the answer. Nothing, with the reason in *why, when no server answers or it has no such
// stream.
std::optional<PulseStreamLatency> pulseStreamLatency(const QString& application, int timeoutMs, QString* why);

// What the server gives that stream beside the milliseconds asked for, for the log: "the
// server gives 20.0 ms (15.0 ms in the stream's buffer, 5.0 ms set for the output)",
// with ", not the 20.0 ms asked for: taken as it is" when it is far from them, or why the
// server does not say.
QString describePulseStream(const QString& application, double askedMs);
// The same text for a given reading.
QString describePulseLatency(const PulseStreamLatency& given, double askedMs);

} // namespace platform
