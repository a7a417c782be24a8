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

} // namespace level_choice
