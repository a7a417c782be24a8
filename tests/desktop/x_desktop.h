#pragma once
// A desktop of our own for the desktop tests: an Xvfb server on a free display with openbox as
// window manager, the built program started in a fresh run folder on it, and a driver that works
// it from outside as a person does (pointer clicks and key presses through XTEST) and reads back
// what the window system and the files say.
//
// Everything started here is ended by its process id when its holder goes, also when a test
// fails half-way. The waits poll a condition until a generous limit, so that a loaded machine
// only makes them slower.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace desktop {

using namespace std::chrono_literals;

// Xlib's own names, without Xlib's macros in every file that uses the driver.
using Display = ::_XDisplay;
using Window = unsigned long;

// How long any wait goes on before the test gives up.
inline constexpr std::chrono::milliseconds kWaitLimit = 60s;

// Polls `done` until it holds or `limit` passes; whether it held.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = kWaitLimit);
// As waitUntil, but a timeout throws with `what` (the test fails with that message).
void waitFor(const std::function<bool()>& done, const std::string& what, std::chrono::milliseconds limit = kWaitLimit);
// As waitFor, and the message of a timeout goes on with what `found` tells was there instead.
void waitFor(const std::function<bool()>& done, const std::string& what, const std::function<std::string()>& found,
             std::chrono::milliseconds limit = kWaitLimit);

void pause(std::chrono::milliseconds ms);

// A child process, killed (SIGKILL) and reaped when its holder goes if it still runs.
class Child {
public:
    Child() = default;
    // argv[0] is looked up on PATH. env: the whole environment. out: file for stdout and stderr.
    Child(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::filesystem::path& cwd,
          const std::filesystem::path& out, int keepFd = -1);
    ~Child();
    Child(Child&& other) noexcept;
    Child& operator=(Child&& other) noexcept;

    pid_t pid() const { return pid_; }
    // Whether it has ended (reaps it).
    bool ended();
    // Its wait status once ended.
    std::optional<int> status() const { return status_; }
    void kill();

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;  // the client area, in root coordinates
    long frameLeft = 0, frameRight = 0, frameTop = 0, frameBottom = 0;  // _NET_FRAME_EXTENTS
};

// The X server with its window manager and a connection to it.
class XDesktop {
public:
    // Starts Xvfb (width x height x 24) and openbox. Null, with the reason, when Xvfb cannot start
    // at all; a window manager that does not come up throws.
    static std::unique_ptr<XDesktop> start(int width, int height, std::string* why);
    ~XDesktop();

