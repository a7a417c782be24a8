#include "games/common/screen.h"

#include "media/form_bruitage.h"
#include "media/form_traduction.h"
#include "players/form_options.h"
#include "players/module2.h"

namespace games::common {

GameScreen::GameScreen(const QString& formName) : Form(formName)
{
    Label_jouer.onClick = [this] { Label_jouer_Click(); };
    Label_stop.onClick = [this] { Label_stop_Click(); };
    Label_suite.onClick = [this] { Label_suite_Click(); };
    Label_retour.onClick = [this] { Label_retour_Click(); };
    // A close from the desktop leaves as "Retour" does.
    onDesktopClose = [this] { Label_retour_Click(); };
    Command_niveau1.onClick = [this] { Command_niveau_Click(1); };
    Command_niveau2.onClick = [this] { Command_niveau_Click(2); };
    Command_niveau3.onClick = [this] { Command_niveau_Click(3); };
    Command_niveau4.onClick = [this] { Command_niveau_Click(4); };
    Command_reussi.onClick = [this] { Command_reussi_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Label_bruitages.onClick = [this] { Label_bruitages_Click(); };
    Label_temps_jeu.onClick = [this] { Label_temps_jeu_Click(); };
}

RoundWidgets GameScreen::manche()
{
    return {Label_temps, Label_score, Label_barre_score, Label_barre_temps, Label_debut, Label_timer2, Label_aide,
            Label_suite, save_score,  Metronome_stop,    Timer1,            Timer2,      Timer4};
}

RoundWidgets GameScreen::manche_a_deux_joueurs(platform::Label& nom2, platform::Label& reponseJoueur,
                                               platform::Label& score1, platform::Label& score2)
{
    RoundWidgets w = GameScreen::manche();
    w.Label_nom2 = &nom2;
    w.Label_reponse_joueur = &reponseJoueur;
    w.Label_score1 = &score1;
    w.Label_score2 = &score2;
    return w;
}

void GameScreen::charger_legendes(platform::Label* port)
{
    auto& t = platform::form<media::Form_traduction>();
    Label_jouer.setCaption(t.jouer_rejouer.caption());
    Label_retour.setCaption(t.retour.caption());
    Label_suite.setCaption(t.suivant.caption());
    Label_level.setCaption(t.niveau.caption());
    Label_stop.setCaption(t.arreter.caption());
    Label_sc.setCaption(t.score.caption());
    Label_temps_restant.setCaption(t.temps_restant.caption());
    Label_temps_jeu.setCaption(t.duree_du_jeu.caption());
    Label_bruitages.setCaption(t.bruitages.caption());
    Label_secondes.setCaption(t.secondes.caption());
    if (port)
        port->setCaption(t.Label_port.caption());
}

void GameScreen::Label_bruitages_Click()
{
    players::charger_bruitages();
    platform::form<media::Form_bruitage>().Show(1);
}

void GameScreen::Label_temps_jeu_Click()
{
    players::charger_duree();
    platform::form<players::Form_options>().Show(1);
}

} // namespace games::common
