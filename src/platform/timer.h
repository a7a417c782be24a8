#pragma once
// Timers of the screens.  A timer ticks every `interval` milliseconds while it is enabled;
// enabling a timer that is already enabled keeps its phase, setting the interval starts a new
// period.  Tests install the test clock and drive every timer by hand, with no real waiting.

#include <QObject>
#include <QTimer>

#include <functional>

namespace platform {

class Form;

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(Form* form, const QString& name, int intervalMs = 0, bool enabled = true);
    ~Timer() override;

    const QString& name() const { return name_; }
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    std::function<void()> onTimer;

    // The screen that owns the timer; null once that screen is being destroyed.
    Form* form() const { return form_; }

    // Internal: the screen stops its timers when it is unloaded.
    void shutDown();
    // Internal: the screen is being destroyed. The timer stops and forgets it, so that a timer
    // the screen deletes afterwards (one made with `new`, a child of the screen) does not reach
    // back into it.
    void formDestroyed();
    void fire();
    qint64 due() const { return due_; }
    bool running() const { return enabled_ && interval_ > 0 && !dead_; }

private:
    void restart();
    Form* form_;
    QString name_;
    int interval_;
    bool enabled_;
    bool dead_ = false;
    qint64 due_ = 0;
    QTimer qtimer_;
};

// The test clock: while installed, timers do not run by themselves; advance() fires every tick
// that falls due, in time order.
class TestClock {
public:
    static void install();
    static void uninstall();
    static bool active();
    static qint64 now();
    static void advance(qint64 ms);
};

} // namespace platform
