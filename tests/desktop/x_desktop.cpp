#include "desktop/x_desktop.h"

#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <sqlite3.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef TV_PROGRAM
#error "TV_PROGRAM names the built program"
#endif

extern char** environ;

namespace desktop {

namespace fs = std::filesystem;

void pause(std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); }

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        pause(50ms);
    }
}

void waitFor(const std::function<bool()>& done, const std::string& what, std::chrono::milliseconds limit)
{
    if (!waitUntil(done, limit))
        throw std::runtime_error("timed out waiting for " + what);
}

void waitFor(const std::function<bool()>& done, const std::string& what, const std::function<std::string()>& found,
             std::chrono::milliseconds limit)
{
    if (!waitUntil(done, limit))
        throw std::runtime_error("timed out waiting for " + what + "; found instead: " + found());
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

namespace {

fs::path freshFolder(const std::string& stem)
{
    std::string pattern = (fs::temp_directory_path() / (stem + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

// The environment of this process without the variables named, plus `extra`.
std::vector<std::string> environmentWith(const std::vector<std::string>& drop, const std::vector<std::string>& extra)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('='));
        bool dropped = false;
        for (const std::string& d : drop)
            dropped = dropped || key == d;
        for (const std::string& x : extra)
            dropped = dropped || key == x.substr(0, x.find('='));
        if (!dropped)
            env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

// X errors about windows that went away between a lookup and a read are expected: the program
// opens and closes windows while the test looks.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

Atom atom(Display* d, const char* name) { return XInternAtom(d, name, False); }

// A property of a window as bytes (8-bit) or longs (32-bit); empty when absent.
std::vector<unsigned char> property(Display* d, Window w, Atom prop, Atom type, int* format, unsigned long* count)
{
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned char> bytes;
    *count = 0;
    if (XGetWindowProperty(d, w, prop, 0, 1024, False, type, &actualType, &actualFormat, &n, &after, &data) ==
            Success &&
        data) {
        const std::size_t unit = actualFormat == 32 ? sizeof(long) : std::size_t(actualFormat / 8);
        bytes.assign(data, data + n * unit);
        *format = actualFormat;
        *count = n;
    }
    if (data)
        XFree(data);
    return bytes;
}

std::string stringProperty(Display* d, Window w, Atom prop, Atom type)
{
    int format = 0;
    unsigned long n = 0;
    const std::vector<unsigned char> b = property(d, w, prop, type, &format, &n);
    return std::string(b.begin(), b.end());
}

bool viewable(Display* d, Window w)
{
    XWindowAttributes a{};
    return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

// Every window under `w`, depth first.
void collect(Display* d, Window w, std::vector<Window>& out)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &n))
        return;
    for (unsigned int i = 0; i < n; ++i) {
        out.push_back(children[i]);
        collect(d, children[i], out);
    }
    if (children)
        XFree(children);
}

} // namespace

// ---- Child ----

Child::Child(const std::vector<std::string>& argv, const std::vector<std::string>& env, const fs::path& cwd,
             const fs::path& out, int keepFd)
{
    std::vector<char*> a, e;
    for (const std::string& s : argv)
        a.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    for (const std::string& s : env)
        e.push_back(const_cast<char*>(s.c_str()));
    e.push_back(nullptr);
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        if (chdir(cwd.c_str()) != 0)
            _exit(126);
        const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
        }
        const int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, 0);
        for (int f = 3; f < 256; ++f) {
            if (f != keepFd)
                close(f);
        }
        // Its own process group, so that nothing of the test's terminal reaches it; and it dies
        // with the test, should the test itself be killed (a test timeout).
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        execvpe(a[0], a.data(), e.data());
        _exit(127);
    }
}

Child::~Child() { kill(); }

Child::Child(Child&& other) noexcept : pid_(other.pid_), status_(other.status_) { other.pid_ = -1; }

