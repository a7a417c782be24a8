// The six level-choice screens: load, unlocking, level selection, players and device, "Retour".
#include "level_choice_fixture.h"

#include "level_choice/form_choix_pn.h"
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/name_keyboard_choice.h"
#include "level_choice/players_level_choice.h"
#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "platform/vb.h"

using level_choice::Game;
using level_choice::LevelChoiceScreen;
using level_choice::PlayersLevelChoice;
using level_choice_tests::codeOf;

namespace {

constexpr quint32 kRed = 0xFF;

qint64 pictureKey(const QString& type, const QString& name)
{
    return media::loadResourcePicture(type, name).cacheKey();
}

// The entries' raised looks, level 1 first, SCORE last ("1000...0" = level 1 selected).
std::string raised(const LevelChoiceScreen& s)
{
    std::string flags;
    for (int level = 1; level <= s.levelCount(); ++level)
        flags += s.levelEntry(level).appearance() == 1 ? '1' : '0';
    flags += s.scoreEntry().appearance() == 1 ? '1' : '0';
    return flags;
}

std::string selectedOnly(const LevelChoiceScreen& s, int entry)  // entry 0 = SCORE
{
    std::string flags(s.levelCount() + 1, '0');
    flags[entry == 0 ? s.levelCount() : entry - 1] = '1';
    return flags;
}

int enabledLevels(const LevelChoiceScreen& s)
{
    int highest = 0;
    for (int level = 1; level <= s.levelCount(); ++level)
        if (s.levelEntry(level).enabled())
            highest = level;
    return highest;
}

class EveryScreen : public level_choice_tests::LevelChoiceTest, public ::testing::WithParamInterface<Game> {
protected:
    void SetUp() override { choosePlayer(QStringLiteral("Zoé")); }
    LevelChoiceScreen& screen() { return level_choice::levelChoiceScreen(GetParam()); }
    void setProgress(const QString& text) { level_choice::gameLevels(GetParam()).progress().setCaption(text); }
};

INSTANTIATE_TEST_SUITE_P(LevelChoice, EveryScreen, ::testing::ValuesIn(level_choice::kGames),
                         [](const auto& info) { return std::string(codeOf(info.param)); });

TEST_P(EveryScreen, LoadsCentredWithItsBackgroundLevelOneAndTheTexts)
{
    const level_choice::GameLevels& game = level_choice::gameLevels(GetParam());
    LevelChoiceScreen& s = screen();
    EXPECT_EQ(s.formName(), QStringLiteral("Form_choix_") + game.code);
    EXPECT_EQ(s.borderStyle(), 0);
    EXPECT_EQ(s.caption(), QStringLiteral("Tastevolo")) << "the desktop's lists show the program's name";
    EXPECT_EQ(s.width(), 12000);
    EXPECT_EQ(s.height(), 9000);
    EXPECT_EQ(s.left(), (1024 * 15 - 12000) / 2);
    EXPECT_EQ(s.top(), (768 * 15 - 9000) / 2);
    EXPECT_EQ(s.picture().cacheKey(), pictureKey("fond", game.colour));
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", s.pictureName(1)));

    EXPECT_EQ(raised(s), selectedOnly(s, 1));
    EXPECT_EQ(enabledLevels(s), 1);
    EXPECT_EQ(s.levelEntry(1).backColor(), platform::colors::kWhite);
    EXPECT_EQ(s.levelEntry(1).foreColor(), kRed);
    EXPECT_TRUE(s.scoreEntry().enabled());

    const media::Form_traduction& texts = platform::form<media::Form_traduction>();
    EXPECT_EQ(s.scoreEntry().caption(), texts.score.caption());
    EXPECT_EQ(s.Label_retour.caption(), texts.retour.caption());
    EXPECT_EQ(s.Label_jouer.caption(), texts.suivant.caption());
    if (auto* p = dynamic_cast<PlayersLevelChoice*>(&s)) {
        EXPECT_EQ(p->Text_nom1.text(), QStringLiteral("Zoé"));
        EXPECT_EQ(p->Label_choix_nombre_joueurs.caption(), texts.nombre_de_joueurs.caption());
        EXPECT_EQ(p->Option4.text(), texts.utilisation_clavier.caption());
        EXPECT_EQ(p->Frame2.caption(), texts.un_joueur.caption());
        EXPECT_TRUE(p->Option1.value());
        EXPECT_TRUE(p->Option3.value());
        EXPECT_FALSE(p->Label_nom2.visible());
        EXPECT_FALSE(p->Text_nom2.visible());
    } else {
        EXPECT_EQ(platform::form<level_choice::Form_choix_pn>().Label_niveau.caption(), texts.niveau.caption());
    }
}

TEST_P(EveryScreen, IsFoundByItsGamesCode)
{
    EXPECT_EQ(level_choice::levelChoiceScreen(QString::fromLatin1(codeOf(GetParam()))), &screen());
    EXPECT_EQ(level_choice::levelChoiceScreen(QStringLiteral("pp4")), nullptr);
}

TEST_P(EveryScreen, ShowsTheLevelsTheRecordHoldsWhenItLoads)
{
    setProgress(QStringLiteral("4"));
    EXPECT_EQ(enabledLevels(screen()), 4);
}

struct UnlockCase {
    Game game;
    const char* progress;
    int highestEnabled;
};

class Unlocking : public level_choice_tests::LevelChoiceTest, public ::testing::WithParamInterface<UnlockCase> {};

TEST_P(Unlocking, EnablesTheLevelsOfTheProgressTextCompared)
{
    const UnlockCase& c = GetParam();
    choosePlayer(QStringLiteral("Zoé"));
    LevelChoiceScreen& s = level_choice::levelChoiceScreen(c.game);
    level_choice::gameLevels(c.game).progress().setCaption(QString::fromUtf8(c.progress));
    s.Command_niveau.click();
    EXPECT_EQ(enabledLevels(s), c.highestEnabled);
    for (int level = 1; level <= c.highestEnabled; ++level)
        EXPECT_TRUE(s.levelEntry(level).enabled()) << "level " << level;
}

std::vector<UnlockCase> unlockCases()
{
    std::vector<UnlockCase> cases;
    for (Game g : {Game::pp, Game::pp2, Game::pp3, Game::pn})
        for (UnlockCase c : {UnlockCase{g, "1", 1}, {g, "2", 2}, {g, "3", 3}, {g, "4", 4}, {g, "14", 14},
                             {g, " 4", 1}, {g, "04", 1}, {g, "4.0", 1}, {g, "5", 1}, {g, "", 1}})
            cases.push_back(c);
    for (UnlockCase c : {UnlockCase{Game::nn, "2", 1}, {Game::nn, "3", 1}, {Game::nn, "4", 4},
                         {Game::nn, "14", 1}, {Game::nn, " 4", 1}, {Game::nn2, "2", 2}, {Game::nn2, "3", 3},
                         {Game::nn2, "4", 4}, {Game::nn2, "14", 1}, {Game::nn2, "04", 1}, {Game::nn2, "4.0", 1}})
        cases.push_back(c);
    return cases;
}

INSTANTIATE_TEST_SUITE_P(LevelChoice, Unlocking, ::testing::ValuesIn(unlockCases()), [](const auto& info) {
    std::string p = info.param.progress;
    for (char& ch : p)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return std::string(codeOf(info.param.game)) + "_progress_" + (p.empty() ? "empty" : p) + "_" +
           std::to_string(info.index);
});

TEST_P(EveryScreen, UnlockingAgainChangesNothingAndNeverLocks)
{
    LevelChoiceScreen& s = screen();
    setProgress(QStringLiteral("4"));
    s.Command_niveau.click();
    s.levelEntry(3).userClick();
    const qint64 picture = s.Image_niveau.picture().cacheKey();
    setProgress(QStringLiteral("1"));
    s.Command_niveau.click();
    s.Command_niveau.click();
    EXPECT_EQ(enabledLevels(s), 4);
    EXPECT_EQ(raised(s), selectedOnly(s, 3));
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), picture);
}

