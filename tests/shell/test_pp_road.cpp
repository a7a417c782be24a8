// The staff-to-keyboard game "pp" played from the program's start, in one process, through the
// real screens: a new player logs in, opens the game from the main menu, plays level 1 with the
// mouse (or on a MIDI instrument) until the score reaches 200, and finds the progress in the
// player database on disk and level 2 unlocked on the level-choice screen.
#include <gtest/gtest.h>

#include "games/common/piano_keys.h"
#include "games/common/round.h"
#include "games/staff_keyboard/form_pp.h"
#include "level_choice/form_choix_pp.h"
#include "media/form_instrument.h"
#include "media/form_traduction.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/store/player_store.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"
#include "players/form_score.h"
#include "players/player_database.h"
#include "road_fixture.h"
#include "shell/form_piano.h"
#include "shell/form_resolution.h"
#include "support/test_support.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>
#include <random>

using games::staff_keyboard::Form_pp;
using platform::form;
using platform::loaded;
using platform::NoteSynthCall;

namespace {

const QString kPlayer = QStringLiteral("Zoé");

class PpRoad : public road_test::RoadTest {
protected:
    static Form_pp& pp() { return form<Form_pp>(); }
    static int score() { return static_cast<int>(platform::val(pp().Label_score.caption())); }
    static int noteToFind() { return static_cast<int>(platform::val(pp().Label_note.caption())); }

    // From the start to the game screen of "pp" at level 1, as the user gets there: the display
    // check, a new player, the login, the main menu, the game's picture, level 1, "Suivant".
    void playToTheGameScreen(bool scoredRun = false)
    {
        ASSERT_NO_FATAL_FAILURE(toTheMenu(kPlayer));
        auto& menu = form<shell::Form_piano>();

        menu.Image_pp.userClick();
        ASSERT_NE(loaded<level_choice::Form_choix_pp>(), nullptr);
        auto& choice = form<level_choice::Form_choix_pp>();
        ASSERT_TRUE(choice.isVisible());
        // A new player has reached level 1 only.
        ASSERT_TRUE(choice.Label_niveau1.enabled());
        ASSERT_FALSE(choice.Label_niveau2.enabled());
        if (scoredRun) {
            ASSERT_EQ(choice.Label_score.caption(), "SCORE");
            choice.Label_score.userClick();
            ASSERT_EQ(choice.selectedLevel(), 0);
        } else {
            choice.Label_niveau1.userClick();
            ASSERT_EQ(choice.selectedLevel(), 1);
        }
        if (midi_)
            choice.Option5.userClick();
        ASSERT_EQ(choice.Label_jouer.caption(), "Suivant");
        choice.Label_jouer.userClick();
        ASSERT_NE(loaded<Form_pp>(), nullptr) << messages();
        ASSERT_TRUE(pp().isVisible());
        ASSERT_EQ(pp().Label_niveau.caption(), scoredRun ? "14" : "1");
        ASSERT_EQ(pp().Label_choix_jeu.caption(), "1");
        ASSERT_EQ(pp().save_score.isVisibleTo(&pp()), scoredRun);
        if (midi_) {
            ASSERT_NO_FATAL_FAILURE(chooseTheInstrument());
        }
    }

    // The MIDI prompt over the game screen: the second device of the list, then "Ok".
    void chooseTheInstrument()
    {
        ASSERT_TRUE(pp().Label_port.visible());
        ASSERT_TRUE(pp().List1.visible());
        ASSERT_EQ(pp().List1.listCount(), 2);
        ASSERT_EQ(pp().List1.list(1), "Clavier USB");
        pp().List1.setListIndex(1);
        pp().Command_start.userClick();
        ASSERT_FALSE(pp().Label_port.visible());
        ASSERT_EQ(screens.midi->openDevices(), QList<int>{1}) << messages();
    }

