#pragma once
// The staff-to-keyboard game's module: answer judging, note appearance, key pictures.

namespace games::staff_keyboard {

// Picks the note appearance of Form_pp (nb_note) from the styles chosen in Form_bulles.
void choisir_apparence_note_pp();
// Paints the key hints of the current game, level and language on Form_pp's keys.
void colorer_touches_niveau_pp();
// Shows the no-drop pointer on the 40 keys (computer-keyboard play).
void bloquer_souris_touches_pp();
// A right answer: points, the pause before the next note, or the level passed.
void traiter_bonne_reponse_pp();
// A wrong answer, and the end test of the clock: points off, or the end of the game.
void traiter_mauvaise_reponse_pp();
// The end of a scored run: the player's name and score enter the high scores of the game.
void fin_partie_notee_pp();
// The note names of the current level on the keys, in one language (game "pp2").
void nommer_touches_francais();
void nommer_touches_anglais();
void nommer_touches_espagnol();

} // namespace games::staff_keyboard
