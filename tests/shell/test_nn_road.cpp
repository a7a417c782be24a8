// The name-to-keyboard game "nn" played from the program's start through the real screens: a
// new player logs in, opens "nn" from the main menu, plays level 1 with the mouse (or on a MIDI
// instrument) until the score reaches 200, finds "4" in the player database on disk and levels
// 2 to 4 unlocked, and walks on to levels 2, 3 and 4 with "Suivant".
#include <gtest/gtest.h>

#include "games/common/round.h"
#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/questions.h"
#include "level_choice/form_choix_nn.h"
#include "media/form_image.h"
#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "platform/audio/effect_player.h"
#include "platform/audio/note_synth.h"
#include "platform/forms.h"
#include "platform/store/player_store.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "players/form_score.h"
#include "players/player_database.h"
#include "shell/form_piano.h"
#include "shell/form_resolution.h"
#include "road_fixture.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <random>

using games::name_keyboard::Form_nn;
using platform::form;
using platform::loaded;

namespace {

const QString kPlayer = QStringLiteral("Léo");

class NnRoad : public road_test::RoadTest {
protected:
    unsigned seed() const override { return 20261210u; }

    static Form_nn& nn() { return form<Form_nn>(); }

    static QString progressOnDisk() { return storedOnDisk(kPlayer, "nn"); }

    // The key of the asked name nearest middle C, clicked with the mouse or played on the
    // instrument (note-on, then note-on with velocity 0).
    void answerRight()
    {
        for (int distance = 0; distance < 40; ++distance)
            for (int key : {20 + distance, 20 - distance})
                if (key >= 1 && key <= 40 && games::name_keyboard::touche_juste(key, nn().Label_note.caption())) {
                    play(key);
                    return;
                }
        FAIL() << "no key answers " << nn().Label_note.caption().toStdString();
    }

    void play(int key)
    {
        if (midi_) {
            strike(0, key, false);
            return;
        }
        nn().touche(key).userMouseDown();
        nn().touche(key).userMouseUp();
    }
};

class NnRoadBy : public NnRoad, public ::testing::WithParamInterface<bool> {};

TEST_P(NnRoadBy, LevelOnePassedUnlocksEveryLevelAndSuivantWalksThem)
{
    midi_ = GetParam();
    screens.midi->setDevices({QStringLiteral("Clavier USB MIDI 1")});
    ASSERT_NO_FATAL_FAILURE(toTheMenu(kPlayer));

    // "nn", level 1, "Suivant".
    form<shell::Form_piano>().Image_nn.userClick();
    ASSERT_NE(loaded<level_choice::Form_choix_nn>(), nullptr);
    auto& choice = form<level_choice::Form_choix_nn>();
    ASSERT_TRUE(choice.isVisible());
    ASSERT_FALSE(choice.Label_niveau2.enabled());
    if (midi_)
        choice.Option5.userClick();
    choice.Label_jouer.userClick();
    ASSERT_NE(loaded<Form_nn>(), nullptr) << messages();
    ASSERT_TRUE(nn().isVisible());
    if (midi_) {
        // The MIDI prompt: the instrument's port, then "Ok".
        ASSERT_TRUE(nn().List1.visible());
        ASSERT_EQ(nn().List1.listCount(), 1);
        nn().List1.setListIndex(0);
        nn().Command_start.userClick();
        ASSERT_FALSE(nn().Label_port.visible());
        ASSERT_EQ(screens.midi->openDevices(), QList<int>{0}) << messages();
    }
    EXPECT_EQ(nn().Label_niveau.caption(), "1");
    EXPECT_EQ(nn().picture().cacheKey(), media::loadResourcePicture("fond", "vert_clair").cacheKey());
    EXPECT_EQ(nn().touche(8).picture().cacheKey(), form<media::Form_image>().Image_orange.picture().cacheKey());

    // Level 1 to 200 points: the names in French and their colours.
    nn().Label_jouer.userClick();
    testing_support::advance(3000);
    ASSERT_EQ(nn().Label_temps.caption(), "60");
    int answers = 0;
    while (platform::val(nn().Label_score.caption()) < games::common::kPassScore) {
        ASSERT_LT(answers, 30) << nn().Label_score.caption().toStdString();
        const QString name = nn().Label_nom_note.caption();
        EXPECT_TRUE(QStringList({"do", "ré", "mi", "fa", "sol", "la", "si"}).contains(name)) << name.toStdString();
        EXPECT_EQ(nn().Label_nom_note.foreColor(), *games::name_keyboard::couleur_du_nom(name));
        EXPECT_TRUE(nn().Label_nom_note.visible());
        answerRight();
        ++answers;
        if (platform::val(nn().Label_score.caption()) >= games::common::kPassScore)
            break;
        testing_support::advance(games::common::kPauseMs);
    }
    EXPECT_EQ(answers, 11);
    EXPECT_EQ(nn().Label_aide.caption(), form<media::Form_traduction>().Label_aide_suivant.caption());
    EXPECT_EQ(progressOnDisk(), "4");
    for (int level = 2; level <= 4; ++level)
        EXPECT_TRUE(choice.levelEntry(level).enabled()) << level;

    // "Suivant": levels 2, 3 and 4 ask their names after the countdown.
    const std::pair<int, int> codes[] = {{8, 14}, {15, 21}, {1, 21}};
    for (int level = 2; level <= 4; ++level) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(nn().Label_suite.enabled());
        nn().Label_suite.userClick();
        EXPECT_EQ(nn().Label_niveau.caption(), QString::number(level));
        testing_support::advance(3000);
        const int code = static_cast<int>(platform::val(nn().Label_note.caption()));
        EXPECT_GE(code, codes[level - 2].first);
        EXPECT_LE(code, codes[level - 2].second);
        EXPECT_EQ(nn().Label_nom_note.caption(), games::name_keyboard::nom_du_code(code, "francais"));
        nn().Label_score.setCaption(QStringLiteral("195"));
        answerRight();
    }
    EXPECT_FALSE(nn().Label_suite.enabled());
    EXPECT_EQ(nn().Label_aide.caption(), form<media::Form_traduction>().Label_aide_fin_1joueur.caption());
    EXPECT_EQ(progressOnDisk(), "4");

