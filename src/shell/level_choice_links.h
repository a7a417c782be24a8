#pragma once
// What the main menu does with the level-choice and game screens.

#include <QString>

namespace shell {

// Shows the level-choice screen of a game ("pp", "pp2", "pp3", "pn", "nn", "nn2"), modeless.
void showLevelChoice(const QString& codeJeu);
// Closes the session's game screens (each by its own "Retour", which closes the MIDI input)
// and then the six level-choice screens. The menu's unload runs it, so every way the menu goes
// (its buttons, a desktop close, the end of the program) closes them.
void unloadLevelChoiceAndGames();
// Unloads the high-score screen if it is loaded.
void unloadScoreScreen();

} // namespace shell
