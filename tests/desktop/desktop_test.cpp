// The program as it runs on a desktop: started from a run folder of its own on an Xvfb display with
// a window manager, worked with real pointer clicks and key presses, and judged by what the
// window system shows, the files it writes and how the process ends.
#include "desktop/x_desktop.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace desktop {
namespace {

namespace fs = std::filesystem;

// Places of the controls, in twips from the window's client origin (left, top, width, height).
struct Place {
    double left, top, width, height;
};
// The player screen.
constexpr Place kPlayerList{120, 480, 6015, 315};
constexpr Place kPasswordBox{120, 1320, 6015, 285};
constexpr Place kPlayersQuit{120, 1800, 1455, 375};
constexpr Place kNewPlayer{1680, 1800, 2175, 375};
constexpr Place kPlay{3960, 1800, 1455, 375};
// The new-player dialog.
constexpr Place kNameBox{120, 480, 6015, 285};
constexpr Place kPasswordYes{2160, 960, 255, 255};
constexpr Place kPasswordNo{3120, 960, 255, 255};
constexpr Place kNewPasswordBox{120, 1320, 6015, 285};
constexpr Place kSave{120, 1800, 3015, 375};
constexpr Place kCancel{3240, 1800, 2895, 375};
// The menu and the bottom row shared by the menu and the level-choice screens.
constexpr Place kBottomLeft{120, 8520, 1935, 375};  // "Quitter" on the menu, "Retour" on a choice
constexpr Place kChoiceNext{9960, 8535, 1935, 375};
// The level-choice screens of the games played with one or two players.
constexpr Place kTwoPlayers{4320, 960, 495, 345};
constexpr Place kSecondName{3720, 1800, 2895, 375};
constexpr Place kKeyboardPlay{7140, 1560, 2655, 375};
// The duration dialog.
constexpr Place kThirtySeconds{240, 360, 255, 255};

struct Game {
    const char* code;
    int menuX, menuY;  // the game's picture on the menu, in pixels
    const char* choice;
    const char* screen;
    Place play, back, duration;  // the game screen's top row
};
constexpr Place kStaffPlay{120, 120, 1695, 375}, kStaffBack{3120, 120, 1095, 375}, kStaffDuration{5520, 120, 2055, 375};
constexpr Place kNamePlay{120, 120, 2295, 375}, kNameBack{4200, 120, 1575, 375}, kNameDuration{7560, 120, 2295, 375};
constexpr Game kGames[] = {
    {"pp", 396, 215, "Form_choix_pp", "Form_pp", kStaffPlay, kStaffBack, kStaffDuration},
    {"pp2", 148, 215, "Form_choix_pp2", "Form_pp", kStaffPlay, kStaffBack, kStaffDuration},
    {"pp3", 644, 215, "Form_choix_pp3", "Form_pp", kStaffPlay, kStaffBack, kStaffDuration},
    {"pn", 644, 399, "Form_choix_pn", "Form_pn", kStaffPlay, kStaffBack, kStaffDuration},
    {"nn", 148, 399, "Form_choix_nn", "Form_nn", kNamePlay, kNameBack, kNameDuration},
    {"nn2", 396, 399, "Form_choix_nn2", "Form_nn", kNamePlay, kNameBack, kNameDuration},
};

class Desktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        desk_ = XDesktop::start(800, 600, &why);
        if (!desk_)
            GTEST_SKIP() << "no X server could start here, so the program cannot run on a desktop: " << why;
    }

    XDesktop& desk() { return *desk_; }

    void click(const std::string& role, const Place& p) { click(desk().waitShown(role), p); }
    // In a window already found (while it waits, say).
    void click(Window w, const Place& p) { desk().clickTwips(w, p.left, p.top, p.width, p.height); }
    void clickAt(const std::string& role, int x, int y) { desk().click(desk().waitShown(role), x, y); }

    void startProgram() { program_.start(desk()); }

    std::vector<PlayerRow> players() const { return readPlayers(program_.file("JOUEURS.MDB")); }
    bool hasPlayer(const std::string& name) const
    {
        const auto rows = players();
        return std::any_of(rows.begin(), rows.end(), [&](const PlayerRow& r) { return r.name == name; });
    }
    // What the player file holds, for the message of a failed wait or check.
    std::string playersFound() const { return describePlayers(program_.file("JOUEURS.MDB")); }
    void waitForPlayer(const std::string& name, const std::string& what)
    {
        waitFor([&] { return hasPlayer(name); }, what, [&] { return playersFound(); });
    }
    // The first player's duration as stored, or "" when there is no player to read.
    std::string firstDuration() const
    {
        const auto rows = players();
        return rows.empty() ? std::string() : rows.front().duration;
    }

    // "Nouveau joueur", the name (typed where the focus is, or after a click in the name box), the
    // password option and the password; "Valider" and back on the player screen with the row
    // written.
    void newPlayer(const std::string& name, const std::string& password, bool clickNameBox)
    {
        click("Form_joueurs", kNewPlayer);
        const Window dialog = desk().waitShown("Form_nouveau_joueur");
        waitFor([&] { return desk().focusedClient() == dialog; }, "the new-player dialog to take the keyboard");
        if (clickNameBox)
            click(dialog, kNameBox);
        desk().type(name);
        // The dialog keeps the password option of the time before.
        if (password.empty()) {
            click("Form_nouveau_joueur", kPasswordNo);
        } else {
            click("Form_nouveau_joueur", kPasswordYes);
            click("Form_nouveau_joueur", kNewPasswordBox);
            desk().type(password);
        }
        click("Form_nouveau_joueur", kSave);
        waitForPlayer(name, "player " + name + " to be written (did the typed name arrive?)");
        desk().waitShown("Form_joueurs");
    }

    // Picks entry `index` of the player list (the keyboard in the open list) and types the password.
    void pickPlayer(int index, const std::string& password)
    {
        click("Form_joueurs", kPlayerList);
        waitFor([&] { return desk().popupShown(); }, "the player list to open");
        for (int i = 0; i < index; ++i)
            desk().key(XK_Down);
        desk().key(XK_Return);
        waitFor([&] { return !desk().popupShown(); }, "the player list to close");
        if (!password.empty()) {
            click("Form_joueurs", kPasswordBox);
            desk().type(password);
        }
    }

    void login(int index, const std::string& password)
    {
        pickPlayer(index, password);
        click("Form_joueurs", kPlay);
        desk().waitShown("Form_piano");
    }

    // The window of `role` has no frame and lies wholly on the display.
    void expectBorderlessOnDisplay(const std::string& role)
    {
        const Window w = desk().waitShown(role);
        const Geometry g = desk().geometry(w);
        EXPECT_EQ(g.frameLeft + g.frameRight + g.frameTop + g.frameBottom, 0)
            << role << " has a window frame (" << g.frameLeft << ", " << g.frameRight << ", " << g.frameTop << ", "
            << g.frameBottom << ")";
        EXPECT_GE(g.x - g.frameLeft, 0) << role;
        EXPECT_GE(g.y - g.frameTop, 0) << role;
        EXPECT_LE(g.x + g.width + g.frameRight, desk().width()) << role << " runs off the display on the right";
        EXPECT_LE(g.y + g.height + g.frameBottom, desk().height()) << role << " runs off the display at the bottom";
        EXPECT_EQ(desk().title(w), "Tastevolo") << role;
    }

    // The lines of the sound log that start with `prefix` ("noteOn", "noteOff", "effect play").
    std::vector<std::string> soundLines(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const std::string& l : program_.soundLogLines()) {
            if (l.rfind(prefix, 0) == 0)
                found.push_back(l);
        }
        return found;
    }
    // The wrong answers: a new player has every wrong-answer effect on, so each plays one.
    int effectPlays() const { return int(soundLines("effect play").size()); }
    std::string soundLogText() const
    {
        std::string log;
        for (const std::string& l : program_.soundLogLines())
            log += l + "\n";
        return log;
    }
    // The sound log, for the message of a failed wait.
    std::function<std::string()> soundsFound() const
    {
        return [this] { return "the sound log\n" + soundLogText(); };
    }

    std::unique_ptr<XDesktop> desk_;
    Program program_;
};