    // "Retour" leaves the level-choice screen in view, and closes the instrument's device.
    nn().Label_retour.userClick();
    testing_support::processEvents();
    EXPECT_EQ(loaded<Form_nn>(), nullptr);
    EXPECT_TRUE(choice.isVisible());
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
    EXPECT_EQ(screens.midi->openDevices(), QList<int>());
    EXPECT_EQ(screens.midi->closes(), midi_ ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Input, NnRoadBy, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Midi" : "Mouse"; });

// The scored run of "nn": SCORE and "Suivant", "Jouer / Rejouer", a minute at level 4, then
// the score screen with the player's row selected, the entry in Scores_nn.tvo, and the table
// read back by the next showing.
TEST_F(NnRoad, AScoredRunEndsInTheHighScoresOfTheGameAndIsReadBackNextTime)
{
    road_test::ScoreScreens scores;
    ASSERT_NO_FATAL_FAILURE(toTheMenu(kPlayer));
    form<shell::Form_piano>().Image_nn.userClick();
    auto& choice = form<level_choice::Form_choix_nn>();
    choice.Label_score.userClick();
    choice.Label_jouer.userClick();
    ASSERT_NE(loaded<Form_nn>(), nullptr) << messages();
    EXPECT_EQ(nn().Label_niveau.caption(), "4");

    ASSERT_NO_FATAL_FAILURE(twoScoredRuns(scores, nn().Label_jouer, nn().Label_temps, nn().Label_score, 2,
                                          [this] { answerRight(); }));
    EXPECT_NEAR(nn().Label_barre_temps.width(), games::common::kFullBar, 1e-6);
    expectTwoScoredRuns(scores, kPlayer, QStringLiteral("nn"), 2);
    EXPECT_EQ(progressOnDisk(), "1") << "a scored run passes no level";
    EXPECT_TRUE(screens.messages.isEmpty()) << messages();
}

} // namespace
