// One round of the staff-to-name game on the test clock: countdown, clock, bars, judging of the
// name buttons, the pause after a right answer, the timers' hand-overs, scores and level ends
// with the progress on disk, the scored run, the sad face and a wrong answer's effect box.
#include "level_choice/form_choix_pn.h"
#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "platform/resources.h"
#include "pn_fixture.h"
#include "players/form_joueurs.h"
#include "players/form_options.h"
#include "players/score_fixture.h"
#include "players/form_nouveau_joueur.h"

#include <functional>

namespace pn_test {
namespace {

using testing_support::advance;

using pp_test::runSteps;
using pp_test::Step;
using pp_test::wait;

class PnRound : public PnScreen {
protected:
    void run(const std::vector<Step>& steps) { runSteps(steps, &state, sounds); }
    static std::function<void()> name(const char* note) { return [note] { answer(QString::fromLatin1(note)); }; }
    static QString aide() { return pn().Label_aide.caption(); }
    static media::Form_traduction& texts() { return platform::form<media::Form_traduction>(); }

    // The player chosen at the login, whose name a scored run enters.
    static void chooseLea()
    {
        auto& joueurs = platform::form<players::Form_joueurs>();
        joueurs.DBCombo1.addItem(QStringLiteral("Léa"));
        joueurs.DBCombo1.setListIndex(joueurs.DBCombo1.listCount() - 1);
    }