Child& Child::operator=(Child&& other) noexcept
{
    if (this != &other) {
        kill();
        pid_ = other.pid_;
        status_ = other.status_;
        other.pid_ = -1;
    }
    return *this;
}

bool Child::ended()
{
    if (pid_ <= 0)
        return true;
    if (status_)
        return true;
    int st = 0;
    if (waitpid(pid_, &st, WNOHANG) == pid_)
        status_ = st;
    return status_.has_value();
}

void Child::kill()
{
    if (pid_ > 0 && !ended()) {
        ::kill(pid_, SIGKILL);
        int st = 0;
        waitpid(pid_, &st, 0);
        status_ = st;
    }
    pid_ = -1;
}

// ---- XDesktop ----

std::unique_ptr<XDesktop> XDesktop::start(int width, int height, std::string* why)
{
    std::unique_ptr<XDesktop> desk(new XDesktop);
    desk->width_ = width;
    desk->height_ = height;
    desk->dir_ = freshFolder("tv-xvfb");
    int fds[2];
    if (pipe(fds) != 0) {
        *why = "no pipe";
        return nullptr;
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    try {
        desk->xvfb_ = Child({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp"},
                            environmentWith({}, {}), desk->dir_, desk->dir_ / "xvfb.log", fds[1]);
    } catch (const std::exception& e) {
        *why = e.what();
        return nullptr;
    }
    close(fds[1]);
    // Xvfb writes its display number once it listens; end of file means it died first.
    std::string number;
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    const bool got = waitUntil([&] {
        char buf[32];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n > 0)
            number.append(buf, std::size_t(n));
        return number.find('\n') != std::string::npos || n == 0 || desk->xvfb_.ended();
    });
    close(fds[0]);
    if (!got || number.find('\n') == std::string::npos) {
        const bool missing = desk->xvfb_.ended() && WIFEXITED(*desk->xvfb_.status()) &&
                             WEXITSTATUS(*desk->xvfb_.status()) == 127;
        *why = missing ? std::string("Xvfb is not installed (Debian package xvfb)")
                       : "Xvfb did not start: " + readFile(desk->dir_ / "xvfb.log");
        return nullptr;
    }
    desk->name_ = ":" + number.substr(0, number.find('\n'));
    desk->dpy_ = XOpenDisplay(desk->name_.c_str());
    if (!desk->dpy_) {
        *why = "cannot open display " + desk->name_;
        return nullptr;
    }
    XSetErrorHandler(ignoreXError);
    int ev = 0, err = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(desk->dpy_, &ev, &err, &major, &minor))
        throw std::runtime_error("the X server has no XTEST extension");
    // No key repeats but those of a held key (hold()).
    XAutoRepeatOff(desk->dpy_);
    desk->sync();

    desk->wm_ = Child({"openbox", "--sm-disable"}, environmentWith({}, {"DISPLAY=" + desk->name_}), desk->dir_,
                      desk->dir_ / "openbox.log");
    // The window manager is up when it owns the check window on the root.
    Display* d = desk->dpy_;
    const Window root = DefaultRootWindow(d);
    waitFor(
        [&] {
            int format = 0;
            unsigned long n = 0;
            const auto b = property(d, root, atom(d, "_NET_SUPPORTING_WM_CHECK"), XA_WINDOW, &format, &n);
            if (n == 0) {
                if (desk->wm_.ended())
                    throw std::runtime_error("openbox did not start: " + readFile(desk->dir_ / "openbox.log"));
                return false;
            }
            return XGetSelectionOwner(d, atom(d, "WM_S0")) != None;
        },
        "openbox to take the display");
    return desk;
}