TEST_P(EveryScreen, AClickOnAnEntrySelectsItAloneAndShowsItsPicture)
{
    LevelChoiceScreen& s = screen();
    setProgress(QStringLiteral("4"));
    s.Command_niveau.click();

    s.levelEntry(3).userClick();
    s.levelEntry(4).userClick();
    EXPECT_EQ(raised(s), selectedOnly(s, 4));
    EXPECT_EQ(s.levelEntry(4).backColor(), platform::colors::kWindowBackground);
    EXPECT_EQ(s.levelEntry(4).foreColor(), kRed);
    // Deselected entries only lose the raised look.
    EXPECT_EQ(s.levelEntry(3).foreColor(), kRed);
    EXPECT_EQ(s.levelEntry(1).foreColor(), kRed);
    EXPECT_EQ(s.levelEntry(1).backColor(), platform::colors::kWhite);
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", s.pictureName(4)));
    EXPECT_EQ(s.selectedLevel(), 4);

    s.scoreEntry().userClick();
    EXPECT_EQ(raised(s), selectedOnly(s, 0));
    EXPECT_EQ(s.selectedLevel(), 0);
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", s.pictureName(s.levelCount())));
}

TEST_P(EveryScreen, ClicksOnTheSelectedOrALockedEntryChangeNothing)
{
    LevelChoiceScreen& s = screen();
    // A picture that no click of the test loads: a reload would replace it.
    const QPixmap marker(3, 3);
    s.Image_niveau.setPicture(marker);
    s.levelEntry(1).userClick();
    s.levelEntry(2).userClick();
    s.levelEntry(s.levelCount()).userClick();
    EXPECT_EQ(raised(s), selectedOnly(s, 1));
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), marker.cacheKey());
}

