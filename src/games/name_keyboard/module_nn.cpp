#include "games/name_keyboard/module_nn.h"

#include "games/common/piano.h"
#include "games/common/round.h"
#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/questions.h"
#include "level_choice/form_choix_nn.h"
#include "level_choice/form_choix_nn2.h"
#include "media/form_bruitage.h"
#include "media/form_traduction.h"
#include "players/form_joueurs.h"
#include "players/form_nouveau_joueur.h"
#include "platform/vb.h"

namespace games::name_keyboard {

using platform::str;
using platform::val;

namespace {

Form_nn& jeu() { return platform::form<Form_nn>(); }

media::Form_traduction& textes() { return platform::form<media::Form_traduction>(); }

// Every end of a game: the clock and the pause stop.
void arreter_horloge()
{
    Form_nn& f = jeu();
    f.Timer1.setEnabled(false);
    f.Timer2.setEnabled(false);
}

void armer_pause()
{
    Form_nn& f = jeu();
    f.Label_timer2.setCaption(str(common::kPauseMs));
    f.Timer2.setEnabled(true);
}

void points_du_joueur(double points)
{
    Form_nn& f = jeu();
    const QString player = f.Label_reponse_joueur.caption();
    if (player == QLatin1String("1"))
        common::ajouter(f.Label_score1, points);
    else if (player == QLatin1String("2"))
        common::ajouter(f.Label_score2, points);
}

// The effect of a wrong answer comes last: a message box it may show lets the clock run, and
// nothing of this answer may be counted after the round has ended meanwhile.
void jouer_bruitage_erreur()
{
    platform::form<media::Form_bruitage>().Command_faux.setValue(true);
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
    platform::form<media::Form_bruitage>().Command_stop.setValue(true);
    f.Label_nom_note.setVisible(false);

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
    arreter_horloge();
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
        jouer_bruitage_erreur();
        return;
    }
    if (f.Label_nom2.visible()) {
        if (seconds > 0) {
            points_du_joueur(-common::kAnswerPoints);
            jouer_bruitage_erreur();
            return;
        }
        f.Label_aide.setCaption(textes().Label_aide_fin_2joueurs.caption());
        arreter_horloge();
        f.Label_barre_score.setWidth(0);
        // The end text takes the name's place.
        f.Label_nom_note.setVisible(false);
        return;
    }
    if (seconds > 0 && val(f.Label_score.caption()) > 0) {
        common::ajouter(f.Label_score, -common::kAnswerPoints);
        common::barre_mauvaise_reponse(f.Label_barre_score);
        jouer_bruitage_erreur();
        return;
    }
    f.Label_aide.setCaption(textes().Label_aide_perdu_1joueur.caption());
    f.Label_score.setCaption(QStringLiteral("0"));
    arreter_horloge();
    f.Label_barre_score.setWidth(0);
    f.Label_nom_note.setVisible(false);
}

void fin_partie_notee_nn()
{
    Form_nn& f = jeu();
    arreter_horloge();
    f.Label_nom_note.setVisible(false);
}

void enregistrer_progression_nn()
{
    Form_nn& f = jeu();
    auto& record = platform::form<players::Form_nouveau_joueur>();
    platform::Label* progress = nullptr;
    // The level-choice screen beneath refreshes; a closed one is not opened again.
    platform::CommandButton* refresh = nullptr;
    const QString game = f.Label_choix_jeu.caption();
    if (game == QLatin1String("1")) {
        progress = &record.Label_nn;
        if (auto* choice = platform::loaded<level_choice::Form_choix_nn>())
            refresh = &choice->Command_niveau;
    } else if (game == QLatin1String("2")) {
        progress = &record.Label_nn2;
        if (auto* choice = platform::loaded<level_choice::Form_choix_nn2>())
            refresh = &choice->Command_niveau;
    } else {
        return;
    }
    // Passing level 1 opens every level at once.
    if (val(progress->caption()) == 1 && val(f.Label_niveau.caption()) == 1) {
        progress->setCaption(str(kLastLevel));
        record.Command_UpdateRecord.setValue(true);
    }
    if (refresh)
        refresh->setValue(true);
}

void colorer_touches_niveau_nn()
{
    Form_nn& f = jeu();
    const QString game = f.Label_choix_jeu.caption();
    const QString level = f.Label_niveau.caption();
    for (int k = 1; k <= common::kKeyCount; ++k) {
        const std::optional<QString> name = image_de_touche(game, level, k);
        if (!name)
            continue;
        const platform::Image* picture = common::image_du_magasin(*name);
        f.touche(k).setPicture(picture ? picture->picture() : QPixmap());
    }
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
