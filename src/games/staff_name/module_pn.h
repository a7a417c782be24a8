#pragma once
// The staff-to-name game's module: the note appearance of a game, the name buttons of a level,
// the notes a level draws, and the judging of an answer.  Plain procedures that reach Form_pn
// by name.

#include "games/common/staff_notes.h"

#include <QString>

#include <optional>
#include <vector>

namespace games::staff_name {

// Picks the note appearance of Form_pn (nb_note) from the styles chosen in Form_bulles; with
// none chosen nb_note keeps its text.
void choisir_apparence_note_pn();
// Shows the name buttons of the level in Form_pn's Label_niveau: do, re, si at level 1; do,
// re, mi, la, si at 2; the naturals at 3 to 7; only the sharps at 8; only the flats at 9; all
// 21 from 10.  Other buttons keep their visibility; another level changes nothing.
void afficher_boutons_notes_pn();
// A right answer: points, the empty staff and the pause before the next note, or the level
// passed.
void traiter_bonne_reponse_pn();
// A wrong answer, and the end test of the clock: points off, or the level lost.
void traiter_mauvaise_reponse_pn();
// The end of a scored run (0 seconds left): the game stops, and the player chosen at the
// login and the score enter the high scores of "pn".
void terminer_partie_notee_pn();

// The notes a level (1 to 14) draws among, in draw order: the staff games' tables at levels 1
// to 4, then the notes of the level pictures; nothing for another level.
std::vector<common::NotePicture> notes_du_niveau(int level);
// Draws one note of a level, each equally likely (the random generator is reseeded first).
std::optional<common::DrawnNote> tirer_note_pn(int level);

} // namespace games::staff_name
