// Playing the keyboard games from the computer keyboard, on every screen that has the cursors:
// key events as the window system sends them (presses, auto-repeats, releases, Num Lock off)
// against the cursors, the flags, the notes played and released and the judges' verdicts; a
// two-player round on the test clock; the screen losing the keyboard while keys are held.
#include "games/common/keyboard_cursors.h"
#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/questions.h"
#include "media/form_traduction.h"
#include "platform/key_filter.h"
#include "pp_fixture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include <cstdlib>
#include <stdexcept>

namespace pp_test {
namespace {

using games::common::KeyboardCursors;
using testing_support::advance;

enum class Mode { OnePlayer, TwoPlayers, Mouse };

// A keyboard game screen as these tests drive it.  The screens name their widgets alike.
struct KeyboardGame {
    const char* name;
    std::function<platform::Form&()> screen;
    std::function<const KeyboardCursors&()> cursors;
    // The level-choice screen's layout for the mode, the screen shown, a round started.
    std::function<void(Mode)> launch;
    // Makes key k the right answer of the running round.
    std::function<void(int key)> setAnswer;
    // Whether key k answers the question now asked.
    std::function<bool(int key)> answers;
    // Label_keydown1, Label_keydown2, Label_focus, Label_focus2: "1 1 on on" when all armed.
    std::function<QString()> flags;
    std::function<QString()> player;
    // "score1/score2" in a two-player game, the score of one player otherwise.
    std::function<QString()> score;
    std::function<QString()> aide;
    std::function<void()> settings;  // "Durée du jeu": a modal dialog
    std::function<void()> retour;
};

template <class F>
KeyboardGame keyboardGame(const char* name, std::function<void(F&)> prepare, std::function<void(F&, int)> setAnswer,
                          std::function<bool(F&, int)> answers)
{
    const auto f = [] () -> F& { return platform::form<F>(); };
    KeyboardGame g;
    g.name = name;
    g.screen = [f]() -> platform::Form& { return f(); };
    g.cursors = [f]() -> const KeyboardCursors& { return f().curseurs; };
    g.launch = [f, prepare](Mode mode) {
        F& s = f();
        prepare(s);
        s.Picture_bleu.setVisible(mode != Mode::Mouse);
        if (mode == Mode::TwoPlayers) {
            for (platform::Label* shown : {&s.Label_nom1, &s.Label_nom2, &s.Label_score1, &s.Label_score2})
                shown->setVisible(true);
            for (platform::Label* hidden : {&s.Label_barre_score, &s.Label_rouge_score, &s.Label_sc, &s.Label_score})
                hidden->setVisible(false);
            s.Picture_rouge.setVisible(true);
        }
        s.Show();
        testing_support::processEvents();
        s.Label_jouer.userClick();
        advance(3000);
    };
    g.setAnswer = [f, setAnswer](int key) { setAnswer(f(), key); };
    g.answers = [f, answers](int key) { return answers(f(), key); };
    g.flags = [f] {
        F& s = f();
        const auto on = [](const platform::Label& l) { return l.visible() ? QStringLiteral("on") : QStringLiteral("off"); };
        return QStringList{s.Label_keydown1.caption(), s.Label_keydown2.caption(), on(s.Label_focus), on(s.Label_focus2)}
            .join(QLatin1Char(' '));
    };
    g.player = [f] { return f().Label_reponse_joueur.caption(); };
    g.score = [f] {
        F& s = f();
        if (s.Label_nom2.visible())
            return s.Label_score1.caption() + QLatin1Char('/') + s.Label_score2.caption();
        return s.Label_score.caption();
    };
    g.aide = [f] { return f().Label_aide.caption(); };
    g.settings = [f] { f().Label_temps_jeu.userClick(); };
    g.retour = [f] { f().Label_retour.userClick(); };
    return g;
}

using games::name_keyboard::Form_nn;
using games::name_keyboard::touche_juste;

const KeyboardGame kGames[] = {
    keyboardGame<Form_pp>(
        "pp", [](Form_pp&) {}, [](Form_pp& f, int key) { f.Label_note.setCaption(str(key)); },
        [](Form_pp& f, int key) { return f.Label_note.caption() == str(key); }),
    // The name asked is a code (1 to 21): the tests ask for the one that key k sounds first.
    keyboardGame<Form_nn>(
        "nn",
        [](Form_nn& f) {
            f.Label_niveau.setCaption(QStringLiteral("1"));
            f.Label_choix_jeu.setCaption(QStringLiteral("1"));
        },
        [](Form_nn& f, int key) {
            for (int code = 1; code <= 21; ++code)
                if (touche_juste(key, str(code))) {
                    f.Label_note.setCaption(str(code));
                    return;
                }
        },
        [](Form_nn& f, int key) { return touche_juste(key, f.Label_note.caption()); }),
};

// The computer's keys by the names the sequences use, with their X scan codes.
struct NamedKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 scan;
};
const NamedKey kKeys[] = {
    {"KP0", Qt::Key_0, Qt::KeypadModifier, 90},
    {"KP2", Qt::Key_2, Qt::KeypadModifier, 88},
    {"KP3", Qt::Key_3, Qt::KeypadModifier, 89},
    {"C", Qt::Key_C, Qt::NoModifier, 54},
    {"F", Qt::Key_F, Qt::NoModifier, 41},
    {"G", Qt::Key_G, Qt::NoModifier, 42},
    {"ShiftF", Qt::Key_F, Qt::ShiftModifier, 41},
    {"X", Qt::Key_X, Qt::NoModifier, 53},
    // The keypad's 0, 2 and 3 with Num Lock off.
    {"KPIns", Qt::Key_Insert, Qt::KeypadModifier, 90},
    {"KPDown", Qt::Key_Down, Qt::KeypadModifier, 88},
    {"KPPgDn", Qt::Key_PageDown, Qt::KeypadModifier, 89},
};

void PrintTo(const KeyboardGame& game, std::ostream* os) { *os << game.name; }

class KeyboardPlay : public PpScreen, public ::testing::WithParamInterface<KeyboardGame> {
protected:
    const KeyboardGame& game() const { return GetParam(); }

