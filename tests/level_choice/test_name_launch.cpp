// "Suivant" on the level-choice screens of "nn" and "nn2": the hand-over to Form_nn, and the
// game screen closed with the menu.
#include "level_choice_fixture.h"

#include "games/name_keyboard/form_nn.h"
#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_nn2.h"
#include "level_choice/name_keyboard_choice.h"
#include "media/form_bruitage.h"
#include "media/res_picture.h"
#include "players/form_options.h"
#include "shell/level_choice_links.h"

using games::name_keyboard::Form_nn;
using level_choice::Game;
using level_choice::NameKeyboardChoice;
using level_choice_tests::codeOf;
using level_choice_tests::keysWithPointer;
using level_choice_tests::metronomeKey;
using level_choice_tests::userChoose;

namespace {

struct NameGame {
    Game game;
    const char* number;
    const char* colour;
};

const NameGame kNameGames[] = {
    {Game::nn, "1", "vert_clair"},
    {Game::nn2, "2", "orange"},
};

int keysWithPictures(Form_nn& nn)
{
    int count = 0;
    for (platform::CommandButton* key : nn.touches())
        count += key->picture().isNull() ? 0 : 1;
    return count;
}

class NameLaunch : public level_choice_tests::LevelChoiceTest, public ::testing::WithParamInterface<NameGame> {
protected:
    void SetUp() override
    {
        choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("duree"), QStringLiteral("1")},
                                              {QStringLiteral("sons4"), QStringLiteral("0")},
                                              {QString::fromLatin1(codeOf(GetParam().game)), QStringLiteral("4")}});
    }
    NameKeyboardChoice& screen()
    {
        return dynamic_cast<NameKeyboardChoice&>(level_choice::levelChoiceScreen(GetParam().game));
    }
    Form_nn* launch()
    {
        screen().Label_jouer.userClick();
        return platform::loaded<Form_nn>();
    }
};

INSTANTIATE_TEST_SUITE_P(LevelChoice, NameLaunch, ::testing::ValuesIn(kNameGames),
                         [](const auto& info) { return std::string(codeOf(info.param.game)); });

// Players and input devices, each launched on its own: what the game screen shows.
TEST_P(NameLaunch, PlayersAndInputs)
{
    const NameGame& g = GetParam();
    struct Row {
        const char* what;
        bool twoPlayers;
        int input;  // 3 mouse, 4 keyboard, 5 MIDI
        int level;
    };
    for (const Row& r : {Row{"one player, mouse", false, 3, 1}, {"one player, keyboard", false, 4, 2},
                         {"one player, MIDI", false, 5, 3}, {"two players", true, 4, 4}}) {
        SCOPED_TRACE(r.what);
        platform::unload<Form_nn>();
        if (platform::Form* earlier = level_choice::levelChoiceScreen(QString::fromLatin1(codeOf(g.game))))
            platform::unload(*earlier);
        testing_support::processEvents();
        NameKeyboardChoice& s = screen();
        s.Show();
        if (r.twoPlayers) {
            userChoose(s.Option2);
            s.Text_nom2.setText(QStringLiteral("Hugo"));
        }
        userChoose(r.input == 3 ? s.Option3 : r.input == 4 ? s.Option4 : s.Option5);
        s.levelEntry(r.level).userClick();
        Form_nn* nn = launch();
        ASSERT_NE(nn, nullptr);
        EXPECT_TRUE(nn->isVisible());
        EXPECT_EQ(nn->Label_niveau.caption(), QString::number(r.level));
        EXPECT_EQ(nn->Label_choix_jeu.caption(), g.number);
        EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), codeOf(g.game));
        EXPECT_EQ(nn->picture().cacheKey(), media::loadResourcePicture("fond", g.colour).cacheKey());
        EXPECT_EQ(nn->Metronome_stop.picture().cacheKey(), metronomeKey(g.colour));
        EXPECT_EQ(nn->Label_nom1.caption(), QStringLiteral("Zoé"));
        EXPECT_EQ(nn->Label_nom2.caption(), r.twoPlayers ? QStringLiteral("Hugo") : QString());

        EXPECT_EQ(nn->Picture_bleu.visible(), r.input == 4);
        EXPECT_EQ(keysWithPointer(*nn, platform::kPointerNoDrop), r.input == 4 ? 40 : 0);
        for (platform::Control* port : std::initializer_list<platform::Control*>{&nn->Label_port, &nn->List1, &nn->Command_start})
            EXPECT_EQ(port->visible(), r.input == 5) << port->name().toStdString();
        for (platform::Control* two : std::initializer_list<platform::Control*>{
                 &nn->Label_nom1, &nn->Label_nom2, &nn->Label_score1, &nn->Label_score2, &nn->Picture_rouge})
            EXPECT_EQ(two->visible(), r.twoPlayers) << two->name().toStdString();
        for (platform::Label* one : {&nn->Label_barre_score, &nn->Label_rouge_score, &nn->Label_sc, &nn->Label_score})
            EXPECT_EQ(one->visible(), !r.twoPlayers) << one->name().toStdString();

        // The key hints of the level in nn, plain keys in nn2; the player's settings last.
        const int hinted[] = {0, 23, 24, 23, 40};  // level 2: fa, do and the black keys; 3: mi, si and the black keys
        EXPECT_EQ(keysWithPictures(*nn), g.game == Game::nn ? hinted[r.level] : 0);
        EXPECT_EQ(platform::form<players::Form_options>().Text_temps.text(), "30");
        EXPECT_EQ(platform::form<media::Form_bruitage>().Check4.value(), 0);
        EXPECT_TRUE(s.isVisible()) << "the level-choice screen stays beneath";
    }
}

