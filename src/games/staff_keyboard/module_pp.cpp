#include "games/staff_keyboard/module_pp.h"

#include "games/common/note_style.h"
#include "games/common/piano.h"
#include "games/common/round.h"
#include "games/common/staff_notes.h"
#include "games/staff_keyboard/form_pp.h"
#include "games/staff_keyboard/levels.h"
#include "media/form_traduction.h"
#include "players/form_joueurs.h"
#include "platform/vb.h"

namespace games::staff_keyboard {

using platform::str;
using platform::val;

namespace {

Form_pp& jeu() { return platform::form<Form_pp>(); }

// Paints the pictures a level gives the keys, for a game number and a language.
void peindre_touches(const QString& game, const QString& language)
{
    Form_pp& f = jeu();
    const QString level = f.Label_niveau.caption();
    for (int k = 1; k < common::kKeyCount; ++k) {
        const std::optional<QString> name = image_de_touche(game, language, level, k);
        if (!name)
            continue;
        const platform::Image* picture = common::image_du_magasin(*name);
        f.touche(k).setPicture(picture ? picture->picture() : QPixmap());
    }
}

// Every end of a game: the clock and both pauses stop, the note goes, the appearance may be
// changed again.
void fin_de_partie()
{
    Form_pp& f = jeu();
    f.Label_apparence.setEnabled(true);
    common::terminer_manche(f.manche());
    f.Timer3.setEnabled(false);
    f.Picture_note.setVisible(false);
    f.Picture_note2.setVisible(false);
}

void points_du_joueur(double points)
{
    Form_pp& f = jeu();
    const QString player = f.Label_reponse_joueur.caption();
    if (player == QLatin1String("1"))
        common::ajouter(f.Label_score1, points);
    else if (player == QLatin1String("2"))
        common::ajouter(f.Label_score2, points);
}

void armer_pause() { common::armer_pause(jeu().manche()); }

void armer_pause_erreur()
{
    Form_pp& f = jeu();
    f.Label_timer3.setCaption(str(common::kPauseMs));
    f.Timer3.setEnabled(true);
}

} // namespace

void choisir_apparence_note_pp()
{
    if (const std::optional<QString> style = common::choisir_apparence(common::styles_coches()))
        jeu().nb_note.setCaption(*style);
}

void colorer_touches_niveau_pp()
{
    const QString game = jeu().Label_choix_jeu.caption();
    if (game == QLatin1String("1")) {
        peindre_touches(game, QString());
        return;
    }
    if (game != QLatin1String("2"))
        return;
    const QString language = platform::form<players::Form_joueurs>().Label_langue.caption();
    if (language == QLatin1String("francais"))
        nommer_touches_francais();
    else if (language == QLatin1String("anglais"))
        nommer_touches_anglais();
    else if (language == QLatin1String("espagnol"))
        nommer_touches_espagnol();
}

void nommer_touches_francais() { peindre_touches(QStringLiteral("2"), QStringLiteral("francais")); }
void nommer_touches_anglais() { peindre_touches(QStringLiteral("2"), QStringLiteral("anglais")); }
void nommer_touches_espagnol() { peindre_touches(QStringLiteral("2"), QStringLiteral("espagnol")); }

void bloquer_souris_touches_pp()
{
    common::blockPianoMouse(jeu().touches());
}

void traiter_bonne_reponse_pp()
{
    Form_pp& f = jeu();
    common::arreter_bruitage();
    common::portee_vide(f.Picture_note, f.Picture_note2);
    f.note_triste = false;

    if (f.save_score.visible()) {
        common::ajouter(f.Label_score, common::kAnswerPoints);
        armer_pause();
        return;
    }
    if (f.Label_nom2.visible()) {
        points_du_joueur(common::kAnswerPoints);
        armer_pause();
        return;
    }

    common::ajouter(f.Label_score, common::kAnswerPoints);
    const double score = val(f.Label_score.caption());
    if (score <= common::kPassScore) {
        common::barre_bonne_reponse(f.Label_barre_score);
        armer_pause();
    }
    if (score < common::kPassScore)
        return;
    fin_de_partie();
    f.Label_barre_score.setWidth(common::kFullBar);
    auto& texts = platform::form<media::Form_traduction>();
    if (f.Label_niveau.caption() != str(kLastLevel)) {
        f.Label_aide.setCaption(texts.Label_aide_suivant.caption());
        f.Command_reussi.setValue(true);
        f.Label_suite.setEnabled(true);
    } else {
        f.Label_aide.setCaption(texts.Label_aide_fin_1joueur.caption());
    }
}

void traiter_mauvaise_reponse_pp()
{
    Form_pp& f = jeu();
    // The sad face comes from the note on the staff, whatever the dialog says now.
    const bool smiley = common::montrer_visage_triste(f.Picture_note, f.note_triste);
    if (!smiley)
        armer_pause_erreur();

    auto& texts = platform::form<media::Form_traduction>();
    const double seconds = val(f.Label_temps.caption());
    if (f.save_score.visible()) {
        if (seconds == 0) {
            fin_de_partie();
            // The high-score list takes the run's result once the score screen exists.
            return;
        }
        common::ajouter(f.Label_score, -common::kAnswerPoints);
        if (!smiley)
            armer_pause_erreur();
        common::jouer_bruitage_erreur();
        return;
    }
    if (f.Label_nom2.visible()) {
        if (seconds > 0) {
            points_du_joueur(-common::kAnswerPoints);
            common::jouer_bruitage_erreur();
            return;
        }
        f.Label_aide.setCaption(texts.Label_aide_fin_2joueurs.caption());
        fin_de_partie();
        f.Label_barre_score.setWidth(0);
        return;
    }
    if (seconds > 0 && val(f.Label_score.caption()) > 0) {
        common::ajouter(f.Label_score, -common::kAnswerPoints);
        common::barre_mauvaise_reponse(f.Label_barre_score);
        common::jouer_bruitage_erreur();
        return;
    }
    f.Label_aide.setCaption(texts.Label_aide_perdu_1joueur.caption());
    f.Label_score.setCaption(QStringLiteral("0"));
    fin_de_partie();
    f.Label_barre_score.setWidth(0);
}

} // namespace games::staff_keyboard