class PlayersScreen : public EveryScreen {
protected:
    PlayersLevelChoice& players() { return dynamic_cast<PlayersLevelChoice&>(screen()); }
};

INSTANTIATE_TEST_SUITE_P(LevelChoice, PlayersScreen,
                         ::testing::Values(Game::pp, Game::pp2, Game::pp3, Game::nn, Game::nn2),
                         [](const auto& info) { return std::string(codeOf(info.param)); });

TEST_P(PlayersScreen, TwoPlayersForceTheKeyboardAndOnePlayerFreesTheDevicesAgain)
{
    PlayersLevelChoice& s = players();
    level_choice_tests::userChoose(s.Option5);
    level_choice_tests::userChoose(s.Option2);
    EXPECT_TRUE(s.Option4.value());
    EXPECT_FALSE(s.Option3.enabled());
    EXPECT_FALSE(s.Option5.enabled());
    EXPECT_FALSE(s.Label_score.enabled());
    EXPECT_TRUE(s.Label_nom2.visible());
    EXPECT_TRUE(s.Text_nom2.visible());

    s.Text_nom2.setText(QStringLiteral("Hugo"));
    level_choice_tests::userChoose(s.Option1);
    EXPECT_TRUE(s.Option4.value());
    EXPECT_TRUE(s.Option3.enabled());
    EXPECT_TRUE(s.Option5.enabled());
    EXPECT_TRUE(s.Label_score.enabled());
    EXPECT_FALSE(s.Label_nom2.visible());
    EXPECT_FALSE(s.Text_nom2.visible());
    EXPECT_EQ(s.Text_nom2.text(), QStringLiteral("Hugo"));
}

TEST_P(PlayersScreen, TwoPlayersKeepASelectedLevelAsTheOnlySelection)
{
    PlayersLevelChoice& s = players();
    setProgress(QStringLiteral("4"));
    s.Command_niveau.click();
    s.levelEntry(3).userClick();
    const qint64 picture = s.Image_niveau.picture().cacheKey();
    level_choice_tests::userChoose(s.Option2);
    EXPECT_EQ(raised(s), selectedOnly(s, 3));
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), picture);
}

TEST_P(PlayersScreen, TwoPlayersMoveTheSelectionFromScoreToLevelOne)
{
    PlayersLevelChoice& s = players();
    s.Label_score.userClick();
    level_choice_tests::userChoose(s.Option2);
    EXPECT_EQ(raised(s), selectedOnly(s, 1));
    EXPECT_EQ(s.levelEntry(1).foreColor(), kRed);
    EXPECT_EQ(s.levelEntry(1).backColor(), platform::colors::kWindowBackground);
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", s.pictureName(1)));
    EXPECT_EQ(s.selectedLevel(), 1);

    // Choosing two players again changes no selection.
    level_choice_tests::userChoose(s.Option2);
    EXPECT_EQ(raised(s), selectedOnly(s, 1));
    s.Label_score.userClick();
    EXPECT_EQ(raised(s), selectedOnly(s, 1));
}

TEST_P(EveryScreen, RetourUnloadsAndTheNextShowingStartsAfresh)
{
    LevelChoiceScreen* s = &screen();
    setProgress(QStringLiteral("4"));
    s->Command_niveau.click();
    s->levelEntry(3).userClick();
    if (auto* p = dynamic_cast<PlayersLevelChoice*>(s)) {
        level_choice_tests::userChoose(p->Option2);
        p->Text_nom1.setText(QStringLiteral("autre"));
    }
    s->Label_retour.userClick();
    EXPECT_FALSE(s->isLoaded());

    setProgress(QStringLiteral("1"));
    s = &screen();
    EXPECT_EQ(raised(*s), selectedOnly(*s, 1));
    EXPECT_EQ(enabledLevels(*s), 1);
    if (auto* p = dynamic_cast<PlayersLevelChoice*>(s)) {
        EXPECT_TRUE(p->Option1.value());
        EXPECT_TRUE(p->Option3.value());
        EXPECT_EQ(p->Text_nom1.text(), QStringLiteral("Zoé"));
    }
}

TEST_P(EveryScreen, RetourAndSuivantShowThePressedLook)
{
    LevelChoiceScreen& s = screen();
    for (platform::Label* button : {&s.Label_retour, &s.Label_jouer}) {
        button->userMouseDown(2);
        EXPECT_EQ(button->appearance(), 1);
        EXPECT_EQ(button->backColor(), platform::colors::kWindowBackground);
        button->userMouseUp(2);
        EXPECT_EQ(button->appearance(), 0);
    }
}

