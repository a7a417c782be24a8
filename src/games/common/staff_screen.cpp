#include "games/common/staff_screen.h"

#include "games/common/game_screen.h"
#include "media/form_traduction.h"
#include "players/form_bulles.h"
#include "players/module2.h"
#include "shell/looks.h"

namespace games::common {

StaffGameScreen::StaffGameScreen(const QString& formName, const QString& code) : Form(formName), code_(code)
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
    Label_apparence.onClick = [this] { Label_apparence_Click(); };
    Label_bruitages.onClick = [this] { Label_bruitages_Click(); };
    Label_temps_jeu.onClick = [this] { Label_temps_jeu_Click(); };
}

RoundWidgets StaffGameScreen::manche()
{
    return {Label_temps, Label_score, Label_barre_score, Label_barre_temps, Label_debut, Label_timer2, Label_aide,
            Label_suite, save_score,  Metronome_stop,    Timer1,            Timer2,      Timer4};
}

void StaffGameScreen::fin_de_partie()
{
    Label_apparence.setEnabled(true);
    terminer_manche(manche());
    Picture_note.setVisible(false);
    Picture_note2.setVisible(false);
}

void StaffGameScreen::charger_textes_et_apparence()
{
    copier_legendes({Label_jouer, Label_retour, Label_suite, Label_level, Label_stop, Label_sc, Label_temps_restant,
                     Label_temps_jeu, Label_bruitages, Label_secondes});
    Label_apparence.setCaption(platform::form<media::Form_traduction>().apparence_de_la_note.caption());
    for (platform::Label* button : {&Label_jouer, &Label_stop, &Label_retour, &Label_suite, &Label_temps_jeu,
                                    &Label_bruitages, &Label_apparence})
        shell::ajuster_a_la_largeur(*button);
    players::charger_apparence_notes();
    platform::form<players::Form_bulles>().Label_form.setCaption(code_);
}

void StaffGameScreen::Label_apparence_Click()
{
    auto& bulles = platform::form<players::Form_bulles>();
    // The dialog applies its choice to the screen that opened it.
    bulles.Label_form.setCaption(code_);
    bulles.Show(1);
}

void StaffGameScreen::Label_bruitages_Click() { ouvrir_bruitages(); }

void StaffGameScreen::Label_temps_jeu_Click() { ouvrir_duree_du_jeu(); }

} // namespace games::common
