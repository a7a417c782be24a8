// The staff-to-name game "pn" played from the program's start through the real screens: a new
// player logs in, opens the game from the main menu, plays level 1 by clicking names until the
// score reaches 200, finds the progress in the player database on disk and level 2 unlocked,
// goes on with "Suivant", launches again at a lower level, and changes user.
#include "games/common/round.h"
#include "games/staff_name/form_pn.h"
#include "level_choice/form_choix_pn.h"
#include "media/form_instrument.h"
#include "media/form_traduction.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_options.h"
#include "players/form_score.h"
#include "shell/form_piano.h"
#include "road_fixture.h"

using games::staff_name::Form_pn;
using platform::form;
using platform::loaded;

namespace {

class PnRoad : public road_test::RoadTest {
protected:
    static inline const QString kPlayer = QStringLiteral("Zoé");
    static QString progressOnDisk() { return storedOnDisk(kPlayer, "pn"); }
    static Form_pn& pn() { return form<Form_pn>(); }
    static int score() { return static_cast<int>(platform::val(pn().Label_score.caption())); }

    static QStringList shownNames()
    {
        QStringList out;
        for (platform::Label* b : pn().boutons_noms())
            if (b->visible())
                out << b->caption();
        return out;
    }

    // The menu's "pn" picture, a level, "Suivant".
    void launch(int level)
    {
        form<shell::Form_piano>().Image_pn.userClick();
        auto& choice = form<level_choice::Form_choix_pn>();
        ASSERT_TRUE(choice.isVisible());
        choice.levelEntry(level).userClick();
        ASSERT_EQ(choice.selectedLevel(), level);
        choice.Label_jouer.userClick();
        ASSERT_NE(loaded<Form_pn>(), nullptr) << messages();
        ASSERT_TRUE(pn().isVisible());
        ASSERT_EQ(pn().Label_niveau.caption(), platform::str(level));
        ASSERT_EQ(form<players::Form_options>().Label_jeu.caption(), "pn");
    }

    // "Jouer/Rejouer" and the countdown: the first note is shown and sounded once.
    void startTheGame()
    {
        newSynthCalls();
        pn().Label_jouer.userClick();
        testing_support::advance(3000);
        ASSERT_TRUE(pn().Timer1.enabled());
        ASSERT_EQ(pn().Label_score.caption(), "100");
        ASSERT_EQ(pn().Label_temps.caption(), "60") << "a new player plays one-minute games";
        ASSERT_EQ(noteOns(newSynthCalls()), QStringList{noteToFindSound()});
    }

    // How the note player sounds the note on the staff (Command_pn): 651 ms.
    static QString noteToFindSound()
    {
        return QStringLiteral("%1 %2").arg(40 + pn().Label_note.caption().toInt()).arg(media::dureeEnMs(media::kDureeNoteATrouver));
    }

    void clickTheRightName()
    {
        platform::Label* button = pn().bouton_du_nom(pn().Label_nom.caption());
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->visible());
        button->userClick();
    }
};

