#include "games/staff_keyboard/module_pp.h"

#include "games/common/note_style.h"
#include "games/common/piano.h"
#include "games/common/round.h"
#include "games/common/staff_notes.h"
#include "games/staff_keyboard/form_pp.h"
#include "games/staff_keyboard/levels.h"
#include "players/form_joueurs.h"
#include "players/form_score.h"
#include "platform/vb.h"

namespace games::staff_keyboard {

using platform::str;

namespace {

Form_pp& jeu() { return platform::form<Form_pp>(); }

// Paints the pictures a level gives the keys, for a game number and a language.
void peindre_touches(const QString& game, const QString& language)
{
    Form_pp& f = jeu();
    const QString level = f.Label_niveau.caption();
    // Key 40 keeps its picture in these games.
    common::peindre_touches(f.touches(), [&](int k) -> std::optional<QString> {
        if (k == common::kKeyCount)
            return std::nullopt;
        return image_de_touche(game, language, level, k);
    });
}

void armer_pause_erreur()
{
    Form_pp& f = jeu();
    f.Label_timer3.setCaption(str(common::kPauseMs));
    f.Timer3.setEnabled(true);
}

} // namespace

void choisir_apparence_note_pp() { common::appliquer_apparence(jeu().nb_note); }

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

void traiter_bonne_reponse_pp() { jeu().bonne_reponse_sur_portee(); }

void fin_partie_notee_pp()
{
    Form_pp& f = jeu();
    // The game played, by its number: the menu may have started another game since.
    const QString code = f.code_jeu();
    if (!code.isEmpty())
        players::entrer_score(code, f.Label_nom1.caption(), f.Label_score.caption());
}

void traiter_mauvaise_reponse_pp()
{
    Form_pp& f = jeu();
    // The sad face comes from the note on the staff, whatever the dialog says now.
    if (!common::montrer_visage_triste(f.Picture_note, f.note_triste))
        armer_pause_erreur();
    const common::FinDeManche fin = common::mauvaise_reponse(f.manche());
    if (fin != common::FinDeManche::Aucune)
        f.fin_de_partie();
    if (fin == common::FinDeManche::PartieNotee)
        fin_partie_notee_pp();
}

} // namespace games::staff_keyboard
