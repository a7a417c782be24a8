// Timers on the test clock, key codes, key preview and auto-repeat, text from other threads.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/keys.h"
#include "platform/timer.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QKeyEvent>
#include <QWindow>

#include <thread>

using namespace platform;
using testing_support::ScreenTest;

namespace {

class Form_t : public Form {
public:
    Form_t() : Form(QStringLiteral("Form_t"))
    {
        Timer1.onTimer = [this] { ticks << TestClock::now(); };
        Text1.onChange = [this] { changes << Text1.text(); };
        setKeyPreview(true);
        onKeyDown = [this](int& code, int) { keys << QString("down %1").arg(code); };
        onKeyUp = [this](int& code, int) { keys << QString("up %1").arg(code); };
    }
    Timer Timer1{this, QStringLiteral("Timer1"), 1000, false};
    TextBox Text1{this, QStringLiteral("Text1")};
    QList<qint64> ticks;
    QStringList changes;
    QStringList keys;
};

class TimersTest : public ::testing::Test {
protected:
    ScreenTest screens;
};

TEST_F(TimersTest, TicksFallDueOnTheTestClockAndEnablingAgainKeepsThePhase)
{
    auto& f = form<Form_t>();
    const qint64 t0 = TestClock::now();
    f.Timer1.setEnabled(true);
    testing_support::advance(2500);
    EXPECT_EQ(f.ticks, (QList<qint64>{t0 + 1000, t0 + 2000}));
    f.Timer1.setEnabled(true);  // already enabled: the phase stays
    testing_support::advance(500);
    EXPECT_EQ(f.ticks.size(), 3);
    EXPECT_EQ(f.ticks.last(), t0 + 3000);
    f.Timer1.setEnabled(false);
    testing_support::advance(5000);
    EXPECT_EQ(f.ticks.size(), 3);
    f.Timer1.setEnabled(true);  // a new period from now
    testing_support::advance(999);
    EXPECT_EQ(f.ticks.size(), 3);
    testing_support::advance(1);
    EXPECT_EQ(f.ticks.size(), 4);
}

TEST_F(TimersTest, UnloadStopsTheScreensTimers)
{
    Form_t& old = form<Form_t>();
    old.Timer1.setEnabled(true);
    testing_support::advance(1000);
    ASSERT_EQ(old.ticks.size(), 1);
    unload<Form_t>();
    // The unloaded instance is still in memory until the event loop deletes it: it must not tick.
    testing_support::advance(5000);
    EXPECT_EQ(old.ticks.size(), 1);
    testing_support::processEvents();
    EXPECT_EQ(loaded<Form_t>(), nullptr);
}

// A timer made with `new`, owned by its screen (a QObject child), as a screen makes one at run
// time. It outlives the screen's own destructor: it must not reach back into the screen then.
class ChildTimer : public Timer {
public:
    using Timer::Timer;
    ~ChildTimer() override { formWasForgotten = form() == nullptr; }
    static inline bool formWasForgotten = false;
};

class Form_heap_timer : public Form {
public:
    Form_heap_timer() : Form(QStringLiteral("Form_heap_timer"))
    {
        auto* timer = new ChildTimer(this, QStringLiteral("Timer2"), 100);
        timer->onTimer = [this] { ++ticks; };
    }
    int ticks = 0;
};

TEST_F(TimersTest, AScreensHeapTimerGoesSafelyWithTheScreen)
{
    ChildTimer::formWasForgotten = false;
    Form_heap_timer& f = form<Form_heap_timer>();
    testing_support::advance(250);
    EXPECT_EQ(f.ticks, 2);
    QPointer<Timer> timer = f.findChild<Timer*>(QStringLiteral("Timer2"));
    ASSERT_TRUE(timer);
    unload<Form_heap_timer>();
    testing_support::processEvents();
    EXPECT_FALSE(timer);  // deleted with the screen
    EXPECT_TRUE(ChildTimer::formWasForgotten);
    testing_support::advance(1000);  // nothing left to tick
}

// The real clock, once: the program's timers are not driven by hand there.
TEST(RealClockTimer, A100msTimerTicksAboutTenTimesASecond)
{
    ASSERT_FALSE(TestClock::active());
    int ticks = 0;
    {
        Form_t f;
        f.Timer1.onTimer = [&ticks] { ++ticks; };
        f.Timer1.setInterval(100);
        f.Timer1.setEnabled(true);
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // Wide margins: the machine may be busy. A timer ten times too slow or too fast fails.
    EXPECT_GE(ticks, 6);
    EXPECT_LE(ticks, 13);
}

TEST(KeyCodes, QtKeysMapToTheProgramsCodes)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_0, Qt::KeypadModifier, 96}, {Qt::Key_2, Qt::KeypadModifier, 98},
        {Qt::Key_3, Qt::KeypadModifier, 99}, {Qt::Key_2, Qt::NoModifier, 50},
        {Qt::Key_C, Qt::NoModifier, 67},     {Qt::Key_F, Qt::ShiftModifier, 70},
        {Qt::Key_G, Qt::NoModifier, 71},     {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_F1, Qt::NoModifier, 112},   {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13}, {Qt::Key_Eacute, Qt::NoModifier, 0},
        // The keypad with Num Lock off: navigation keys, not digits.
        {Qt::Key_Insert, Qt::KeypadModifier, 45}, {Qt::Key_Down, Qt::KeypadModifier, 40},
        {Qt::Key_PageDown, Qt::KeypadModifier, 34}, {Qt::Key_3, Qt::KeypadModifier | Qt::ShiftModifier, 99},
    };
    for (const Case& c : cases) {
        QKeyEvent e(QEvent::KeyPress, c.key, c.mods);
        EXPECT_EQ(keyCodeOf(&e), c.code) << "Qt key " << c.key;
    }
}

