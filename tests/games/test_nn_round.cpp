// One round of the name-to-keyboard games on the test clock: countdown, questions, clock,
// bars, the pause after a right answer, level passed with the progress on disk, level lost,
// two players, the scored run, "Suivant", and the timers' hand-overs at every start and end.
#include "games/common/round.h"
#include "games/name_keyboard/questions.h"
#include "level_choice/form_choix_nn.h"
#include "media/form_image.h"
#include "nn_fixture.h"

#include <functional>

namespace nn_test {
namespace {

using testing_support::advance;

using pp_test::Step;
using pp_test::wait;

class NnRound : public NnScreen {
protected:
    void run(const std::vector<Step>& steps) { pp_test::runSteps(steps, &state, sounds); }
    static std::function<void()> key(int k) { return [k] { press(k); }; }
    static QString aide() { return nn().Label_aide.caption(); }
    // Passes the level at hand: one right answer at 195 points.
    static void passLevel()
    {
        startGame();
        nn().Label_score.setCaption(QStringLiteral("195"));
        press(rightKey());
    }
};

// Level 1 with every draw 0: the name is always "si", answered by key 19 (B4) among others.
TEST_F(NnRound, TimelineOfARound)
{
    const QStringList right19{"B4_MD", "stop", "B4_MU"};
    run({
        {"Jouer", [] { nn().Label_jouer.userClick(); },
         "debut=3 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 nom=Do sostenido(hidden)", {}},
        {"1 s", wait(1000), "debut=2 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 nom=Do sostenido(hidden)", {}},
        {"a key in the countdown only sounds", key(19),
         "debut=2 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 nom=Do sostenido(hidden)", {"B4_MD", "B4_MU"}},
        {"2 s", wait(1000), "debut=1 temps=0 score=100 barS=5880 barT=15 T1=0 T2=0 T4=1 pause=0 nom=Do sostenido(hidden)", {}},
        {"3 s: first name", wait(1000), "debut=0(hidden) temps=60 score=100 barS=5880 barT=0 T1=1 T2=0 T4=0 pause=0 nom=si", {}},
        {"4 s", wait(1000), "debut=0(hidden) temps=59 score=99 barS=5821.2 barT=196 T1=1 T2=0 T4=0 pause=0 nom=si", {}},
        {"4.5 s: right key", [] { advance(500); press(19); },
         "debut=0(hidden) temps=59 score=109 barS=6409.2 barT=196 T1=1 T2=1 T4=0 pause=1000 nom=si(hidden)", right19},
        {"a key in the pause only sounds", key(20),
         "debut=0(hidden) temps=59 score=109 barS=6409.2 barT=196 T1=1 T2=1 T4=0 pause=1000 nom=si(hidden)", {"C5_MD", "C5_MU"}},
        {"5 s: the clock runs through the pause", wait(500),
         "debut=0(hidden) temps=58 score=108 barS=6350.4 barT=392 T1=1 T2=1 T4=0 pause=1000 nom=si(hidden)", {}},
        {"5.5 s: next name", wait(500),
         "debut=0(hidden) temps=58 score=108 barS=6350.4 barT=392 T1=1 T2=0 T4=0 pause=0 nom=si", {}},
        {"wrong key: the effect comes with the press", key(20),
         "debut=0(hidden) temps=58 score=98 barS=5762.4 barT=392 T1=1 T2=0 T4=0 pause=0 nom=si", {"C5_MD", "faux", "C5_MU"}},
        {"a second wrong key is judged too", key(22),
         "debut=0(hidden) temps=58 score=88 barS=5174.4 barT=392 T1=1 T2=0 T4=0 pause=0 nom=si", {"D5_MD", "faux", "D5_MU"}},
        {"the same name on another octave", key(31),
         "debut=0(hidden) temps=58 score=98 barS=5762.4 barT=392 T1=1 T2=1 T4=0 pause=1000 nom=si(hidden)", {"B5_MD", "stop", "B5_MU"}},
    });
    EXPECT_EQ(nn().tirage_note, 1);
    EXPECT_EQ(nn().Label_note.caption(), "7");
}

// The metronome swings in the game's colour at every tick.
TEST_F(NnRound, MetronomeOfEachGame)
{
    auto& store = platform::form<media::Form_image>();
    for (const auto& [game, right, left] :
         {std::tuple{"1", &store.Metronome_droite_vert_clair, &store.Metronome_gauche_vert_clair},
          {"2", &store.Metronome_droite_orange, &store.Metronome_gauche_orange}}) {
        SCOPED_TRACE(game);
        testing_support::unloadAll();
        nn().Label_choix_jeu.setCaption(QString::fromLatin1(game));
        nn().Label_niveau.setCaption(QStringLiteral("1"));
        startGame();
        advance(1000);
        EXPECT_EQ(nn().Metronome_stop.picture().cacheKey(), left->picture().cacheKey());
        advance(1000);
        EXPECT_EQ(nn().Metronome_stop.picture().cacheKey(), right->picture().cacheKey());
    }
}

// Every start and end hands the timers over: after each, nothing of the round before goes on.
TEST_F(NnRound, TimerHandOvers)
{
    struct Row {
        const char* what;
        std::function<void()> act;
        const char* timers;   // T1 T2 T4 right after
        int questionsAfter;   // names drawn in the five seconds after
        bool judgedAfter;     // a press is judged five seconds after
    };
    const std::vector<Row> rows{
        {"Jouer in a running round", [] { nn().Label_jouer.userClick(); }, "0 0 1", 1, true},
        {"Jouer in the pause", [] { press(rightKey()); nn().Label_jouer.userClick(); }, "0 0 1", 1, true},
        {"Arrêter in the pause", [] { press(rightKey()); nn().Label_stop.userClick(); }, "0 0 0", 0, false},
        {"Arrêter in the countdown", [] { nn().Label_jouer.userClick(); nn().Label_stop.userClick(); }, "0 0 0", 0, false},
        {"level passed", [] { nn().Label_score.setCaption("195"); press(rightKey()); }, "0 0 0", 0, false},
        {"level lost", [] { nn().Label_score.setCaption("1"); advance(1000); }, "0 0 0", 0, false},
        {"two-player end", [] { twoPlayers(); press(rightKey()); nn().Label_temps.setCaption("1"); advance(1000); },
         "0 0 0", 0, false},
        {"scored-run end", [] { nn().save_score.setVisible(true); press(rightKey()); nn().Label_temps.setCaption("1");
                                advance(1000); }, "0 0 0", 0, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        testing_support::unloadAll();
        sounds.attach();
        nn().Label_niveau.setCaption(QStringLiteral("1"));
        nn().Label_choix_jeu.setCaption(QStringLiteral("1"));
        startGame();
        const int drawsBefore = random.draws;
        r.act();
        EXPECT_EQ(QStringLiteral("%1 %2 %3").arg(int(nn().Timer1.enabled())).arg(int(nn().Timer2.enabled()))
                      .arg(int(nn().Timer4.enabled())), r.timers);
        EXPECT_TRUE(nn().Label_timer2.caption() == "0" || nn().Label_timer2.caption() == "1000");
        advance(5000);
        EXPECT_EQ(random.draws - drawsBefore, r.questionsAfter);
        EXPECT_TRUE(nn().Label_timer2.caption() == "0" || nn().Label_timer2.caption() == "1000");
        const QString score = nn().Label_score.caption();
        nn().Label_score.setCaption(QStringLiteral("50"));
        press(rightKey());
        EXPECT_EQ(nn().Label_score.caption() != "50", r.judgedAfter);
        nn().Label_score.setCaption(score);
    }
}

// A right answer reaching 200 passes the level: the progress "4" is on disk and the
// level-choice screen beneath unlocks levels 2 to 4.
TEST_F(NnRound, PassingLevelOneStoresFourAndRefreshesTheLevelChoice)
{
    for (const char* before : {"190", "195"}) {
        SCOPED_TRACE(before);
        testing_support::unloadAll();
        choosePlayer(QStringLiteral("Zoé ") + QString::fromLatin1(before));
        sounds.attach();
        auto& choice = platform::form<level_choice::Form_choix_nn>();
        ASSERT_FALSE(choice.Label_niveau2.enabled());
        nn().Label_niveau.setCaption(QStringLiteral("1"));
        nn().Label_choix_jeu.setCaption(QStringLiteral("1"));
        startGame();
        nn().Label_score.setCaption(QString::fromLatin1(before));
        const double bar = nn().Label_barre_score.width();
        press(rightKey());
        EXPECT_EQ(nn().Label_score.caption(), str(platform::val(QString::fromLatin1(before)) + 10));
        EXPECT_EQ(nn().Label_barre_score.width(), games::common::kFullBar);
        EXPECT_EQ(nn().Label_timer2.caption(), std::string(before) == "190" ? "1000" : "0");
        EXPECT_NE(bar, games::common::kFullBar);
        EXPECT_EQ(aide(), texts().Label_aide_suivant.caption());
        EXPECT_TRUE(nn().Label_suite.enabled());
        EXPECT_FALSE(nn().Label_nom_note.visible());
        EXPECT_EQ(record().Label_nn.caption(), "4");
        EXPECT_EQ(stored("nn"), "4");
        EXPECT_EQ(stored("nn2"), "1");
        for (int level = 2; level <= 4; ++level)
            EXPECT_TRUE(choice.levelEntry(level).enabled()) << level;
    }
}

TEST_F(NnRound, PassingLevelsOfEachGame)
{
    struct Row { const char* game; const char* level; const char* progressBefore; const char* nn; const char* nn2;
                 bool suivant; bool last; };
    for (const Row& r : {Row{"2", "1", "1", "1", "4", true, false}, {"1", "2", "1", "1", "1", true, false},
                         {"1", "1", "4", "4", "1", true, false}, {"1", "4", "4", "4", "1", false, true},
                         {"2", "4", "1", "1", "1", false, true}}) {
        SCOPED_TRACE(QStringLiteral("game %1 level %2").arg(r.game, r.level).toStdString());
        testing_support::unloadAll();
        choosePlayer(QStringLiteral("Zoé %1 %2 %3").arg(r.game, r.level, r.progressBefore),
                     {{r.game == std::string("1") ? "nn" : "nn2", QString::fromLatin1(r.progressBefore)}});
        sounds.attach();
        nn().Label_niveau.setCaption(QString::fromLatin1(r.level));
        nn().Label_choix_jeu.setCaption(QString::fromLatin1(r.game));
        passLevel();
        EXPECT_EQ(stored("nn"), r.nn);
        EXPECT_EQ(stored("nn2"), r.nn2);
        EXPECT_EQ(nn().Label_suite.enabled(), r.suivant);
        EXPECT_EQ(aide(), r.last ? texts().Label_aide_fin_1joueur.caption() : texts().Label_aide_suivant.caption());
    }
}

// "Suivant" walks the levels 2, 3 and 4, each with its key hints and its names.
TEST_F(NnRound, SuivantWalksTheLevels)
{
    auto& store = platform::form<media::Form_image>();
    passLevel();
    for (int level = 2; level <= 4; ++level) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(nn().Label_suite.enabled());
        nn().Label_suite.userClick();
        EXPECT_FALSE(nn().Label_suite.enabled()) << "one level per pass";
        nn().Label_suite.userClick();
        EXPECT_EQ(nn().Label_niveau.caption(), str(level));
        EXPECT_EQ(aide(), QString());
        EXPECT_TRUE(nn().Timer4.enabled());
        EXPECT_EQ(nn().touche(40).picture().cacheKey(), store.Image_pianon.picture().cacheKey());
        EXPECT_EQ(nn().touche(13).picture().cacheKey(),
                  level == 3 ? store.Image_rien.picture().cacheKey() : store.Image_vert.picture().cacheKey());
        // The first and the last name of the level's draw.
        const auto [low, high] = level == 2 ? std::pair{8, 14} : level == 3 ? std::pair{15, 21} : std::pair{1, 21};
        random.script = {0.0, 0.99};
        advance(3000);
        EXPECT_EQ(nn().Label_note.caption(), str(low));
        press(rightKey());
        advance(1000);
        EXPECT_EQ(nn().Label_note.caption(), str(high));
        nn().Label_score.setCaption(QStringLiteral("195"));
        press(rightKey());
    }
    EXPECT_FALSE(nn().Label_suite.enabled());
    EXPECT_EQ(aide(), texts().Label_aide_fin_1joueur.caption());
    nn().Label_suite.click();
    EXPECT_EQ(nn().Label_niveau.caption(), "4");
}

// Lost by points: a wrong answer at 5 points leaves -5, the next tick ends the level.
TEST_F(NnRound, LostByPointsAndByTime)
{
    startGame();
    nn().Label_score.setCaption(QStringLiteral("5"));
    nn().Label_barre_score.setWidth(500);
    press(wrongKey());
    EXPECT_EQ(nn().Label_score.caption(), "-5");
    EXPECT_EQ(nn().Label_barre_score.width(), 0);
    EXPECT_TRUE(nn().Label_nom_note.visible()) << "the same name stays";
    sounds.take();
    advance(1000);
    EXPECT_EQ(nn().Label_score.caption(), "0");
    EXPECT_EQ(aide(), texts().Label_aide_perdu_1joueur.caption());
    EXPECT_FALSE(nn().Label_nom_note.visible());
    EXPECT_EQ(sounds.take(), QStringList()) << "the end plays no effect";

    testing_support::unloadAll();
    sounds.attach();
    nn().Label_niveau.setCaption(QStringLiteral("1"));
    startGame();
    advance(60000);
    EXPECT_EQ(nn().Label_temps.caption(), "0");
    EXPECT_EQ(nn().Label_barre_temps.width(), games::common::kFullBar);
    EXPECT_EQ(aide(), texts().Label_aide_perdu_1joueur.caption());
    EXPECT_FALSE(nn().Timer1.enabled());
}

// The wrong-answer effect comes after every change the answer makes.
TEST_F(NnRound, TheEffectComesLast)
{
    QStringList seen;
    auto& faux = platform::form<media::Form_bruitage>().Command_faux;
    auto previous = faux.onClick;
    faux.onClick = [&seen, previous] {
        seen << nn().Label_score.caption() + " " + nn().Label_score1.caption() + " " + str(nn().Label_barre_score.width());
        if (previous)
            previous();
    };
    startGame();
    press(wrongKey());
    twoPlayers();
    nn().Label_reponse_joueur.setCaption(QStringLiteral("1"));
    press(wrongKey());
    EXPECT_EQ(seen, (QStringList{"90 0 5292", "90 -10 5292"}));
}

// Two players: each player's answers count for that player, the hidden one-player score
// charges nobody, and the game ends on time only.
TEST_F(NnRound, TwoPlayers)
{
    twoPlayers();
    setDuration(QStringLiteral("300"));
    startGame();
    nn().Label_reponse_joueur.setCaption(QStringLiteral("1"));
    press(rightKey());
    advance(1000);
    nn().Label_reponse_joueur.setCaption(QStringLiteral("2"));
    press(wrongKey());
    press(wrongKey());
    nn().Label_reponse_joueur.setCaption(QStringLiteral("Label2"));
    sounds.take();
    press(wrongKey());
    EXPECT_TRUE(sounds.take().contains("faux"));
    EXPECT_EQ(nn().Label_score1.caption(), "10");
    EXPECT_EQ(nn().Label_score2.caption(), "-20");

    sounds.take();
    advance(250000);
    EXPECT_FALSE(sounds.take().contains("faux")) << "no tick is charged as a wrong answer";
    EXPECT_EQ(nn().Label_score1.caption(), "10");
    EXPECT_EQ(nn().Label_score2.caption(), "-20");
    EXPECT_TRUE(nn().Timer1.enabled());
    EXPECT_LT(platform::val(nn().Label_score.caption()), 0) << "the hidden score has run out long ago";

    advance(48000);
    EXPECT_EQ(nn().Label_temps.caption(), "1");
    EXPECT_EQ(aide(), QString());
    advance(1000);
    EXPECT_EQ(nn().Label_temps.caption(), "0");
    EXPECT_EQ(aide(), texts().Label_aide_fin_2joueurs.caption());
    EXPECT_EQ(aide(), "Fin du jeu");
    EXPECT_FALSE(nn().Timer1.enabled());
    EXPECT_EQ(nn().Label_barre_score.width(), 0);
    EXPECT_FALSE(nn().Label_suite.enabled());
    EXPECT_EQ(stored("nn"), "1");
}

// The scored run: 60 seconds from 0 points, no limit, over when the time is up.
TEST_F(NnRound, ScoredRun)
{
    setDuration(QStringLiteral("30"));
    nn().save_score.setVisible(true);
    nn().Label_nom1.setCaption(QStringLiteral("Zoé"));
    startGame();
    EXPECT_EQ(nn().Label_temps.caption(), "60");
    EXPECT_EQ(nn().Label_score.caption(), "0");
    press(rightKey());
    EXPECT_EQ(nn().Label_score.caption(), "10");
    EXPECT_TRUE(nn().Timer2.enabled());
    advance(1000);
    press(wrongKey());
    EXPECT_EQ(nn().Label_score.caption(), "-1");
    nn().Label_score.setCaption(QStringLiteral("300"));
    press(rightKey());
    EXPECT_EQ(nn().Label_score.caption(), "310") << "no limit";
    EXPECT_EQ(aide(), QString());
    sounds.take();
    advance(59000);
    EXPECT_EQ(nn().Label_temps.caption(), "0");
    EXPECT_NEAR(nn().Label_barre_temps.width(), games::common::kFullBar, 1e-6) << "full in the run's minute";
    EXPECT_FALSE(nn().Timer1.enabled());
    EXPECT_FALSE(nn().Timer2.enabled());
    EXPECT_FALSE(nn().Label_nom_note.visible());
    EXPECT_FALSE(sounds.take().contains("faux"));
    EXPECT_EQ(stored("nn"), "1");
    // The name and the score enter the high scores of "nn", once.
    ASSERT_EQ(scores.showings.size(), 1);
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), "nn");
    EXPECT_EQ(scores.showings[0].rows.value(0), "1. Zoé|251");
    EXPECT_EQ(scores.showings[0].selected, 0);
    EXPECT_EQ(scores.entries(QStringLiteral("nn")).value(0), "Zoé|251");
    advance(5000);
    EXPECT_EQ(scores.showings.size(), 1);
}

// "Arrêter": a full score and no time, and nothing starts the clock again.
TEST_F(NnRound, Stop)
{
    startGame();
    nn().Label_score.setCaption(QStringLiteral("150"));
    nn().Label_stop.userClick();
    EXPECT_EQ(nn().Label_score.caption(), "100");
    EXPECT_EQ(nn().Label_temps.caption(), "0");
    EXPECT_TRUE(nn().Label_nom_note.visible()) << "the name stays";
    startGame();
    EXPECT_EQ(nn().Label_temps.caption(), "60");
}

} // namespace
} // namespace nn_test