// Every screen of a whole session on an 800 x 600 display: two new players (one with a password),
// the login, the menu, and each game's level choice and game screen, there and back.
TEST_F(Desktop, EveryScreenIsBorderlessAndOnTheDisplayAndQuittingEndsTheProgram)
{
    startProgram();
    expectBorderlessOnDisplay("Form_joueurs");
    click("Form_joueurs", kNewPlayer);
    expectBorderlessOnDisplay("Form_nouveau_joueur");
    click("Form_nouveau_joueur", kNameBox);
    desk().type("anna");
    click("Form_nouveau_joueur", kSave);
    waitForPlayer("anna", "player anna to be written");
    newPlayer("bruno", "secret", true);
    ASSERT_EQ(players().size(), 2u) << playersFound();
    EXPECT_TRUE(players()[0].password.empty());
    EXPECT_FALSE(players()[1].password.empty());

    login(1, "secret");
    expectBorderlessOnDisplay("Form_piano");
    for (const Game& g : kGames) {
        SCOPED_TRACE(g.code);
        clickAt("Form_piano", g.menuX, g.menuY);
        expectBorderlessOnDisplay(g.choice);
        click(g.choice, kChoiceNext);
        expectBorderlessOnDisplay(g.screen);
        click(g.screen, g.back);
        desk().waitGone(g.screen);
        desk().waitShown(g.choice);
        click(g.choice, kBottomLeft);
        desk().waitGone(g.choice);
    }
    click("Form_piano", kBottomLeft);
    EXPECT_EQ(program_.waitExit(), 0) << program_.output();
}

