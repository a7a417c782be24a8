#include "platform/timer.h"

#include "platform/forms.h"
#include "platform/vb.h"

#include <QPointer>

#include <algorithm>
#include <vector>

namespace platform {

namespace {
struct ClockState {
    bool active = false;
    qint64 now = 0;
    std::vector<Timer*> timers;
};
ClockState& clock()
{
    static ClockState c;
    return c;
}
} // namespace

Timer::Timer(Form* form, const QString& name, int intervalMs, bool enabled)
    : QObject(form), form_(form), name_(name), interval_(intervalMs), enabled_(enabled)
{
    setObjectName(name);
    qtimer_.setTimerType(Qt::PreciseTimer);
    connect(&qtimer_, &QTimer::timeout, this, [this] { fire(); });
    clock().timers.push_back(this);
    if (form_)
        form_->attachTimer(this);
    restart();
}

Timer::~Timer()
{
    auto& t = clock().timers;
    t.erase(std::remove(t.begin(), t.end(), this), t.end());
    if (form_)
        form_->detachTimer(this);
}

void Timer::setInterval(int ms)
{
    interval_ = std::max(0, ms);
    restart();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;  // an enabled timer keeps its phase
    enabled_ = on;
    restart();
}

void Timer::shutDown()
{
    dead_ = true;
    qtimer_.stop();
}

void Timer::formDestroyed()
{
    shutDown();
    form_ = nullptr;
}

void Timer::restart()
{
    qtimer_.stop();
    if (!running())
        return;
    if (TestClock::active()) {
        due_ = clock().now + interval_;
    } else {
        qtimer_.start(interval_);
    }
}

void Timer::fire()
{
    if (!running())
        return;
    if (onTimer)
        dispatch(onTimer);
}

void TestClock::install()
{
    auto& c = clock();
    c.active = true;
    for (Timer* t : c.timers) {
        // Timers already running move onto the test clock.
        t->setInterval(t->interval());
    }
}

void TestClock::uninstall()
{
    clock().active = false;
    for (Timer* t : clock().timers)
        t->setInterval(t->interval());
}

bool TestClock::active() { return clock().active; }

qint64 TestClock::now() { return clock().now; }

void TestClock::advance(qint64 ms)
{
    auto& c = clock();
    const qint64 target = c.now + ms;
    for (;;) {
        Timer* next = nullptr;
        for (Timer* t : c.timers) {
            if (t->running() && t->due() <= target && (!next || t->due() < next->due()))
                next = t;
        }
        if (!next)
            break;
        c.now = std::max(c.now, next->due());
        QPointer<Timer> guard(next);
        // The next period starts before the tick runs, so a handler that restarts the timer
        // sets a period of its own.
        next->setInterval(next->interval());
        if (guard)
            guard->fire();
    }
    c.now = target;
}

} // namespace platform
