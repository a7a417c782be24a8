// One round of the staff-to-keyboard game on the test clock: countdown, clock, bars, the pause
// after a right answer, level passed, level lost, two players, and the timers' hand-overs
// when the player restarts or stops in the middle.
#include "games/common/round.h"
#include "level_choice/form_choix_pp.h"
#include "media/form_image.h"
#include "media/form_traduction.h"
#include "pp_fixture.h"

#include <functional>

namespace pp_test {
namespace {

using testing_support::advance;

class PpRound : public PpScreen {
protected:
    void run(const std::vector<Step>& steps) { runSteps(steps, &state, sounds); }
    std::function<void()> jouer() { return [] { pp().Label_jouer.userClick(); }; }
    static std::function<void()> key(int k) { return [k] { press(k); }; }
    static QString aide() { return pp().Label_aide.caption(); }
    static media::Form_traduction& texts() { return platform::form<media::Form_traduction>(); }
};

// Level 1 with every draw 0: the note is always 19_si, key 19 (B4).
TEST_F(PpRound, TimelineOfARound)
{
    const QStringList right19{"B4_MD", "stop", "B4_MU"};
    run({
        {"Jouer", jouer(), "debut=3 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=1 pause=0 note=0(hidden)", {}},
        {"1 s", wait(1000), "debut=2 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=1 pause=0 note=0(hidden)", {}},
        {"2 s", wait(1000), "debut=1 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=1 pause=0 note=0(hidden)", {}},
        {"3 s: first note", wait(1000),
         "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {"pp 19"}},
        {"4 s", wait(1000), "debut=0(hidden) temps=59 score=99 barS=5821.2 barT=196 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {}},
        {"5 s", wait(1000), "debut=0(hidden) temps=58 score=98 barS=5762.4 barT=392 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {}},
        {"5.5 s: right key", [] { advance(500); press(19); },
         "debut=0(hidden) temps=58 score=108 barS=6350.4 barT=392 T1=1 T2=1 T3=0 T4=0 pause=1000 note=19", right19},
        {"6 s: the clock runs through the pause", wait(500),
         "debut=0(hidden) temps=57 score=107 barS=6291.6 barT=588 T1=1 T2=1 T3=0 T4=0 pause=1000 note=19", {}},
        {"6.5 s: next note", wait(500),
         "debut=0(hidden) temps=57 score=107 barS=6291.6 barT=588 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {"pp 19"}},
        {"wrong key", key(20),
         "debut=0(hidden) temps=57 score=97 barS=5703.6 barT=588 T1=1 T2=0 T3=1 T4=0 pause=0 note=19",
         {"C5_MD", "faux", "C5_MU"}},
        {"a second wrong key is judged too", key(22),
         "debut=0(hidden) temps=57 score=87 barS=5115.6 barT=588 T1=1 T2=0 T3=1 T4=0 pause=0 note=19",
         {"D5_MD", "faux", "D5_MU"}},
        {"7.5 s: the error pause ends", wait(1000),
         "debut=0(hidden) temps=56 score=86 barS=5056.8 barT=784 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {}},
    });
    EXPECT_EQ(pp().Label_timer3.caption(), "0");
}

TEST_F(PpRound, TimeBarStepFollowsTheDuration)
{
    for (const auto& [duration, ticks, width] :
         {std::tuple{"30", 1, 392.0}, {"30", 30, 11760.0}, {"900", 1, 11760.0 / 900}, {"60", 60, 11760.0}}) {
        SCOPED_TRACE(duration);
        setDuration(QString::fromLatin1(duration));
        startGame();
        pp().Label_score.setCaption(QStringLiteral("1000"));  // no end by points meanwhile
        advance(1000LL * ticks);
        EXPECT_NEAR(pp().Label_barre_temps.width(), width, 1e-6);
        EXPECT_EQ(pp().Label_temps.caption(), str(platform::val(QString::fromLatin1(duration)) - ticks));
    }
}

TEST_F(PpRound, TimeBarStopsAtFullWidthWhenTheDurationShrinksMidRound)
{
    setDuration(QStringLiteral("60"));
    startGame();
    pp().Label_score.setCaption(QStringLiteral("1000"));  // no end by points meanwhile
    advance(30 * 1000);
    EXPECT_NEAR(pp().Label_barre_temps.width(), 5880, 1e-6);
    setDuration(QStringLiteral("30"));
    advance(29 * 1000);
    EXPECT_EQ(pp().Label_temps.caption(), "1");
    EXPECT_NEAR(pp().Label_barre_temps.width(), games::common::kFullBar, 1e-6);
}

TEST_F(PpRound, ScoreBarStopsShrinkingAtFiftyNineTwips)
{
    startGame();
    pp().Label_barre_score.setWidth(59);
    advance(1000);
    EXPECT_EQ(pp().Label_barre_score.width(), 59);
    pp().Label_barre_score.setWidth(60);
    advance(1000);
    EXPECT_NEAR(pp().Label_barre_score.width(), 1.2, 1e-9);
}

// A right answer at 190 or 195 points reaches 200 or more: the level is passed.
TEST_F(PpRound, PassAtTwoHundred)
{
    for (const char* before : {"190", "195"}) {
        SCOPED_TRACE(before);
        startGame();
        pp().Label_score.setCaption(QString::fromLatin1(before));
        press(noteKey());
        EXPECT_EQ(pp().Label_score.caption(), str(platform::val(QString::fromLatin1(before)) + 10));
        EXPECT_EQ(pp().Label_barre_score.width(), games::common::kFullBar);
        EXPECT_EQ(aide(), texts().Label_aide_suivant.caption());
        EXPECT_TRUE(pp().Label_suite.enabled());
        EXPECT_TRUE(pp().Label_apparence.enabled());
        EXPECT_FALSE(pp().Timer1.enabled());
        EXPECT_FALSE(pp().Timer2.enabled());
        EXPECT_FALSE(pp().Picture_note.visible());
        EXPECT_FALSE(pp().Picture_note2.visible());
        sounds.take();
        advance(5000);  // nothing comes after a passed level
        EXPECT_EQ(sounds.take(), QStringList());
        EXPECT_EQ(pp().Label_score.caption(), str(platform::val(QString::fromLatin1(before)) + 10));
    }
}

TEST_F(PpRound, LastLevelPassedEndsTheGame)
{
    pp().Label_niveau.setCaption(QStringLiteral("14"));
    startGame();
    pp().Label_score.setCaption(QStringLiteral("190"));
    press(noteKey());
    EXPECT_EQ(aide(), texts().Label_aide_fin_1joueur.caption());
    EXPECT_FALSE(pp().Label_suite.enabled());
    EXPECT_FALSE(pp().Timer1.enabled());
}

TEST_F(PpRound, WrongAnswerAtFivePointsLosesAtTheNextTick)
{
    startGame();
    pp().Label_score.setCaption(QStringLiteral("5"));
    pp().Label_barre_score.setWidth(294);
    press(wrongKey());
    EXPECT_EQ(pp().Label_score.caption(), "-5");
    EXPECT_EQ(pp().Label_barre_score.width(), 0);
    EXPECT_TRUE(pp().Timer1.enabled());
    advance(1000);
    EXPECT_EQ(pp().Label_score.caption(), "0");
    EXPECT_EQ(aide(), texts().Label_aide_perdu_1joueur.caption());
    EXPECT_FALSE(pp().Timer1.enabled());
    EXPECT_FALSE(pp().Timer3.enabled());
    EXPECT_FALSE(pp().Picture_note.visible());
    EXPECT_TRUE(pp().Label_apparence.enabled());
}

TEST_F(PpRound, TimeOutLoses)
{
    startGame();
    pp().Label_temps.setCaption(QStringLiteral("1"));
    sounds.take();
    advance(1000);
    EXPECT_EQ(pp().Label_temps.caption(), "0");
    EXPECT_EQ(pp().Label_score.caption(), "0");
    EXPECT_EQ(aide(), texts().Label_aide_perdu_1joueur.caption());
    EXPECT_EQ(pp().Label_barre_score.width(), 0);
    EXPECT_FALSE(pp().Timer1.enabled());
    EXPECT_FALSE(pp().Timer3.enabled());
    EXPECT_EQ(sounds.take(), QStringList());  // the end is no wrong answer: no effect
}

class PpTwoPlayers : public PpRound {
protected:
    void SetUp() override
    {
        PpRound::SetUp();
        for (platform::Label* shown : {&pp().Label_nom1, &pp().Label_nom2, &pp().Label_score1, &pp().Label_score2})
            shown->setVisible(true);
        for (platform::Label* hidden : {&pp().Label_barre_score, &pp().Label_rouge_score, &pp().Label_sc, &pp().Label_score})
            hidden->setVisible(false);
    }
    static QString scores() { return pp().Label_score1.caption() + QLatin1Char('/') + pp().Label_score2.caption(); }
};

TEST_F(PpTwoPlayers, EachPlayerScoresForHimself)
{
    startGame();
    struct Answer { const char* player; bool right; const char* scores; };
    for (const Answer& a : {Answer{"1", true, "10/0"}, {"2", false, "10/-10"}, {"2", false, "10/-20"},
                            {"2", true, "10/-10"}, {"3", true, "10/-10"}, {"3", false, "10/-10"}}) {
        SCOPED_TRACE(std::string(a.player) + (a.right ? " right" : " wrong"));
        advance(1000);  // any pause is over
        pp().Label_reponse_joueur.setCaption(QString::fromLatin1(a.player));
        press(a.right ? noteKey() : wrongKey());
        EXPECT_EQ(scores(), a.scores);
        EXPECT_EQ(pp().Timer2.enabled(), a.right);  // the pause is armed for a right answer
    }
    EXPECT_TRUE(pp().Timer1.enabled());
}

// The hidden one-player score runs below 0 after 100 seconds; two-player games end on time
// only, so it neither ends the game nor costs anyone points.
TEST_F(PpTwoPlayers, EndOnTimeOnly)
{
    setDuration(QStringLiteral("120"));
    startGame();
    sounds.take();
    advance(119000);
    EXPECT_EQ(pp().Label_temps.caption(), "1");
    EXPECT_EQ(pp().Label_score.caption(), "-19");
    EXPECT_EQ(scores(), "0/0");
    EXPECT_EQ(sounds.take(), QStringList());
    EXPECT_TRUE(pp().Timer1.enabled());
    advance(1000);
    EXPECT_EQ(aide(), texts().Label_aide_fin_2joueurs.caption());
    EXPECT_FALSE(pp().Timer1.enabled());
    EXPECT_FALSE(pp().Picture_note.visible());
    EXPECT_EQ(scores(), "0/0");
    advance(5000);
    EXPECT_EQ(sounds.take(), QStringList());
}

TEST_F(PpTwoPlayers, JouerResetsBothScores)
{
    startGame();
    pp().Label_reponse_joueur.setCaption(QStringLiteral("1"));
    press(noteKey());
    pp().Label_jouer.userClick();
    EXPECT_EQ(scores(), "0/0");
}

// -------------------------------------------------------------------- restart and stop

TEST_F(PpRound, JouerDuringThePause)
{
    startGame();
    run({
        {"right key", key(19), "debut=0(hidden) temps=60 score=110 barS=6468 barT=0 T1=1 T2=1 T3=0 T4=0 pause=1000 note=19",
         {"pp 19", "B4_MD", "stop", "B4_MU"}},
        {"Jouer", jouer(), "debut=3 temps=60 score=110 barS=6468 barT=0 T1=0 T2=0 T3=0 T4=1 pause=0 note=19(hidden)", {}},
        {"1 s: no note, no clock", wait(1000),
         "debut=2 temps=60 score=110 barS=6468 barT=0 T1=0 T2=0 T3=0 T4=1 pause=0 note=19(hidden)", {}},
        {"3 s: the new round", wait(2000),
         "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {"pp 19"}},
    });
}

TEST_F(PpRound, JouerMidRound)
{
    startGame();
    advance(1000);
    sounds.take();
    run({
        {"wrong key", key(20), "debut=0(hidden) temps=59 score=89 barS=5233.2 barT=196 T1=1 T2=0 T3=1 T4=0 pause=0 note=19",
         {"C5_MD", "faux", "C5_MU"}},
        {"Jouer", jouer(), "debut=3 temps=59 score=89 barS=5233.2 barT=196 T1=0 T2=0 T3=0 T4=1 pause=0 note=19(hidden)", {}},
        {"the hidden note is not judged", key(19),
         "debut=3 temps=59 score=89 barS=5233.2 barT=196 T1=0 T2=0 T3=0 T4=1 pause=0 note=19(hidden)", {"B4_MD", "B4_MU"}},
        {"2 s: the clock stands", wait(2000),
         "debut=1 temps=59 score=89 barS=5233.2 barT=196 T1=0 T2=0 T3=0 T4=1 pause=0 note=19(hidden)", {}},
        {"3 s", wait(1000), "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {"pp 19"}},
    });
}

TEST_F(PpRound, ArreterDuringThePause)
{
    startGame();
    run({
        {"right key", key(19), "debut=0(hidden) temps=60 score=110 barS=6468 barT=0 T1=1 T2=1 T3=0 T4=0 pause=1000 note=19",
         {"pp 19", "B4_MD", "stop", "B4_MU"}},
        {"Arrêter", [] { pp().Label_stop.userClick(); },
         "debut=0(hidden) temps=60 score=110 barS=6468 barT=0 T1=0 T2=0 T3=0 T4=0 pause=1000 note=19", {}},
        {"no next note, the clock stays off", wait(5000),
         "debut=0(hidden) temps=60 score=110 barS=6468 barT=0 T1=0 T2=0 T3=0 T4=0 pause=1000 note=19", {}},
        {"a key only sounds", key(19),
         "debut=0(hidden) temps=60 score=110 barS=6468 barT=0 T1=0 T2=0 T3=0 T4=0 pause=1000 note=19", {"B4_MD", "B4_MU"}},
    });
    EXPECT_TRUE(pp().Label_apparence.enabled());
}

TEST_F(PpRound, ArreterDuringTheCountdown)
{
    run({
        {"Jouer", jouer(), "debut=3 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=1 pause=0 note=0(hidden)", {}},
        {"1 s", wait(1000), "debut=2 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=1 pause=0 note=0(hidden)", {}},
        {"Arrêter", [] { pp().Label_stop.userClick(); },
         "debut=2(hidden) temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=0 pause=0 note=0(hidden)", {}},
        {"no game starts", wait(5000),
         "debut=2(hidden) temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T3=0 T4=0 pause=0 note=0(hidden)", {}},
    });
}

TEST_F(PpRound, ALossDuringThePauseStaysLost)
{
    startGame();
    pp().Label_temps.setCaption(QStringLiteral("2"));
    advance(500);
    run({
        {"right key", key(19), "debut=0(hidden) temps=2 score=110 barS=6468 barT=0 T1=1 T2=1 T3=0 T4=0 pause=1000 note=19",
         {"pp 19", "B4_MD", "stop", "B4_MU"}},
        {"1 s: one second left", wait(500),
         "debut=0(hidden) temps=1 score=109 barS=6409.2 barT=196 T1=1 T2=1 T3=0 T4=0 pause=1000 note=19", {}},
        {"the pause's end brings the next note", wait(500),
         "debut=0(hidden) temps=1 score=109 barS=6409.2 barT=196 T1=1 T2=0 T3=0 T4=0 pause=0 note=19", {"pp 19"}},
        {"2 s: lost", wait(500),
         "debut=0(hidden) temps=0 score=0 barS=0 barT=392 T1=0 T2=0 T3=0 T4=0 pause=0 note=19(hidden)", {}},
    });
    // A right answer pending when the time runs out.
    startGame();
    pp().Label_temps.setCaption(QStringLiteral("1"));
    advance(500);
    press(19);
    sounds.take();
    run({
        {"time out in the pause", wait(500),
         "debut=0(hidden) temps=0 score=0 barS=0 barT=196 T1=0 T2=0 T3=0 T4=0 pause=1000 note=19(hidden)", {}},
        {"the game stays over", wait(5000),
         "debut=0(hidden) temps=0 score=0 barS=0 barT=196 T1=0 T2=0 T3=0 T4=0 pause=1000 note=19(hidden)", {}},
    });
    EXPECT_EQ(aide(), texts().Label_aide_perdu_1joueur.caption());
}

TEST_F(PpRound, SuivantGoesOneLevelUpAndCountsDown)
{
    for (int level = 1; level <= 14; ++level) {
        SCOPED_TRACE(level);
        pp().Label_niveau.setCaption(str(level));
        startGame();
        pp().Label_score.setCaption(QStringLiteral("190"));
        press(noteKey());
        pp().Label_suite.setEnabled(true);  // also at level 14, where the screen never offers it
        pp().Label_suite.userClick();
        EXPECT_EQ(pp().Label_niveau.caption(), str(std::min(level + 1, 14)));
        EXPECT_EQ(pp().Timer4.enabled(), level < 14);
        EXPECT_EQ(pp().Label_aide.caption(), "");
        advance(3000);
        EXPECT_EQ(pp().Timer1.enabled(), level < 14);
    }
}

// However fast the clicks come during the countdown, one pass of a level gives one level up.
TEST_F(PpRound, SuivantTakesOneLevelPerPass)
{
    startGame();
    pp().Label_score.setCaption(QStringLiteral("190"));
    press(noteKey());
    ASSERT_TRUE(pp().Label_suite.enabled());
    for (int click = 0; click < 4; ++click) {
        pp().Label_suite.userClick();
        advance(200);
    }
    EXPECT_EQ(pp().Label_niveau.caption(), "2");
    EXPECT_FALSE(pp().Label_suite.enabled());
    advance(3000);
    EXPECT_EQ(pp().Label_niveau.caption(), "2");
    EXPECT_TRUE(pp().Timer1.enabled());
}

// The sad face belongs to the note on the staff: a style chosen in the dialog while a note
// is shown counts from the next game on.
TEST_F(PpRound, SadFaceFollowsTheNoteDrawnNotTheDialog)
{
    struct Row { const char* what; int drawnIn; int chosenMeanwhile; bool sadFace; };
    for (const Row& r : {Row{"smiley drawn, smiley chosen", 2, 2, true},
                         Row{"smiley drawn, ronde chosen", 2, 1, true},
                         Row{"bulle drawn, smiley chosen", 6, 2, false},
                         Row{"bulle drawn, bulle chosen", 6, 6, false}}) {
        SCOPED_TRACE(r.what);
        chooseStyle(r.drawnIn);
        startGame();
        chooseStyle(r.chosenMeanwhile);
        press(wrongKey());
        EXPECT_EQ(pp().Picture_note.visible(), !r.sadFace);  // hidden: the sad face beneath shows
        EXPECT_EQ(pp().Timer3.enabled(), !r.sadFace);       // no sad face: the pause after an error
        EXPECT_EQ(pp().Label_score.caption(), "90");
    }
}

TEST_F(PpRound, SmileyWrongAnswerShowsTheSadFaceWithoutPause)
{
    chooseStyle(2);
    startGame();
    EXPECT_EQ(pp().nb_note.caption(), "2");
    EXPECT_FALSE(pp().Picture_note2.picture().isNull());
    press(wrongKey());
    EXPECT_FALSE(pp().Picture_note.visible());
    EXPECT_TRUE(pp().Picture_note2.visible());
    EXPECT_FALSE(pp().Timer3.enabled());
    press(noteKey());
    advance(1000);
    EXPECT_TRUE(pp().Picture_note.visible());
}

// The metronome starts on the right-swung picture and alternates every second in the game's
// colour, across games on the same screen.
TEST_F(PpRound, MetronomeSwings)
{
    auto& store = platform::form<media::Form_image>();
    pp().Label_choix_jeu.setCaption(QStringLiteral("2"));
    startGame();
    advance(1000);
    EXPECT_EQ(pp().Metronome_stop.picture().cacheKey(), store.Metronome_gauche_rouge_clair.picture().cacheKey());
    advance(1000);
    EXPECT_EQ(pp().Metronome_stop.picture().cacheKey(), store.Metronome_droite_rouge_clair.picture().cacheKey());
    startGame();
    advance(1000);
    EXPECT_EQ(pp().Metronome_stop.picture().cacheKey(), store.Metronome_gauche_rouge_clair.picture().cacheKey());
}

} // namespace
} // namespace pp_test
