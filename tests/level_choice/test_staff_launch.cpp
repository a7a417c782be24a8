// "Suivant" on the level-choice screens of "pp", "pp2" and "pp3": the hand-over to Form_pp.
#include "level_choice_fixture.h"

#include "games/staff_keyboard/form_pp.h"
#include "level_choice/form_choix_pp.h"
#include "level_choice/form_choix_pp2.h"
#include "level_choice/form_choix_pp3.h"
#include "level_choice/staff_keyboard_choice.h"
#include "media/form_bruitage.h"
#include "media/form_traduction.h"
#include "media/res_picture.h"
#include "players/form_bulles.h"
#include "players/form_options.h"

#include <QApplication>
#include <QEvent>

using games::staff_keyboard::Form_pp;
using level_choice::Game;
using level_choice::StaffKeyboardChoice;
using level_choice_tests::codeOf;
using level_choice_tests::keysWithPointer;
using level_choice_tests::metronomeKey;
using level_choice_tests::userChoose;

namespace {

struct StaffGame {
    Game game;
    const char* number;
    const char* colour;
    bool forcesBubble;
};

const StaffGame kStaffGames[] = {
    {Game::pp, "1", "jaune_clair", true},
    {Game::pp2, "2", "rouge_clair", false},
    {Game::pp3, "3", "bleu_turquoise", false},
};

QString chosenStyles()
{
    players::Form_bulles& b = platform::form<players::Form_bulles>();
    QString chosen;
    for (platform::Image* style : {&b.Image_ronde, &b.Image_smiley, &b.Image_blanche, &b.Image_noire,
                                   &b.Image_croche, &b.Image_bulle, &b.Image_foot, &b.Image_basket})
        if (style->borderStyle() == 1)
            chosen += (chosen.isEmpty() ? "" : " ") + style->name();
    return chosen;
}

// No cursor, no MIDI widgets, the one-player score: the game screen as it loads.
void expectOnePlayerWithTheMouse(Form_pp& pp)
{
    for (platform::Control* hidden : std::initializer_list<platform::Control*>{
             &pp.Picture_bleu, &pp.Picture_rouge, &pp.Label_port, &pp.List1, &pp.Command_start,
             &pp.Label_nom1, &pp.Label_nom2, &pp.Label_score1, &pp.Label_score2})
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    for (platform::Label* shown : {&pp.Label_barre_score, &pp.Label_rouge_score, &pp.Label_sc, &pp.Label_score})
        EXPECT_TRUE(shown->visible()) << shown->name().toStdString();
    EXPECT_EQ(keysWithPointer(pp, platform::kPointerNoDrop), 0);
}

class Launches : public level_choice_tests::LevelChoiceTest {};

class StaffLaunch : public level_choice_tests::LevelChoiceTest, public ::testing::WithParamInterface<StaffGame> {
protected:
    void SetUp() override
    {
        // Stored: the note appearance ronde alone, 30-second games, the effect "cri" off,
        // every level of the game unlocked.
        choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("imgnotes"), QStringLiteral("1")},
                                              {QStringLiteral("duree"), QStringLiteral("1")},
                                              {QStringLiteral("sons4"), QStringLiteral("0")},
                                              {QString::fromLatin1(codeOf(GetParam().game)), QStringLiteral("14")}});
    }
    StaffKeyboardChoice& screen()
    {
        return dynamic_cast<StaffKeyboardChoice&>(level_choice::levelChoiceScreen(GetParam().game));
    }
    Form_pp* launch()
    {
        screen().Label_jouer.userClick();
        return platform::loaded<Form_pp>();
    }
};

INSTANTIATE_TEST_SUITE_P(LevelChoice, StaffLaunch, ::testing::ValuesIn(kStaffGames),
                         [](const auto& info) { return std::string(codeOf(info.param.game)); });