TEST_F(TimersTest, KeyPreviewSeesAutoRepeatAsRepeatedKeyDowns)
{
    auto& f = form<Form_t>();
    f.Show();
    ASSERT_NE(f.windowHandle(), nullptr);
    auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent e(type, Qt::Key_2, Qt::KeypadModifier, QString(), repeat);
        QCoreApplication::sendEvent(f.windowHandle(), &e);
    };
    send(QEvent::KeyPress, false);
    send(QEvent::KeyRelease, true);
    send(QEvent::KeyPress, true);
    send(QEvent::KeyRelease, true);
    send(QEvent::KeyPress, true);
    send(QEvent::KeyRelease, false);
    EXPECT_EQ(f.keys, (QStringList{"down 98", "down 98", "down 98", "up 98"}));
}

// The keypad's 0 pressed with Num Lock on and released after Num Lock went off (or with Shift
// down) comes up as Insert from the window system; the screen still hears the release of 96.
// Another key held meanwhile keeps its own code.
TEST_F(TimersTest, AReleaseCarriesTheCodeOfItsPress)
{
    auto& f = form<Form_t>();
    f.Show();
    ASSERT_NE(f.windowHandle(), nullptr);
    auto send = [&](QEvent::Type type, Qt::Key key, quint32 scan, bool repeat = false) {
        QKeyEvent e(type, key, Qt::KeypadModifier, scan, 0, 0, QString(), repeat);
        QCoreApplication::sendEvent(f.windowHandle(), &e);
    };
    send(QEvent::KeyPress, Qt::Key_0, 90);
    send(QEvent::KeyPress, Qt::Key_3, 89);
    send(QEvent::KeyRelease, Qt::Key_Insert, 90, true);
    send(QEvent::KeyPress, Qt::Key_Insert, 90, true);
    send(QEvent::KeyRelease, Qt::Key_Insert, 90);
    send(QEvent::KeyRelease, Qt::Key_3, 89);
    send(QEvent::KeyPress, Qt::Key_Insert, 90);
    send(QEvent::KeyRelease, Qt::Key_Insert, 90);
    EXPECT_EQ(f.keys, (QStringList{"down 96", "down 99", "down 96", "up 96", "up 99", "down 45", "up 45"}));
}

TEST_F(TimersTest, TextFromAnotherThreadArrivesInOrderEveryMessageEvenWhenEqual)
{
    auto& f = form<Form_t>();
    std::thread sender([&f] {
        for (const char* m : {"8272", "8272", "144", "8272"})
            f.Text1.postText(QString::fromLatin1(m));
    });
    sender.join();
    testing_support::processEvents();
    EXPECT_EQ(f.changes, (QStringList{"8272", "8272", "144", "8272"}));
}

} // namespace
