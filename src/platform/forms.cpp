#include "platform/forms.h"

#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/timer.h"
#include "platform/vb.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace platform {

namespace {
std::vector<Form*>& registry()
{
    static std::vector<Form*> forms;
    return forms;
}
std::function<void()>& endHook()
{
    static std::function<void()> hook;
    return hook;
}
std::function<void(Form&)>& modalHook()
{
    static std::function<void(Form&)> hook;
    return hook;
}

bool g_endPosted = false;

// The handlers running now (nested ones included), and the screens unloaded meanwhile, waiting
// for the last of them to return before they are destroyed.
int g_handlerDepth = 0;
std::vector<Form*>& unloadedForms()
{
    static std::vector<Form*> forms;
    return forms;
}
bool g_destroyPosted = false;

void destroyUnloaded()
{
    if (g_handlerDepth > 0)
        return;
    const std::vector<Form*> forms = std::move(unloadedForms());
    unloadedForms().clear();
    for (Form* f : forms)
        delete f;
}

// Destroys the unloaded screens from the event loop, once the code that unloaded them has
// returned.  A nested event loop (a message box's) may run the call while a handler is still
// on the stack: then the screens wait for that handler, whose return posts the call again.
void postDestroy()
{
    if (g_destroyPosted || unloadedForms().empty())
        return;
    g_destroyPosted = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            g_destroyPosted = false;
            destroyUnloaded();
        },
        Qt::QueuedConnection);
}

void destroyLater(Form* form)
{
    // The program's end may come before the posted call: the screens go when its loop has ended.
    static const QMetaObject::Connection atQuit =
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &destroyUnloaded);
    Q_UNUSED(atQuit);
    auto& forms = unloadedForms();
    if (std::find(forms.begin(), forms.end(), form) == forms.end())
        forms.push_back(form);
    postDestroy();
}

void endProgramIfEmpty()
{
    if (!registry().empty() || g_endPosted)
        return;
    // Posted, so that the handlers on the stack return first; a screen loaded meanwhile keeps
    // the program alive.
    g_endPosted = true;
    QTimer::singleShot(0, [] {
        g_endPosted = false;
        if (!registry().empty())
            return;
        if (endHook())
            endHook()();
        else
            QCoreApplication::exit(0);
    });
}
} // namespace

Form::Form(const QString& name) : QWidget(nullptr), name_(name)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Screens without a caption of their own show the program's name in the desktop's lists.
    setWindowTitle(QStringLiteral("Tastevolo"));
    // The desktop tells the screens apart by their role (WM_WINDOW_ROLE on X11): several share
    // the program's name as their title.
    setWindowRole(name);
    // The screen takes the keyboard when told to (or by Tab), never by a click: the labels that
    // serve as buttons and the background take no focus, so a click on them leaves the keyboard
    // in the box where the player was typing.
    setFocusPolicy(Qt::TabFocus);
    // Moves without a button pressed reach the screen and its widgets too; a widget takes the
    // moves over itself, whether or not it has a handler, so the screen hears only those over
    // its own background.
    setMouseTracking(true);
}

Form::~Form()
{
    // The timers that outlive this body (the screen's children, deleted by QObject afterwards)
    // must not detach themselves from a screen that is gone.
    for (Timer* t : timers_)
        t->formDestroyed();
    timers_.clear();
}