TEST_P(StaffLaunch, OnePlayerWithTheMouseAtLevelOne)
{
    const StaffGame& g = GetParam();
    StaffKeyboardChoice& s = screen();
    s.Show();
    Form_pp* pp = launch();
    ASSERT_NE(pp, nullptr);
    EXPECT_TRUE(pp->isVisible());
    EXPECT_EQ(pp->Label_niveau.caption(), "1");
    EXPECT_EQ(pp->Label_choix_jeu.caption(), g.number);
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), codeOf(g.game));
    EXPECT_EQ(pp->picture().cacheKey(), media::loadResourcePicture("fond", g.colour).cacheKey());
    EXPECT_EQ(pp->Metronome_stop.picture().cacheKey(), metronomeKey(g.colour));
    expectOnePlayerWithTheMouse(*pp);
    // The names are handed over even to one player, who does not see them.
    EXPECT_EQ(pp->Label_nom1.caption(), QStringLiteral("Zoé"));
    EXPECT_EQ(pp->Label_nom2.caption(), QString());
    // The player's settings, loaded last.
    EXPECT_EQ(platform::form<players::Form_options>().Text_temps.text(), "30");
    EXPECT_EQ(platform::form<media::Form_bruitage>().Check4.value(), 0);
    EXPECT_EQ(platform::form<media::Form_bruitage>().Check5.value(), 1);
    // The level-choice screen stays open beneath, its selection unchanged.
    EXPECT_TRUE(s.isLoaded());
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(s.selectedLevel(), 1);

    if (g.forcesBubble) {
        EXPECT_EQ(chosenStyles(), "Image_bulle");
        EXPECT_EQ(stored("imgnotes"), "6");
        EXPECT_EQ(pp->nb_note.caption(), "6");
        EXPECT_FALSE(pp->Label_apparence.enabled());
    } else {
        EXPECT_EQ(chosenStyles(), "Image_ronde");
        EXPECT_EQ(stored("imgnotes"), "1");
        EXPECT_TRUE(pp->Label_apparence.enabled());
    }
}

TEST_P(StaffLaunch, HandsOverTheSelectedLevelTheLowestWhenSeveralLookSelected)
{
    StaffKeyboardChoice& s = screen();
    for (int level = 1; level <= 14; ++level) {
        s.levelEntry(level).userClick();
        ASSERT_NE(launch(), nullptr);
        EXPECT_EQ(platform::loaded<Form_pp>()->Label_niveau.caption(), QString::number(level));
    }
    s.levelEntry(5).setAppearance(1);
    s.levelEntry(3).setAppearance(1);
    EXPECT_EQ(launch()->Label_niveau.caption(), "3");
}

TEST_P(StaffLaunch, ScoreSelectedLaunchesAScoredRunAtTheLastLevelAndALevelLaunchesAnOrdinaryGame)
{
    StaffKeyboardChoice& s = screen();
    platform::form<players::Form_options>().Label_jeu.setCaption(QStringLiteral("avant"));
    s.Label_score.userClick();
    Form_pp* pp = launch();
    ASSERT_NE(pp, nullptr);
    EXPECT_EQ(pp->Label_niveau.caption(), "14");
    EXPECT_TRUE(pp->save_score.isVisibleTo(pp)) << "a scored run";
    EXPECT_EQ(pp->Label_choix_jeu.caption(), GetParam().number);
    EXPECT_EQ(platform::form<players::Form_options>().Label_jeu.caption(), codeOf(GetParam().game));
    EXPECT_EQ(s.Label_score.appearance(), 1) << "SCORE stays selected for the next run";

    s.levelEntry(1).userClick();
    pp = launch();
    ASSERT_NE(pp, nullptr);
    EXPECT_EQ(pp->Label_niveau.caption(), "1");
    EXPECT_FALSE(pp->save_score.isVisibleTo(pp));
}

TEST_P(StaffLaunch, TwoPlayersPlayOnTheKeyboardWithBothCursorsNamesAndScores)
{
    StaffKeyboardChoice& s = screen();
    userChoose(s.Option2);
    s.Text_nom2.setText(QStringLiteral("Hugo"));
    Form_pp* pp = launch();
    ASSERT_NE(pp, nullptr);
    EXPECT_TRUE(pp->Picture_bleu.visible());
    EXPECT_TRUE(pp->Picture_rouge.visible());
    EXPECT_EQ(keysWithPointer(*pp, platform::kPointerNoDrop), 40);
    for (platform::Label* shown : {&pp->Label_nom1, &pp->Label_nom2, &pp->Label_score1, &pp->Label_score2})
        EXPECT_TRUE(shown->visible()) << shown->name().toStdString();
    for (platform::Label* hidden : {&pp->Label_barre_score, &pp->Label_rouge_score, &pp->Label_sc, &pp->Label_score})
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    EXPECT_EQ(pp->Label_nom1.caption(), QStringLiteral("Zoé"));
    EXPECT_EQ(pp->Label_nom2.caption(), QStringLiteral("Hugo"));
    EXPECT_FALSE(pp->Label_port.visible());
}

