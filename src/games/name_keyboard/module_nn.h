#pragma once
// The name-to-keyboard games' module: the questions, the answer judges, the level passed, the
// key hints and name colours, acting on Form_nn.

namespace games::name_keyboard {

// Draws the next name of a level (1 to 4) in the player's language into Label_nom_note, its
// code into Label_note and the draw into tirage_note; a language other than the three leaves
// both labels as they are.
void tirer_question_nn(int level);
// A right answer: points, the pause before the next name, or the level passed.
void traiter_bonne_reponse_nn();
// A wrong answer, and the end test of the clock: points off, or the end of the game.
void traiter_mauvaise_reponse_nn();
// The end of a scored run (the time is up): the clock stops, the name goes, and the player's
// name (Label_nom1) and score enter the high scores of the game played.
void fin_partie_notee_nn();
// Game nn: the key hints of the level about to be played (nn2 keeps plain keys).
void colorer_touches_niveau_nn();
// Game nn: the asked name in the colour of its keys (nn2 keeps the name red).
void colorer_nom_note();
// The no-drop pointer on the 40 keys (computer-keyboard play).
void bloquer_souris_touches_nn();

} // namespace games::name_keyboard
