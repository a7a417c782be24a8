#pragma once
// The forms runtime: screens as single instances reached by their class, loaded on first
// touch and unloaded explicitly, shown modeless or modal.
//
//   form<Form_pp>()            touches the screen: loads it first if needed (its Form_Load runs
//                              to its end before the caller goes on), returns the instance; a
//                              screen that unloaded itself during its load comes back unloaded
//                              (alive, inert: it shows nothing and its timers are stopped)
//   loaded<Form_pp>()          the instance if loaded, else nullptr (never loads)
//   unload<Form_pp>()          runs Form_Unload and destroys the instance; the next touch makes
//                              a fresh one in its design state
//   f.Show() / f.Show(1)       modeless / modal: a modal show returns when the screen is hidden
//                              or unloaded; timers and queued input go on meanwhile
//
// An unloaded screen is destroyed only once no handler is running: not while one of its own
// handlers (or any other) is on the stack, even when a message box or a modal screen runs an
// event loop inside that handler.
//
// The program ends when no screen is loaded, hidden ones included.

#include "platform/key_filter.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QEventLoop;

namespace platform {

class Control;
class Timer;

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name);
    ~Form() override;

    const QString& formName() const { return name_; }
    bool isLoaded() const { return loaded_; }

    // Handlers that a screen overrides.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Design.
    void setClientSize(double widthTwips, double heightTwips);
    void setBorderStyle(int style);  // 0 none, 1 fixed single, 3 fixed dialog
    int borderStyle() const { return borderStyle_; }
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    void setIcon(const QPixmap& icon);

    // Position and size of the window, in twips.
    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double twips);
    void setTop(double twips);
    // Centres the screen on the display.
    void centre();

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 color);

    // 0 normal, 2 maximised (full screen on the display).
    int windowState() const { return windowState_; }
    void setWindowState(int state);

    bool keyPreview() const { return keyPreview_; }
    void setKeyPreview(bool on) { keyPreview_ = on; }

    void Show(int style = 0);
    void Hide();
    bool shownModal() const { return modalLoop_ != nullptr; }

    // Events of the screen itself (key events arrive here first when keyPreview is on).
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    // The pointer moving over the screen's own background (not over its widgets).
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    std::function<void()> onClick;
    // A close request from the desktop (window manager close button, Alt+F4, a taskbar's
    // "Close"): each screen does what its own close control does.  Unset, the screen unloads.
    std::function<void()> onDesktopClose;
    // The screen lost the keyboard: another window became the active one, or the screen was
    // hidden or unloaded while it was active.  The key-ups of the keys held then go elsewhere.
    std::function<void()> onDeactivate;

    // Key input as the platform delivers it (also used by tests): previews on the screen,
    // then the focused control.  keyDown for an auto-repeating key comes again without keyUp;
    // the window system's events reach these through the screen's KeyFilter.
    void deliverKeyDown(int keyCode, int shift, Control* target = nullptr);
    void deliverKeyUp(int keyCode, int shift, Control* target = nullptr);
    // The pointer moving over the screen's background as the platform delivers it (also used
    // by tests); x and y in twips.
    void userMouseMove(int button = 0, double x = 0, double y = 0, int shift = 0);
    // Whether the screen has the keyboard (it is the active window).
    bool hasKeyboard() const { return isActiveWindow(); }

    // Internal: bookkeeping of the registry and the controls.
    void attachTimer(Timer* timer);
    void detachTimer(Timer* timer);
    std::function<void()> clearSlot;
    void markUnloaded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void unload(Form& form);
    void reportKeyboardLoss();
    // A key-down or key-up heard from the window system, for the screen and its focused control.
    void keyHeard(bool down, int code, int shift);

    QString name_;
    bool loaded_ = true;
    int borderStyle_ = 2;
    QPixmap picture_;
    quint32 backColor_ = 0x8000000F;
    int windowState_ = 0;
    bool keyPreview_ = false;
    // The loss of the keyboard was reported and the screen has not been activated or shown since.
    bool keyboardLossReported_ = false;
    double leftTwips_ = 0;
    double topTwips_ = 0;
    QEventLoop* modalLoop_ = nullptr;
    // The screen that had the keyboard when this one was shown: it takes the keyboard back when
    // this one goes while it has it, whatever closed it (its button, a key, the desktop).
    QPointer<Form> shownOver_;
    QPointer<QWindow> filteredWindow_;
    std::vector<Timer*> timers_;
    // The window system's key events, as the screen hears them (after timers_: its wait is one
    // of the screen's timers).
    KeyFilter keys_{this, [this](bool down, int code, int shift) { keyHeard(down, code, shift); }};
};

namespace detail {
void registerForm(Form* form);
void abortLoad(Form* form);

// Marks a call into the screens' code (an event handler, a Form_Load, a Form_Unload) for as long
// as it runs: the screens unloaded meanwhile are destroyed once the outermost one has returned.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};
} // namespace detail

template <class F>
F*& formSlot()
{
    static F* instance = nullptr;
    return instance;
}

template <class F>
F* loaded()
{
    return formSlot<F>();
}

template <class F>
F& form()
{
    if (F* f = formSlot<F>())
        return *f;
    F* f = new F();
    formSlot<F>() = f;
    f->clearSlot = [f] {
        if (formSlot<F>() == f)
            formSlot<F>() = nullptr;
    };
    detail::registerForm(f);
    {
        detail::HandlerScope running;
        try {
            f->Form_Load();
        } catch (...) {
            detail::abortLoad(f);
            throw;
        }
    }
    // Loaded, or unloaded by its own load: then it lives on until the handlers have returned,
    // and the next touch makes a fresh one.
    return *f;
}

// Unloads a screen: Form_Unload runs, the screen disappears, its timers stop, and the instance
// is destroyed once the handlers on the stack have returned.
void unload(Form& form);
template <class F>
void unload()
{
    if (F* f = formSlot<F>())
        unload(*f);
}

// Screens loaded now, hidden ones included.
std::vector<Form*> loadedForms();

// Called when the last screen is unloaded (default: the event loop ends with code 0).
void setProgramEndHook(std::function<void()> hook);

// Tests act on a modal screen from inside its show (the hook runs once the screen is shown;
// when it leaves the screen hidden or unloaded, Show returns at once).
void setModalHook(std::function<void(Form&)> hook);

} // namespace platform