    // "Jouer/Rejouer", then the 3-2-1 countdown on the test clock: the first note is shown.
    void startTheGame()
    {
        ASSERT_EQ(pp().Label_jouer.caption(), "Jouer/Rejouer");
        pp().Label_jouer.userClick();
        for (const char* shown : {"3", "2", "1"}) {
            ASSERT_TRUE(pp().Label_debut.visible());
            ASSERT_EQ(pp().Label_debut.caption(), shown);
            ASSERT_FALSE(pp().Timer1.enabled()) << "no clock during the countdown";
            testing_support::advance(1000);
        }
        ASSERT_FALSE(pp().Label_debut.visible());
        ASSERT_TRUE(pp().Timer1.enabled());
        ASSERT_TRUE(pp().Picture_note.visible());
        if (pp().save_score.isVisibleTo(&pp())) {
            ASSERT_EQ(pp().Label_score.caption(), "0") << "a scored run starts at 0";
            ASSERT_EQ(pp().Label_temps.caption(), "60") << "a scored run lasts a minute";
        } else {
            ASSERT_EQ(pp().Label_score.caption(), "100");
            ASSERT_EQ(pp().Label_temps.caption(), "60") << "a new player plays one-minute games";
        }
    }

    // A key of the game screen played: pressed and released with the mouse, or as a note-on
    // and a note-off from the instrument.
    void clickKey(int key)
    {
        if (midi_) {
            strike(1, key, true);
            return;
        }
        pp().touche(key).userMouseDown();
        pp().touche(key).userMouseUp();
    }

    // The key of the note to find, clicked.
    void clickTheRightKey() { clickKey(noteToFind()); }

    // The second after a right answer, on the test clock: then the next note is drawn.
    void waitOutThePause()
    {
        ASSERT_NE(pp().Label_timer2.caption(), "0") << "no pause is pending";
        testing_support::advance(games::common::kPauseMs);
        ASSERT_EQ(pp().Label_timer2.caption(), "0");
        ASSERT_FALSE(pp().Timer2.enabled());
        ASSERT_TRUE(pp().Picture_note.visible());
    }

    QStringList newEffectCalls()
    {
        QStringList calls = platform::describe(effectLog_->mid(effectSeen_));
        effectSeen_ = effectLog_->size();
        return calls;
    }

    // How many effects the calls played.
    static int effectsPlayed(const QStringList& calls)
    {
        return static_cast<int>(calls.filter(QRegularExpression(QStringLiteral("^play "))).size());
    }

    static bool hasNoteOff(const QList<NoteSynthCall>& calls, int midi)
    {
        for (const NoteSynthCall& c : calls)
            if (c.kind == NoteSynthCall::Kind::NoteOff && c.key == midi)
                return true;
        return false;
    }
    // How the note player sounds a key press and the note to find (Command_pp).
    static QString keySound(int key)
    {
        return QStringLiteral("%1 %2").arg(games::common::midiNoteOfKey(key)).arg(media::dureeEnMs(media::kDureeTouche));
    }
    static QString noteToFindSound(int key)
    {
        return QStringLiteral("%1 %2").arg(games::common::midiNoteOfKey(key)).arg(media::dureeEnMs(media::kDureeNoteATrouver));
    }

