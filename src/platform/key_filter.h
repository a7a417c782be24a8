#pragma once
// Key events as the window system sends them, turned into the key-downs and key-ups that a
// screen hears: one key-down when a key goes down, more key-downs while it auto-repeats, and
// one key-up when it really comes up.
//
// An X server repeats a held key as a release and a press carrying the same event time (or,
// for clients that asked for it, as presses only).  Qt marks such a pair as an auto-repeat
// only when it happens to see the press already queued behind the release, which depends on
// timing and load, so the mark cannot be trusted alone.  Here:
//   - a release waits until the next key event, or kPairWaitMs on the program's clock: a press
//     of the same key at the same event time makes it (and the press) a repeat, not a release;
//   - a release given out after that wait whose same-time press comes in later still is no
//     release: the key went back down without being let go, so it stays silent until it is
//     really released;
//   - a key that is down when the screen loses the keyboard stays silent (no repeats, no
//     key-up) until it is really released: the screen was told that it lost the keyboard.  A
//     key that was let go elsewhere meanwhile is found out by its next press, which carries no
//     same-time release in front of it: that press is a fresh one and is heard.  Where the
//     window system repeats with presses only, such a press cannot be told from a repeat and
//     stays silent; the next one after the release is heard.
// A key keeps the code of its press until its release: the keypad's 0 let go after Num Lock
// changed comes up as Insert from the window system, and is heard coming up as keypad 0.

#include "platform/timer.h"

#include <QtGlobal>

#include <functional>
#include <map>
#include <optional>

namespace platform {

class Form;

// One key event from the window system.  `key` identifies the physical key (its native scan
// code); `code` is the program's key code (0 for keys without one); `time` the event time in
// milliseconds; `markedRepeat` Qt's auto-repeat mark.
struct RawKeyEvent {
    bool press = true;
    quint32 key = 0;
    int code = 0;
    int shift = 0;
    quint64 time = 0;
    bool markedRepeat = false;
};

class KeyFilter {
public:
    // Longest wait for the press that pairs with a release, in milliseconds.
    static constexpr int kPairWaitMs = 100;

    // `heard(down, code, shift)` gets the key-downs and key-ups.  The wait runs on a timer of
    // `owner` (may be null).
    KeyFilter(Form* owner, std::function<void(bool down, int code, int shift)> heard);
    KeyFilter(const KeyFilter&) = delete;
    KeyFilter& operator=(const KeyFilter&) = delete;

    void feed(const RawKeyEvent& event);
    // The keyboard went to another window: the keys down now stay silent until released.
    void keyboardLost();

private:
    struct Held {
        int code;
        bool silent;
    };
    struct Release {
        quint32 key;
        int shift;
        quint64 time;
    };

    void press(const RawKeyEvent& event);
    // Gives out the waiting release (heard unless its key is silent).
    void settle();
    void heard(bool down, int code, int shift);

    std::function<void(bool, int, int)> heard_;
    Timer wait_;
    std::map<quint32, Held> held_;
    std::optional<Release> waiting_;
    // The last release given out or dropped at a loss: a press of that key at that time
    // pairs with it.
    std::optional<Release> lastRelease_;
    // The window system repeats with release and press pairs (until a bare repeat press shows
    // otherwise).
    bool pairs_ = true;
};

} // namespace platform