TEST_P(NameLaunch, ScoreSelectedLaunchesAScoredRunAtTheLastLevelAndALevelLaunchesAnOrdinaryGame)
{
    platform::form<players::Form_options>().Label_jeu.setCaption(QStringLiteral("avant"));
    screen().Label_score.userClick();
    Form_nn* nn = launch();
    ASSERT_NE(nn, nullptr);
    EXPECT_EQ(nn->Label_niveau.caption(), "4");
    EXPECT_TRUE(nn->save_score.isVisibleTo(nn)) << "a scored run";
    EXPECT_EQ(nn->Label_choix_jeu.caption(), GetParam().number);
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), codeOf(GetParam().game));

    screen().levelEntry(1).userClick();
    nn = launch();
    ASSERT_NE(nn, nullptr);
    EXPECT_EQ(nn->Label_niveau.caption(), "1");
    EXPECT_FALSE(nn->save_score.isVisibleTo(nn));
}

// A launch onto a game screen still open gives a fresh one: no keyboard mode, two-player
// layout, key hints or end text of the earlier launch survive.
TEST_P(NameLaunch, ALaunchOntoAnOpenGameScreenStartsItAfresh)
{
    NameKeyboardChoice& s = screen();
    userChoose(s.Option2);
    s.Label_niveau4.userClick();
    Form_nn* first = launch();
    ASSERT_NE(first, nullptr);
    first->Label_aide.setCaption(QStringLiteral("earlier game"));
    first->Label_jouer.userClick();

    userChoose(s.Option1);
    userChoose(s.Option3);
    s.Label_niveau1.userClick();
    Form_nn* second = launch();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(first->isLoaded());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->Label_niveau.caption(), "1");
    EXPECT_EQ(second->Label_aide.caption(), QString());
    EXPECT_FALSE(second->Timer4.enabled());
    EXPECT_FALSE(second->Picture_bleu.visible());
    EXPECT_FALSE(second->Picture_rouge.visible());
    EXPECT_FALSE(second->Label_nom2.visible());
    EXPECT_TRUE(second->Label_score.visible());
    EXPECT_EQ(keysWithPointer(*second, platform::kPointerNoDrop), 0);
    EXPECT_TRUE(second->touche(40).picture().isNull()) << "level 1 leaves the black keys plain";
}

// A desktop close does what "Retour" does: the game screen goes, its level-choice screen
// stays; the menu's closing of the games takes it too.
TEST_P(NameLaunch, DesktopCloseAndTheMenuCloseTheGameScreen)
{
    screen().Show();
    Form_nn* nn = launch();
    ASSERT_NE(nn, nullptr);
    nn->Label_jouer.userClick();
    nn->close();
    testing_support::processEvents();
    EXPECT_EQ(platform::loaded<Form_nn>(), nullptr);
    EXPECT_TRUE(screen().isLoaded());

    nn = launch();
    ASSERT_NE(nn, nullptr);
    shell::unloadLevelChoiceAndGames();
    testing_support::processEvents();
    EXPECT_EQ(platform::loaded<Form_nn>(), nullptr);
    EXPECT_TRUE(screens_.messages.isEmpty()) << screens_.messages.join('\n').toStdString();
}

} // namespace