XDesktop::~XDesktop()
{
    if (dpy_)
        XCloseDisplay(dpy_);
    wm_.kill();
    xvfb_.kill();
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

void XDesktop::sync() const { XSync(dpy_, False); }

Window XDesktop::find(const std::string& role) const
{
    std::vector<Window> all;
    collect(dpy_, DefaultRootWindow(dpy_), all);
    const Atom roleAtom = atom(dpy_, "WM_WINDOW_ROLE");
    for (Window w : all) {
        if (stringProperty(dpy_, w, roleAtom, XA_STRING) == role && viewable(dpy_, w))
            return w;
    }
    return 0;
}

std::vector<Window> XDesktop::unnamedWindows() const
{
    std::vector<Window> all, found;
    collect(dpy_, DefaultRootWindow(dpy_), all);
    const Atom roleAtom = atom(dpy_, "WM_WINDOW_ROLE");
    for (Window w : all) {
        XClassHint hint{};
        if (!XGetClassHint(dpy_, w, &hint))
            continue;
        const bool ours = hint.res_name && std::strcmp(hint.res_name, "tastevolo") == 0;
        if (hint.res_name)
            XFree(hint.res_name);
        if (hint.res_class)
            XFree(hint.res_class);
        XWindowAttributes a{};
        if (ours && XGetWindowAttributes(dpy_, w, &a) && a.map_state == IsViewable && !a.override_redirect &&
            stringProperty(dpy_, w, roleAtom, XA_STRING).empty())
            found.push_back(w);
    }
    return found;
}

bool XDesktop::popupShown() const
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    bool found = false;
    if (XQueryTree(dpy_, DefaultRootWindow(dpy_), &root, &parent, &children, &n)) {
        for (unsigned int i = 0; i < n && !found; ++i) {
            XWindowAttributes a{};
            found = XGetWindowAttributes(dpy_, children[i], &a) && a.override_redirect && a.map_state == IsViewable &&
                    a.width > 8 && a.height > 8;
        }
    }
    if (children)
        XFree(children);
    return found;
}

Window XDesktop::waitShown(const std::string& role) const
{
    Window w = 0;
    waitFor([&] { return (w = find(role)) != 0; }, "window " + role + " to show");
    return w;
}

void XDesktop::waitGone(const std::string& role) const
{
    waitFor([&] { return find(role) == 0; }, "window " + role + " to go");
}

Geometry XDesktop::geometry(Window w) const
{
    Geometry g;
    Window child = 0;
    XTranslateCoordinates(dpy_, w, DefaultRootWindow(dpy_), 0, 0, &g.x, &g.y, &child);
    XWindowAttributes a{};
    XGetWindowAttributes(dpy_, w, &a);
    g.width = a.width;
    g.height = a.height;
    int format = 0;
    unsigned long n = 0;
    const auto b = property(dpy_, w, atom(dpy_, "_NET_FRAME_EXTENTS"), XA_CARDINAL, &format, &n);
    if (n == 4) {
        const long* v = reinterpret_cast<const long*>(b.data());
        g.frameLeft = v[0];
        g.frameRight = v[1];
        g.frameTop = v[2];
        g.frameBottom = v[3];
    }
    return g;
}

std::string XDesktop::title(Window w) const
{
    const std::string net = stringProperty(dpy_, w, atom(dpy_, "_NET_WM_NAME"), atom(dpy_, "UTF8_STRING"));
    return net.empty() ? stringProperty(dpy_, w, XA_WM_NAME, XA_STRING) : net;
}

Window XDesktop::focusedClient() const
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(dpy_, &focus, &revert);
    const Atom roleAtom = atom(dpy_, "WM_WINDOW_ROLE");
    // Up from the focus window to the first one that carries a role.
    for (Window w = focus; w && w != DefaultRootWindow(dpy_);) {
        if (!stringProperty(dpy_, w, roleAtom, XA_STRING).empty())
            return w;
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(dpy_, w, &root, &parent, &children, &n))
            return 0;
        if (children)
            XFree(children);
        w = parent;
    }
    return 0;
}

bool XDesktop::hasFocus(Window w) const
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(dpy_, &focus, &revert);
    while (focus && focus != PointerRoot && focus != DefaultRootWindow(dpy_)) {
        if (focus == w)
            return true;
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int n = 0;
        if (!XQueryTree(dpy_, focus, &root, &parent, &children, &n))
            return false;
        if (children)
            XFree(children);
        focus = parent;
    }
    return false;
}