    // Sends "+K" (press), "-K" (release), "~K" (one auto-repeat of a held key: the window
    // system's release and press with one event time, which Qt did not mark as a repeat) and
    // "*K" (the same pair marked) to the screen, in order, each event at a later event time;
    // then waits until the screen has heard the last release.
    void keys(const QString& sequence)
    {
        for (const QString& token : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const NamedKey& k = named(token.mid(1));
            eventTime += 10;
            switch (token.at(0).toLatin1()) {
            case '+': send(k, QEvent::KeyPress, false); break;
            case '-': send(k, QEvent::KeyRelease, false); break;
            case '~':
            case '*':
                send(k, QEvent::KeyRelease, token.at(0) == QLatin1Char('*'));
                send(k, QEvent::KeyPress, token.at(0) == QLatin1Char('*'));
                break;
            default: FAIL() << token.toStdString();
            }
        }
        advance(platform::KeyFilter::kPairWaitMs);
    }

    // Holds key `name` down for `ms` milliseconds of the test clock as an X server repeats it:
    // after 660 ms a release and a press with one event time every 40 ms, none of them marked
    // as repeats by Qt; then lets it go and waits until the screen has heard the release.
    void hold(const QString& name, qint64 ms)
    {
        const NamedKey& k = named(name);
        const quint64 start = eventTime += 10;
        send(k, QEvent::KeyPress, false);
        for (qint64 t = 660; t < ms; t += 40) {
            advance(static_cast<qint64>(start) + t - static_cast<qint64>(eventTime));
            eventTime = start + static_cast<quint64>(t);
            send(k, QEvent::KeyRelease, false);
            send(k, QEvent::KeyPress, false);
        }
        advance(static_cast<qint64>(start) + ms - static_cast<qint64>(eventTime));
        eventTime = start + static_cast<quint64>(ms);
        send(k, QEvent::KeyRelease, false);
        advance(platform::KeyFilter::kPairWaitMs);
    }

    static const NamedKey& named(const QString& name)
    {
        const NamedKey* k = std::find_if(std::begin(kKeys), std::end(kKeys),
                                         [&](const NamedKey& n) { return name == QLatin1String(n.name); });
        if (k == std::end(kKeys))
            throw std::invalid_argument(name.toStdString());
        return *k;
    }

    void send(const NamedKey& k, QEvent::Type type, bool marked)
    {
        QKeyEvent e(type, k.key, k.modifiers, k.scan, 0, 0, QString(), marked);
        e.setTimestamp(eventTime);
        QCoreApplication::sendEvent(game().screen().windowHandle(), &e);
    }

