// "Suivant" on the level-choice screen of "pn": the hand-over to Form_pn.
#include "level_choice_fixture.h"

#include "games/staff_name/form_pn.h"
#include "level_choice/form_choix_pn.h"
#include "media/form_bruitage.h"
#include "players/form_bulles.h"
#include "players/form_options.h"

using games::staff_name::Form_pn;

namespace {

class PnLaunch : public level_choice_tests::LevelChoiceTest {};

// The level chosen, the game's code, its names shown, and the player's sound effects and
// duration loaded; the level-choice screen stays open beneath and the appearance is untouched.
TEST_F(PnLaunch, HandsTheLevelOverAndLoadsThePlayersSettings)
{
    choosePlayer(QStringLiteral("Léa"), {{QStringLiteral("pn"), QStringLiteral("14")},
                                         {QStringLiteral("imgnotes"), QStringLiteral("4")},
                                         {QStringLiteral("duree"), QStringLiteral("5")},
                                         {QStringLiteral("sons1"), QStringLiteral("0")},
                                         {QStringLiteral("sons2"), QStringLiteral("1")}});
    auto& choice = platform::form<level_choice::Form_choix_pn>();
    choice.Show();
    choice.Label_niveau5.userClick();
    choice.Label_jouer.userClick();
    ASSERT_NE(platform::loaded<Form_pn>(), nullptr);
    Form_pn& pn = platform::form<Form_pn>();
    EXPECT_TRUE(pn.isVisible());
    EXPECT_TRUE(choice.isVisible());
    EXPECT_EQ(pn.Label_niveau.caption(), "5");
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), "pn");
    QStringList shown;
    for (platform::Label* b : pn.boutons_noms())
        if (b->visible())
            shown << b->name();
    EXPECT_EQ(shown, QStringList({"Command_do", "Command_re", "Command_mi", "Command_fa", "Command_sol",
                                  "Command_la", "Command_si"}));
    EXPECT_EQ(platform::form<media::Form_bruitage>().Check2.value(), 1);
    EXPECT_EQ(platform::form<media::Form_bruitage>().Check1.value(), 0);
    EXPECT_EQ(platform::form<players::Form_options>().Text_temps.text(), "120");
    EXPECT_EQ(platform::form<players::Form_bulles>().Image_noire.borderStyle(), 1);
    EXPECT_EQ(platform::form<players::Form_bulles>().Label_form.caption(), "pn");
    EXPECT_TRUE(pn.Label_apparence.enabled());
    EXPECT_FALSE(pn.Timer4.enabled()) << "the player starts the game";
    EXPECT_EQ(screens_.messages, QStringList());
}

// With the SCORE entry chosen, "Suivant" does nothing at all.
TEST_F(PnLaunch, ScoreSelectedLaunchesAScoredRunAtTheLastLevelAndALevelAnOrdinaryGame)
{
    choosePlayer(QStringLiteral("Léa"));
    auto& choice = platform::form<level_choice::Form_choix_pn>();
    choice.Show();
    choice.Label_score.userClick();
    platform::form<players::Form_options>().Label_jeu.setCaption(QStringLiteral("pp"));
    choice.Label_jouer.userClick();
    Form_pn* pn = platform::loaded<Form_pn>();
    ASSERT_NE(pn, nullptr);
    EXPECT_EQ(pn->Label_niveau.caption(), "14");
    EXPECT_TRUE(pn->save_score.isVisibleTo(pn)) << "a scored run";
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), "pn");

    choice.Label_niveau1.userClick();
    choice.Label_jouer.userClick();
    pn = platform::loaded<Form_pn>();
    ASSERT_NE(pn, nullptr);
    EXPECT_EQ(pn->Label_niveau.caption(), "1");
    EXPECT_FALSE(pn->save_score.isVisibleTo(pn));
}

} // namespace