void XDesktop::pointTo(Window w, int x, int y) const
{
    const Geometry g = geometry(w);
    XTestFakeMotionEvent(dpy_, -1, g.x + x, g.y + y, CurrentTime);
    sync();
    pause(60ms);
}

void XDesktop::click(Window w, int x, int y) const
{
    pointTo(w, x, y);
    // The server itself holds the button down for 40 ms: a test process that sleeps longer on a
    // loaded machine would make a long press of it (a list opened by the press picks the entry
    // under the pointer at a release that comes late).
    XTestFakeButtonEvent(dpy_, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy_, 1, False, 40);
    sync();
    pause(60ms);
}

void XDesktop::clickTwips(Window w, double left, double top, double width, double height) const
{
    click(w, int((left + width / 2) / 15), int((top + height / 2) / 15));
}

void XDesktop::keyDown(unsigned long keysym) const
{
    XTestFakeKeyEvent(dpy_, XKeysymToKeycode(dpy_, keysym), True, CurrentTime);
    sync();
}

void XDesktop::keyUp(unsigned long keysym) const
{
    XTestFakeKeyEvent(dpy_, XKeysymToKeycode(dpy_, keysym), False, CurrentTime);
    sync();
}

void XDesktop::key(unsigned long keysym) const
{
    // Never repeated: auto-repeat is off for the tap, also in the middle of a hold, and the
    // server itself lets the key go 30 ms after the press, whatever this process sleeps.
    if (holding_)
        XAutoRepeatOff(dpy_);
    const unsigned int code = XKeysymToKeycode(dpy_, keysym);
    XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy_, code, False, 30);
    sync();
    if (holding_) {
        XAutoRepeatOn(dpy_);
        sync();
    }
    pause(30ms);
}

void XDesktop::hold(unsigned long keysym, int delayMs, int intervalMs) const
{
    XkbSetAutoRepeatRate(dpy_, XkbUseCoreKbd, unsigned(delayMs), unsigned(intervalMs));
    XAutoRepeatOn(dpy_);
    holding_ = true;
    keyDown(keysym);
}

void XDesktop::release(unsigned long keysym) const
{
    keyUp(keysym);
    XAutoRepeatOff(dpy_);
    holding_ = false;
    sync();
}

void XDesktop::type(const std::string& text) const
{
    for (char c : text) {
        const char s[2] = {c, 0};
        key(XStringToKeysym(s));
    }
}

void XDesktop::numLockOn() const
{
    const unsigned int mask = XkbKeysymToModifiers(dpy_, XK_Num_Lock);
    XkbLockModifiers(dpy_, XkbUseCoreKbd, mask, mask);
    sync();
}

void XDesktop::watchKeys(Window w) const
{
    // Key events go to every client that selects them on the window, the program and this one.
    keyPresses_.clear();
    XSelectInput(dpy_, w, KeyPressMask);
    sync();
}

void XDesktop::countKeyEvents() const
{
    while (XPending(dpy_) > 0) {
        XEvent ev{};
        XNextEvent(dpy_, &ev);
        if (ev.type != KeyPress)
            continue;
        const auto code = std::size_t(ev.xkey.keycode);
        if (keyPresses_.size() <= code)
            keyPresses_.resize(code + 1);
        ++keyPresses_[code];
    }
}

int XDesktop::keyPresses(unsigned long keysym) const
{
    sync();
    countKeyEvents();
    const auto code = std::size_t(XKeysymToKeycode(dpy_, keysym));
    return code < keyPresses_.size() ? keyPresses_[code] : 0;
}

void XDesktop::sendClose(Window w) const
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = atom(dpy_, "WM_PROTOCOLS");
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(atom(dpy_, "WM_DELETE_WINDOW"));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy_, w, False, NoEventMask, &ev);
    sync();
}

