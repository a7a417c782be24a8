#pragma once
// Helpers for tests that drive the real screens: captured message boxes, the test clock,
// modal screens answered from inside their show, and a clean slate between tests.

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {
class FakeMidiSystem;
class Form;
}

#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace testing_support {

// Installs the test clock, captures message boxes (each runs an event loop while it is up, as a
// real one does), fixes the display at 1024 x 768, gives the screens a MIDI system without
// devices (no test reaches the real sequencer through a screen), and on destruction unloads
// every screen and restores the defaults.
class ScreenTest {
public:
    ScreenTest();
    ~ScreenTest();
    ScreenTest(const ScreenTest&) = delete;
    ScreenTest& operator=(const ScreenTest&) = delete;

    QStringList messages;   // texts of the message boxes shown
    int programEnds = 0;    // how often the last screen went away
    // The screens' MIDI devices: none until a test adds some.
    std::shared_ptr<platform::FakeMidiSystem> midi;
};

// The program's warnings (what it writes to standard error) while one lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines;
};

// A disk that takes only the first `bytes` bytes of any file while one lives: a write past them
// fails with EFBIG (the signal the system would send for it is ignored meanwhile). ok() is false
// where the limit cannot be set.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool ok() const { return ok_; }

private:
    bool ok_ = false;
    long long previousSoft_ = 0;
    void (*previousHandler_)(int) = nullptr;
};

// Runs the handlers posted to the event loop (queued input, deferred deletions).
void processEvents();

// What a message box does while it waits for its OK: an event loop of its own runs the handlers
// posted meanwhile (queued input, deferred deletions), then returns.
void runMessageBoxLoop();

// Advances the test clock (every timer tick that falls due runs).
void advance(qint64 ms);

// Unloads every loaded screen.
void unloadAll();

} // namespace testing_support