// Closed from the desktop, each screen does what its own close control does.
TEST_F(Desktop, ADesktopCloseDoesWhatTheScreensOwnCloseControlDoes)
{
    startProgram();
    newPlayer("anna", "", true);
    login(0, "");
    const Game& pp = kGames[0];

    clickAt("Form_piano", pp.menuX, pp.menuY);
    desk().sendClose(desk().waitShown(pp.choice));
    desk().waitGone(pp.choice);
    EXPECT_TRUE(desk().shown("Form_piano"));

    clickAt("Form_piano", pp.menuX, pp.menuY);
    click(pp.choice, kChoiceNext);
    click(pp.screen, pp.duration);
    click("Form_options", kThirtySeconds);
    desk().sendClose(desk().waitShown("Form_options"));
    desk().waitGone("Form_options");
    waitFor([&] { return firstDuration() == "1"; }, "the duration chosen to be stored", [&] { return playersFound(); });
    EXPECT_TRUE(desk().shown(pp.screen));

    click(pp.screen, pp.play);
    // The round runs: the count-in is over and the game has sounded the note to find.
    waitFor([&] { return !soundLines("noteOn").empty(); }, "the first note of the round", soundsFound());
    desk().sendClose(desk().waitShown(pp.screen));
    desk().waitGone(pp.screen);
    desk().waitShown(pp.choice);
    desk().sendClose(desk().waitShown(pp.choice));
    desk().waitGone(pp.choice);

    desk().sendClose(desk().waitShown("Form_piano"));
    EXPECT_EQ(program_.waitExit(), 0) << program_.output();
    EXPECT_EQ(firstDuration(), "1") << playersFound();
}

TEST_F(Desktop, ADesktopCloseOfThePlayerScreenEndsTheProgram)
{
    startProgram();
    newPlayer("anna", "", true);
    desk().sendClose(desk().waitShown("Form_joueurs"));
    EXPECT_EQ(program_.waitExit(), 0) << program_.output();
    EXPECT_TRUE(hasPlayer("anna")) << playersFound();
}

// The keyboard goes where the person types: the new-player dialog's name box at every opening,
// whatever box had it the time before, and the password box after the wrong password's message
// is closed with Return.
TEST_F(Desktop, TypingArrivesInTheBoxThatShouldHaveTheFocus)
{
    startProgram();
    // The first player types a password too: the next opening finds the keyboard left there.
    newPlayer("anna", "right", false);
    for (const char* name : {"bruno", "carla"}) {
        SCOPED_TRACE(name);
        newPlayer(name, "", false);
    }
    ASSERT_EQ(players().size(), 3u) << playersFound();

    pickPlayer(0, "wrong");
    click("Form_joueurs", kPlay);
    const Window message = desk().waitShown("Form_password");
    waitFor([&] { return desk().focusedClient() == message; }, "the message to take the keyboard");
    desk().key(XK_Return);
    desk().waitGone("Form_password");
    const Window players = desk().waitShown("Form_joueurs");
    waitFor([&] { return desk().focusedClient() == players; }, "the player screen to take the keyboard back");
    // The wrong password is still in the box: wiped from the keyboard, then the right one.
    for (int i = 0; i < 8; ++i)
        desk().key(XK_BackSpace);
    desk().type("right");
    click("Form_joueurs", kPlay);
    // The menu, or the message again for a password that went elsewhere.
    waitFor([&] { return desk().shown("Form_piano") || desk().shown("Form_password"); },
            "the menu or the wrong-password message");
    EXPECT_TRUE(desk().shown("Form_piano"))
        << "the password typed after the message did not arrive in the password box";
}