std::optional<std::chrono::milliseconds> XDesktop::ping(Window w, std::chrono::milliseconds limit) const
{
    // The answer goes to the root window, for the window manager: watch it there too.
    static long serial = 0;
    const long id = ++serial;
    const Window root = DefaultRootWindow(dpy_);
    XSelectInput(dpy_, root, StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = atom(dpy_, "WM_PROTOCOLS");
    const Atom pingAtom = atom(dpy_, "_NET_WM_PING");
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = protocols;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(pingAtom);
    ev.xclient.data.l[1] = id;
    ev.xclient.data.l[2] = long(w);
    const auto start = std::chrono::steady_clock::now();
    XSendEvent(dpy_, w, False, NoEventMask, &ev);
    XFlush(dpy_);
    std::optional<std::chrono::milliseconds> answered;
    while (!answered && std::chrono::steady_clock::now() - start < limit) {
        while (!answered && XPending(dpy_) > 0) {
            XEvent got{};
            XNextEvent(dpy_, &got);
            if (got.type == ClientMessage && got.xclient.message_type == protocols &&
                Atom(got.xclient.data.l[0]) == pingAtom && got.xclient.data.l[1] == id)
                answered = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        }
        if (!answered)
            pause(1ms);
    }
    XSelectInput(dpy_, root, NoEventMask);
    sync();
    return answered;
}

std::optional<std::chrono::milliseconds> XDesktop::repaintAfterCover(Window w, int x, int y, int width, int height,
                                                                    std::chrono::milliseconds limit) const
{
    const Geometry g = geometry(w);
    const Window root = DefaultRootWindow(dpy_);
    const unsigned long magenta = 0xff00ff;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = magenta;
    const Window cover = XCreateWindow(dpy_, root, g.x + x, g.y + y, unsigned(width), unsigned(height), 0,
                                       CopyFromParent, InputOutput, CopyFromParent,
                                       CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(dpy_, cover);
    sync();
    pause(100ms);
    const auto colourAt = [&] {
        XImage* image = XGetImage(dpy_, root, g.x + x + width / 2, g.y + y + height / 2, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return 0ul;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xffffff;
        XDestroyImage(image);
        return pixel;
    };
    const bool covered = colourAt() == magenta;
    XDestroyWindow(dpy_, cover);
    sync();
    if (!covered)
        throw std::runtime_error("the covering window did not show");
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < limit) {
        if (colourAt() != magenta)
            return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        pause(2ms);
    }
    return std::nullopt;
}

// ---- Program ----

Program::Program() : dir_(freshFolder("tv-run"))
{
    fs::create_symlink(TV_PROGRAM, dir_ / "tastevolo");
    fs::create_symlink(TV_SOUNDFONT, dir_ / "piano.sgt");
    for (const fs::directory_entry& e : fs::directory_iterator(TV_RUN_FILES))
        fs::copy_file(e.path(), dir_ / e.path().filename());
}

Program::~Program()
{
    proc_.kill();
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

void Program::start(const XDesktop& desk)
{
    // An xcb program on the test's own display, with silent sound; glibc fills freed memory and
    // checks the heap, so that a use after free shows in a plain build too.
    proc_ = Child({(dir_ / "tastevolo").string()},
                  environmentWith({"PULSE_SERVER", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY"},
                                  {"DISPLAY=" + desk.displayName(), "SDL_AUDIODRIVER=dummy",
                                   "XDG_RUNTIME_DIR=" + dir_.string(), "TASTEVOLO_SOUND_LOG=" + soundLog().string(), "MALLOC_PERTURB_=165", "MALLOC_CHECK_=3"}),
                  dir_, dir_ / "output.log");
}

std::vector<std::string> Program::soundLogLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(readFile(soundLog()));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool Program::running() { return !proc_.ended(); }

int Program::waitExit()
{
    waitFor([&] { return proc_.ended(); }, "the program to end");
    const int st = *proc_.status();
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

std::string Program::output() const { return readFile(dir_ / "output.log"); }

std::vector<PlayerRow> readPlayers(const fs::path& database, std::string* error)
{
    std::vector<PlayerRow> rows;
    std::string why;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT Nom, password, duree FROM tastevolo ORDER BY id", -1, &st, nullptr) ==
            SQLITE_OK) {
            auto text = [&](int c) {
                const unsigned char* t = sqlite3_column_text(st, c);
                return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
            };
            int rc = SQLITE_ROW;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW)
                rows.push_back({text(0), text(1), text(2)});
            if (rc != SQLITE_DONE) {
                rows.clear();
                why = sqlite3_errmsg(db);
            }
        } else {
            why = sqlite3_errmsg(db);
        }
        sqlite3_finalize(st);
    } else {
        why = db ? sqlite3_errmsg(db) : "out of memory";
    }
    sqlite3_close(db);
    if (error)
        *error = why;
    return rows;
}

std::string describePlayers(const fs::path& database)
{
    std::error_code ec;
    if (!fs::exists(database, ec))
        return "there is no " + database.filename().string();
    std::string error;
    const std::vector<PlayerRow> rows = readPlayers(database, &error);
    if (!error.empty())
        return database.filename().string() + " cannot be read (" + error + ")";
    if (rows.empty())
        return database.filename().string() + " holds no player";
    std::string s = database.filename().string() + " holds";
    for (const PlayerRow& r : rows) {
        s += &r == &rows.front() ? " " : ", ";
        s += "\"" + r.name + "\" (" + (r.password.empty() ? "no password" : "a password") + ", duree \"" + r.duration +
             "\")";
    }
    return s;
}

std::string integrityCheck(const fs::path& database)
{
    sqlite3* db = nullptr;
    std::string result;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                const unsigned char* t = sqlite3_column_text(st, 0);
                result += (result.empty() ? "" : "; ") + std::string(t ? reinterpret_cast<const char*>(t) : "");
            }
        }
        if (result.empty())
            result = sqlite3_errmsg(db);
        sqlite3_finalize(st);
    } else {
        result = db ? sqlite3_errmsg(db) : "out of memory";
    }
    sqlite3_close(db);
    return result;
}

