// The screen life cycle, named actions, option groups, the handler edge and the keyboard's
// owner.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/vb.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace platform;
using testing_support::ScreenTest;

namespace {

struct Log {
    static QStringList& lines()
    {
        static QStringList l;
        return l;
    }
};

class Form_a : public Form {
public:
    Form_a() : Form(QStringLiteral("Form_a"))
    {
        Label1.setCaption(QStringLiteral("design"));
        Command1.onClick = [this] { Log::lines() << "click " + Label1.caption(); };
        Command_fail.onClick = [] { throw VbError(5, QStringLiteral("handler failed")); };
        Option1.onClick = [] { Log::lines() << "option1"; };
        Option2.onClick = [] { Log::lines() << "option2"; };
        Option3.onClick = [] { Log::lines() << "option3 (frame)"; };
    }
    void Form_Load() override { Log::lines() << "load " + Label1.caption(); }
    void Form_Unload() override { Log::lines() << "unload"; }

    Label Label1{this, QStringLiteral("Label1")};
    CommandButton Command1{this, QStringLiteral("Command1")};
    CommandButton Command_fail{this, QStringLiteral("Command_fail")};
    OptionButton Option1{this, QStringLiteral("Option1")};
    OptionButton Option2{this, QStringLiteral("Option2")};
    Frame Frame1{this, QStringLiteral("Frame1")};
    OptionButton Option3{this, QStringLiteral("Option3"), &Frame1};
};

class Form_modal : public Form {
public:
    Form_modal() : Form(QStringLiteral("Form_modal")) {}
};

class Form_broken : public Form {
public:
    Form_broken() : Form(QStringLiteral("Form_broken")) {}
    void Form_Load() override { throw VbError(1, QStringLiteral("no picture")); }
};

// The display check's way: a screen that has nothing to show unloads itself from its load.
class Form_gone : public Form {
public:
    Form_gone() : Form(QStringLiteral("Form_gone")) {}
    void Form_Load() override
    {
        Log::lines() << "load gone";
        unload(*this);
    }
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override { Log::lines().clear(); }
    ScreenTest screens;
};

TEST_F(FormsTest, FirstTouchLoadsBeforeTheCallerGoesOn)
{
    EXPECT_EQ(loaded<Form_a>(), nullptr);
    const QString caption = form<Form_a>().Label1.caption();
    EXPECT_EQ(Log::lines(), QStringList{"load design"});
    EXPECT_EQ(caption, "design");
    form<Form_a>().Label1.setCaption("changed");
    EXPECT_EQ(Log::lines().size(), 1) << "a second touch does not load again";
}

TEST_F(FormsTest, UnloadRunsTheHandlerAndTheNextTouchIsFresh)
{
    form<Form_a>().Label1.setCaption("changed");
    unload<Form_a>();
    EXPECT_EQ(loaded<Form_a>(), nullptr);
    EXPECT_EQ(form<Form_a>().Label1.caption(), "design");
    EXPECT_EQ(Log::lines(), (QStringList{"load design", "unload", "load design"}));
    unload<Form_modal>();  // not loaded: nothing happens
}

TEST_F(FormsTest, ProgramEndsWhenTheLastScreenGoesHiddenOnesIncluded)
{
    form<Form_a>();
    form<Form_modal>();  // loaded, never shown
    unload<Form_a>();
    testing_support::processEvents();
    EXPECT_EQ(screens.programEnds, 0);
    unload<Form_modal>();
    testing_support::processEvents();
    EXPECT_EQ(screens.programEnds, 1);
}

TEST_F(FormsTest, AScreenLoadedBeforeThePostedEndKeepsTheProgram)
{
    form<Form_a>();
    unload<Form_a>();
    form<Form_modal>();
    testing_support::processEvents();
    EXPECT_EQ(screens.programEnds, 0);
}

TEST_F(FormsTest, ModalShowReturnsWhenTheScreenIsHiddenOrUnloaded)
{
    for (bool viaUnload : {false, true}) {
        bool ranInside = false;
        setModalHook([&](Form& f) {
            ranInside = f.isVisible() && f.shownModal() == false;
            // Act later, from the nested event loop, as a user would.
            QTimer::singleShot(0, [viaUnload] {
                if (viaUnload)
                    unload<Form_modal>();
                else
                    form<Form_modal>().Hide();
            });
        });
        form<Form_modal>().Show(1);
        EXPECT_TRUE(ranInside);
        if (viaUnload)
            EXPECT_EQ(loaded<Form_modal>(), nullptr);
        else
            EXPECT_TRUE(form<Form_modal>().isHidden());
    }
}

TEST_F(FormsTest, NamedActionRunsAtOnceOnTheCallersThread)
{
    form<Form_a>().Label1.setCaption("now");
    form<Form_a>().Command1.setValue(true);
    EXPECT_EQ(Log::lines().last(), "click now");
}

TEST_F(FormsTest, DisabledOrHiddenWidgetTakesNoUserClickButItsActionStillRuns)
{
    auto& f = form<Form_a>();
    f.Command1.setEnabled(false);
    f.Command1.userClick();
    EXPECT_EQ(Log::lines().size(), 1);
    f.Command1.click();
    EXPECT_EQ(Log::lines().last(), "click design");
    f.Command1.setEnabled(true);
    f.Command1.setVisible(false);
    f.Command1.userClick();
    EXPECT_EQ(Log::lines().size(), 2);
}

TEST_F(FormsTest, OptionGroupsFollowTheirContainer)
{
    auto& f = form<Form_a>();
    f.Option1.setValue(true);
    f.Option3.setValue(true);
    f.Option2.setValue(true);
    EXPECT_FALSE(f.Option1.value());
    EXPECT_TRUE(f.Option2.value());
    EXPECT_TRUE(f.Option3.value()) << "the frame's option is in a group of its own";
    f.Option2.setValue(true);  // already selected: no click from code
    EXPECT_EQ(Log::lines(), (QStringList{"load design", "option1", "option3 (frame)", "option2"}));
}

TEST_F(FormsTest, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn)
{
    form<Form_a>().Command_fail.click();
    EXPECT_EQ(screens.messages, QStringList{"handler failed"});
    EXPECT_NE(loaded<Form_a>(), nullptr);
}

TEST_F(FormsTest, AScreenWhoseLoadFailedIsNotLeftHalfBuilt)
{
    EXPECT_THROW(form<Form_broken>(), VbError);
    EXPECT_EQ(loaded<Form_broken>(), nullptr);
    dispatch([] { form<Form_broken>().Show(); });
    EXPECT_EQ(screens.messages, QStringList{"no picture"});
}

// A message box runs an event loop while it is up (the test's box does too): the screens that
// the handler unloaded before it, its own among them, live on until the handler has returned,
// also when the box reports an error that escaped the handler, and also in a nested handler.
TEST_F(FormsTest, AnUnloadedScreenOutlivesTheHandlersOnTheStackAcrossAMessageBox)
{
    struct Case {
        const char* what;
        std::function<void(Form_a&)> handler;
    };
    const Case cases[] = {
        {"message from the handler", [](Form_a& f) { unload(f); msgBox("bye"); }},
        {"error escaping the handler",
         [](Form_a& f) {
             unload(f);
             throw VbError(5, QStringLiteral("gone"));
         }},
        {"nested handler",
         [](Form_a& f) {
             dispatch([&f] { unload(f); });
             msgBox("bye");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form_a& f = form<Form_a>();
        QPointer<Form_a> alive(&f);
        bool aliveAfterTheBox = false;
        f.Command1.onClick = [&] {
            dispatch([&] { c.handler(f); });
            aliveAfterTheBox = !alive.isNull();
        };
        f.Command1.click();
        EXPECT_EQ(screens.messages.size(), 1);
        EXPECT_TRUE(aliveAfterTheBox);
        EXPECT_FALSE(alive.isNull()) << "the click's own code has returned, the event loop has not run";
        EXPECT_EQ(loaded<Form_a>(), nullptr);
        testing_support::processEvents();
        EXPECT_TRUE(alive.isNull()) << "destroyed once the handlers have returned";
        screens.messages.clear();
    }
}

TEST_F(FormsTest, AScreenThatUnloadsItselfDuringItsLoadComesBackUnloadedAndInert)
{
    Form_gone& f = form<Form_gone>();
    QPointer<Form_gone> alive(&f);
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(loaded<Form_gone>(), nullptr);
    EXPECT_TRUE(loadedForms().empty());
    f.Show();
    EXPECT_FALSE(f.isVisible());
    testing_support::processEvents();
    EXPECT_TRUE(alive.isNull());
    EXPECT_FALSE(form<Form_gone>().isLoaded()) << "the next touch loads a fresh one";
    EXPECT_EQ(Log::lines(), (QStringList{"load gone", "load gone"}));
}

TEST_F(FormsTest, MouseReleaseGoesToTheWidgetThatTookThePress)
{
    auto& f = form<Form_a>();
    Label second(&f, "second");
    QStringList events;
    f.Label1.onMouseDown = [&](int b, int, double, double) { events << QString("down1 %1").arg(b); };
    f.Label1.onMouseUp = [&](int b, int, double, double) { events << QString("up1 %1").arg(b); };
    second.onMouseUp = [&](int, int, double, double) { events << "up2"; };
    f.Label1.userMouseDown(2);
    second.userMouseUp(2);  // never pressed: takes nothing
    f.Label1.userMouseUp(2, 99999, 99999);
    EXPECT_EQ(events, (QStringList{"down1 2", "up1 2"}));
}

// Input that the window system held back (while the program waited on a file, say) reaches the
// screen's window once the wait is over: a screen hidden meanwhile takes none of it, as it could
// not have been clicked then; a screen still shown takes all of it.
TEST_F(FormsTest, InputHeldBackForAScreenHiddenSinceIsDropped)
{
    struct Case {
        const char* name;
        bool hiddenSince;
        QStringList handled;
    };
    const Case cases[] = {
        {"shown", false, {"click design", "unload"}},
        {"hidden since", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& f = form<Form_a>();
        f.setClientSize(3000, 3000);
        f.Command1.place(300, 300, 1500, 600);
        f.Show();
        QWindow* window = f.windowHandle();
        ASSERT_NE(window, nullptr);
        if (c.hiddenSince)
            f.Hide();
        Log::lines().clear();
        const QPointF at = f.Command1.geometry().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, window->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &click);
        }
        // The desktop's close.
        QCloseEvent close;
        QCoreApplication::sendEvent(window, &close);
        EXPECT_EQ(Log::lines(), c.handled);
        if (loaded<Form_a>())
            unload<Form_a>();
        testing_support::processEvents();
    }
}

// A label serves as a button: clicking it, or the screen's background, leaves the keyboard in
// the box where the player was typing.
TEST_F(FormsTest, AClickOnALabelOrTheBackgroundLeavesTheKeyboardInTheTextBox)
{
    auto& f = form<Form_a>();
    TextBox box(&f, QStringLiteral("Text1"));
    f.Label1.place(0, 600, 1500, 375);
    f.Show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    box.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &box);
    QTest::mouseClick(f.Label1.widget(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &box) << "a click on a label took the keyboard";
    QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(f.width() - 2, f.height() - 2));
    EXPECT_EQ(QApplication::focusWidget(), &box) << "a click on the background took the keyboard";
}

// Moves of the pointer with no button down, as the desktop delivers them: a widget hears the
// moves over itself (with its position in twips), the screen those over its own background; a
// widget without a handler keeps them from the screen, a disabled one passes them on.
TEST_F(FormsTest, PointerMovesReachTheWidgetUnderThePointerOrTheScreen)
{
    auto& f = form<Form_a>();
    f.Show();
    Label quiet(&f, "quiet");
    Label off(&f, "off");
    f.Label1.place(0, 0, 1500, 300);
    quiet.place(0, 600, 1500, 300);
    off.place(0, 1200, 1500, 300);
    off.setEnabled(false);
    QStringList events;
    f.Label1.onMouseMove = [&](int b, int, double x, double y) { events << QString("label %1 %2,%3").arg(b).arg(x).arg(y); };
    f.onMouseMove = [&](int b, int, double, double) { events << QString("screen %1").arg(b); };
    auto move = [](QWidget* w, QPointF at) {
        QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    };
    move(&f.Label1, QPointF(4, 2));
    move(&quiet, QPointF(4, 2));
    move(&off, QPointF(4, 2));
    move(&f, QPointF(200, 200));
    EXPECT_EQ(events, (QStringList{"label 0 60,30", "screen 0", "screen 0"}));
    EXPECT_TRUE(f.hasMouseTracking());
    EXPECT_TRUE(f.Label1.hasMouseTracking());
}

TEST_F(FormsTest, GeometryIsInTwipsAndRoundedOnlyWhenDrawn)
{
    auto& f = form<Form_a>();
    f.Label1.place(120, 480, 58.8 * 3, 300);
    EXPECT_DOUBLE_EQ(f.Label1.width(), 176.4);
    EXPECT_EQ(f.Label1.widget()->geometry(), QRect(8, 32, 12, 20));
    f.setClientSize(12000, 9000);
    EXPECT_EQ(f.QWidget::size(), QSize(800, 600));
    f.centre();
    EXPECT_DOUBLE_EQ(f.left(), (1024 * 15 - 12000) / 2.0);
    EXPECT_DOUBLE_EQ(f.top(), (768 * 15 - 9000) / 2.0);
}

// A screen hears that it lost the keyboard once per loss: another screen activated, the screen
// hidden or unloaded while active; a screen that never had the keyboard hears nothing.
TEST_F(FormsTest, LosingTheKeyboardIsReportedOncePerLoss)
{
    auto& a = form<Form_a>();
    auto& other = form<Form_modal>();
    int lost = 0;
    a.onDeactivate = [&] { ++lost; };
    other.Show();
    testing_support::processEvents();
    a.Hide();
    EXPECT_EQ(lost, 0);  // never active

    a.Show();
    testing_support::processEvents();
    EXPECT_TRUE(a.hasKeyboard());
    other.Show();
    testing_support::processEvents();
    EXPECT_FALSE(a.hasKeyboard());
    EXPECT_EQ(lost, 1);

    a.Show();
    testing_support::processEvents();
    a.Hide();
    testing_support::processEvents();
    EXPECT_EQ(lost, 2);

    other.Show();
    a.Show();
    testing_support::processEvents();
    EXPECT_TRUE(a.hasKeyboard());
    unload(a);
    testing_support::processEvents();
    EXPECT_EQ(lost, 3);
}

// A screen that goes while it has the keyboard gives it back to the screen it was shown over,
// however it goes: hidden, unloaded, or closed from the desktop, modal or not.
TEST_F(FormsTest, TheScreenUnderAClosedOneTakesTheKeyboardBack)
{
    const std::vector<std::pair<const char*, std::function<void(Form_modal&)>>> ways = {
        {"hidden", [](Form_modal& m) { m.Hide(); }},
        {"unloaded", [](Form_modal& m) { unload(m); }},
        {"closed from the desktop", [](Form_modal& m) { m.close(); }},
    };
    for (const auto& [what, close] : ways) {
        for (const int style : {0, 1}) {
            SCOPED_TRACE(std::string(what) + (style == 1 ? ", modal" : ", modeless"));
            auto& a = form<Form_a>();
            a.Show();
            testing_support::processEvents();
            ASSERT_TRUE(a.hasKeyboard());
            auto& m = form<Form_modal>();
            setModalHook([&](Form& shown) {
                testing_support::processEvents();
                EXPECT_TRUE(shown.hasKeyboard());
                close(m);
            });
            m.Show(style);
            if (style == 0) {
                testing_support::processEvents();
                ASSERT_TRUE(m.hasKeyboard());
                close(m);
            }
            setModalHook(nullptr);
            testing_support::processEvents();
            EXPECT_TRUE(a.hasKeyboard());
            unload<Form_modal>();
            unload(a);
            testing_support::processEvents();
        }
    }
}

TEST_F(FormsTest, ColoursAreRedInTheLowByteAndSystemColoursResolve)
{
    EXPECT_EQ(vbColor(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(vbColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(vbColor(0xFF00), QColor(0, 255, 0));
    EXPECT_EQ(vbColor(0x80000005), QColor(255, 255, 255));
}

} // namespace
