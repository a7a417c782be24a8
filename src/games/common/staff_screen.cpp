#include "games/common/staff_screen.h"

#include "games/common/game_screen.h"
#include "games/common/staff_notes.h"
#include "media/form_traduction.h"
#include "players/form_bulles.h"
#include "players/module2.h"
#include "shell/looks.h"

namespace games::common {

StaffGameScreen::StaffGameScreen(const QString& formName, const QString& code) : GameScreen(formName), code_(code)
{
    // The shared widgets were created first: the staff goes back under the countdown digit and
    // the end-of-level text, and the appearance button beside the rest of the row.
    for (QWidget* lower : {Label_apparence.widget(), Picture_note2.widget(), Picture_note.widget()})
        lower->stackUnder(Label_debut.widget());
    Label_apparence.onClick = [this] { Label_apparence_Click(); };
}

void StaffGameScreen::fin_de_partie()
{
    Label_apparence.setEnabled(true);
    terminer_manche(manche());
    Picture_note.setVisible(false);
    Picture_note2.setVisible(false);
}

void StaffGameScreen::bonne_reponse_sur_portee()
{
    arreter_bruitage();
    portee_vide(Picture_note, Picture_note2);
    note_triste = false;
    if (!bonne_reponse(manche()))
        return;
    fin_de_partie();
    niveau_reussi(manche(), Label_niveau, Command_reussi);
}

void StaffGameScreen::tirer_note_du_niveau(int level)
{
    common::tirer_note_du_niveau(level, {&Command_niveau1, &Command_niveau2, &Command_niveau3, &Command_niveau4},
                                 [this](int l) { Command_niveau_Click(l); });
}

void StaffGameScreen::Timer2_Timer()
{
    seconde_pause_note(manche(), Picture_note, Label_niveau, [this](int level) { tirer_note_du_niveau(level); });
}

void StaffGameScreen::charger_textes_et_apparence(platform::Label* port)
{
    charger_legendes(port);
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

} // namespace games::common