TEST_F(PnRoad, LevelOnePassedIsStoredUnlocksLevelTwoAndGoesOn)
{
    ASSERT_NO_FATAL_FAILURE(toTheMenu(kPlayer));
    ASSERT_NO_FATAL_FAILURE(launch(1));
    EXPECT_FALSE(form<level_choice::Form_choix_pn>().Label_niveau2.enabled()) << "a new player has level 1 only";
    EXPECT_EQ(shownNames(), QStringList({"do", "ré", "si"}));
    EXPECT_EQ(progressOnDisk(), "1");

    ASSERT_NO_FATAL_FAILURE(startTheGame());
    int answers = 0;
    while (score() < games::common::kPassScore) {
        ASSERT_LT(answers, 30) << "the score does not rise";
        const int before = score();
        ASSERT_NO_FATAL_FAILURE(clickTheRightName());
        ++answers;
        EXPECT_EQ(score(), before + games::common::kAnswerPoints);
        if (score() >= games::common::kPassScore)
            break;
        newSynthCalls();
        testing_support::advance(games::common::kPauseMs);
        EXPECT_EQ(noteOns(newSynthCalls()), QStringList{noteToFindSound()}) << "the next note is sounded once";
    }
    EXPECT_EQ(answers, 11);
    EXPECT_EQ(pn().Label_aide.caption(), form<media::Form_traduction>().Label_aide_suivant.caption());
    EXPECT_TRUE(pn().Label_suite.enabled());
    EXPECT_EQ(progressOnDisk(), "2");
    auto& choice = form<level_choice::Form_choix_pn>();
    EXPECT_TRUE(choice.Label_niveau2.enabled());
    EXPECT_FALSE(choice.Label_niveau3.enabled());

    // "Suivant": level 2 with its own names.
    pn().Label_suite.userClick();
    testing_support::advance(3000);
    EXPECT_EQ(pn().Label_niveau.caption(), "2");
    EXPECT_EQ(shownNames(), QStringList({"do", "ré", "mi", "la", "si"}));
    EXPECT_TRUE(pn().Timer1.enabled());

    // Launched again at level 1 while the game screen is open: a fresh screen, level 1's names.
    ASSERT_NO_FATAL_FAILURE(launch(1));
    EXPECT_EQ(shownNames(), QStringList({"do", "ré", "si"}));
    EXPECT_FALSE(pn().Timer1.enabled());

    // Changing user closes the game screen (nothing of this session reaches the next player).
    pn().Label_jouer.userClick();
    form<shell::Form_piano>().Label_changer_utilisateur.userClick();
    testing_support::processEvents();
    EXPECT_EQ(loaded<Form_pn>(), nullptr);
    EXPECT_EQ(loaded<level_choice::Form_choix_pn>(), nullptr);
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
}

// Every level opens with exactly its names in the player's language and draws a sounded note.
TEST_F(PnRoad, EveryLevelFromTheMenu)
{
    ASSERT_NO_FATAL_FAILURE(toTheMenu(kPlayer));
    form<players::Form_nouveau_joueur>().Label_pn.setCaption(QStringLiteral("14"));
    const int counts[] = {3, 5, 7, 7, 7, 7, 7, 7, 7, 21, 21, 21, 21, 21};
    for (int level = 1; level <= 14; ++level) {
        SCOPED_TRACE(level);
        form<level_choice::Form_choix_pn>().Command_niveau.click();
        ASSERT_NO_FATAL_FAILURE(launch(level));
        EXPECT_EQ(shownNames().size(), counts[level - 1]);
        ASSERT_NO_FATAL_FAILURE(startTheGame());
        EXPECT_TRUE(pn().bouton_du_nom(pn().Label_nom.caption())->visible());
    }
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
}

// The scored run of "pn": SCORE and "Suivant", "Jouer/Rejouer", a minute at level 14, then the
// score screen with the player's row selected, the entry in Scores_pn.tvo, and the table read
// back by the next showing.
TEST_F(PnRoad, AScoredRunEndsInTheHighScoresOfTheGameAndIsReadBackNextTime)
{
    road_test::ScoreScreens scores;
    ASSERT_NO_FATAL_FAILURE(toTheMenu(kPlayer));
    form<shell::Form_piano>().Image_pn.userClick();
    auto& choice = form<level_choice::Form_choix_pn>();
    choice.Label_score.userClick();
    choice.Label_jouer.userClick();
    ASSERT_NE(loaded<Form_pn>(), nullptr) << messages();
    EXPECT_EQ(pn().Label_niveau.caption(), "14");

    ASSERT_NO_FATAL_FAILURE(twoScoredRuns(scores, pn().Label_jouer, pn().Label_temps, pn().Label_score, 3,
                                          [this] { clickTheRightName(); }));
    EXPECT_NEAR(pn().Label_barre_temps.width(), games::common::kFullBar, 1e-6);
    expectTwoScoredRuns(scores, kPlayer, QStringLiteral("pn"), 3);
    EXPECT_EQ(progressOnDisk(), "1") << "a scored run passes no level";
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
}

} // namespace
