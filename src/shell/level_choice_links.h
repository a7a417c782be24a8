#pragma once
// What the main menu does with the level-choice and game screens.

#include <QString>

namespace shell {

// Shows the level-choice screen of a game ("pp", "pp2", "pp3", "pn", "nn", "nn2"), modeless.
void showLevelChoice(const QString& codeJeu);
// Closes the game screens (by their own way back, which closes the MIDI input) and the
// level-choice screens.
void unloadLevelChoiceAndGames();
// Unloads the high-score screen if it is loaded.
void unloadScoreScreen();

} // namespace shell