    quint64 eventTime = 1000;

    // Taps player p's move keys until the cursor is under key k.
    void moveTo(int player, int key)
    {
        const int from = game().cursors().key(player);
        const bool right = from < key;
        const char* code = player == 1 ? (right ? "KP3" : "KP2") : (right ? "G" : "F");
        QStringList taps;
        for (int i = 0; i < std::abs(key - from); ++i)
            taps << QStringLiteral("+%1 -%1").arg(QLatin1String(code));
        keys(taps.join(QLatin1Char(' ')));
        ASSERT_EQ(game().cursors().key(player), key);
    }

    // A fresh screen for the next case of a table.
    void again()
    {
        testing_support::unloadAll();
        sounds.attach();
        pp().Label_niveau.setCaption(QStringLiteral("1"));
        pp().Label_choix_jeu.setCaption(QStringLiteral("1"));
        setDuration(QStringLiteral("60"));
        chooseStyle(6);
    }
};

INSTANTIATE_TEST_SUITE_P(Screens, KeyboardPlay, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<KeyboardGame>& info) { return std::string(info.param.name); });

// From a fresh screen with both cursors under key 20 and key 21 the right answer, a sequence of
// key events leaves the cursors, the flags, the note player, the judges' verdicts and the
// player who answered as in the row.
TEST_P(KeyboardPlay, KeyEventSequences)
{
    struct Row {
        const char* what;
        Mode mode;
        int start1, start2;
        const char* keys;
        int key1, key2;
        QStringList sounds;
        const char* flags;
        const char* player;
        const char* score;
    };
    const Row rows[] = {
        {"three taps of keypad 3", Mode::TwoPlayers, 20, 20, "+KP3 -KP3 +KP3 -KP3 +KP3 -KP3", 23, 20, {}, "1 1 on on", "Label2", "0/0"},
        {"a held move key moves once", Mode::TwoPlayers, 20, 20, "+KP3 ~KP3 *KP3 ~KP3", 21, 20, {}, "0 1 on on", "Label2", "0/0"},
        {"the other move key pressed and released meanwhile", Mode::TwoPlayers, 20, 20, "+KP3 +KP2 -KP2 ~KP3 ~KP2",
         21, 20, {}, "0 1 on on", "Label2", "0/0"},
        {"the move key released and pressed again", Mode::TwoPlayers, 20, 20, "+KP3 ~KP3 -KP3 +KP3", 22, 20, {},
         "0 1 on on", "Label2", "0/0"},
        {"keypad 2 under key 1", Mode::TwoPlayers, 1, 20, "+KP2", 1, 20, {}, "0 1 on on", "Label2", "0/0"},
        {"keypad 3 under key 40", Mode::TwoPlayers, 40, 20, "+KP3 -KP3", 40, 20, {}, "1 1 on on", "Label2", "0/0"},
        {"player 2 moves while player 1 holds a move key", Mode::TwoPlayers, 20, 20, "+KP2 +G -G +G -G ~KP2", 19, 22,
         {}, "0 1 on on", "Label2", "0/0"},
        {"player 2's left key, also with Shift", Mode::TwoPlayers, 20, 20, "+F -F +ShiftF", 20, 18, {}, "1 0 on on",
         "Label2", "0/0"},
        {"keypad 0 on the right key", Mode::TwoPlayers, 21, 20, "+KP0 -KP0", 21, 20, {"C5d_MD", "stop", "C5d_MU"},
         "1 1 on on", "1", "10/0"},
        {"a held play key plays once", Mode::TwoPlayers, 20, 20, "+KP0 ~KP0 ~KP0 -KP0", 20, 20,
         {"C5_MD", "faux", "C5_MU"}, "1 1 on on", "1", "-10/0"},
        {"player 2's held play key plays once", Mode::TwoPlayers, 20, 20, "+C ~C *C ~C -C", 20, 20,
         {"C5_MD", "faux", "C5_MU"}, "1 1 on on", "2", "0/-10"},
        {"the players do not block each other", Mode::TwoPlayers, 20, 21, "+KP0 +C -C ~KP0 -KP0", 20, 21,
         {"C5_MD", "faux", "C5d_MD", "stop", "C5d_MU", "C5_MU"}, "1 1 on on", "2", "-10/10"},
        {"other keys' releases do not re-arm a held play key", Mode::TwoPlayers, 20, 20, "+KP0 +G -G ~KP0 +X -X ~KP0",
         20, 21, {"C5_MD", "faux"}, "1 1 off on", "1", "-10/0"},
        {"the release stops the note its play key started", Mode::TwoPlayers, 20, 20, "+KP0 +KP3 -KP3 -KP0", 21, 20,
         {"C5_MD", "faux", "C5_MU"}, "1 1 on on", "1", "-10/0"},
        {"one player: C plays nothing and its release stops nothing", Mode::OnePlayer, 20, 20, "+KP0 +C -C", 20, 20,
         {"C5_MD", "faux"}, "1 1 off on", "1", "90"},
        {"one player: F and G move nothing", Mode::OnePlayer, 20, 20, "+G -G +F", 20, 20, {}, "1 1 on on", "Label2", "100"},
        {"mouse play: the six keys do nothing", Mode::Mouse, 20, 20, "+KP3 -KP3 +KP0 -KP0 +G -G +C -C", 20, 20, {},
         "1 1 on on", "Label2", "100"},
        {"Num Lock off: the keypad does nothing", Mode::OnePlayer, 20, 20,
         "+KPIns -KPIns +KPDown -KPDown +KPPgDn +KPIns", 20, 20, {}, "1 1 on on", "Label2", "100"},
    };
    bool first = true;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        if (!first)
            again();
        first = false;
        game().launch(r.mode);
        moveTo(1, r.start1);
        if (r.mode == Mode::TwoPlayers)
            moveTo(2, r.start2);
        game().setAnswer(21);
        sounds.take();
        keys(QString::fromLatin1(r.keys));
        EXPECT_EQ(game().cursors().key(1), r.key1);
        EXPECT_EQ(game().cursors().key(2), r.key2);
        EXPECT_EQ(sounds.take(), r.sounds);
        EXPECT_EQ(game().flags(), r.flags);
        EXPECT_EQ(game().player(), r.player);
        EXPECT_EQ(game().score(), r.score);
    }
}