    static QString progressOnDisk() { return storedOnDisk(kPlayer, "pp"); }

private:
    qsizetype effectSeen_ = 0;
};

class PpRoadBy : public PpRoad, public ::testing::WithParamInterface<bool> {};

TEST_P(PpRoadBy, LevelOnePassedIsStoredAndUnlocksLevelTwo)
{
    midi_ = GetParam();
    screens.midi->setDevices({QStringLiteral("Midi Through Port-0"), QStringLiteral("Clavier USB")});
    ASSERT_NO_FATAL_FAILURE(playToTheGameScreen());
    EXPECT_EQ(progressOnDisk(), "1");
    newSynthCalls();

    ASSERT_NO_FATAL_FAILURE(startTheGame());
    EXPECT_EQ(noteOns(newSynthCalls()), QStringList{noteToFindSound(noteToFind())})
        << "the first note is sounded once";

    int answers = 0;
    while (score() < games::common::kPassScore) {
        ASSERT_LT(answers, 30) << "the score does not rise: " << pp().Label_score.caption().toStdString();
        const int key = noteToFind();
        ASSERT_GE(key, 1);
        ASSERT_LE(key, games::common::kKeyCount);
        const int before = score();
        clickTheRightKey();
        ++answers;
        SCOPED_TRACE(QStringLiteral("answer %1, key %2").arg(answers).arg(key).toStdString());
        EXPECT_EQ(score(), before + games::common::kAnswerPoints);
        const QList<NoteSynthCall> pressed = newSynthCalls();
        EXPECT_EQ(noteOns(pressed), QStringList{keySound(key)}) << "the key sounds its own note";
        EXPECT_TRUE(hasNoteOff(pressed, games::common::midiNoteOfKey(key))) << "the release stops it";
        if (score() >= games::common::kPassScore)
            break;
        ASSERT_NO_FATAL_FAILURE(waitOutThePause());
        EXPECT_EQ(noteOns(newSynthCalls()), QStringList{noteToFindSound(noteToFind())})
            << "the next note is sounded once";
    }
    // 100 at the start, 10 an answer, 1 a second of the clock: eleven answers make 200.
    EXPECT_EQ(answers, 11);
    EXPECT_EQ(pp().Label_score.caption(), "200");

    // The level is passed: its text, the clock off, the note gone, "Suivant" on.
    EXPECT_EQ(pp().Label_aide.caption(), form<media::Form_traduction>().Label_aide_suivant.caption());
    EXPECT_EQ(pp().Label_aide.caption(),
              QStringLiteral("Tu as obtenu plus de 200 points. Clique sur Suivant pour faire le niveau supérieur "
                             "ou clique sur Jouer/Rejouer pour recommencer ce niveau."));
    EXPECT_FALSE(pp().Timer1.enabled());
    EXPECT_FALSE(pp().Timer2.enabled());
    EXPECT_FALSE(pp().Picture_note.visible());
    EXPECT_TRUE(pp().Label_suite.enabled());
    EXPECT_EQ(pp().Label_barre_score.width(), games::common::kFullBar);

    // The progress is in the player's row on disk, and the level-choice screen beneath has
    // unlocked level 2, and level 2 only.
    EXPECT_EQ(form<players::Form_nouveau_joueur>().Label_pp.caption(), "2");
    EXPECT_EQ(progressOnDisk(), "2");
    auto& choice = form<level_choice::Form_choix_pp>();
    EXPECT_TRUE(choice.isVisible());
    EXPECT_TRUE(choice.Label_niveau1.enabled());
    EXPECT_TRUE(choice.Label_niveau2.enabled());
    EXPECT_FALSE(choice.Label_niveau3.enabled());
    EXPECT_EQ(choice.selectedLevel(), 1);

    // Nothing more happens on the clock once the level is over.
    testing_support::advance(5000);
    EXPECT_EQ(pp().Label_score.caption(), "200");
    EXPECT_EQ(noteOns(newSynthCalls()), QStringList());
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();

    // "Retour" closes the instrument's device with the game screen.
    pp().Label_retour.userClick();
    EXPECT_EQ(screens.midi->openDevices(), QList<int>());
    EXPECT_EQ(screens.midi->closes(), midi_ ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Input, PpRoadBy, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Midi" : "Mouse"; });

// A wrong key in the middle of the game: it sounds its note, costs 10 points, plays a sound
// effect and arms no pause; the note to find stays and its key is still right.
TEST_F(PpRoad, AWrongKeyCostsTenPointsAndPlaysAnEffect)
{
    ASSERT_NO_FATAL_FAILURE(playToTheGameScreen());
    ASSERT_NO_FATAL_FAILURE(startTheGame());
    clickTheRightKey();
    ASSERT_NO_FATAL_FAILURE(waitOutThePause());
    ASSERT_EQ(pp().Label_score.caption(), "109");
    newSynthCalls();
    newEffectCalls();

    const int note = noteToFind();
    const int wrong = note == games::common::kMiddleCKey ? note + 1 : games::common::kMiddleCKey;
    clickKey(wrong);
    EXPECT_EQ(pp().Label_score.caption(), "99");
    EXPECT_EQ(noteOns(newSynthCalls()), QStringList{keySound(wrong)});
    EXPECT_EQ(effectsPlayed(newEffectCalls()), 1);
    EXPECT_EQ(pp().Label_timer2.caption(), "0");
    EXPECT_EQ(noteToFind(), note);

    // A second wrong key right away is judged too.
    clickKey(wrong);
    EXPECT_EQ(pp().Label_score.caption(), "89");
    EXPECT_EQ(effectsPlayed(newEffectCalls()), 1);

    clickTheRightKey();
    EXPECT_EQ(pp().Label_score.caption(), "99");
    const QStringList effects = newEffectCalls();
    EXPECT_EQ(effectsPlayed(effects), 0);
    EXPECT_TRUE(effects.contains(QStringLiteral("stop"))) << "a right answer silences the effect";
    EXPECT_TRUE(pp().Timer1.enabled());
    EXPECT_EQ(progressOnDisk(), "1");
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
}

// The scored run of "pp": SCORE and "Suivant" on the level-choice screen, "Jouer/Rejouer", a
// minute whatever the duration setting, then the score screen with the player's row selected,
// the entry in Scores_pp.tvo beside the program, and the table read back by the next showing.
TEST_F(PpRoad, AScoredRunEndsInTheHighScoresOfTheGameAndIsReadBackNextTime)
{
    road_test::ScoreScreens scores;
    ASSERT_NO_FATAL_FAILURE(playToTheGameScreen(true));
    // The time bar fills in the run's minute, whatever the player's duration (here 30 s).
    form<players::Form_options>().Option1.setValue(true);
    ASSERT_EQ(form<players::Form_options>().Text_temps.text(), "30");
    ASSERT_NO_FATAL_FAILURE(startTheGame());

    // Three right answers and a wrong one in the first seconds, then the clock alone.
    int answers = 0;
    for (int second = 0; second < 70 && scores.showings.isEmpty(); ++second) {
        if (answers < 3 && pp().Label_timer2.caption() == "0") {
            clickTheRightKey();
            ++answers;
        } else if (answers == 3) {
            const int wrong = noteToFind() == games::common::kMiddleCKey ? noteToFind() + 1 : games::common::kMiddleCKey;
            clickKey(wrong);
            ++answers;
        }
        testing_support::advance(1000);
        if (scores.showings.isEmpty()) {
            EXPECT_NEAR(pp().Label_barre_temps.width(), (second + 1) * games::common::kFullBar / 60, 1e-6);
        }
    }
    ASSERT_EQ(scores.showings.size(), 1) << messages();
    EXPECT_EQ(pp().Label_temps.caption(), "0");
    EXPECT_NEAR(pp().Label_barre_temps.width(), games::common::kFullBar, 1e-6);
    // 0 at the start, -60 over the minute, +30 and -10 for the answers.
    EXPECT_EQ(pp().Label_score.caption(), "-40");
    const road_test::ScoreScreens::Showing& first = scores.showings[0];
    EXPECT_EQ(first.title, "SCORE");
    EXPECT_EQ(first.rows.mid(0, 2), (QStringList{"1. " + kPlayer + "|-40", "2. *****************|-100"}));
    EXPECT_EQ(first.selected, 0);
    EXPECT_EQ(loaded<players::Form_score>(), nullptr) << "Fermer closed it";
    EXPECT_FALSE(pp().Timer1.enabled());
    EXPECT_FALSE(pp().Picture_note.visible());
    EXPECT_TRUE(pp().Label_aide.caption().isEmpty());

    // The run ends once: more seconds bring no second showing.
    testing_support::advance(5000);
    EXPECT_EQ(scores.showings.size(), 1);
    // The entry is in the game's file beside the program.
    EXPECT_EQ(scores.entries(QStringLiteral("pp")).value(0), kPlayer + "|-40");

    // A second run without answers: -60, below the first, read back from the file.
    ASSERT_NO_FATAL_FAILURE(startTheGame());
    testing_support::advance(60000);
    ASSERT_EQ(scores.showings.size(), 2);
    EXPECT_EQ(scores.showings[1].rows.mid(0, 3),
              (QStringList{"1. " + kPlayer + "|-40", "2. " + kPlayer + "|-60", "3. *****************|-100"}));
    EXPECT_EQ(scores.showings[1].selected, 1);
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
    EXPECT_EQ(progressOnDisk(), "1") << "a scored run passes no level";
}

} // namespace
