#pragma once
// The six games as their level-choice screens see them, and the screens by game.

#include "level_choice/level_choice_screen.h"

#include <array>

namespace level_choice {

enum class Game { pp, pp2, pp3, pn, nn, nn2 };
constexpr std::array<Game, 6> kGames = {Game::pp, Game::pp2, Game::pp3, Game::pn, Game::nn, Game::nn2};

const GameLevels& gameLevels(Game game);

// The level-choice screen of a game, touched: loaded first when it is not loaded.
LevelChoiceScreen& levelChoiceScreen(Game game);
// The same by code_jeu ("pp" ... "nn2"); nullptr for another code.
LevelChoiceScreen* levelChoiceScreen(const QString& codeJeu);

// Loads and shows the level-choice screen of game 1 .. 6 ("pp", "pp2", "pp3", "pn", "nn",
// "nn2") as a player sees it after passing the first levels: levels up to 4 unlocked, level 3
// selected, a name filled in.
platform::Form& prepareScreenshot(int game);

} // namespace level_choice