// The cursors stand under the keys they name: player 1's from key 20 three keys right, player
// 2's one key right; below a black key higher than below a white one, player 2's lower.
TEST_P(KeyboardPlay, CursorsStandUnderTheirKeys)
{
    game().launch(Mode::TwoPlayers);
    auto* bleu = dynamic_cast<platform::PictureBox*>(game().screen().findChild<QWidget*>(QStringLiteral("Picture_bleu")));
    auto* rouge = dynamic_cast<platform::PictureBox*>(game().screen().findChild<QWidget*>(QStringLiteral("Picture_rouge")));
    ASSERT_TRUE(bleu && rouge);
    EXPECT_EQ(std::make_pair(bleu->left(), bleu->top()), std::make_pair(5850.0, 8070.0));
    EXPECT_EQ(std::make_pair(rouge->left(), rouge->top()), std::make_pair(5850.0, 8400.0));
    keys(QStringLiteral("+KP3 -KP3 +KP3 -KP3 +KP3 -KP3 +G -G"));
    EXPECT_EQ(std::make_pair(bleu->left(), bleu->top()), std::make_pair(6670.0, 6840.0));
    EXPECT_EQ(std::make_pair(rouge->left(), rouge->top()), std::make_pair(6070.0, 7110.0));
    keys(QStringLiteral("+G -G"));
    EXPECT_EQ(std::make_pair(rouge->left(), rouge->top()), std::make_pair(6360.0, 8400.0));
    // Over the keys, both of them.
    const QObjectList& children = game().screen().children();
    const auto at = [&](const QWidget* w) { return children.indexOf(const_cast<QWidget*>(w)); };
    auto* blackKey = game().screen().findChild<QWidget*>(QStringLiteral("Piano_21_reb"));
    EXPECT_GT(at(bleu), at(blackKey));
    EXPECT_GT(at(rouge), at(blackKey));
}