    // A wrong answer whose effect fails: the child leaves its box open for that long, every
    // later box is closed at once; boxes counts them all.
    void answerWrongLeavingTheBoxOpen(qint64 ms)
    {
        failingEffects();
        platform::setMsgBoxHook([this, ms](const QString&, int, const QString&) {
            if (++boxes == 1)
                advance(ms);
            return 1;
        });
        answerWrong();
    }
    int boxes = 0;
};

// Level 1 with every draw 0: the note is always 19_si, key 19, "si".
TEST_F(PnRound, TimelineOfARound)
{
    run({
        {"Jouer", [] { pn().Label_jouer.userClick(); },
         "debut=3 temps=0 score=0 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 note=0(hidden)", {}},
        {"a name before the first note", name("si"),
         "debut=3 temps=0 score=0 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 note=0(hidden)", {}},
        {"1 s", wait(1000), "debut=2 temps=0 score=0 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 note=0(hidden)", {}},
        {"2 s", wait(1000), "debut=1 temps=0 score=0 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 note=0(hidden)", {}},
        {"3 s: first note", wait(1000),
         "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T4=0 pause=0 note=19", {"pn 19"}},
        {"4 s", wait(1000), "debut=0(hidden) temps=59 score=99 barS=5821.2 barT=196 T1=1 T2=0 T4=0 pause=0 note=19", {}},
        {"4.5 s: right name", [] { advance(500); answer(QStringLiteral("si")); },
         "debut=0(hidden) temps=59 score=109 barS=6409.2 barT=196 T1=1 T2=1 T4=0 pause=1000 note=19", {"stop"}},
        {"a name during the pause", name("do"),
         "debut=0(hidden) temps=59 score=109 barS=6409.2 barT=196 T1=1 T2=1 T4=0 pause=1000 note=19", {}},
        {"5 s: the clock runs through the pause", wait(500),
         "debut=0(hidden) temps=58 score=108 barS=6350.4 barT=392 T1=1 T2=1 T4=0 pause=1000 note=19", {}},
        {"5.5 s: next note", wait(500),
         "debut=0(hidden) temps=58 score=108 barS=6350.4 barT=392 T1=1 T2=0 T4=0 pause=0 note=19", {"pn 19"}},
        {"wrong name", name("do"),
         "debut=0(hidden) temps=58 score=98 barS=5762.4 barT=392 T1=1 T2=0 T4=0 pause=0 note=19", {"faux"}},
        {"a second wrong name is judged too", name("re"),
         "debut=0(hidden) temps=58 score=88 barS=5174.4 barT=392 T1=1 T2=0 T4=0 pause=0 note=19", {"faux"}},
        {"6 s", wait(500), "debut=0(hidden) temps=57 score=87 barS=5115.6 barT=588 T1=1 T2=0 T4=0 pause=0 note=19", {}},
    });
    EXPECT_EQ(pn().Label_nom.caption(), "si");
}

// The name drawn is the only right answer: the same key under another name is wrong.
TEST_F(PnRound, EnharmonicNameIsWrong)
{
    pn().Label_niveau.setCaption(QStringLiteral("10"));
    random.script = {0.0};  // the first note of level 10: key 8, do
    startGame();
    ASSERT_EQ(pn().Label_nom.caption(), "do");
    ASSERT_EQ(pn().Label_note.caption(), "8");
    sounds.take();
    answer(QStringLiteral("sid"));
    EXPECT_EQ(pn().Label_score.caption(), "90");
    EXPECT_EQ(sounds.take(), QStringList{"faux"});
    answer(QStringLiteral("do"));
    EXPECT_EQ(pn().Label_score.caption(), "100");
}

// What the timers do when the player restarts, stops or moves on in the middle: no timer of
// the round before acts after a new start, and nothing starts the clock after a stop.
TEST_F(PnRound, TimerHandOvers)
{
    const std::vector<Step> cases{
        {"Jouer in the pause",
         [] {
             answer(QStringLiteral("si"));
             pn().Label_jouer.userClick();
             advance(3500);
         },
         "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T4=0 pause=0 note=19", {"stop", "pn 19"}},
        {"Jouer mid-round",
         [] {
             advance(2000);
             pn().Label_jouer.userClick();
             advance(2000);
             EXPECT_EQ(pn().Label_temps.caption(), "58");  // the old clock stopped at once
             advance(1500);
         },
         "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T4=0 pause=0 note=19", {"pn 19"}},
        {"Arrêter in the pause",
         [] {
             answer(QStringLiteral("si"));
             pn().Label_stop.userClick();
             advance(5000);
         },
         "debut=0(hidden) temps=0 score=100 barS=6468 barT=0 T1=0 T2=0 T4=0 pause=1000 note=19", {"stop"}},
        {"Arrêter in the countdown",
         [] {
             pn().Label_jouer.userClick();
             advance(1000);
             pn().Label_stop.userClick();
             advance(5000);
         },
         "debut=2(hidden) temps=0 score=100 barS=5880 barT=0 T1=0 T2=0 T4=0 pause=0 note=19(hidden)", {}},
        {"time out in the pause",
         [] {
             pn().Label_temps.setCaption(QStringLiteral("1"));
             advance(500);
             answer(QStringLiteral("si"));
             advance(3000);
         },
         // The clock's end plays the wrong-answer effect.
         "debut=0(hidden) temps=0 score=0 barS=0 barT=196 T1=0 T2=0 T4=0 pause=1000 note=19(hidden)", {"stop", "faux"}},
        {"Suivant",
         [] {
             pn().Label_score.setCaption(QStringLiteral("190"));
             answer(QStringLiteral("si"));
             pn().Label_suite.userClick();
             pn().Label_suite.userClick();  // one level per pass
             EXPECT_EQ(pn().Label_niveau.caption(), "2");
             advance(3000);
         },
         "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T4=0 pause=0 note=17", {"stop", "pn 17"}},
    };
    for (const Step& c : cases) {
        SCOPED_TRACE(c.what);
        pn().Label_niveau.setCaption(QStringLiteral("1"));
        startGame();
        sounds.take();
        c.act();
        EXPECT_EQ(state(), c.state);
        EXPECT_EQ(sounds.take(), c.sounds);
    }
}

class PnScores : public PnRound {
protected:
    void SetUp() override
    {
        PnRound::SetUp();
        newPlayerRow();
    }
};

// Scores and level ends, one answer each, with the progress in the player's row on disk.
TEST_F(PnScores, ScoresLevelEndsAndProgress)
{
    struct Row {
        const char* level;
        const char* progress;
        const char* before;
        bool right;
        const char* after;
        const char* text;  // "" / "suivant" / "fin" / "perdu"
        double bar;        // the score bar after the answer (it starts at 5880 here)
        bool clock;        // the clock still runs
        const char* stored;
    };
    const Row rows[] = {
        {"1", "1", "100", true, "110", "", 6468, true, "1"},
        {"1", "1", "190", true, "200", "suivant", 11760, false, "2"},
        {"2", "2", "195", true, "205", "suivant", 11760, false, "3"},
        {"3", "3", "199", true, "209", "suivant", 11760, false, "4"},
        {"4", "4", "190", true, "200", "suivant", 11760, false, "14"},
        {"3", "4", "190", true, "200", "suivant", 11760, false, "4"},
        {"5", "14", "190", true, "200", "suivant", 11760, false, "14"},
        {"14", "14", "190", true, "200", "fin", 11760, false, "14"},
        {"1", "1", "100", false, "90", "", 5292, true, "1"},
        {"1", "1", "5", false, "-5", "", 5292, true, "1"},
        {"1", "1", "0", false, "0", "perdu", 0, false, "1"},
        {"1", "1", "-5", false, "0", "perdu", 0, false, "1"},
    };
    auto& record = platform::form<players::Form_nouveau_joueur>();
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("level ") + r.level + ", progress " + r.progress + ", score " + r.before +
                     (r.right ? " right" : " wrong"));
        record.Label_pn.setCaption(QString::fromLatin1(r.progress));
        record.Command_UpdateRecord.click();
        pn().Label_niveau.setCaption(QString::fromLatin1(r.level));
        startGame();
        pn().Label_score.setCaption(QString::fromLatin1(r.before));
        sounds.take();
        if (r.right)
            answerRight();
        else
            answerWrong();
        EXPECT_EQ(pn().Label_score.caption(), r.after);
        const QString text = QLatin1String(r.text);
        EXPECT_EQ(aide(), text == "suivant" ? texts().Label_aide_suivant.caption()
                          : text == "fin"   ? texts().Label_aide_fin_1joueur.caption()
                          : text == "perdu" ? texts().Label_aide_perdu_1joueur.caption()
                                            : QString());
        EXPECT_EQ(pn().Label_barre_score.width(), r.bar);
        EXPECT_EQ(pn().Timer1.enabled(), r.clock);
        EXPECT_EQ(pn().Label_suite.enabled(), text == "suivant");
        EXPECT_EQ(pn().Picture_note.visible(), r.clock);
        EXPECT_EQ(record.Data1.value(QStringLiteral("pn")), r.stored);
        if (!r.clock) {
            EXPECT_TRUE(pn().Label_apparence.enabled());
        }
        // Every wrong answer plays its effect, the one that loses the level too.
        EXPECT_EQ(sounds.take().contains("faux"), !r.right);
    }
    EXPECT_EQ(screens.messages, QStringList());
}