// A game played from the keyboard, the X server's auto-repeat on while the play key is held: a
// held play key is one answer and one note, whatever the pace of the repeats.
struct KeyPace {
    const char* name;
    int player;  // 1: the keypad, 2: the letters
    int delayMs, intervalMs;
    bool fromCountIn;  // the key goes down during the count-in, before the first note shows
};

void PrintTo(const KeyPace& pace, std::ostream* os) { *os << pace.name; }

// "<channel> <key>" of a sound log line "noteOn <channel> <key> ..." or "noteOff <channel> <key>".
std::string channelAndKey(const std::string& line)
{
    std::istringstream s(line);
    std::string word, channel, key;
    s >> word >> channel >> key;
    return channel + " " + key;
}

class KeyboardPlay : public Desktop {
protected:
    // The staff game on the keyboard, for one player (player 1) or two (player 2 too), started.
    void startKeyboardGame(int player)
    {
        desk().numLockOn();
        startProgram();
        newPlayer("anna", "", true);
        login(0, "");
        const Game& pp = kGames[0];
        clickAt("Form_piano", pp.menuX, pp.menuY);
        if (player == 2) {
            click(pp.choice, kTwoPlayers);
            click(pp.choice, kSecondName);
            desk().type("bruno");
        } else {
            click(pp.choice, kKeyboardPlay);
        }
        click(pp.choice, kChoiceNext);
        click(pp.screen, pp.play);
    }

    // After the count-in the game sounds the first note to find: the round is on.
    void waitForTheRound()
    {
        waitFor([&] { return !soundLines("noteOn").empty(); }, "the first note of the round", soundsFound());
    }

    // The cursor four keys down from middle C: a key that no answer of the first level wants.
    void moveToWrongKey(unsigned long leftKey)
    {
        for (int i = 0; i < 4; ++i)
            desk().key(leftKey);
    }
};

class HeldKey : public KeyboardPlay, public ::testing::WithParamInterface<KeyPace> {};

TEST_P(HeldKey, IsJudgedOnceAndSoundsOnce)
{
    const KeyPace& pace = GetParam();
    const unsigned long left = pace.player == 1 ? XK_KP_2 : XK_f;
    const unsigned long play = pace.player == 1 ? XK_KP_0 : XK_c;
    startKeyboardGame(pace.player);
    if (!pace.fromCountIn)
        waitForTheRound();
    moveToWrongKey(left);
    const int judgedBefore = effectPlays();
    const std::size_t notesBefore = soundLines("noteOn").size();
    desk().watchKeys(desk().waitShown(kGames[0].screen));
    desk().hold(play, pace.delayMs, pace.intervalMs);
    waitFor([&] { return soundLines("noteOn").size() > notesBefore; }, "the held key to sound", soundsFound());
    // The key's own note, "noteOn <channel> <key> ...": the notes to find that the game sounds
    // are other keys.
    const std::string keyNote = soundLines("noteOn").at(notesBefore);
    const auto heldNotes = [&] {
        const auto notes = soundLines("noteOn");
        return std::count(notes.begin() + long(notesBefore), notes.end(), keyNote);
    };
    if (pace.fromCountIn) {
        // Held on into the round, until 2 s after its first note: a note other than the key's.
        waitFor(
            [&] {
                const auto notes = soundLines("noteOn");
                return std::count(notes.begin(), notes.end(), keyNote) < long(notes.size());
            },
            "the first note of the round", soundsFound());
        pause(2s);
    } else {
        pause(3s);
    }
    desk().release(play);
    const std::string keyOff = "noteOff " + channelAndKey(keyNote);
    waitFor(
        [&] {
            const auto offs = soundLines("noteOff");
            return std::find(offs.begin(), offs.end(), keyOff) != offs.end();
        },
        "the held key's note to stop (" + keyOff + ")", soundsFound());
    // The release has been heard, and every repeat before it; a little longer for a late note.
    pause(500ms);
    // The server repeated the key while it was held, or the test tried nothing.
    EXPECT_GT(desk().keyPresses(play), 1) << "the held key was not repeated";
    EXPECT_EQ(heldNotes(), 1) << "a held key sounded again; played:\n" << soundLogText();
    // Pressed before the first note, the key has nothing to answer; pressed during the round,
    // it is one wrong answer.
    if (pace.fromCountIn)
        EXPECT_LE(effectPlays() - judgedBefore, 1) << "a held key was judged more than once";
    else
        EXPECT_EQ(effectPlays() - judgedBefore, 1) << "a held key was not judged once";
}

