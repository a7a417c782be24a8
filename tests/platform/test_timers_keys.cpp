// Timers on the test clock, key codes, key events as the window system sends them, text from
// other threads.
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

// Another window, to take the keyboard away from Form_t.
class Form_other : public Form {
public:
    Form_other() : Form(QStringLiteral("Form_other")) {}
};

// Key events as an X server and Qt deliver them, fed to a shown screen on the test clock, and
// what the screen hears.  A sequence's tokens, in order:
//   +K@t / -K@t     press / release of key K with event time t (ms); the test clock is moved to
//                   t first.  "+K@t>a": the event arrives at clock time a, later than its time.
//                   A trailing "*": Qt marked the event as an auto-repeat.
//   lose@t / back@t another window takes the keyboard / the screen is shown again.
// Keys: 0 (keypad 0, Num Lock on), Ins (keypad 0, Num Lock off), 3 (keypad 3), N (Num Lock).
// Heard: "down C@t", "up C@t" (key code, clock time) and "lost@t" (the screen lost the keyboard).
// An X server repeats a held key after 660 ms every 40 ms, as a release and a press with one
// time (Qt marking the pair or not, as it happens), or for some clients as presses only.
TEST_F(TimersTest, KeyEventsAsTheWindowSystemSendsThem)
{
    struct Row {
        const char* what;
        const char* events;
        const char* heard;
    };
    const Row rows[] = {
        {"a tap: the release is heard once no press pairs with it", "+0@0 -0@120", "down 96@0 up 96@220"},
        {"the next key event settles a waiting release at once", "+0@0 -0@120 +3@150 -3@180",
         "down 96@0 up 96@150 down 99@150 up 99@280"},
        {"two quick taps", "+0@0 -0@50 +0@80 -0@130", "down 96@0 up 96@80 down 96@80 up 96@230"},
        {"held, Qt marks every repeat", "+0@0 -0@660* +0@660* -0@700* +0@700* -0@900",
         "down 96@0 down 96@660 down 96@700 up 96@1000"},
        {"held, Qt marks no repeat", "+0@0 -0@660 +0@660 -0@700 +0@700 -0@740 +0@740 -0@900",
         "down 96@0 down 96@660 down 96@700 down 96@740 up 96@1000"},
        {"held, Qt marks some repeats", "+0@0 -0@660 +0@660 -0@700* +0@700* -0@740 +0@740 -0@900",
         "down 96@0 down 96@660 down 96@700 down 96@740 up 96@1000"},
        {"held, repeated with presses only", "+0@0 +0@660 +0@700 -0@900",
         "down 96@0 down 96@660 down 96@700 up 96@1000"},
        {"a repeat's press later than the wait: the key stays silent until really released",
         "+0@0 -0@660 +0@660>800 -0@840 +0@840 -0@880 +0@880 -0@900 +0@1500 -0@1600",
         "down 96@0 up 96@760 down 96@1500 up 96@1700"},
        {"Num Lock let go before keypad 0, as xdotool does", "+N@0 +0@0 -0@660 +0@660 -N@900 -Ins@900",
         "down 96@0 down 96@660 up 96@1000"},
        {"a release carries the code of its press, each key its own",
         "+0@0 +3@10 -Ins@660* +Ins@660* -Ins@900 -3@950 +Ins@1200 -Ins@1300",
         "down 96@0 down 99@10 down 96@660 up 96@950 up 99@1050 down 45@1200 up 45@1400"},
        {"held through a loss: silent until really released",
         "+0@0 lose@100 back@500 -0@700 +0@700 -0@740* +0@740* -0@900 +0@1500 -0@1600",
         "down 96@0 lost@100 down 96@1500 up 96@1700"},
        {"held through a loss and released here", "+0@0 lose@100 back@500 -0@600 +0@800 -0@900",
         "down 96@0 lost@100 down 96@800 up 96@1000"},
        {"let go elsewhere: the next press is a fresh one", "+0@0 lose@100 back@500 +0@600 -0@700",
         "down 96@0 lost@100 down 96@600 up 96@800"},
        {"presses only, held through a loss", "+0@0 +0@660 lose@680 back@700 +0@720 +0@760 -0@800 +0@1000 -0@1100",
         "down 96@0 down 96@660 lost@680 down 96@1000 up 96@1200"},
        {"presses only, let go elsewhere: one press goes unheard", "+0@0 +0@660 lose@680 back@700 +0@900 -0@950 +0@1000",
         "down 96@0 down 96@660 lost@680 down 96@1000"},
        {"a release waiting at the loss, then a fresh press", "+0@0 -0@100 lose@150 back@300 +0@400 -0@500",
         "down 96@0 lost@150 down 96@400 up 96@600"},
        {"a release waiting at the loss, its pair after it", "+0@0 -0@660 lose@660 +0@660 back@700 -0@740 +0@740 -0@900 +0@1000",
         "down 96@0 lost@660 down 96@1000"},
        {"down before the screen had the keyboard", "-0@700 +0@700 -0@740 +0@740 -0@900 +0@1000 -0@1100",
         "down 96@1000 up 96@1200"},
        {"down before, Qt marking the repeats", "-0@700* +0@700* -0@900 +0@1000 -0@1100", "down 96@1000 up 96@1200"},
    };
    struct Key {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        quint32 scan;
    };
    const Key keys[] = {{"0", Qt::Key_0, Qt::KeypadModifier, 90},
                        {"Ins", Qt::Key_Insert, Qt::KeypadModifier, 90},
                        {"3", Qt::Key_3, Qt::KeypadModifier, 89},
                        {"N", Qt::Key_NumLock, Qt::NoModifier, 77}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        auto& f = form<Form_t>();
        QStringList heard;
        const qint64 t0 = TestClock::now();
        const auto now = [&] { return QString::number(TestClock::now() - t0); };
        f.onKeyDown = [&](int& code, int) { heard << QStringLiteral("down %1@%2").arg(code).arg(now()); };
        f.onKeyUp = [&](int& code, int) { heard << QStringLiteral("up %1@%2").arg(code).arg(now()); };
        f.onDeactivate = [&] { heard << QStringLiteral("lost@") + now(); };
        f.Show();
        testing_support::processEvents();
        ASSERT_TRUE(f.hasKeyboard());
        const auto to = [&](qint64 t) { testing_support::advance(t0 + t - TestClock::now()); };
        for (QString token : QString::fromLatin1(r.events).split(QLatin1Char(' '))) {
            const bool marked = token.endsWith(QLatin1Char('*'));
            if (marked)
                token.chop(1);
            const QStringList at = token.split(QLatin1Char('@'));
            const QStringList times = at.at(1).split(QLatin1Char('>'));
            const qint64 time = times.at(0).toLongLong();
            to(times.size() > 1 ? times.at(1).toLongLong() : time);
            if (at.at(0) == QLatin1String("lose")) {
                form<Form_other>().Show();
                testing_support::processEvents();
                continue;
            }
            if (at.at(0) == QLatin1String("back")) {
                f.Show();
                testing_support::processEvents();
                continue;
            }
            const QString name = at.at(0).mid(1);
            const Key* k = std::find_if(std::begin(keys), std::end(keys),
                                        [&](const Key& key) { return name == QLatin1String(key.name); });
            ASSERT_NE(k, std::end(keys)) << token.toStdString();
            QKeyEvent e(at.at(0).startsWith(QLatin1Char('+')) ? QEvent::KeyPress : QEvent::KeyRelease, k->key,
                        k->modifiers, k->scan, 0, 0, QString(), marked);
            e.setTimestamp(static_cast<quint64>(time));
            QCoreApplication::sendEvent(f.windowHandle(), &e);
        }
        testing_support::advance(1000);
        EXPECT_EQ(heard.join(QLatin1Char(' ')), QString::fromLatin1(r.heard));
        testing_support::unloadAll();
        testing_support::processEvents();
    }
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
