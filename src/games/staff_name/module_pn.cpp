#include "games/staff_name/module_pn.h"

#include "games/common/note_style.h"
#include "games/common/round.h"
#include "games/staff_name/form_pn.h"
#include "games/staff_name/level_notes.h"
#include "platform/forms.h"
#include "platform/vb.h"
#include "players/form_joueurs.h"
#include "players/form_score.h"

#include <algorithm>
#include <initializer_list>

namespace games::staff_name {

namespace {

Form_pn& jeu() { return platform::form<Form_pn>(); }

void montrer(std::initializer_list<platform::Label*> buttons, bool on)
{
    for (platform::Label* b : buttons)
        b->setVisible(on);
}

common::NotePicture note_de_l_image(const std::string& picture)
{
    return {QString::fromStdString(picture), staff_name_notes::keyOfPicture(picture),
            QString::fromStdString(staff_name_notes::nameOfPicture(picture))};
}

} // namespace

void choisir_apparence_note_pn() { common::appliquer_apparence(jeu().nb_note); }

void afficher_boutons_notes_pn()
{
    Form_pn& f = jeu();
    const auto naturals = {&f.Command_do, &f.Command_re, &f.Command_mi, &f.Command_fa,
                           &f.Command_sol, &f.Command_la, &f.Command_si};
    const auto sharps = {&f.Command_dod, &f.Command_red, &f.Command_mid, &f.Command_fad,
                         &f.Command_sold, &f.Command_lad, &f.Command_sid};
    const auto flats = {&f.Command_dob, &f.Command_reb, &f.Command_mib, &f.Command_fab,
                        &f.Command_solb, &f.Command_lab, &f.Command_sib};
    const std::optional<int> level = common::niveau_du_texte(f.Label_niveau.caption());
    if (!level)
        return;
    if (*level == 1) {
        montrer({&f.Command_do, &f.Command_re, &f.Command_si}, true);
    } else if (*level == 2) {
        montrer({&f.Command_do, &f.Command_re, &f.Command_mi, &f.Command_la, &f.Command_si}, true);
    } else if (*level <= 7) {
        montrer(naturals, true);
    } else if (*level == 8) {
        montrer(sharps, true);
        montrer(naturals, false);
        montrer(flats, false);
    } else if (*level == 9) {
        montrer(flats, true);
        montrer(naturals, false);
        montrer(sharps, false);
    } else {
        montrer(naturals, true);
        montrer(sharps, true);
        montrer(flats, true);
    }
}

std::vector<common::NotePicture> notes_du_niveau(int level)
{
    if (level >= 1 && level <= 4)
        return common::table_du_niveau(level);
    std::vector<common::NotePicture> notes;
    for (const std::string& picture : staff_name_notes::levelNotes(level))
        notes.push_back(note_de_l_image(picture));
    return notes;
}

std::optional<common::DrawnNote> tirer_note_pn(int level)
{
    return common::tirer_note_parmi(notes_du_niveau(level));
}

void traiter_bonne_reponse_pn() { jeu().bonne_reponse_sur_portee(); }

void traiter_mauvaise_reponse_pn()
{
    Form_pn& f = jeu();
    const common::RoundWidgets w = f.manche();
    // The effect first, then the end test: a level lost by this answer, or by the clock, plays
    // it too.
    if (!common::bruitage_erreur_d_abord(w))
        return;  // the level ended behind the effect player's failure box
    // The sad face comes from the note on the staff, whatever the dialog says now; a scored
    // run leaves the pictures as they are.
    if (!common::partie_notee(w))
        common::montrer_visage_triste(f.Picture_note, f.note_triste);
    switch (common::mauvaise_reponse(w, common::Bruitage::DejaJoue)) {
    case common::FinDeManche::Aucune:
        break;
    case common::FinDeManche::PartieNotee:
        terminer_partie_notee_pn();
        break;
    default:
        f.fin_de_partie();
        break;
    }
}

void terminer_partie_notee_pn()
{
    Form_pn& f = jeu();
    f.fin_de_partie();
    // The player chosen at the login (a game without name fields) and the score enter the
    // high scores of "pn".
    players::entrer_score(QStringLiteral("pn"), platform::form<players::Form_joueurs>().DBCombo1.text(),
                          f.Label_score.caption());
}

} // namespace games::staff_name