struct FileHolder::State {
    std::atomic<bool> held{false};
    std::atomic<bool> done{false};
    std::string error;
    std::thread thread;
};

FileHolder::FileHolder(const fs::path& database, std::chrono::milliseconds writing, std::chrono::milliseconds idle)
    : state_(std::make_shared<State>())
{
    state_->thread = std::thread([s = state_, file = database.string(), writing, idle] {
        sqlite3* db = nullptr;
        // A small page cache: every write reaches the file or its journal at once.
        if (sqlite3_open(file.c_str(), &db) != SQLITE_OK ||
            sqlite3_exec(db, "PRAGMA cache_size = 5; BEGIN EXCLUSIVE; CREATE TABLE other (data BLOB)", nullptr,
                         nullptr, nullptr) != SQLITE_OK) {
            s->error = sqlite3_errmsg(db);
        } else {
            s->held = true;
            const auto start = std::chrono::steady_clock::now();
            while (std::chrono::steady_clock::now() - start < writing) {
                if (sqlite3_exec(db, "INSERT INTO other VALUES (randomblob(40000))", nullptr, nullptr, nullptr) !=
                    SQLITE_OK)
                    s->error = sqlite3_errmsg(db);
                pause(100ms);
            }
            pause(idle);
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        sqlite3_close(db);
        s->done = true;
    });
    waitFor([&] { return state_->held || state_->done; }, "the other program to hold the player file");
    if (!state_->held) {
        state_->thread.join();
        throw std::runtime_error("the other program could not hold the player file: " + state_->error);
    }
}

FileHolder::~FileHolder()
{
    if (state_->thread.joinable())
        state_->thread.join();
}

bool FileHolder::done() const { return state_->done; }

std::string FileHolder::error() const { return state_->done ? state_->error : std::string(); }

} // namespace desktop
