// The game screen itself: its state when it loads, its captions, the settings buttons and
// "Retour".
#include "media/form_traduction.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "pp_fixture.h"

namespace pp_test {
namespace {

TEST_F(PpScreen, FreshScreen)
{
    Form_pp& f = pp();
    EXPECT_EQ(f.width(), 12000);
    EXPECT_EQ(f.left(), (1024 * 15 - 12000) / 2);
    for (platform::Control* hidden : std::initializer_list<platform::Control*>{
             &f.Picture_bleu, &f.Picture_rouge, &f.Label_port, &f.List1, &f.Command_start, &f.Label_nom1,
             &f.Label_nom2, &f.Label_score1, &f.Label_score2, &f.Picture_note, &f.Picture_note2, &f.save_score})
        EXPECT_FALSE(hidden->visible()) << hidden->name().toStdString();
    for (platform::Control* shown : std::initializer_list<platform::Control*>{
             &f.Label_barre_score, &f.Label_rouge_score, &f.Label_sc, &f.Label_score, &f.Label_focus})
        EXPECT_TRUE(shown->visible()) << shown->name().toStdString();
    EXPECT_TRUE(f.Label_apparence.enabled());
    EXPECT_FALSE(f.Label_suite.enabled());
    EXPECT_EQ(f.Label_barre_score.width(), 5880);
    EXPECT_EQ(f.Label_barre_temps.width(), 15);
    EXPECT_EQ(f.Label_note.caption(), "0");
    EXPECT_EQ(f.Label_timer3.caption(), "1000");
    EXPECT_EQ(f.Label_keydown1.caption(), "1");
    for (platform::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3, &f.Timer4})
        EXPECT_FALSE(t->enabled()) << t->name().toStdString();
    EXPECT_EQ(platform::form<players::Form_bulles>().Label_form.caption(), "pp");
    EXPECT_EQ(f.Label_jouer.caption(), "Jouer/Rejouer");
    EXPECT_EQ(f.Label_port.caption(), platform::form<media::Form_traduction>().Label_port.caption());
}

TEST_F(PpScreen, CaptionsInTheLanguageOfThePlayer)
{
    platform::unload<Form_pp>();
    testing_support::processEvents();
    platform::form<players::Form_joueurs>().Label_langue.setCaption(QStringLiteral("anglais"));
    platform::form<media::Form_traduction>().Command_langue.click();
    Form_pp& f = pp();
    auto& t = platform::form<media::Form_traduction>();
    const std::vector<std::pair<platform::Label*, platform::Label*>> captions{
        {&f.Label_jouer, &t.jouer_rejouer},       {&f.Label_retour, &t.retour},
        {&f.Label_suite, &t.suivant},             {&f.Label_level, &t.niveau},
        {&f.Label_stop, &t.arreter},              {&f.Label_sc, &t.score},
        {&f.Label_temps_restant, &t.temps_restant}, {&f.Label_temps_jeu, &t.duree_du_jeu},
        {&f.Label_bruitages, &t.bruitages},       {&f.Label_apparence, &t.apparence_de_la_note},
        {&f.Label_secondes, &t.secondes},         {&f.Label_port, &t.Label_port}};
    for (const auto& [label, text] : captions)
        EXPECT_EQ(label->caption(), text->caption()) << label->name().toStdString();
    EXPECT_EQ(f.Label_jouer.caption(), "Play/Replay");
    EXPECT_EQ(f.Label_apparence.caption(), "Appearance of the note");
}

TEST_F(PpScreen, ButtonsTakeThePressedLook)
{
    for (platform::Label* b : {&pp().Label_jouer, &pp().Label_stop, &pp().Label_retour, &pp().Label_apparence,
                               &pp().Label_bruitages, &pp().Label_temps_jeu}) {
        b->userMouseDown();
        EXPECT_EQ(b->appearance(), 1) << b->name().toStdString();
        EXPECT_EQ(b->backColor(), platform::colors::kWindowBackground);
        b->userMouseUp();
        EXPECT_EQ(b->appearance(), 0);
    }
}

// Each settings button loads the player's setting and shows its dialog modal; the clock goes
// on meanwhile.
TEST_F(PpScreen, SettingsButtonsShowTheirDialogs)
{
    auto& record = platform::form<players::Form_nouveau_joueur>();
    record.Label_sons3.setCaption(QStringLiteral("1"));
    record.Label_duree.setCaption(QStringLiteral("16"));
    startGame();
    QStringList shown;
    QString seconds;
    platform::setModalHook([&](platform::Form& dialog) {
        shown << dialog.formName();
        testing_support::advance(1000);
        seconds = pp().Label_temps.caption();
        dialog.Hide();
    });
    pp().Label_apparence.setEnabled(true);
    for (platform::Label* b : {&pp().Label_apparence, &pp().Label_bruitages, &pp().Label_temps_jeu})
        b->userClick();
    EXPECT_EQ(shown, (QStringList{"Form_bulles", "Form_bruitage", "Form_options"}));
    EXPECT_EQ(platform::form<media::Form_bruitage>().Check3.value(), 1);
    EXPECT_EQ(platform::form<players::Form_options>().Text_temps.text(), "900");
    EXPECT_EQ(seconds, "57");
}

TEST_F(PpScreen, RetourClosesTheScreen)
{
    startGame();
    pp().Label_retour.userClick();
    testing_support::processEvents();
    EXPECT_EQ(platform::loaded<Form_pp>(), nullptr);
    EXPECT_TRUE(pp().touche(20).picture().isNull());
    EXPECT_EQ(pp().Label_niveau.caption(), "");
}

} // namespace
} // namespace pp_test
