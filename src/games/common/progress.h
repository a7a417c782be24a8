#pragma once
// The progress of a passed level, shared by the six games: the level reached (niveau_atteint)
// rises in the current player's record along the game's ladder, then the game's level-choice
// screen, if it is open, unlocks what was earned.

#include <QString>

#include <optional>

namespace games::common {

// The level reached after passing a level, along the game's ladder: "pp", "pp2", "pp3",
// "pn" go 1 -> 2 -> 3 -> 4 -> 14, "nn" and "nn2" 1 -> 4.  Progress rises only when the level
// passed is the level reached (both read as numbers); nothing when it stays, or for another
// game code.
std::optional<int> progres_apres(const QString& codeJeu, double atteint, double passe);

// A level passed in game codeJeu: stores the risen progress in the player's record
// (Form_nouveau_joueur's Label_<code>, then Command_UpdateRecord), then presses Command_niveau
// of the game's level-choice screen when it is loaded (a closed one is not opened again).
// Another game code does nothing.
void enregistrer_niveau_reussi(const QString& codeJeu, const QString& niveau);

} // namespace games::common
