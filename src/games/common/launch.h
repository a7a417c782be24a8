#pragma once
// The launch of a game screen from its level-choice screen, shared by the six games: every
// launch starts on a freshly loaded game screen, so that no input mode, player layout, name
// buttons, key pictures or level of an earlier launch survives.  Ecran is the game screen's
// class (Form_pp, Form_pn, Form_nn); it must have a public Label_retour_Click().

#include "platform/forms.h"
#include "platform/vb.h"

#include <utility>

namespace games::common {

// Closes the game screen Ecran if it is still open, through its own "Retour" (which closes
// its MIDI input first); nothing when it is not loaded.
template <class Ecran>
void fermer_ecran_de_jeu()
{
    if (Ecran* ecran = platform::loaded<Ecran>())
        ecran->Label_retour_Click();
}

// Closes a still-open Ecran, then runs the hand-over (which loads Ecran afresh at its first
// touch and writes into it).  When the hand-over fails, the half-built screen is closed (an
// error of that close is reported on its own) and the hand-over's error goes on to the caller.
template <class Ecran, class RemiseAuJeu>
void lancer_ecran_neuf(RemiseAuJeu&& remise)
{
    fermer_ecran_de_jeu<Ecran>();
    try {
        std::forward<RemiseAuJeu>(remise)();
    } catch (...) {
        platform::dispatch(&fermer_ecran_de_jeu<Ecran>);
        throw;
    }
}

} // namespace games::common