// ------------------------------------------------------------------------ pp2 and language

class LanguageOfPp2 : public level_choice_tests::LevelChoiceTest {};

TEST_F(LanguageOfPp2, PicturesFollowTheLanguageReadAtEachLoadAndClick)
{
    choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("pp2"), QStringLiteral("14")}});
    platform::Label& language = platform::form<players::Form_joueurs>().Label_langue;
    struct Case {
        const char* language;
        const char* atLoad;
    };
    for (const Case& c : {Case{"anglais", "us01"}, {"espagnol", "es01"}, {"francais", "fr01"}, {"klingon", "fr01"}}) {
        language.setCaption(QString::fromLatin1(c.language));
        auto& s = platform::form<level_choice::Form_choix_pp2>();
        EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", c.atLoad)) << c.language;
        platform::unload(s);
    }

    language.setCaption(QStringLiteral("francais"));
    auto& s = platform::form<level_choice::Form_choix_pp2>();
    language.setCaption(QStringLiteral("anglais"));
    // The picture shown stays until the next click on another entry.
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", "fr01"));
    s.Label_niveau7.userClick();
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", "us07"));
    language.setCaption(QStringLiteral("espagnol"));
    s.Label_score.userClick();
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), pictureKey("niveaux", "es14"));
}

// ------------------------------------------------------------------------------- failures

// A level-choice screen whose pictures or player record can be made to fail.
bool gPicturesMissing = false;
bool gRecordFails = false;

const level_choice::GameLevels& brokenGame()
{
    static const level_choice::GameLevels game{
        QStringLiteral("nn"), QStringLiteral("vert_clair"), 4,
        [] { return gPicturesMissing ? QStringLiteral("absent") : QStringLiteral("nn"); }, 1,
        []() -> platform::Label& {
            if (gRecordFails)
                throw platform::VbError(3021, QStringLiteral("No current record."));
            return platform::form<players::Form_nouveau_joueur>().Label_nn;
        },
        {{QStringLiteral("4"), 4}}};
    return game;
}

class Form_choix_broken : public level_choice::NameKeyboardChoice {
public:
    Form_choix_broken() : NameKeyboardChoice(QStringLiteral("Form_choix_broken"), brokenGame(), QStringLiteral("1")) {}
};

class Failures : public level_choice_tests::LevelChoiceTest {
protected:
    void SetUp() override { choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("nn"), QStringLiteral("4")}}); }
    void TearDown() override { gPicturesMissing = gRecordFails = false; }
};

TEST_F(Failures, AScreenWhoseLoadFailsIsNeverLeftLoaded)
{
    for (bool* failure : {&gPicturesMissing, &gRecordFails}) {
        *failure = true;
        bool thrown = false;
        try {
            platform::form<Form_choix_broken>().Show();
        } catch (const platform::VbError&) {
            thrown = true;
        }
        EXPECT_TRUE(thrown);
        EXPECT_EQ(platform::loaded<Form_choix_broken>(), nullptr);
        *failure = false;
    }
    EXPECT_NE(&platform::form<Form_choix_broken>(), nullptr);
}

TEST_F(Failures, AFailingPictureOfAClickIsReportedAndTheSelectionStands)
{
    auto& s = platform::form<Form_choix_broken>();
    const qint64 before = s.Image_niveau.picture().cacheKey();
    gPicturesMissing = true;
    s.Label_niveau3.userClick();
    ASSERT_EQ(screens_.messages.size(), 1);
    EXPECT_TRUE(screens_.messages[0].startsWith(QStringLiteral("The resource was not found.")));
    EXPECT_EQ(raised(s), selectedOnly(s, 3));
    EXPECT_EQ(s.Image_niveau.picture().cacheKey(), before);

    // Two players after SCORE: the choice is complete even though level 1's picture fails.
    s.Label_score.userClick();
    level_choice_tests::userChoose(s.Option2);
    EXPECT_EQ(raised(s), selectedOnly(s, 1));
    EXPECT_TRUE(s.Option4.value());
    EXPECT_FALSE(s.Label_score.enabled());
    EXPECT_EQ(screens_.messages.size(), 3);
}

TEST_F(Failures, AFailingRecordOnRefreshIsReported)
{
    auto& s = platform::form<Form_choix_broken>();
    gRecordFails = true;
    s.Command_niveau.click();
    ASSERT_EQ(screens_.messages.size(), 1);
    EXPECT_EQ(screens_.messages[0], QStringLiteral("No current record."));
    EXPECT_EQ(enabledLevels(s), 4);
}

} // namespace