void Form::setClientSize(double widthTwips, double heightTwips)
{
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void Form::setBorderStyle(int style)
{
    borderStyle_ = style;
    Qt::WindowFlags f = Qt::Window;
    if (style == 0)
        f |= Qt::FramelessWindowHint;
    else if (style == 1 || style == 3)
        f |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const bool wasVisible = isVisible();
    setWindowFlags(f);
    if (wasVisible)
        QWidget::show();
}

void Form::setCaption(const QString& caption) { setWindowTitle(caption); }

void Form::setIcon(const QPixmap& icon) { setWindowIcon(QIcon(icon)); }

double Form::left() const { return leftTwips_; }
double Form::top() const { return topTwips_; }
double Form::width() const { return pixelsToTwips(QWidget::width()); }
double Form::height() const { return pixelsToTwips(QWidget::height()); }

void Form::setLeft(double twips)
{
    leftTwips_ = twips;
    move(twipsToPixels(leftTwips_), twipsToPixels(topTwips_));
}

void Form::setTop(double twips)
{
    topTwips_ = twips;
    move(twipsToPixels(leftTwips_), twipsToPixels(topTwips_));
}

void Form::centre()
{
    const QSize d = displaySize();
    setLeft((pixelsToTwips(d.width()) - width()) / 2);
    setTop((pixelsToTwips(d.height()) - height()) / 2);
}

void Form::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void Form::setBackColor(quint32 color)
{
    backColor_ = color;
    update();
}

void Form::setWindowState(int state)
{
    windowState_ = state;
    if (state == 2)
        QWidget::setWindowState(Qt::WindowFullScreen);
    else
        QWidget::setWindowState(Qt::WindowNoState);
}

void Form::Show(int style)
{
    if (!loaded_)
        return;
    // Shown anew, the screen can lose the keyboard again (the window system may not activate a
    // screen that it still counts as the active one).
    keyboardLossReported_ = false;
    if (Form* active = qobject_cast<Form*>(QApplication::activeWindow()); active && active != this)
        shownOver_ = active;
    if (style != 1) {
        if (windowState_ == 2)
            QWidget::showFullScreen();
        else
            QWidget::show();
        raise();
        activateWindow();
        return;
    }
    if (modalLoop_)
        return;  // already shown modal
    setWindowModality(Qt::ApplicationModal);
    QWidget::show();
    raise();
    activateWindow();
    QPointer<Form> self(this);
    // The screens unloaded while the modal screen is shown (itself among them) are destroyed
    // once this show has returned.
    detail::HandlerScope showing;
    if (modalHook()) {
        auto hook = modalHook();
        hook(*this);
    }
    if (!self || !self->loaded_ || self->isHidden())
        return;
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec();
    if (self) {
        self->modalLoop_ = nullptr;
        self->setWindowModality(Qt::NonModal);
    }
}

void Form::Hide()
{
    const bool hadKeyboard = isActiveWindow();
    if (hadKeyboard)
        reportKeyboardLoss();
    QWidget::hide();
    if (modalLoop_) {
        modalLoop_->quit();
        modalLoop_ = nullptr;
        setWindowModality(Qt::NonModal);
    }
    // The screen under takes the next click and typing; left to the window manager, the
    // keyboard may go nowhere (a close by a key leaves the pointer wherever it was).
    if (hadKeyboard && shownOver_ && shownOver_->isLoaded() && shownOver_->isVisible()) {
        shownOver_->raise();
        shownOver_->activateWindow();
    }
    shownOver_ = nullptr;
}

void Form::deliverKeyDown(int keyCode, int shift, Control* target)
{
    if (!loaded_ || keyCode == 0)
        return;
    int code = keyCode;
    if (keyPreview_ && onKeyDown)
        dispatch([&] { onKeyDown(code, shift); });
    if (code != 0 && target && target->onKeyDown && target->takesInput())
        dispatch([&] { target->onKeyDown(code, shift); });
}

void Form::deliverKeyUp(int keyCode, int shift, Control* target)
{
    if (!loaded_ || keyCode == 0)
        return;
    int code = keyCode;
    if (keyPreview_ && onKeyUp)
        dispatch([&] { onKeyUp(code, shift); });
    if (code != 0 && target && target->onKeyUp && target->takesInput())
        dispatch([&] { target->onKeyUp(code, shift); });
}

void Form::attachTimer(Timer* timer)
{
    timers_.push_back(timer);
    if (!loaded_)
        timer->shutDown();  // a timer made on an unloaded screen never ticks
}

void Form::detachTimer(Timer* timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void Form::markUnloaded()
{
    loaded_ = false;
    for (Timer* t : timers_)
        t->shutDown();
}

void Form::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), vbColor(backColor_));
    if (!picture_.isNull())
        p.drawPixmap(0, 0, picture_);
}

void Form::closeEvent(QCloseEvent* event)
{
    // A close from the desktop runs the screen's own close control when it has one.
    event->ignore();
    if (!loaded_)
        return;
    if (onDesktopClose)
        dispatch([this] { onDesktopClose(); });
    else
        dispatch([this] { unload(*this); });
}

void Form::mousePressEvent(QMouseEvent* e)
{
    if (onMouseDown && loaded_)
        dispatch([&] {
            onMouseDown(vbButton(e->button()), 0, pixelsToTwips(e->position().x()),
                        pixelsToTwips(e->position().y()));
        });
}

