#include "platform/audio/pulse_latency.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>

#include <QByteArray>

#include <chrono>
#include <memory>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

constexpr int kReadings = 5;
constexpr std::chrono::milliseconds kReadingStep{20};

struct Query {
    QByteArray application;
    QByteArray pid;
    bool listed = false;          // every sink input has been seen
    bool found = false;
    uint32_t sink = PA_INVALID_INDEX;
    bool sinkDone = false;
    PulseStreamLatency latency;
};

double ms(pa_usec_t usec) { return usec / 1000.0; }

void onSinkInput(pa_context*, const pa_sink_input_info* info, int eol, void* data)
{
    auto* q = static_cast<Query*>(data);
    if (eol != 0) {
        q->listed = true;
        return;
    }
    if (!info || q->found)
        return;
    const char* name = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_NAME);
    const char* pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
    if (!name || !pid || q->application != name || q->pid != pid)
        return;
    q->found = true;
    q->sink = info->sink;
    q->latency.bufferMs = ms(info->buffer_usec);
    q->latency.sinkMs = ms(info->sink_usec);
}

void onSink(pa_context*, const pa_sink_info* info, int eol, void* data)
{
    auto* q = static_cast<Query*>(data);
    if (eol != 0) {
        q->sinkDone = true;
        return;
    }
    if (info)
        q->latency.sinkConfiguredMs = ms(info->configured_latency);
}

struct MainloopFree {
    void operator()(pa_mainloop* m) const { pa_mainloop_free(m); }
};
struct ContextUnref {
    void operator()(pa_context* c) const
    {
        pa_context_disconnect(c);
        pa_context_unref(c);
    }
};

} // namespace

std::optional<PulseStreamLatency> pulseStreamLatency(const QString& application, int timeoutMs, QString* why)
{
    const auto fail = [why](const QString& reason) -> std::optional<PulseStreamLatency> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    std::unique_ptr<pa_mainloop, MainloopFree> loop(pa_mainloop_new());
    if (!loop)
        return fail(QStringLiteral("no PulseAudio main loop"));
    std::unique_ptr<pa_context, ContextUnref> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Tastevolo output check"));
    if (!context)
        return fail(QStringLiteral("no PulseAudio context"));
    if (pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return fail(QString::fromUtf8(pa_strerror(pa_context_errno(context.get()))));

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // Runs the loop until `done` or the deadline; false at the deadline or when the connection
    // fails.
    const auto runUntil = [&](const auto& done) {
        while (!done()) {
            const pa_context_state_t state = pa_context_get_state(context.get());
            if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED)
                return false;
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            if (pa_mainloop_iterate(loop.get(), 0, nullptr) == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    };
    if (!runUntil([&] { return pa_context_get_state(context.get()) == PA_CONTEXT_READY; }))
        return fail(QStringLiteral("the server did not answer (%1)")
                        .arg(QString::fromUtf8(pa_strerror(pa_context_errno(context.get())))));

    // A stream's buffer fills over its first few milliseconds and then wavers with each refill:
    // the fullest of a few readings is what the server holds for it.
    Query q;
    q.application = application.toUtf8();
    q.pid = QByteArray::number(qint64(::getpid()));
    PulseStreamLatency fullest;
    for (int reading = 0; reading < kReadings; ++reading) {
        if (reading > 0)
            std::this_thread::sleep_for(kReadingStep);
        q.listed = false;
        q.found = false;
        if (pa_operation* op = pa_context_get_sink_input_info_list(context.get(), &onSinkInput, &q))
            pa_operation_unref(op);
        if (!runUntil([&] { return q.listed; }))
            return fail(QStringLiteral("the server did not list its streams"));
        if (!q.found)
            return fail(QStringLiteral("the server lists no stream of this program"));
        if (q.latency.bufferMs >= fullest.bufferMs)
            fullest = q.latency;
    }
    q.latency = fullest;
    if (pa_operation* op = pa_context_get_sink_info_by_index(context.get(), q.sink, &onSink, &q))
        pa_operation_unref(op);
    runUntil([&] { return q.sinkDone; });  // the configured latency is only a complement
    return q.latency;
}

QString describePulseStream(const QString& application, double askedMs)
{
    QString why;
    const std::optional<PulseStreamLatency> given = pulseStreamLatency(application, 500, &why);
    if (!given)
        return QStringLiteral("the server does not say what it gives: %1").arg(why);
    return describePulseLatency(*given, askedMs);
}

QString describePulseLatency(const PulseStreamLatency& given, double askedMs)
{
    // The output's latency as it was set, where the server says it: the reading of the moment
    // wanders far on some outputs (a null sink on a busy computer reads seconds).
    const bool configured = given.sinkConfiguredMs > 0;
    const double sink = configured ? given.sinkConfiguredMs : given.sinkMs;
    const double total = given.bufferMs + sink;
    QString text = QStringLiteral("the server gives %1 ms (%2 ms in the stream's buffer, %3 ms %4)")
                       .arg(total, 0, 'f', 1)
                       .arg(given.bufferMs, 0, 'f', 1)
                       .arg(sink, 0, 'f', 1)
                       .arg(configured ? QStringLiteral("set for the output") : QStringLiteral("in the output"));
    // The server may hold more than a client asks for (an output that cannot go lower, another
    // program's stream) or less; what it gives is taken as it is.
    if (total > 1.5 * askedMs || total < 0.5 * askedMs)
        text += QStringLiteral(", not the %1 ms asked for: taken as it is").arg(askedMs, 0, 'f', 1);
    return text;
}

} // namespace platform
