#include "games/common/screen.h"

#include "games/common/game_screen.h"

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
    copier_legendes({Label_jouer, Label_retour, Label_suite, Label_level, Label_stop, Label_sc, Label_temps_restant,
                     Label_temps_jeu, Label_bruitages, Label_secondes, port});
}

void GameScreen::Label_bruitages_Click() { ouvrir_bruitages(); }

void GameScreen::Label_temps_jeu_Click() { ouvrir_duree_du_jeu(); }

} // namespace games::common