TEST_P(StaffLaunch, MidiShowsThePortWidgetsAtEveryLevel)
{
    StaffKeyboardChoice& s = screen();
    userChoose(s.Option5);
    s.Label_niveau3.userClick();
    Form_pp* pp = launch();
    ASSERT_NE(pp, nullptr);
    EXPECT_EQ(pp->Label_niveau.caption(), "3");
    EXPECT_TRUE(pp->Label_port.visible());
    EXPECT_TRUE(pp->List1.visible());
    EXPECT_TRUE(pp->Command_start.visible());
    EXPECT_FALSE(pp->Picture_bleu.visible());
    EXPECT_EQ(keysWithPointer(*pp, platform::kPointerNoDrop), 0);
}

// A passed level stores the progress and the level-choice screen beneath unlocks what it earned.
TEST_F(Launches, APassedLevelRefreshesTheLevelChoiceScreen)
{
    choosePlayer(QStringLiteral("Zoé"));
    auto& s = platform::form<level_choice::Form_choix_pp3>();
    s.Label_jouer.userClick();
    ASSERT_FALSE(s.Label_niveau2.enabled());
    platform::loaded<Form_pp>()->Command_reussi.click();
    EXPECT_EQ(stored("pp3"), "2");
    EXPECT_TRUE(s.Label_niveau2.enabled());
    EXPECT_FALSE(s.Label_niveau3.enabled());
    EXPECT_EQ(s.selectedLevel(), 1);
    EXPECT_TRUE(screens_.messages.isEmpty()) << screens_.messages.join('\n').toStdString();
}

// What a later launch finds: a game screen as fresh as the first time, whatever an earlier
// launch made of it.
TEST_P(StaffLaunch, ALaunchOntoAnOpenGameScreenStartsItAfresh)
{
    StaffKeyboardChoice& s = screen();
    userChoose(s.Option2);
    s.Label_niveau4.userClick();
    Form_pp* first = launch();
    ASSERT_NE(first, nullptr);
    first->Label_aide.setCaption(QStringLiteral("earlier game"));

    userChoose(s.Option1);
    userChoose(s.Option3);
    s.Label_niveau2.userClick();
    Form_pp* second = launch();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_FALSE(first->isLoaded());
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->Label_niveau.caption(), "2");
    EXPECT_EQ(second->Label_aide.caption(), QString());
    expectOnePlayerWithTheMouse(*second);
    const std::vector<platform::Form*> loaded = platform::loadedForms();
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), second), 1);
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), first), 0);
}

TEST_F(Launches, PpAfterPp2StillForcesTheBubbleAndPp2AfterPpFreesTheAppearanceButton)
{
    choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("imgnotes"), QStringLiteral("1")}});
    platform::form<level_choice::Form_choix_pp2>().Label_jouer.userClick();
    EXPECT_EQ(chosenStyles(), "Image_ronde");
    platform::form<level_choice::Form_choix_pp>().Label_jouer.userClick();
    EXPECT_EQ(chosenStyles(), "Image_bulle");
    EXPECT_FALSE(platform::loaded<Form_pp>()->Label_apparence.enabled());
    platform::form<level_choice::Form_choix_pp3>().Label_jouer.userClick();
    // bulle is the stored appearance now, and the fresh game screen's button is free.
    EXPECT_EQ(chosenStyles(), "Image_bulle");
    EXPECT_EQ(stored("imgnotes"), "6");
    EXPECT_TRUE(platform::loaded<Form_pp>()->Label_apparence.enabled());
    EXPECT_EQ(platform::loaded<Form_pp>()->Label_choix_jeu.caption(), "3");
}

// ------------------------------------------------------------------- the order of the writes

// Notes what the game screen holds at each of the moments the launch makes visible: the
// screen's show and each widget shown or hidden.
class LaunchMoments : public QObject {
public:
    LaunchMoments() { qApp->installEventFilter(this); }
    ~LaunchMoments() override { qApp->removeEventFilter(this); }

    struct Moment {
        QString what;
        QString niveau, jeu, choixJeu, nom1, nom2, nbNote, tempsDuJeu;
        bool background, metronome, apparenceEnabled, scoreShown, keysBlocked, formsLoadedFirst;
    };
    std::vector<Moment> moments;