// Two players on the test clock: each one's answers move only their own score, until the time
// is out.
TEST_P(KeyboardPlay, TwoPlayerRound)
{
    setDuration(QStringLiteral("30"));
    game().launch(Mode::TwoPlayers);
    const auto answer = [&](int player, bool right) {
        int key = 1;
        while (key < games::common::kKeyCount && game().answers(key) != right)
            ++key;
        ASSERT_EQ(game().answers(key), right);
        moveTo(player, key);
        keys(player == 1 ? QStringLiteral("+KP0 -KP0") : QStringLiteral("+C -C"));
    };
    answer(1, true);
    EXPECT_EQ(game().score(), "10/0");
    advance(1000);  // the next note
    answer(2, false);
    EXPECT_EQ(game().score(), "10/-10");
    answer(2, true);
    EXPECT_EQ(game().score(), "10/0");
    advance(1000);
    answer(2, true);
    EXPECT_EQ(game().score(), "10/10");
    advance(1000);
    answer(1, false);
    answer(2, true);
    EXPECT_EQ(game().score(), "0/20");
    advance(30000);
    EXPECT_EQ(game().aide(), platform::form<media::Form_traduction>().Label_aide_fin_2joueurs.caption());
    answer(1, true);
    answer(2, true);
    EXPECT_EQ(game().score(), "0/20");
}

// A play key held five seconds on a wrong key, repeated as an X server does, is judged once: the
// score falls by 10 for the answer and by one point a second.
TEST_P(KeyboardPlay, AKeyHeldFiveSecondsIsJudgedOnce)
{
    game().launch(Mode::OnePlayer);
    game().setAnswer(21);
    sounds.take();
    const int before = game().score().toInt();
    hold(QStringLiteral("KP0"), 5000);
    EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "faux", "C5_MU"}));
    EXPECT_EQ(game().score().toInt(), before - 10 - 5);
    EXPECT_EQ(game().flags(), "1 1 on on");
}

// Keys held when the screen loses the keyboard: their releases come elsewhere or never, so the
// notes the play keys hold are stopped then and every flag is re-armed.  A key still held when
// the screen has the keyboard back repeats without moving or playing, and its late release
// changes nothing; a key let go elsewhere plays at its next press.
TEST_P(KeyboardPlay, LostKeyboard)
{
    struct Loss {
        const char* what;
        std::function<void()> take;
        bool screenStays;
    };
    const Loss losses[] = {
        {"a settings dialog", [this] { game().settings(); }, true},
        {"another screen", [] { platform::form<players::Form_bulles>().Show(); }, true},
        {"Retour", [this] { game().retour(); }, false},
    };
    QStringList duringDialog;
    platform::setModalHook([&](platform::Form& dialog) {
        testing_support::processEvents();
        duringDialog = sounds.take();
        dialog.Hide();
    });
    bool first = true;
    for (const Loss& loss : losses) {
        SCOPED_TRACE(loss.what);
        if (!first)
            again();
        first = false;
        duringDialog.clear();
        game().launch(Mode::TwoPlayers);
        moveTo(2, 22);
        game().setAnswer(21);
        sounds.take();
        keys(QStringLiteral("+KP0 +KP3 +C"));
        EXPECT_EQ(sounds.take(), (QStringList{"C5_MD", "faux", "D5_MD", "faux"}));
        ASSERT_TRUE(game().screen().hasKeyboard());
        loss.take();
        testing_support::processEvents();
        EXPECT_EQ(duringDialog + sounds.take(), (QStringList{"C5_MU", "D5_MU"}));
        if (!loss.screenStays)
            continue;
        EXPECT_EQ(game().flags(), "1 1 on on");
        game().screen().Show();
        // Keypad 3 and C are still held: their repeats neither move nor play.
        keys(QStringLiteral("~KP3 *C ~KP3 ~C"));
        EXPECT_EQ(sounds.take(), QStringList{});
        EXPECT_EQ(game().cursors().key(1), 21);
        EXPECT_EQ(game().flags(), "1 1 on on");
        // Keypad 0 was let go elsewhere: its next press plays.
        keys(QStringLiteral("+KP0"));  // the cursor moved to 21 before the loss
        keys(QStringLiteral("-KP3 -C"));
        EXPECT_EQ(sounds.take(), (QStringList{"C5d_MD", "stop"}));
        EXPECT_EQ(game().cursors().key(1), 21);
        keys(QStringLiteral("+KP3 -KP3 -KP0"));
        EXPECT_EQ(game().cursors().key(1), 22);
        EXPECT_EQ(sounds.take(), QStringList{"C5d_MU"});
    }
}

} // namespace
} // namespace pp_test