    const std::string& displayName() const { return name_; }
    Display* display() const { return dpy_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The viewable client window whose WM_WINDOW_ROLE is `role`, or 0.
    Window find(const std::string& role) const;
    // Every viewable client window that carries no role (a message box), with the program's class.
    std::vector<Window> unnamedWindows() const;
    // Waits until a window of that role is viewable; throws on timeout.
    Window waitShown(const std::string& role) const;
    // Whether a pop-up (an open drop-down list, a menu) is on the display.
    bool popupShown() const;
    // Waits until no window of that role is viewable; throws on timeout.
    void waitGone(const std::string& role) const;
    bool shown(const std::string& role) const { return find(role) != 0; }

    Geometry geometry(Window w) const;
    std::string title(Window w) const;
    // The window that has the keyboard focus (its top-level client), or 0.
    Window focusedClient() const;
    // Whether the keyboard focus is in w or a window inside it.
    bool hasFocus(Window w) const;

    // Pointer: move to a point of the window (pixels from its client origin) and click button 1.
    void click(Window w, int x, int y) const;
    // Pointer: move to a point of the window without clicking.
    void pointTo(Window w, int x, int y) const;
    // Click at the centre of a control placed at (left, top, width, height) twips in the window.
    void clickTwips(Window w, double left, double top, double width, double height) const;
    // The keyboard. The X server's key auto-repeat is off on this desktop but while a key is
    // held: a press and its release are two requests, and a loaded test process may sleep
    // between them past any repeat delay, so a tap with auto-repeat on could arrive repeated.
    //
    // A key pressed and released (a tap): never repeated, also while a key is held.
    void key(unsigned long keysym) const;
    // Types lower-case letters and digits, tap after tap.
    void type(const std::string& text) const;
    // Holds a key down, the server's auto-repeat on at a start delay and an interval in
    // milliseconds until release() lets it go; one key at a time.
    void hold(unsigned long keysym, int delayMs, int intervalMs) const;
    void release(unsigned long keysym) const;
    // Turns Num Lock on, so that the keypad gives digits.
    void numLockOn() const;
    // From now on counts the presses of keys that the X server reports in window w (a program's
    // top-level window, the key focus in it), auto-repeats included, as the program gets them.
    void watchKeys(Window w) const;
    // The presses of that key counted so far.
    int keyPresses(unsigned long keysym) const;
    // The close request a window manager sends (the frame's close button, Alt+F4).
    void sendClose(Window w) const;
    // The window manager's ping (_NET_WM_PING): how long the program took to answer it, or
    // nothing when it did not answer within `limit`.
    std::optional<std::chrono::milliseconds> ping(Window w, std::chrono::milliseconds limit) const;
    // Covers a part of the window (pixels from its client origin) with a window of another
    // colour, takes it away and tells how long the program took to paint that part again, or
    // nothing when it did not within `limit`.
    std::optional<std::chrono::milliseconds> repaintAfterCover(Window w, int x, int y, int width, int height,
                                                               std::chrono::milliseconds limit) const;

private:
    XDesktop() = default;
    void sync() const;
    void keyDown(unsigned long keysym) const;
    void keyUp(unsigned long keysym) const;
    void countKeyEvents() const;

    std::string name_;
    int width_ = 0, height_ = 0;
    std::filesystem::path dir_;
    Child xvfb_;
    Child wm_;
    Display* dpy_ = nullptr;
    mutable bool holding_ = false;           // a key is held, auto-repeat on
    mutable std::vector<int> keyPresses_;    // by key code, in the watched window
};

// The program in a fresh run folder of its own, on a desktop.
class Program {
public:
    // Lays out the run folder (the program, piano.sgt, the run files); starts nothing.
    Program();
    ~Program();

    const std::filesystem::path& folder() const { return dir_; }
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }
    // Starts the program on the desktop. The note player and the effect player log what they
    // play to soundLog().
    void start(const XDesktop& desk);
    std::filesystem::path soundLog() const { return dir_ / "sound.log"; }
    std::vector<std::string> soundLogLines() const;
    // Waits for the program to end and gives its exit code; throws on timeout; -1 for a signal.
    int waitExit();
    bool running();
    // Whatever it printed.
    std::string output() const;

private:
    std::filesystem::path dir_;
    Child proc_;
};

// The rows of the players' table (Nom, password, duree ...) as column -> value, read with SQLite.
struct PlayerRow {
    std::string name, password, duration;
};
// No rows where the file cannot be read; then *error, when given, says why.
std::vector<PlayerRow> readPlayers(const std::filesystem::path& database, std::string* error = nullptr);
// What the players' table holds, in words for a failure message: every row's name, password
// (set or not) and duration, or why there is none to read.
std::string describePlayers(const std::filesystem::path& database);

// SQLite's own check of the file: "ok" for a sound file, else what it found.
std::string integrityCheck(const std::filesystem::path& database);

// Another program that holds the player file and keeps writing it (a backup or sync tool): from
// construction it holds the file's exclusive lock and writes a few pages every tenth of a
// second for `writing`, then holds it `idle` more without a change, then lets go, its writes
// undone. It runs on a thread of its own.
class FileHolder {
public:
    FileHolder(const std::filesystem::path& database, std::chrono::milliseconds writing,
               std::chrono::milliseconds idle);
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    bool done() const;
    // Why it could not hold or write the file; "" while all is well. Read once done().
    std::string error() const;

private:
    struct State;
    std::shared_ptr<State> state_;
};

std::string readFile(const std::filesystem::path& path);

} // namespace desktop