void Form::mouseReleaseEvent(QMouseEvent* e)
{
    if (!loaded_)
        return;
    if (onMouseUp)
        dispatch([&] {
            onMouseUp(vbButton(e->button()), 0, pixelsToTwips(e->position().x()),
                      pixelsToTwips(e->position().y()));
        });
    if (onClick && rect().contains(e->position().toPoint()))
        dispatch([&] { onClick(); });
}

void Form::mouseMoveEvent(QMouseEvent* e)
{
    userMouseMove(vbButtons(e->buttons()), pixelsToTwips(e->position().x()), pixelsToTwips(e->position().y()));
}

void Form::userMouseMove(int button, double x, double y, int shift)
{
    if (onMouseMove && loaded_)
        dispatch([&] { onMouseMove(button, shift, x, y); });
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QWindow* w = windowHandle();
    if (w && w != filteredWindow_) {
        if (filteredWindow_)
            filteredWindow_->removeEventFilter(this);
        w->installEventFilter(this);
        filteredWindow_ = w;
    }
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        keyboardLossReported_ = false;
    else if (event->type() == QEvent::WindowDeactivate)
        reportKeyboardLoss();
    return QWidget::event(event);
}

void Form::reportKeyboardLoss()
{
    // The releases of the keys held now go elsewhere: those keys stay silent until released.
    keys_.keyboardLost();
    // Hiding or unloading the active screen reports the loss at once; the window system's
    // deactivation that may follow is then the same loss.
    if (keyboardLossReported_)
        return;
    keyboardLossReported_ = true;
    if (loaded_ && onDeactivate)
        dispatch([this] { onDeactivate(); });
}

namespace {

// What a person does to a window: the pointer, the keys, a close from the desktop.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    // Input held back while the program waited (on the player file, say) is handed to its
    // window once the wait is over; a screen hidden meanwhile could not have been clicked or
    // typed into then, and takes none of it.
    if (watched == filteredWindow_ && !isVisible() && isUserInput(event->type()))
        return true;
    if (watched == filteredWindow_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* ke = static_cast<QKeyEvent*>(event);
        keys_.feed(RawKeyEvent{event->type() == QEvent::KeyPress, ke->nativeScanCode(), keyCodeOf(ke),
                               shiftStateOf(ke), ke->timestamp(), ke->isAutoRepeat()});
    }
    return QWidget::eventFilter(watched, event);
}

void Form::keyHeard(bool down, int code, int shift)
{
    Control* target = nullptr;
    if (QWidget* fw = QApplication::focusWidget(); fw && fw->window() == this)
        target = dynamic_cast<Control*>(fw);
    if (down)
        deliverKeyDown(code, shift, target);
    else
        deliverKeyUp(code, shift, target);
}

namespace detail {

void registerForm(Form* form) { registry().push_back(form); }

void abortLoad(Form* form)
{
    // A screen whose load failed is not left half-built.
    form->markUnloaded();
    if (form->clearSlot)
        form->clearSlot();
    auto& r = registry();
    r.erase(std::remove(r.begin(), r.end(), form), r.end());
    form->QWidget::hide();
    destroyLater(form);
    endProgramIfEmpty();
}

HandlerScope::HandlerScope() { ++g_handlerDepth; }

HandlerScope::~HandlerScope()
{
    if (--g_handlerDepth == 0)
        postDestroy();
}

} // namespace detail

void unload(Form& form)
{
    if (!form.isLoaded())
        return;
    Form* f = &form;
    // Unloading from inside Form_Unload must not recurse.
    auto& r = registry();
    if (std::find(r.begin(), r.end(), f) == r.end())
        return;
    r.erase(std::remove(r.begin(), r.end(), f), r.end());
    if (f->isActiveWindow())
        f->reportKeyboardLoss();
    dispatch([f] { f->Form_Unload(); });
    f->markUnloaded();
    if (f->clearSlot)
        f->clearSlot();
    f->Hide();
    destroyLater(f);
    endProgramIfEmpty();
}

std::vector<Form*> loadedForms() { return registry(); }

void setProgramEndHook(std::function<void()> hook) { endHook() = std::move(hook); }

void setModalHook(std::function<void(Form&)> hook) { modalHook() = std::move(hook); }

} // namespace platform