// A wrong answer that leaves the score at or below 0 ends the level at the next tick, which
// plays the effect a second time; a right answer within that second saves it.
TEST_F(PnScores, ClockEndsALevelAtZeroPoints)
{
    startGame();
    pn().Label_score.setCaption(QStringLiteral("5"));
    sounds.take();
    answerWrong();
    EXPECT_EQ(pn().Label_score.caption(), "-5");
    EXPECT_EQ(sounds.take(), QStringList{"faux"});
    advance(1000);
    EXPECT_EQ(pn().Label_score.caption(), "0");
    EXPECT_EQ(aide(), texts().Label_aide_perdu_1joueur.caption());
    EXPECT_EQ(sounds.take(), QStringList{"faux"});
    advance(5000);
    EXPECT_EQ(sounds.take(), QStringList());

    startGame();
    pn().Label_score.setCaption(QStringLiteral("5"));
    answerWrong();
    answerRight();
    advance(1000);
    EXPECT_EQ(pn().Label_score.caption(), "4");
    EXPECT_TRUE(pn().Timer1.enabled());
}

// A passed level refreshes the level-choice screen beneath: the earned levels unlock.
TEST_F(PnScores, PassedLevelUnlocksOnTheOpenLevelChoice)
{
    auto& record = platform::form<players::Form_nouveau_joueur>();
    record.Label_pn.setCaption(QStringLiteral("4"));
    auto& choice = platform::form<level_choice::Form_choix_pn>();
    EXPECT_FALSE(choice.levelEntry(5).enabled());
    pn().Label_niveau.setCaption(QStringLiteral("4"));
    startGame();
    pn().Label_score.setCaption(QStringLiteral("190"));
    answerRight();
    for (int level = 1; level <= 14; ++level)
        EXPECT_TRUE(choice.levelEntry(level).enabled()) << level;
}

// The scored run: 60 seconds from 0 points, no end by score, the end at 0 seconds.
TEST_F(PnRound, ScoredRun)
{
    score_test::ScoreScreens scores;
    chooseLea();
    setDuration(QStringLiteral("120"));
    pn().save_score.setVisible(true);
    startGame();
    EXPECT_EQ(pn().Label_temps.caption(), "60");
    EXPECT_EQ(pn().Label_score.caption(), "0");
    sounds.take();
    answerWrong();
    answerWrong();
    EXPECT_EQ(pn().Label_score.caption(), "-20");
    EXPECT_EQ(pn().Label_barre_score.width(), 5880);  // the bars are not touched
    EXPECT_EQ(sounds.take(), QStringList({"faux", "faux"}));
    pn().Label_score.setCaption(QStringLiteral("195"));
    answerRight();
    EXPECT_EQ(pn().Label_score.caption(), "205");
    EXPECT_EQ(aide(), "");
    EXPECT_TRUE(pn().Timer2.enabled());
    advance(58000);
    EXPECT_TRUE(pn().Timer1.enabled());
    EXPECT_EQ(pn().Label_temps.caption(), "2");
    sounds.take();
    advance(2000);
    EXPECT_EQ(pn().Label_temps.caption(), "0");
    EXPECT_FALSE(pn().Timer1.enabled());
    EXPECT_FALSE(pn().Timer2.enabled());
    EXPECT_FALSE(pn().Picture_note.visible());
    EXPECT_TRUE(pn().Label_apparence.enabled());
    EXPECT_EQ(pn().Label_score.caption(), "145");
    EXPECT_EQ(sounds.take(), QStringList());
    EXPECT_NEAR(pn().Label_barre_temps.width(), games::common::kFullBar, 1e-6) << "full in the run's minute";
    // The player chosen at the login and the score enter the high scores of "pn", once.
    ASSERT_EQ(scores.showings.size(), 1);
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), "pn");
    EXPECT_EQ(scores.showings[0].rows.value(0), "1. Léa|145");
    EXPECT_EQ(scores.showings[0].selected, 0);
    EXPECT_EQ(scores.entries(QStringLiteral("pn")).value(0), "Léa|145");
    advance(5000);
    EXPECT_EQ(pn().Label_temps.caption(), "0");
    EXPECT_EQ(scores.showings.size(), 1);
}

