#include "games/name_keyboard/module_nn.h"

#include "games/common/piano.h"
#include "games/common/round.h"
#include "games/name_keyboard/form_nn.h"
#include "games/name_keyboard/questions.h"
#include "players/form_joueurs.h"
#include "players/form_score.h"
#include "platform/vb.h"

namespace games::name_keyboard {

using platform::str;
using platform::val;

namespace {

Form_nn& jeu() { return platform::form<Form_nn>(); }

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
    if (common::bonne_reponse(f.manche()))
        common::niveau_reussi(f.manche(), f.Label_niveau, f.Command_reussi, kLastLevel);
}

void traiter_mauvaise_reponse_nn()
{
    Form_nn& f = jeu();
    switch (common::mauvaise_reponse(f.manche())) {
    case common::FinDeManche::Aucune:
        break;  // the same name stays on show
    case common::FinDeManche::PartieNotee:
        fin_partie_notee_nn();
        break;
    case common::FinDeManche::DeuxJoueurs:
    case common::FinDeManche::Perdu:
        // The end text takes the name's place.
        f.Label_nom_note.setVisible(false);
        break;
    }
}

void fin_partie_notee_nn()
{
    Form_nn& f = jeu();
    common::terminer_manche(f.manche());
    f.Label_nom_note.setVisible(false);
    // The game played, by its number: the menu may have started another game since.
    const QString code = f.code_jeu();
    if (!code.isEmpty())
        players::entrer_score(code, f.Label_nom1.caption(), f.Label_score.caption());
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