INSTANTIATE_TEST_SUITE_P(Paces, HeldKey,
                         ::testing::Values(KeyPace{"Player1Fast", 1, 150, 30, false},
                                           KeyPace{"Player1XDefault", 1, 660, 40, false},
                                           KeyPace{"Player1Slow", 1, 300, 250, false},
                                           KeyPace{"Player1FromTheCountIn", 1, 150, 30, true},
                                           KeyPace{"Player2Fast", 2, 150, 30, false},
                                           KeyPace{"Player2FromTheCountIn", 2, 150, 30, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardPlay, ReleasingThePlayKeyAfterAMoveStopsTheNoteItStarted)
{
    startKeyboardGame(1);
    waitForTheRound();
    moveToWrongKey(XK_KP_2);
    const std::size_t notesBefore = soundLines("noteOn").size();
    desk().hold(XK_KP_0, 150, 30);
    waitFor([&] { return soundLines("noteOn").size() > notesBefore; }, "the note to start", soundsFound());
    pause(400ms);
    desk().key(XK_KP_3);
    pause(300ms);
    desk().release(XK_KP_0);
    waitFor([&] { return !soundLines("noteOff").empty(); }, "a note to stop", soundsFound());
    // "noteOn <channel> <key> ..." and "noteOff <channel> <key>": the same channel and key.
    const std::string on = soundLines("noteOn").at(notesBefore);
    const std::string off = soundLines("noteOff").front();
    EXPECT_EQ(channelAndKey(off), channelAndKey(on)) << soundLogText();
}

// Another program holds the player file and keeps writing it while a new player is saved: the
// save waits for it, and all the while the dialog answers the window manager and repaints; a
// second click on "Valider", a letter typed, "Annuler" or the desktop's close meanwhile change
// nothing. A holder that lets go is waited for; one that keeps the file without writing is given
// up on, the player is told, and "Valider" again stores the player once the file is free. The
// file is whole afterwards.
struct HeldFileRoad {
    const char* name;
    std::chrono::milliseconds writing, idle;
    bool told;
};

void PrintTo(const HeldFileRoad& road, std::ostream* os) { *os << road.name; }

class HeldPlayerFile : public Desktop, public ::testing::WithParamInterface<HeldFileRoad> {};

TEST_P(HeldPlayerFile, TheWindowAnswersWhileASaveWaits)
{
    const HeldFileRoad& road = GetParam();
    startProgram();
    click("Form_joueurs", kNewPlayer);
    const Window dialog = desk().waitShown("Form_nouveau_joueur");
    waitFor([&] { return desk().focusedClient() == dialog; }, "the new-player dialog to take the keyboard");
    desk().type("anna");
    click("Form_nouveau_joueur", kPasswordNo);
    const fs::path file = program_.file("JOUEURS.MDB");

    std::vector<long> answers;  // ms, -1 for none
    std::optional<std::chrono::milliseconds> repainted;
    bool typed = false, leaving = false;
    {
        FileHolder other(file, road.writing, road.idle);
        click("Form_nouveau_joueur", kSave);
        const auto start = std::chrono::steady_clock::now();
        bool clickedAgain = false, covered = false;
        // Until the other program lets go, and the outcome shows.
        const auto over = [&] { return other.done() && (road.told ? !desk().unnamedWindows().empty() : hasPlayer("anna")); };
        while (!over() && std::chrono::steady_clock::now() - start < 20s) {
            const auto since = std::chrono::steady_clock::now() - start;
            if (!other.done()) {
                const auto answer = desk().ping(dialog, 2s);
                answers.push_back(answer ? long(answer->count()) : -1);
            }
            if (!clickedAgain && since > 300ms) {
                clickedAgain = true;
                click(dialog, kSave);
            }
            // More of the name, "Annuler" and the desktop's close: none of it was seen by the
            // player before the outcome, and none of it takes effect.
            if (!typed && since > 400ms && !other.done()) {
                typed = true;
                click(dialog, kNameBox);
                desk().type("x");
            }
            if (!leaving && since > 500ms && !other.done()) {
                leaving = true;
                click(dialog, kCancel);
                desk().sendClose(dialog);
            }
            if (!covered && since > 600ms && !other.done()) {
                covered = true;
                repainted = desk().repaintAfterCover(dialog, 20, 20, 200, 60, 1s);
            }
            pause(50ms);
        }
        ASSERT_TRUE(over()) << "the save's outcome did not show; " << playersFound();
        EXPECT_EQ(other.error(), "");
    }
    std::string list;
    for (long a : answers)
        list += (a < 0 ? std::string("none") : std::to_string(a)) + " ";
    ASSERT_GE(answers.size(), 5u) << "the wait was not long enough to try the window: " << list;
    EXPECT_TRUE(std::all_of(answers.begin(), answers.end(), [](long a) { return a >= 0 && a < 200; }))
        << "ms to answer each ping during the wait: " << list;
    ASSERT_TRUE(repainted.has_value()) << "the covered part was not painted again within a second";
    EXPECT_LT(repainted->count(), 200) << "ms to paint the covered part again";

    ASSERT_TRUE(typed && leaving) << "the wait was over before the player acted";
    if (road.told) {
        EXPECT_TRUE(players().empty()) << playersFound();
        const std::vector<Window> boxes = desk().unnamedWindows();
        waitFor([&] { return desk().hasFocus(boxes.front()); }, "the message to take the keyboard");
        desk().key(XK_Return);
        waitFor([&] { return desk().unnamedWindows().empty(); }, "the message to close");
        // Told that nothing was saved, the player finds the dialog as it was before the wait.
        pause(300ms);
        EXPECT_TRUE(desk().shown("Form_nouveau_joueur")) << "the cancel or close held back took effect";
        click("Form_nouveau_joueur", kSave);
        waitForPlayer("anna", "the player to be stored once the file is free");
    }
    desk().waitShown("Form_joueurs");
    // The clicks held back during the wait start no second save, nor any message.
    pause(1s);
    EXPECT_TRUE(desk().unnamedWindows().empty()) << program_.output();
    EXPECT_EQ(players().size(), 1u) << playersFound();
    EXPECT_TRUE(hasPlayer("anna")) << "the letter typed during the wait was taken: " << playersFound();
    EXPECT_EQ(integrityCheck(file), "ok");
    click("Form_joueurs", kPlayersQuit);
    EXPECT_EQ(program_.waitExit(), 0) << program_.output();
}

INSTANTIATE_TEST_SUITE_P(Holders, HeldPlayerFile,
                         ::testing::Values(HeldFileRoad{"LetsGo", 2500ms, 0ms, false},
                                           HeldFileRoad{"KeepsItIdle", 2000ms, 1500ms, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A player file cut in half: the message says so under the real message box, OK ends the program
// without a crash, and the file is left as it was.
TEST_F(Desktop, AHalfPlayerFileIsReportedAndLeftAlone)
{
    startProgram();
    newPlayer("anna", "", true);
    newPlayer("bruno", "", true);
    click("Form_joueurs", kPlayersQuit);
    ASSERT_EQ(program_.waitExit(), 0) << program_.output();

    const fs::path file = program_.file("JOUEURS.MDB");
    const std::string whole = readFile(file);
    ASSERT_GT(whole.size(), 4096u);
    const std::string half = whole.substr(0, whole.size() / 2);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << half;

    startProgram();
    std::vector<Window> boxes;
    waitFor([&] { return !(boxes = desk().unnamedWindows()).empty(); }, "the message about the player file");
    EXPECT_FALSE(desk().shown("Form_joueurs"));
    waitFor([&] { return desk().hasFocus(boxes.front()); }, "the message to take the keyboard");
    // Read as a person reads it, while its event loop runs, then OK from the keyboard.
    const Geometry box = desk().geometry(boxes.front());
    desk().pointTo(boxes.front(), box.width / 2, box.height / 2);
    pause(3s);
    desk().key(XK_Return);
    EXPECT_EQ(program_.waitExit(), 0) << program_.output();
    EXPECT_EQ(readFile(file), half) << "the player file was changed";
}

} // namespace
} // namespace desktop