    const Moment* find(const QString& what) const
    {
        for (const Moment& m : moments)
            if (m.what == what)
                return &m;
        return nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        Form_pp* pp = platform::loaded<Form_pp>();
        if (!pp)
            return false;
        QString what;
        if (watched == pp && event->type() == QEvent::Show)
            what = QStringLiteral("show");
        else if (watched->parent() == pp && event->type() == QEvent::ShowToParent)
            what = watched->objectName() + QStringLiteral(" shown");
        else if (watched->parent() == pp && event->type() == QEvent::HideToParent)
            what = watched->objectName() + QStringLiteral(" hidden");
        if (what.isEmpty() || find(what))
            return false;
        players::Form_options* options = platform::loaded<players::Form_options>();
        moments.push_back({what, pp->Label_niveau.caption(),
                           options ? options->Label_jeu.caption() : QString(), pp->Label_choix_jeu.caption(),
                           pp->Label_nom1.caption(), pp->Label_nom2.caption(), pp->nb_note.caption(),
                           options ? options->Text_temps.text() : QString(), !pp->picture().isNull(),
                           !pp->Metronome_stop.picture().isNull(), pp->Label_apparence.enabled(),
                           pp->Label_score.visible(), keysWithPointer(*pp, platform::kPointerNoDrop) == 40,
                           // the game screen's own load has run: its captions are in place
                           pp->Label_jouer.caption() == platform::form<media::Form_traduction>().jouer_rejouer.caption()});
        return false;
    }
};

TEST_F(Launches, PpWritesInItsOrderAfterTheGameScreenHasLoaded)
{
    choosePlayer(QStringLiteral("Zoé"), {{QStringLiteral("pp"), QStringLiteral("14")},
                                          {QStringLiteral("duree"), QStringLiteral("1")}});
    auto& s = platform::form<level_choice::Form_choix_pp>();
    userChoose(s.Option2);
    s.Text_nom2.setText(QStringLiteral("Hugo"));
    s.Label_niveau6.userClick();
    platform::form<players::Form_options>().Text_temps.setText(QStringLiteral("999"));

    LaunchMoments record;
    s.Label_jouer.userClick();
    ASSERT_NE(platform::loaded<Form_pp>(), nullptr);

    std::vector<QString> order;
    for (const auto& m : record.moments)
        order.push_back(m.what);
    const std::vector<QString> expected = {
        "show", "Picture_bleu shown", "Label_nom1 shown", "Label_nom2 shown", "Label_score1 shown",
        "Label_score2 shown", "Label_barre_score hidden", "Label_rouge_score hidden", "Label_sc hidden",
        "Label_score hidden", "Picture_rouge shown"};
    ASSERT_EQ(order, expected);

    // Shown: everything up to the metronome is in, the game number and the rest not yet.
    const auto* show = record.find("show");
    EXPECT_TRUE(show->formsLoadedFirst);
    EXPECT_EQ(show->niveau, "6");
    EXPECT_EQ(show->jeu, "pp");
    EXPECT_TRUE(show->background);
    EXPECT_TRUE(show->metronome);
    EXPECT_EQ(show->nbNote, "6");
    EXPECT_FALSE(show->apparenceEnabled);
    EXPECT_NE(show->choixJeu, "1");
    EXPECT_NE(show->nom1, QStringLiteral("Zoé"));

    const auto* cursor = record.find("Picture_bleu shown");
    EXPECT_EQ(cursor->choixJeu, "1");
    EXPECT_FALSE(cursor->keysBlocked);
    EXPECT_NE(cursor->nom1, QStringLiteral("Zoé"));

    const auto* names = record.find("Label_nom1 shown");
    EXPECT_TRUE(names->keysBlocked);
    EXPECT_EQ(names->nom1, QStringLiteral("Zoé"));
    EXPECT_EQ(names->nom2, QStringLiteral("Hugo"));
    EXPECT_TRUE(names->scoreShown);

    // The settings come after the last widget.
    EXPECT_EQ(record.find("Picture_rouge shown")->tempsDuJeu, "999");
    EXPECT_EQ(platform::form<players::Form_options>().Text_temps.text(), "30");
}

TEST_F(Launches, MidiPortWidgetsComeAfterTheGameNumberAndBeforeTheNames)
{
    choosePlayer(QStringLiteral("Zoé"));
    auto& s = platform::form<level_choice::Form_choix_pp2>();
    userChoose(s.Option5);
    LaunchMoments record;
    s.Label_jouer.userClick();
    std::vector<QString> order;
    for (const auto& m : record.moments)
        order.push_back(m.what);
    const std::vector<QString> expected = {"show", "Label_port shown", "List1 shown", "Command_start shown"};
    ASSERT_EQ(order, expected);
    EXPECT_EQ(record.find("Label_port shown")->choixJeu, "2");
    EXPECT_NE(record.find("Command_start shown")->nom1, QStringLiteral("Zoé"));
    EXPECT_EQ(platform::loaded<Form_pp>()->Label_nom1.caption(), QStringLiteral("Zoé"));
}

} // namespace