// The sad face shows after a wrong answer only when the note was drawn with it.
TEST_F(PnRound, SadFaceFollowsTheNoteDrawn)
{
    chooseStyle(2);
    startGame();
    answerWrong();
    EXPECT_FALSE(pn().Picture_note.visible());
    EXPECT_TRUE(pn().Picture_note2.visible());
    answerWrong();
    EXPECT_FALSE(pn().Picture_note.visible());
    answerRight();
    EXPECT_FALSE(pn().Picture_note.visible());  // until the pause ends
    advance(1000);
    EXPECT_TRUE(pn().Picture_note.visible());

    chooseStyle(5);
    startGame();
    chooseStyle(2);  // chosen meanwhile: the note on the staff has no sad face
    answerWrong();
    EXPECT_TRUE(pn().Picture_note.visible());
}

// Nothing chosen in the dialog (or a stored style out of range): the notes draw in bulle.
TEST_F(PnRound, NoStyleDrawsInBulle)
{
    chooseStyle(0);
    pn().nb_note.setCaption(QStringLiteral("nb_note"));
    startGame();
    EXPECT_EQ(pn().nb_note.caption(), "nb_note");
    media::ResPicture rp;
    rp.setFileName(platform::programFile());
    EXPECT_EQ(pn().Picture_note.picture().toImage(), rp.LoadResPicture("bulle", "19_si").toImage());
}

// Every level draws a note when the countdown ends, and sounds it.
TEST_F(PnRound, EveryLevelDrawsAndSounds)
{
    for (int level = 1; level <= 14; ++level) {
        SCOPED_TRACE(level);
        pn().Label_niveau.setCaption(str(level));
        pn().Label_note.setCaption(QStringLiteral("0"));
        random.script = {0.37};
        startGame();
        const QString key = pn().Label_note.caption();
        EXPECT_NE(key, "0");
        EXPECT_EQ(sounds.take(), QStringList{QStringLiteral("pn ") + key});
        EXPECT_TRUE(pn().Timer1.enabled());
        EXPECT_TRUE(pn().bouton_du_nom(pn().Label_nom.caption())->visible());
    }
}

// A wrong answer whose effect shows a message box: the clock goes on behind it, the level
// lost meanwhile stays lost at 0, and that answer shows one box, no more.
TEST_F(PnRound, EffectBoxLeftOpen)
{
    startGame();
    // The child leaves the box open until the time is out.
    answerWrongLeavingTheBoxOpen(61000);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(pn().Label_score.caption(), "0") << state().toStdString();
    EXPECT_FALSE(pn().Timer1.enabled());
    EXPECT_EQ(pn().Label_aide.caption(), texts().Label_aide_perdu_1joueur.caption());
    advance(5000);
    EXPECT_EQ(boxes, 1);
}

// The same in a scored run: the run ends once behind the box, with the score it had then, and
// the wrong answer takes no points from it afterwards.
TEST_F(PnRound, EffectBoxLeftOpenInAScoredRun)
{
    score_test::ScoreScreens scores;
    chooseLea();
    pn().save_score.setVisible(true);
    startGame();
    pn().Label_score.setCaption(QStringLiteral("150"));
    answerWrongLeavingTheBoxOpen(61000);
    EXPECT_EQ(boxes, 1);
    EXPECT_FALSE(pn().Timer1.enabled());
    EXPECT_EQ(pn().Label_score.caption(), "90") << "60 seconds gone, no answer counted";
    ASSERT_EQ(scores.showings.size(), 1);
    EXPECT_EQ(scores.entries(QStringLiteral("pn")).value(0), "Léa|90");
}

} // namespace
} // namespace pn_test
