#include "games/name_keyboard/module_nn.h"

#include "games/common/piano.h"
#include "games/common/round.h"
#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/questions.h"
#include "media/form_traduction.h"
#include "players/form_joueurs.h"
#include "platform/vb.h"

namespace games::name_keyboard {

using platform::str;
using platform::val;

namespace {

Form_nn& jeu() { return platform::form<Form_nn>(); }

media::Form_traduction& textes() { return platform::form<media::Form_traduction>(); }

void points_du_joueur(double points)
{
    Form_nn& f = jeu();
    common::points_du_joueur(f.Label_reponse_joueur, f.Label_score1, f.Label_score2, points);
}

} // namespace

void tirer_question_nn(int level)
{
    Form_nn& f = jeu();
    const QString language = platform::form<players::Form_joueurs>().Label_langue.caption();
    const int count = nombre_de_tirages(level);
    if (count == 0 || nom_du_code(1, language).isEmpty())
        return;
    platform::randomize();
    const int draw = std::min(static_cast<int>(platform::rnd() * count), count - 1) + 1;
    const std::optional<Question> q = question(level, language, draw);
    if (!q)
        return;
    f.tirage_note = draw;
    f.Label_nom_note.setCaption(q->name);
    f.Label_note.setCaption(str(q->code));
}

void traiter_bonne_reponse_nn()
{
    Form_nn& f = jeu();
    common::arreter_bruitage();
    f.Label_nom_note.setVisible(false);

    if (f.save_score.visible()) {
        common::ajouter(f.Label_score, common::kAnswerPoints);
        common::armer_pause(f.manche());
        return;
    }
    if (f.Label_nom2.visible()) {
        points_du_joueur(common::kAnswerPoints);
        common::armer_pause(f.manche());
        return;
    }

    common::ajouter(f.Label_score, common::kAnswerPoints);
    const double score = val(f.Label_score.caption());
    if (score <= common::kPassScore) {
        common::barre_bonne_reponse(f.Label_barre_score);
        common::armer_pause(f.manche());
    }
    if (score < common::kPassScore)
        return;
    common::terminer_manche(f.manche());
    f.Label_barre_score.setWidth(common::kFullBar);
    if (f.Label_niveau.caption() != str(kLastLevel)) {
        f.Label_aide.setCaption(textes().Label_aide_suivant.caption());
        f.Command_reussi.setValue(true);
        f.Label_suite.setEnabled(true);
    } else {
        f.Label_aide.setCaption(textes().Label_aide_fin_1joueur.caption());
    }
}

void traiter_mauvaise_reponse_nn()
{
    Form_nn& f = jeu();
    const double seconds = val(f.Label_temps.caption());

    if (f.save_score.visible()) {
        if (seconds == 0) {
            fin_partie_notee_nn();
            return;
        }
        common::ajouter(f.Label_score, -common::kAnswerPoints);
        common::jouer_bruitage_erreur();
        return;
    }
    if (f.Label_nom2.visible()) {
        if (seconds > 0) {
            points_du_joueur(-common::kAnswerPoints);
            common::jouer_bruitage_erreur();
            return;
        }
        f.Label_aide.setCaption(textes().Label_aide_fin_2joueurs.caption());
        common::terminer_manche(f.manche());
        f.Label_barre_score.setWidth(0);
        // The end text takes the name's place.
        f.Label_nom_note.setVisible(false);
        return;
    }
    if (seconds > 0 && val(f.Label_score.caption()) > 0) {
        common::ajouter(f.Label_score, -common::kAnswerPoints);
        common::barre_mauvaise_reponse(f.Label_barre_score);
        common::jouer_bruitage_erreur();
        return;
    }
    f.Label_aide.setCaption(textes().Label_aide_perdu_1joueur.caption());
    f.Label_score.setCaption(QStringLiteral("0"));
    common::terminer_manche(f.manche());
    f.Label_barre_score.setWidth(0);
    f.Label_nom_note.setVisible(false);
}

void fin_partie_notee_nn()
{
    Form_nn& f = jeu();
    common::terminer_manche(f.manche());
    f.Label_nom_note.setVisible(false);
}

void colorer_touches_niveau_nn()
{
    Form_nn& f = jeu();
    const QString game = f.Label_choix_jeu.caption();
    const QString level = f.Label_niveau.caption();
    common::peindre_touches(f.touches(), [&](int k) { return image_de_touche(game, level, k); });
}

void colorer_nom_note()
{
    Form_nn& f = jeu();
    if (val(f.Label_choix_jeu.caption()) != 1)
        return;
    if (const std::optional<quint32> colour = couleur_du_nom(f.Label_nom_note.caption()))
        f.Label_nom_note.setForeColor(*colour);
}

void bloquer_souris_touches_nn()
{
    common::blockPianoMouse(jeu().touches());
}

} // namespace games::name_keyboard
